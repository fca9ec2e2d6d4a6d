// Data list files: every format opens and reads with Korean text intact, writable formats
// write and reopen, damaged files give clear errors.
#include "datalists/DataListFile.h"
#include "datalists/FileSupport.h"
#include "datalists/ParadoxFile.h"
#include "datalists/TextFile.h"
#include "datalists/WorkbookFiles.h"
#include "datalists/XlsReaderOutput.h"
#include "datalists/ZipWriter.h"
#include "shell/CaptionFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>

using namespace quill;

namespace {

DataTable sampleTable()
{
    DataTable t;
    t.name = QStringLiteral("주소록");
    t.fields = {{QStringLiteral("이름"), FieldType::Text, 20},
                {QStringLiteral("주소"), FieldType::Text, 60},
                {QStringLiteral("Count"), FieldType::Integer, 0}};
    t.rows = {{QStringLiteral("홍길동"), QStringLiteral("서울시 똠방동 1, \"가\"동"), 3},
              {QStringLiteral("Kim O'Neil"), QStringLiteral("부산"), 42},
              {QStringLiteral("이순신"), QVariant(), QVariant()}};
    return t;
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// A workbook with one sheet "목록" made of the given sheet and shared strings parts.
QByteArray xlsxBytes(const QByteArray &sheet, const QByteArray &sharedStrings)
{
    const QByteArray workbook =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
        "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
        "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
        "<sheets><sheet name=\"목록\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>";
    const QByteArray rels =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
        "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet\" "
        "Target=\"worksheets/sheet1.xml\"/></Relationships>";
    QList<ZipMember> members{{"xl/workbook.xml", workbook, true, {}},
                             {"xl/_rels/workbook.xml.rels", rels, true, {}},
                             {"xl/worksheets/sheet1.xml", sheet, true, {}}};
    if (!sharedStrings.isEmpty())
        members.append({"xl/sharedStrings.xml", sharedStrings, true, {}});
    return zipArchive(members);
}

// A stand-in for LibreOffice's converter: logs its arguments (one a line) beside itself, then
// does what `action` says with the output path $out/<input name>.xls.
QString fakeConverter(const QString &binDir, const QByteArray &action)
{
    const QString path = binDir + QStringLiteral("/soffice");
    const QByteArray script =
        "#!/bin/sh\n"
        "log=\"${0%/*}/args.log\"\n"
        ": > \"$log\"\n"
        "prev=; outdir=; input=\n"
        "for a in \"$@\"; do printf '%s\\n' \"$a\" >> \"$log\"; [ \"$prev\" = --outdir ] && outdir=$a; prev=$a; input=$a; done\n"
        "[ -f \"$input\" ] && echo 'input exists' >> \"$log\"\n"
        "name=${input##*/}\n"
        "out=\"$outdir/${name%.xlsx}.xls\"\n"
        + action + "\n";
    writeBytes(path, script);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

// Puts a PATH in place for one test and restores the old one afterwards.
auto usePath(const QString &path)
{
    const QByteArray old = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(path));
    return qScopeGuard([old] { qputenv("PATH", old); });
}

// Sets an environment variable for one test and restores the old value afterwards.
auto useEnvironment(const char *name, const QByteArray &value)
{
    const bool had = qEnvironmentVariableIsSet(name);
    const QByteArray old = qgetenv(name);
    qputenv(name, value);
    return qScopeGuard([name, had, old] {
        if (had)
            qputenv(name, old);
        else
            qunsetenv(name);
    });
}

// The frames of the Excel reader process, built by hand (little-endian).
QByteArray le32(quint32 v)
{
    QByteArray b;
    for (int i = 0; i < 4; ++i)
        b.append(char(v >> (8 * i)));
    return b;
}
QByteArray typeByte(int type) { return QByteArray(1, char(type)); }
QByteArray textCell(const QByteArray &utf8, int type = 3) { return typeByte(type) + le32(quint32(utf8.size())) + utf8; }
QByteArray doubleCell(double v)
{
    quint64 bits = 0;
    std::memcpy(&bits, &v, sizeof bits);
    return typeByte(2) + le32(quint32(bits)) + le32(quint32(bits >> 32));
}
QByteArray namesFrame(quint32 count, const QByteArray &body) { return "QXLS" + typeByte(1) + 'N' + le32(count) + body + "END."; }
QByteArray cellsFrame(quint32 rows, quint32 columns, const QByteArray &cells)
{
    return "QXLS" + typeByte(1) + 'C' + le32(rows) + le32(columns) + cells + "END.";
}

// A header row and two rows with every kind of cell, Korean text included.
QByteArray sampleCells()
{
    return cellsFrame(3, 3,
                      textCell("이름") + textCell("값") + typeByte(0)
                      + textCell("홍길동") + typeByte(1) + le32(quint32(-42)) + doubleCell(3.5)
                      + textCell("2023-05-17", 4) + doubleCell(42.0) + textCell("12:30:00", 6));
}

// A shell script that writes the given bytes (as printf octal escapes) to stdout.
QByteArray printfBytes(const QByteArray &bytes)
{
    QByteArray escaped;
    for (const char c : bytes)
        escaped += '\\' + QByteArray::number(quint8(c), 8).rightJustified(3, '0');
    return "printf '" + escaped + "'";
}

// A stand-in for the Excel reader: a shell script with the given body, named by QUILL_XLS_READER.
QString fakeReader(const QString &dir, const QByteArray &body)
{
    const QString path = dir + QStringLiteral("/fake-xls-reader");
    writeBytes(path, "#!/bin/sh\n" + body + "\n");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

} // namespace

class TestDataListFormats : public QObject {
    Q_OBJECT
private slots:
    void roundTrip_data();
    void roundTrip();
    void damagedFilesAreRefused_data();
    void damagedFilesAreRefused();
    void paradoxCutsAtCharacterBoundary();
    void tableCodecMatchesTheConverter();
    void xlsxPartsAreRead_data();
    void xlsxPartsAreRead();
    void textImportFollowsTheListRules();
    void textEncodingsAreDetected();
    void accessAndUnknownFormatsAreNotWritten();
    void sharedFixturesOpen_data();
    void sharedFixturesOpen();
    void xlsExportRunsTheConverter_data();
    void xlsExportRunsTheConverter();
    void xlsExportWithoutConverter();
    void xlsExportRealRoundTrip();
    void xlsFixturesReadThroughTheReader_data();
    void xlsFixturesReadThroughTheReader();
    void xlsThatCrashesTheLibraryIsRefused();
    void xlsReaderFailuresAreErrors_data();
    void xlsReaderFailuresAreErrors();
    void xlsReaderOutputIsParsed();
    void xlsReaderOutputCutShortIsRefused();
};

void TestDataListFormats::roundTrip_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::newRow("paradox") << QStringLiteral("list.db");
    QTest::newRow("merge table") << QStringLiteral("label.tmp");
    QTest::newRow("dbase") << QStringLiteral("list.dbf");
    QTest::newRow("xlsx") << QStringLiteral("list.xlsx");
    QTest::newRow("csv") << QStringLiteral("list.csv");
    QTest::newRow("txt") << QStringLiteral("list.txt");
    QTest::newRow("sqlite") << QStringLiteral("list.sqlite");
}

void TestDataListFormats::roundTrip()
{
    QFETCH(QString, fileName);
    QTemporaryDir dir;
    const QString path = dir.filePath(fileName);
    const DataTable source = sampleTable();
    const Status written = writeDataList(path, source);
    QVERIFY2(written.ok(), qPrintable(written.error().message));
    // Writing again replaces the file and leaves no temporary files behind.
    QVERIFY(writeDataList(path, source).ok());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{fileName});

    auto tables = dataListTables(path);
    QVERIFY2(tables.ok(), qPrintable(tables.error().message));
    QCOMPARE(tables.value().size(), 1);
    auto read = readDataList(path);
    QVERIFY2(read.ok(), qPrintable(read.error().message));
    const DataTable &t = read.value();
    QCOMPARE(t.fields.size(), source.fields.size());
    for (int i = 0; i < source.fields.size(); ++i)
        QCOMPARE(t.fields.at(i).name, source.fields.at(i).name);
    QCOMPARE(t.rowCount(), source.rowCount());
    for (int r = 0; r < source.rowCount(); ++r) {
        for (int c = 0; c < source.columnCount(); ++c)
            QCOMPARE(t.text(r, c), source.text(r, c));
    }
    QVERIFY(t.fields.at(0).size >= 3);
}

void TestDataListFormats::damagedFilesAreRefused_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<bool>("truncate"); // true: a good file cut short; false: garbage
    for (const char *name : {"x.db", "x.dbf", "x.xlsx", "x.sqlite", "x.xls", "x.mdb", "x.ods"}) {
        QTest::newRow((QByteArray(name) + " garbage").constData()) << QString::fromLatin1(name) << false;
        QTest::newRow((QByteArray(name) + " truncated").constData()) << QString::fromLatin1(name) << true;
    }
}

void TestDataListFormats::damagedFilesAreRefused()
{
    QFETCH(QString, fileName);
    QFETCH(bool, truncate);
    QTemporaryDir dir;
    const QString path = dir.filePath(fileName);
    QByteArray bytes = QByteArray("garbage, not a table ").repeated(300);
    if (truncate) {
        DataTable big = sampleTable();
        for (int i = 0; i < 400; ++i)
            big.rows.append({QStringLiteral("이름%1").arg(i), QStringLiteral("주소"), i});
        const QString good = dir.filePath(QStringLiteral("good.") + QFileInfo(fileName).suffix());
        if (!writeDataList(good, big).ok())
            QSKIP("this format is not writable here; garbage covers it");
        QFile f(good);
        QVERIFY(f.open(QIODevice::ReadOnly));
        bytes = f.readAll().left(f.size() / 3);
    }
    writeBytes(path, bytes);
    auto read = readDataList(path);
    QVERIFY(!read.ok());
    QVERIFY(read.error().message.contains(fileName));
    QVERIFY(!dataListTables(path).ok() || !read.ok());
}

void TestDataListFormats::paradoxCutsAtCharacterBoundary()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("long.db"));
    DataTable t;
    t.fields = {{QStringLiteral("Memo"), FieldType::Text, 10}};
    const QString longText = QStringLiteral("a") + QString(200, QChar(u'가')); // 401 bytes in CP949
    t.rows = {{longText}, {QStringLiteral("짧은 값")}};
    QVERIFY(writeParadoxFile(path, t).ok());
    auto read = readParadoxFile(path);
    QVERIFY(read.ok());
    const QString cut = read.value().text(0, 0);
    QVERIFY(!cut.isEmpty());
    QVERIFY(longText.startsWith(cut));
    QCOMPARE(cut.size(), 1 + 127); // 255 bytes hold "a" and 127 whole characters
    QCOMPARE(read.value().text(1, 0), QStringLiteral("짧은 값"));
}

// Table values are converted through lookup tables; every value must convert exactly as the
// converter itself does it, faulty ones (cut inside a character, unknown bytes) included.
void TestDataListFormats::tableCodecMatchesTheConverter()
{
    QRandomGenerator random(949);
    auto check = [](const QByteArray &bytes) {
        QCOMPARE(decodeCp949(bytes), fromCp949(bytes));
    };
    for (int lead = 0x80; lead <= 0xFF; ++lead) {
        for (int trail = 0x00; trail <= 0xFF; ++trail) {
            check(QByteArray(1, char(lead)) + char(trail));
            check(QByteArray(1, char(lead))); // cut inside a character
            check("A" + QByteArray(1, char(lead)) + char(trail) + "\xB0\xA1");
        }
    }
    for (int i = 0; i < 3000; ++i) {
        QByteArray bytes(int(random.bounded(12)), '\0');
        for (char &b : bytes)
            b = char(random.bounded(3) == 0 ? random.bounded(0x80) : 0x80 + random.bounded(0x80));
        check(bytes);
    }
    for (int u = 0; u <= 0xFFFF; ++u) {
        const QString one{QChar(char16_t(u))};
        QCOMPARE(encodeCp949(one), toCp949(one));
    }
    const QList<char16_t> pool{u'a', u'\\', u'~', u'가', u'똠', u'힣', u'漢', u'€', u'₩', u'ж', u'·', u'①',
                               0x80, 0xD83D, 0xDE00, 0xFFFD, 0};
    for (int i = 0; i < 3000; ++i) {
        QString text;
        for (int n = int(random.bounded(10)); n > 0; --n)
            text += QChar(pool.at(int(random.bounded(pool.size()))));
        QCOMPARE(encodeCp949(text), toCp949(text));
    }
}

void TestDataListFormats::xlsxPartsAreRead_data()
{
    QTest::addColumn<QByteArray>("sheetData");
    QTest::addColumn<QByteArray>("strings");   // the <si> items of the shared strings part
    QTest::addColumn<QStringList>("rows");     // the data rows, values joined by '|'; empty: damaged
    const QByteArray header = "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"B1\" t=\"s\"><v>1</v></c></row>";
    const QByteArray names = "<si><t>이름</t></si><si><t>값</t></si>";
    QTest::newRow("shared strings, references, line ends, runs")
        << header + "<row r=\"2\"><c r=\"A2\" t=\"s\"><v>2</v></c><c r=\"B2\" t=\"s\"><v>3</v></c></row>"
                    "<row r=\"3\"><c r=\"A3\" t=\"s\"><v> 4 </v></c><c r=\"B3\" t=\"s\"><v>99</v></c></row>"
        << names + "<si><t>a &amp; b&#10;&#xAC00;&lt;&quot;</t></si>"
                   "<si><r><rPr><b/></rPr><t>굵</t></r><r><t xml:space=\"preserve\"> 글씨 </t></r>"
                   "<rPh sb=\"0\" eb=\"1\"><t>ふりがな</t></rPh></si>"
                   "<si><t>x\r\ny<![CDATA[<&>]]></t></si>"
        << QStringList{QStringLiteral("a & b\n가<\"|굵 글씨 "), QStringLiteral("x\ny<&>|")};
    QTest::newRow("inline, numbers, booleans, formula text")
        << header + "<row r=\"2\"><c r=\"A2\" t=\"inlineStr\"><is><t>인라인</t></is></c><c r=\"B2\"><v>1.5</v></c></row>"
                    "<row r=\"3\"><c r=\"A3\" t=\"b\"><v>1</v></c><c r=\"B3\" t=\"str\"><f>A1</f><v>a&lt;b</v></c></row>"
                    "<row r=\"4\"><c r=\"A4\"><v>42</v></c><c r=\"B4\" s=\"1\"/></row>"
        << names << QStringList{QStringLiteral("인라인|1.5"), QStringLiteral("true|a<b"), QStringLiteral("42|")};
    QTest::newRow("gaps and cells without references")
        << header + "<row r=\"3\"><c t=\"s\"><v>0</v></c><c t=\"s\"><v>1</v></c></row>"
                    "<row r=\"4\"><c r=\"B4\" t=\"s\"><v>1</v></c></row><row r=\"9\"/>"
        << names << QStringList{QStringLiteral("|"), QStringLiteral("이름|값"), QStringLiteral("|값")};
    QTest::newRow("prefixed names")
        << QByteArray("<x:row r=\"1\"><x:c r=\"A1\" t=\"s\"><x:v>0</x:v></x:c><x:c r=\"B1\" t=\"s\"><x:v>1</x:v></x:c></x:row>"
                      "<x:row r=\"2\"><x:c r=\"A2\"><x:v>7</x:v></x:c></x:row>")
        << names << QStringList{QStringLiteral("7|")};
    QTest::newRow("unbalanced sheet") << header + "<row r=\"2\"><c r=\"A2\"><v>1</c></v></row>" << names << QStringList();
    QTest::newRow("sheet cut short") << header + "<row r=\"2\"><c r=\"A2\"><v>1</v>" << names << QStringList();
    QTest::newRow("unknown reference") << header + "<row r=\"2\"><c r=\"A2\" t=\"str\"><v>&nbsp;</v></c></row>" << names << QStringList();
    QTest::newRow("damaged shared strings") << header << names + "<si><t>cut" << QStringList();
    QTest::newRow("document type") << header << QByteArray("<!DOCTYPE x [<!ENTITY a \"b\">]>") + names << QStringList();
}

// The sheet and shared strings parts are read by a scanner of their own; it must read what
// spreadsheet programs write and refuse damaged parts.
void TestDataListFormats::xlsxPartsAreRead()
{
    QFETCH(QByteArray, sheetData);
    QFETCH(QByteArray, strings);
    QFETCH(QStringList, rows);
    const bool prefixed = sheetData.startsWith("<x:");
    const QByteArray sheet = prefixed
        ? "<?xml version=\"1.0\"?>\r\n<x:worksheet xmlns:x=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
          "<x:sheetData>" + sheetData + "</x:sheetData></x:worksheet>"
        : "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- made by hand -->\n<worksheet "
          "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><dimension ref=\"A1:B9\"/>"
          "<sheetData>" + sheetData + "</sheetData></worksheet>";
    QByteArray shared = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    if (strings.startsWith("<!DOCTYPE")) {
        shared += strings.left(strings.indexOf("]>") + 2);
        strings = strings.mid(strings.indexOf("]>") + 2);
    }
    shared += "<sst xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" count=\"9\" uniqueCount=\"9\">"
              + strings + (strings.endsWith("cut") ? "" : "</sst>");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("hand.xlsx"));
    writeBytes(path, xlsxBytes(sheet, shared));
    auto read = readDataList(path);
    if (rows.isEmpty()) {
        QVERIFY(!read.ok());
        QVERIFY2(read.error().message.startsWith(QStringLiteral("hand.xlsx: ")), qPrintable(read.error().message));
        return;
    }
    QVERIFY2(read.ok(), qPrintable(read.error().message));
    const DataTable &t = read.value();
    QCOMPARE(t.name, QStringLiteral("목록"));
    QCOMPARE(t.columnCount(), 2);
    QCOMPARE(t.fields.at(0).name, QStringLiteral("이름"));
    QStringList texts;
    for (int r = 0; r < t.rowCount(); ++r)
        texts.append(t.text(r, 0) + u'|' + t.text(r, 1));
    QCOMPARE(texts, rows);
}

void TestDataListFormats::textImportFollowsTheListRules()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("notes.txt"));
    writeBytes(path, QStringLiteral("이름,주소,\r\n홍길동,\"서울, 1\"\"가\"\"\",x,extra\n김\n\"여러\n줄\",끝\n").toUtf8());
    auto imported = importTextFile(path);
    QVERIFY2(imported.ok(), qPrintable(imported.error().message));
    QCOMPARE(imported.value(), path + QStringLiteral(".db"));
    auto t = readDataList(imported.value());
    QVERIFY(t.ok());
    // The header's trailing comma adds no field; the values past the header's fields are kept
    // in fields of their own (F3, F4) rather than dropped.
    QCOMPARE(t.value().fields.size(), 4);
    QCOMPARE(t.value().fields.at(2).name, QStringLiteral("F3"));
    QCOMPARE(t.value().text(0, 3), QStringLiteral("extra"));
    QCOMPARE(t.value().fields.at(0).size, 50);
    QCOMPARE(t.value().rowCount(), 3);
    QCOMPARE(t.value().text(0, 1), QStringLiteral("서울, 1\"가\""));
    QCOMPARE(t.value().text(1, 1), QString()); // fewer pieces leave the rest empty
    QCOMPARE(t.value().text(2, 0), QStringLiteral("여러\n줄"));
    // Importing again replaces the table.
    writeBytes(path, QByteArray("A\r\n1\r\n"));
    imported = importTextFile(path);
    QVERIFY(imported.ok());
    t = readDataList(imported.value());
    QCOMPARE(t.value().fields.size(), 1);
    QCOMPARE(t.value().rowCount(), 1);
}

void TestDataListFormats::textEncodingsAreDetected()
{
    const QString text = QStringLiteral("이름\r\n똠방각하\r\n");
    QTemporaryDir dir;
    const QList<QByteArray> encodings{toCp949(text), text.toUtf8(), QByteArray("\xEF\xBB\xBF") + text.toUtf8()};
    for (const QByteArray &bytes : encodings) {
        const QString path = dir.filePath(QStringLiteral("enc.csv"));
        writeBytes(path, bytes);
        auto t = readDataList(path);
        QVERIFY(t.ok());
        QCOMPARE(t.value().fields.at(0).name, QStringLiteral("이름"));
        QCOMPARE(t.value().text(0, 0), QStringLiteral("똠방각하"));
    }
}

void TestDataListFormats::accessAndUnknownFormatsAreNotWritten()
{
    QTemporaryDir dir;
    for (const QString &name : {QStringLiteral("x.mdb"), QStringLiteral("x.ods"), QStringLiteral("x.abc")}) {
        const Status s = writeDataList(dir.filePath(name), sampleTable());
        QVERIFY(!s.ok());
        QVERIFY2(s.error().message.contains(QStringLiteral(".dbf")), qPrintable(s.error().message));
        QVERIFY(!QFile::exists(dir.filePath(name)));
    }
    const Status created = createDataList(dir.filePath(QStringLiteral("new.MDB")), {QStringLiteral("A;문자열;10")});
    QVERIFY(!created.ok());
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("new.MDB"))));
    QCOMPARE(dataListFormat(QStringLiteral("/a/B.MDB")), DataListFormat::Access);
}

void TestDataListFormats::sharedFixturesOpen_data()
{
    QTest::addColumn<QString>("relative");
    QTest::addColumn<bool>("readable"); // false: older workbooks the reader refuses with a message
    QTest::newRow("nwind") << QStringLiteral("access/nwind.mdb") << true;
    QTest::newRow("dates mdb") << QStringLiteral("access/DateTestDatabase.mdb") << true;
    QTest::newRow("profiles") << QStringLiteral("excel/profiles.xls") << true;
    QTest::newRow("namesdemo") << QStringLiteral("excel/namesdemo.xls") << true;
    QTest::newRow("ragged") << QStringLiteral("excel/ragged.xls") << true;
    QTest::newRow("Formate") << QStringLiteral("excel/Formate.xls") << false;
    QTest::newRow("biff4") << QStringLiteral("excel/biff4_no_format_no_window2.xls") << false;
    QTest::newRow("sample xlsx") << QStringLiteral("excel/sample.xlsx") << true;
}

void TestDataListFormats::sharedFixturesOpen()
{
    QFETCH(QString, relative);
    QFETCH(bool, readable);
    const QString path = QStringLiteral(QUILL_SHARED_FIXTURES_DIR) + u'/' + relative;
    if (!QFile::exists(path))
        QSKIP("shared fixture not present");
    auto tables = dataListTables(path);
    if (!readable && !tables.ok()) {
        QVERIFY(tables.error().message.startsWith(QFileInfo(path).fileName() + u':'));
        return;
    }
    QVERIFY2(tables.ok(), qPrintable(tables.error().message));
    QVERIFY(!tables.value().isEmpty());
    for (const QString &name : tables.value()) {
        auto t = readDataList(path, name);
        QVERIFY2(t.ok(), qPrintable(name + QStringLiteral(": ") + t.error().message));
    }
}

void TestDataListFormats::xlsExportRunsTheConverter_data()
{
    QTest::addColumn<QByteArray>("action");
    QTest::addColumn<QString>("error"); // empty: the export succeeds
    QTest::newRow("converts") << QByteArray("printf 'converted' > \"$out\"") << QString();
    QTest::newRow("fails") << QByteArray("echo 'Error: source file could not be loaded'; exit 1")
                           << QStringLiteral("exit code 1): Error: source file could not be loaded");
    QTest::newRow("fails after writing part")
        << QByteArray("printf 'half' > \"$out\"; exit 3") << QStringLiteral("exit code 3");
    QTest::newRow("crashes") << QByteArray("printf 'half' > \"$out\"; kill -9 $$") << QStringLiteral("failed");
    QTest::newRow("writes nothing") << QByteArray("exit 0") << QStringLiteral("wrote nothing");
}

void TestDataListFormats::xlsExportRunsTheConverter()
{
    QFETCH(QByteArray, action);
    QFETCH(QString, error);
    QTemporaryDir bin, out;
    fakeConverter(bin.path(), action);
    const auto restore = usePath(bin.path());
    QVERIFY(canWriteXls());
    const QString target = out.filePath(QStringLiteral("목록.xls"));
    writeBytes(target, "old workbook");
    const Status s = writeDataList(target, sampleTable());
    QFile log(bin.filePath(QStringLiteral("args.log")));
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QStringList args = QString::fromUtf8(log.readAll()).split(u'\n', Qt::SkipEmptyParts);
    // soffice -env:UserInstallation=<url> --headless --convert-to xls --outdir <dir> <dir>/x.xlsx
    QVERIFY2(args.size() == 8, qPrintable(args.join(u' ')));
    QVERIFY(args.at(0).startsWith(QStringLiteral("-env:UserInstallation=file:///")));
    QCOMPARE(args.mid(1, 4), (QStringList{QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                                          QStringLiteral("xls"), QStringLiteral("--outdir")}));
    QVERIFY(args.at(6).endsWith(QStringLiteral(".xlsx")));
    QCOMPARE(QFileInfo(args.at(6)).absolutePath(), QFileInfo(args.at(5)).absoluteFilePath());
    QCOMPARE(args.at(7), QStringLiteral("input exists"));
    QVERIFY(!QFileInfo::exists(args.at(5))); // the work folder is gone afterwards
    QFile written(target);
    QVERIFY(written.open(QIODevice::ReadOnly));
    if (error.isEmpty()) {
        QVERIFY2(s.ok(), qPrintable(s.error().message));
        QCOMPARE(written.readAll(), QByteArray("converted"));
    } else {
        QVERIFY(!s.ok());
        QVERIFY2(s.error().message.startsWith(QStringLiteral("목록.xls: ")), qPrintable(s.error().message));
        QVERIFY2(s.error().message.contains(error), qPrintable(s.error().message));
        QCOMPARE(written.readAll(), QByteArray("old workbook")); // nothing half-written
    }
    QCOMPARE(QDir(out.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("목록.xls")});
}

void TestDataListFormats::xlsExportWithoutConverter()
{
    QTemporaryDir bin, out;
    const auto restore = usePath(bin.path());
    QVERIFY(!canWriteXls());
    QVERIFY(!canWriteFormat(DataListFormat::Excel));
    const QString target = out.filePath(QStringLiteral("x.xls"));
    const Status s = exportDataList(sampleTable(), target);
    QVERIFY(!s.ok());
    QCOMPARE(s.error().message, QStringLiteral("Excel 프로그램이 설치 되어 있지 않습니다."));
    QVERIFY(!QFile::exists(target));
    // The converter is looked for at every call: one installed meanwhile is found.
    fakeConverter(bin.path(), "printf 'converted' > \"$out\"");
    QVERIFY(canWriteXls());
    QVERIFY(exportDataList(sampleTable(), target).ok());
}

void TestDataListFormats::xlsExportRealRoundTrip()
{
    if (QStandardPaths::findExecutable(QStringLiteral("soffice")).isEmpty()
        && QStandardPaths::findExecutable(QStringLiteral("libreoffice")).isEmpty())
        QSKIP("LibreOffice is not installed");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("목록.xls"));
    const Status s = writeDataList(path, sampleTable());
    QVERIFY2(s.ok(), qPrintable(s.error().message));
    QCOMPARE(dataListTables(path).value(), QStringList{QStringLiteral("Sheet1")});
    auto read = readDataList(path);
    QVERIFY2(read.ok(), qPrintable(read.error().message));
    const DataTable source = sampleTable();
    QCOMPARE(read.value().rowCount(), source.rowCount());
    for (int r = 0; r < source.rowCount(); ++r) {
        for (int c = 0; c < source.columnCount(); ++c)
            QCOMPARE(read.value().text(r, c), source.text(r, c));
    }
}

void TestDataListFormats::xlsFixturesReadThroughTheReader_data()
{
    QTest::addColumn<QString>("relative");
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<QStringList>("sheets");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QVariantList>("lastRow");
    QTest::newRow("profiles") << QStringLiteral("excel/profiles.xls") << QString()
        << QStringList{QStringLiteral("PROFILEDEF"), QStringLiteral("AXISDEF"), QStringLiteral("TRAVERSALCHAINAGE"),
                       QStringLiteral("AXISDATUMLEVELS"), QStringLiteral("PROFILELEVELS")}
        << QStringList{QStringLiteral("PROFIL"), QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"),
                       QStringLiteral("d"), QStringLiteral("e"), QStringLiteral("f"), QStringLiteral("g"),
                       QStringLiteral("h"), QStringLiteral("i"), QStringLiteral("j"), QStringLiteral("k"),
                       QStringLiteral("l")}
        << 14
        << QVariantList{QStringLiteral("Q0"), 256LL, 257LL, 258LL, 259LL, 260LL, 261LL, 262LL, 263LL,
                        264LL, 265LL, 266LL, 267LL};
    QTest::newRow("ragged, sheet by name") << QStringLiteral("excel/ragged.xls") << QStringLiteral("sheet1")
        << QStringList{QStringLiteral("Sheet1"), QStringLiteral("Sheet2"), QStringLiteral("Sheet3")}
        << QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("F4")}
        << 4 << QVariantList{QStringLiteral("k"), QVariant(), QVariant(), QStringLiteral("l")};
}

// The workbooks other programs made read as they always did, now through the reader process.
void TestDataListFormats::xlsFixturesReadThroughTheReader()
{
    QFETCH(QString, relative);
    QFETCH(QString, sheet);
    QFETCH(QStringList, sheets);
    QFETCH(QStringList, fields);
    QFETCH(int, rows);
    QFETCH(QVariantList, lastRow);
    const QString path = QStringLiteral(QUILL_SHARED_FIXTURES_DIR) + u'/' + relative;
    if (!QFile::exists(path))
        QSKIP("shared fixture not present");
    auto names = dataListTables(path);
    QVERIFY2(names.ok(), qPrintable(names.error().message));
    QCOMPARE(names.value(), sheets);
    auto table = readDataList(path, sheet);
    QVERIFY2(table.ok(), qPrintable(table.error().message));
    QCOMPARE(table.value().name, sheets.first());
    QStringList fieldNames;
    for (const DataField &f : table.value().fields)
        fieldNames.append(f.name);
    QCOMPARE(fieldNames, fields);
    QCOMPARE(table.value().rowCount(), rows);
    QCOMPARE(table.value().rows.last(), lastRow);
}

// A damaged workbook that makes freexl overrun its stack: an error, and this process lives on.
void TestDataListFormats::xlsThatCrashesTheLibraryIsRefused()
{
    const QString fixture = QStringLiteral(QUILL_SHARED_FIXTURES_DIR) + QStringLiteral("/excel/Formate.xls");
    if (!QFile::exists(fixture))
        QSKIP("shared fixture not present");
    QFile source(fixture);
    QVERIFY(source.open(QIODevice::ReadOnly));
    QByteArray bytes = source.readAll();
    QVERIFY(bytes.size() > 4560);
    bytes[4560] = '\0';
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("손상된 목록.xls"));
    writeBytes(path, bytes);
    auto names = dataListTables(path);
    QVERIFY(!names.ok());
    QVERIFY2(names.error().message.startsWith(QStringLiteral("손상된 목록.xls: ")), qPrintable(names.error().message));
    auto table = readDataList(path);
    QVERIFY(!table.ok());
    QVERIFY2(table.error().message.startsWith(QStringLiteral("손상된 목록.xls: ")), qPrintable(table.error().message));
}

void TestDataListFormats::xlsReaderFailuresAreErrors_data()
{
    QTest::addColumn<QByteArray>("script"); // empty: QUILL_XLS_READER names a missing file
    QTest::addColumn<QString>("expected"); // a part of the message
    const QByteArray names = printfBytes(namesFrame(1, typeByte(1) + le32(6) + "Sheet1"));
    // A reader that lists the sheet, then answers the cells with `cells`.
    const auto withCells = [&names](const QByteArray &cells) {
        return "if [ $# -eq 1 ]; then " + names + "; else " + cells + "; fi";
    };
    const QString damaged = QStringLiteral("the file is damaged or not an Excel 97-2003 workbook");
    QTest::newRow("reader missing") << QByteArray() << QStringLiteral("QUILL_XLS_READER");
    QTest::newRow("hangs") << QByteArray("exec sleep 30") << QStringLiteral("did not finish");
    QTest::newRow("hangs on the cells") << withCells("exec sleep 30") << QStringLiteral("did not finish");
    QTest::newRow("crashes") << QByteArray("kill -SEGV $$") << QStringLiteral("crashed");
    QTest::newRow("crashes on the cells") << withCells("kill -SEGV $$") << QStringLiteral("crashed");
    QTest::newRow("garbage") << QByteArray("echo 'hello, no frames here'") << damaged;
    QTest::newRow("nothing") << QByteArray("exit 0") << damaged;
    QTest::newRow("names cut short") << printfBytes(namesFrame(1, typeByte(1) + le32(6) + "She").chopped(4)) << damaged;
    QTest::newRow("name longer than the output") << printfBytes(namesFrame(1, typeByte(1) + le32(0x7fffffff) + "Sheet1")) << damaged;
    QTest::newRow("more names than bytes") << printfBytes(namesFrame(0xffffffff, {})) << damaged;
    QTest::newRow("no sheets") << printfBytes(namesFrame(0, {})) << damaged;
    QTest::newRow("bytes after the trailer") << names + "; echo more" << damaged;
    QTest::newRow("cells garbage") << withCells("echo garbage") << damaged;
    QTest::newRow("cell text beyond the output") << withCells(printfBytes(cellsFrame(1, 1, typeByte(3) + le32(0x7fffffff) + "a"))) << damaged;
    QTest::newRow("unknown cell type") << withCells(printfBytes(cellsFrame(1, 1, typeByte(9)))) << damaged;
    QTest::newRow("fewer cells than claimed") << withCells(printfBytes(cellsFrame(2, 2, typeByte(0)))) << damaged;
    QTest::newRow("sheet beyond the size limit") << withCells(printfBytes(cellsFrame(0xffffffff, 0xffff, {})))
                                                 << QStringLiteral("the sheet Sheet1 is too large");
    QTest::newRow("rows without columns") << withCells(printfBytes(cellsFrame(0xffffffff, 0, {})))
                                          << QStringLiteral("the sheet Sheet1 is too large");
    QTest::newRow("workbook refused with a reason")
        << QByteArray("echo 'not a readable Excel 97-2003 workbook (code -3)' >&2; exit 2")
        << QStringLiteral("x.xls: not a readable Excel 97-2003 workbook (code -3)");
    QTest::newRow("reason that is not plain text") << QByteArray("printf '\\033[2J\\001' >&2; exit 2")
                                                   << QStringLiteral("exit code 2");
    QTest::newRow("sheet refused") << withCells("exit 3") << QStringLiteral("x.xls: the sheet Sheet1 is damaged");
    QTest::newRow("unknown exit code") << QByteArray("exit 7") << QStringLiteral("exit code 7");
}

// Whatever the reader process does, the read ends in an error naming the file, never in a
// partial table, and within the time limit.
void TestDataListFormats::xlsReaderFailuresAreErrors()
{
    QFETCH(QByteArray, script);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("x.xls"));
    writeBytes(path, "not looked at by the fake reader");
    const QString reader = script.isEmpty() ? dir.filePath(QStringLiteral("missing-reader"))
                                            : fakeReader(dir.path(), script);
    auto readerGuard = useEnvironment("QUILL_XLS_READER", QFile::encodeName(reader));
    auto timeoutGuard = useEnvironment("QUILL_XLS_READER_TIMEOUT_MS", "1500");
    QElapsedTimer clock;
    clock.start();
    auto table = readDataList(path);
    QVERIFY(clock.elapsed() < 15000);
    QVERIFY(!table.ok());
    QVERIFY2(table.error().message.startsWith(QStringLiteral("x.xls: ")), qPrintable(table.error().message));
    QVERIFY2(table.error().message.contains(expected), qPrintable(table.error().message));
}

// Frames as the reader writes them: every cell type, Korean text, names the workbook lacks.
void TestDataListFormats::xlsReaderOutputIsParsed()
{
    auto names = parseXlsSheetNames(namesFrame(3, typeByte(1) + le32(6) + "목록" + typeByte(0) + typeByte(1) + le32(0)));
    QVERIFY2(names.ok(), qPrintable(names.error().message));
    QCOMPARE(names.value(), (QStringList{QStringLiteral("목록"), QStringLiteral("Sheet2"), QString()}));
    auto table = parseXlsSheet(sampleCells(), QStringLiteral("목록"));
    QVERIFY2(table.ok(), qPrintable(table.error().message));
    const DataTable &t = table.value();
    QCOMPARE(t.name, QStringLiteral("목록"));
    QCOMPARE(t.fields.size(), 3);
    QCOMPARE(t.fields.at(0).name, QStringLiteral("이름"));
    QCOMPARE(t.fields.at(2).name, QStringLiteral("F3"));
    QCOMPARE(t.rows.size(), 2);
    QCOMPARE(t.rows.at(0), (QVariantList{QStringLiteral("홍길동"), QVariant(-42LL), QVariant(3.5)}));
    // An integral number reads as an integer, as in the other spreadsheet formats.
    QCOMPARE(t.rows.at(1), (QVariantList{QStringLiteral("2023-05-17"), QVariant(42LL), QStringLiteral("12:30:00")}));
}

// Every prefix of a good frame is refused: a reader that dies half-way never yields a table.
void TestDataListFormats::xlsReaderOutputCutShortIsRefused()
{
    const QByteArray cells = sampleCells();
    for (qsizetype n = 0; n < cells.size(); ++n)
        QVERIFY2(!parseXlsSheet(cells.first(n), QStringLiteral("S")).ok(), qPrintable(QString::number(n)));
    const QByteArray names = namesFrame(2, typeByte(1) + le32(6) + "목록" + typeByte(0));
    QVERIFY(parseXlsSheetNames(names).ok());
    for (qsizetype n = 0; n < names.size(); ++n)
        QVERIFY2(!parseXlsSheetNames(names.first(n)).ok(), qPrintable(QString::number(n)));
}

QTEST_GUILESS_MAIN(TestDataListFormats)
#include "tst_datalists_formats.moc"
