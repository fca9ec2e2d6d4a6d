// Damaged data lists through the readers, built with AddressSanitizer and UBSan: every
// truncation and spread single-byte corruptions of lists written here, corruptions of the XML
// inside workbooks (re-zipped, so that the XML readers meet them), hostile XML, and the files
// other programs made. Every read must end in a table or an error with a message, never in a
// crash, an overrun, undefined behaviour, a leak or a hang.
#include "datalists/DataListFile.h"
#include "datalists/ZipArchive.h"
#include "datalists/ZipWriter.h"

#include <QDate>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace quill;

namespace {

DataTable sampleTable()
{
    DataTable t;
    t.name = QStringLiteral("주소록");
    t.fields = {{QStringLiteral("이름"), FieldType::Text, 20},
                {QStringLiteral("주소"), FieldType::Text, 60},
                {QStringLiteral("나이"), FieldType::Integer, 0},
                {QStringLiteral("점수"), FieldType::Float, 0},
                {QStringLiteral("가입일"), FieldType::Date, 0},
                {QStringLiteral("회원"), FieldType::Boolean, 0}};
    t.rows = {{QStringLiteral("홍길동"), QStringLiteral("서울시 똠방동 1, \"가\"동 <&>"), 42, 3.5,
               QDate(2023, 5, 17), true},
              {QStringLiteral("Kim O'Neil"), QStringLiteral("부산\n해운대"), -7, 0.125,
               QDate(1999, 12, 31), false},
              {QStringLiteral("이순신"), QVariant(), QVariant(), QVariant(), QVariant(), QVariant()},
              {QStringLiteral("똠방각하"), QStringLiteral("제주"), 100000, -2.75, QDate(2000, 2, 29),
               true}};
    return t;
}

const char OdsHead[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<office:document-content xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\""
    " xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\""
    " xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\" office:version=\"1.3\">"
    "<office:body><office:spreadsheet><table:table table:name=\"명단\">";
const char OdsTail[] = "</table:table></office:spreadsheet></office:body></office:document-content>";

QByteArray odsCell(const QByteArray &text, const QByteArray &attributes = {})
{
    return "<table:table-cell office:value-type=\"string\"" + attributes + "><text:p>" + text
           + "</text:p></table:table-cell>";
}

// The rows of the sample sheet: repeats, a row group, spaces, a number and a boolean.
QByteArray odsRows()
{
    return "<table:table-header-rows><table:table-row>" + odsCell("이름") + odsCell("주소")
           + odsCell("점수") + "</table:table-row></table:table-header-rows>"
           "<table:table-row-group><table:table-row>" + odsCell("홍길동")
           + odsCell("서울<text:s text:c=\"2\"/>똠방동&amp;1")
           + "<table:table-cell office:value-type=\"float\" office:value=\"3.5\"/>"
           "</table:table-row></table:table-row-group>"
           "<table:table-row table:number-rows-repeated=\"2\">"
           + odsCell("반복", " table:number-columns-repeated=\"2\"")
           + "<table:table-cell office:value-type=\"boolean\" office:boolean-value=\"true\"/>"
           "</table:table-row><table:table-row table:number-rows-repeated=\"1048570\">"
           "<table:table-cell table:number-columns-repeated=\"16384\"/></table:table-row>";
}

QList<ZipMember> odsMembers(const QByteArray &content)
{
    return {{"mimetype", "application/vnd.oasis.opendocument.spreadsheet", false, {}},
            {"content.xml", content, true, {}}};
}

// The members of a workbook that the reader uses, taken out of an archive.
QList<ZipMember> unzip(const QString &path)
{
    QList<ZipMember> members;
    auto zip = ZipArchive::open(path);
    if (!zip)
        return members;
    for (const char *name : {"[Content_Types].xml", "xl/workbook.xml", "xl/_rels/workbook.xml.rels",
                             "xl/worksheets/sheet1.xml", "xl/sharedStrings.xml"}) {
        auto data = zip.value().read(QString::fromLatin1(name));
        if (data)
            members.append({name, data.value(), true, {}});
    }
    return members;
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Reads a list every way the program does: the table list, the first table, each table by name.
// Returns an empty text when each read ended in a sound table or an error with a message.
QString readProblem(const QString &path)
{
    auto tables = dataListTables(path);
    if (!tables)
        return tables.error().message.isEmpty() ? QStringLiteral("listing failed without a message") : QString();
    QStringList names = tables.value();
    names.prepend(QString());
    for (const QString &name : std::as_const(names).first(qMin<qsizetype>(names.size(), 4))) {
        auto table = readDataList(path, name);
        if (!table) {
            if (table.error().message.isEmpty())
                return QStringLiteral("reading %1 failed without a message").arg(name);
            continue;
        }
        const DataTable &t = table.value();
        for (int r = 0; r < t.rowCount(); ++r) {
            if (t.rows.at(r).size() != t.fields.size())
                return QStringLiteral("row %1 of %2 has %3 values for %4 fields")
                    .arg(r).arg(name).arg(t.rows.at(r).size()).arg(t.fields.size());
        }
    }
    return {};
}

// Deterministic spread positions: a linear congruential sequence over [0, size).
class Spread {
public:
    explicit Spread(quint32 seed) : mState(seed) {}
    quint32 next(quint32 bound)
    {
        mState = mState * 1664525u + 1013904223u;
        return bound ? (mState >> 8) % bound : 0;
    }

private:
    quint32 mState;
};

// Single-byte changes that turn sizes and counts huge or negative and change tags.
const quint8 kValues[] = {0x00, 0xFF, 0x80, 0x7F, 0x01};

// Every truncation when the sample is small, a stride of cuts otherwise (plus the first
// 512 lengths, where the headers are).
QList<qsizetype> cutLengths(qsizetype size, qsizetype budget, qsizetype dense = 512)
{
    QList<qsizetype> cuts;
    const qsizetype stride = qMax<qsizetype>(1, size / budget);
    for (qsizetype n = 0; n < size; n += (n < dense ? 1 : stride))
        cuts.append(n);
    return cuts;
}

// Damaged copies of bytes: header bytes set to each special value, then spread offsets.
QList<QByteArray> damagedCopies(const QByteArray &bytes, int spread, quint32 seed)
{
    QList<QByteArray> out;
    const auto damaged = [&](qsizetype at, quint8 value) {
        if (at < bytes.size() && quint8(bytes.at(at)) != value) {
            QByteArray copy = bytes;
            copy[at] = char(value);
            out.append(copy);
        }
    };
    for (qsizetype at = 0; at < qMin<qsizetype>(bytes.size(), 128); ++at) {
        damaged(at, 0x00);
        damaged(at, 0xFF);
    }
    Spread positions(seed);
    for (int i = 0; i < spread; ++i) {
        const qsizetype at = positions.next(quint32(bytes.size()));
        damaged(at, kValues[positions.next(std::size(kValues))]);
        damaged(at, quint8(bytes.at(at) ^ (1 << positions.next(8))));
    }
    return out;
}

// The workbook with one XML part replaced, zipped again.
QByteArray withPart(QList<ZipMember> members, const QByteArray &member, const QByteArray &xml)
{
    for (ZipMember &m : members) {
        if (m.name == member)
            m.data = xml;
    }
    return zipArchive(members);
}

} // namespace

class AsanDatalists : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void truncations_data() { samples(); }
    void truncations();
    void corruptions_data() { samples(); }
    void corruptions();
    void xmlParts_data();
    void xmlParts();
    void hostileXml_data();
    void hostileXml();
    void otherPrograms_data();
    void otherPrograms();

private:
    void samples();
    // Writes bytes as a file of the sample's type and reads it back; false (and a failed test)
    // when the read broke its contract.
    bool readsCleanly(const QString &extension, const QByteArray &bytes, const QString &what);

    QTemporaryDir mDir;
    QHash<QString, QByteArray> mSamples; // by extension
    QHash<QString, QList<ZipMember>> mParts; // the XML parts of the workbooks, by extension
};

void AsanDatalists::initTestCase()
{
    QVERIFY(mDir.isValid());
    const DataTable table = sampleTable();
    for (const char *ext : {"db", "dbf", "xlsx", "csv", "txt", "sqlite"}) {
        const QString path = mDir.filePath(QStringLiteral("sample.") + QLatin1String(ext));
        const Status written = writeDataList(path, table);
        QVERIFY2(written.ok(), qPrintable(written.error().message));
        mSamples.insert(QLatin1String(ext), readBytes(path));
        const QString problem = readProblem(path);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QCOMPARE(readDataList(path).value().rowCount(), table.rowCount());
    }
    mParts.insert(QStringLiteral("xlsx"), unzip(mDir.filePath(QStringLiteral("sample.xlsx"))));
    QCOMPARE(mParts.value(QStringLiteral("xlsx")).size(), 5);
    mParts.insert(QStringLiteral("ods"), odsMembers(OdsHead + odsRows() + OdsTail));
    mSamples.insert(QStringLiteral("ods"), zipArchive(mParts.value(QStringLiteral("ods"))));
    QVERIFY(writeBytes(mDir.filePath(QStringLiteral("sample.ods")), mSamples.value(QStringLiteral("ods"))));
    auto ods = readDataList(mDir.filePath(QStringLiteral("sample.ods")));
    QVERIFY2(ods.ok(), qPrintable(ods.error().message));
    QCOMPARE(ods.value().rowCount(), 3);
}

bool AsanDatalists::readsCleanly(const QString &extension, const QByteArray &bytes, const QString &what)
{
    const QString path = mDir.filePath(QStringLiteral("damaged.") + extension);
    if (!writeBytes(path, bytes)) {
        QTest::qFail("the damaged file cannot be written", __FILE__, __LINE__);
        return false;
    }
    const QString problem = readProblem(path);
    if (problem.isEmpty())
        return true;
    QTest::qFail(qPrintable(what + QStringLiteral(": ") + problem), __FILE__, __LINE__);
    return false;
}

void AsanDatalists::samples()
{
    QTest::addColumn<QString>("extension");
    for (const char *ext : {"db", "dbf", "xlsx", "ods", "csv", "txt", "sqlite"})
        QTest::newRow(ext) << QString::fromLatin1(ext);
}

void AsanDatalists::truncations()
{
    QFETCH(QString, extension);
    const QByteArray sample = mSamples.value(extension);
    QVERIFY(sample.size() > 64);
    for (qsizetype n : cutLengths(sample.size(), 10000)) {
        if (!readsCleanly(extension, sample.left(n), QStringLiteral("cut at %1").arg(n)))
            return;
    }
}

void AsanDatalists::corruptions()
{
    QFETCH(QString, extension);
    const QByteArray sample = mSamples.value(extension);
    const QList<QByteArray> damaged = damagedCopies(sample, 300, quint32(sample.size()));
    QVERIFY(damaged.size() > 300);
    for (qsizetype i = 0; i < damaged.size(); ++i) {
        if (!readsCleanly(extension, damaged.at(i), QStringLiteral("corruption %1").arg(i)))
            return;
    }
}

void AsanDatalists::xmlParts_data()
{
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QByteArray>("member");
    for (const char *member : {"xl/workbook.xml", "xl/_rels/workbook.xml.rels", "xl/worksheets/sheet1.xml",
                               "xl/sharedStrings.xml"})
        QTest::newRow(member) << QStringLiteral("xlsx") << QByteArray(member);
    QTest::newRow("content.xml") << QStringLiteral("ods") << QByteArray("content.xml");
}

void AsanDatalists::xmlParts()
{
    QFETCH(QString, extension);
    QFETCH(QByteArray, member);
    const QList<ZipMember> members = mParts.value(extension);
    QByteArray xml;
    for (const ZipMember &m : members) {
        if (m.name == member)
            xml = m.data;
    }
    QVERIFY(xml.size() > 100);
    for (qsizetype n = 0; n < xml.size(); ++n) {
        if (!readsCleanly(extension, withPart(members, member, xml.left(n)), QStringLiteral("cut at %1").arg(n)))
            return;
    }
    const QList<QByteArray> damaged = damagedCopies(xml, 400, quint32(xml.size()));
    for (qsizetype i = 0; i < damaged.size(); ++i) {
        if (!readsCleanly(extension, withPart(members, member, damaged.at(i)), QStringLiteral("corruption %1").arg(i)))
            return;
    }
}

namespace {

QByteArray repeated(const char *piece, int count)
{
    return QByteArray(piece).repeated(count);
}

// An internal subset whose entities expand a billion times.
QByteArray laughs(const QByteArray &root)
{
    QByteArray dtd = "<!DOCTYPE " + root + " [<!ENTITY l0 \"lol\">";
    for (int i = 1; i < 10; ++i)
        dtd += "<!ENTITY l" + QByteArray::number(i) + " \"" + ("&l" + QByteArray::number(i - 1) + ";").repeated(10) + "\">";
    return dtd + "]>";
}

const QByteArray XmlDecl = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
const QByteArray OdsDecl = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
constexpr int Deep = 100000; // row groups nested in each other

} // namespace

void AsanDatalists::hostileXml_data()
{
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QByteArray>("member");
    QTest::addColumn<QByteArrayList>("edits"); // pairs: a text of the part and its replacement
    QTest::addColumn<bool>("mustFail");
    const QString xlsx = QStringLiteral("xlsx"), ods = QStringLiteral("ods");
    const QByteArray sheet = "xl/worksheets/sheet1.xml", strings = "xl/sharedStrings.xml";
    const QByteArray workbook = "xl/workbook.xml", content = "content.xml";
    const auto row = [](const char *name, const QString &ext, const QByteArray &member,
                        const QByteArrayList &edits, bool mustFail) {
        QTest::newRow(name) << ext << member << edits << mustFail;
    };
    // Worksheets: places and sizes far out, references, pieces, nesting, cut constructs.
    row("last cell of the sheet", xlsx, sheet,
        {"<row r=\"4\" spans=\"1:6\"><c r=\"A4\"", "<row r=\"1048576\"><c r=\"XFD1048576\""}, true);
    row("row beyond the sheet", xlsx, sheet, {"<row r=\"4\"", "<row r=\"2147483647\""}, true);
    row("row numbers backwards", xlsx, sheet, {"<row r=\"5\"", "<row r=\"2\""}, false);
    row("column beyond the sheet", xlsx, sheet, {"r=\"B2\"", "r=\"ZZZZZZZZZZZZ2\""}, false);
    row("shared string out of range", xlsx, sheet, {"<v>6</v>", "<v>99999999999999999999</v>"}, false);
    row("value in 200000 pieces", xlsx, sheet, {"<v>42</v>", "<v>4" + repeated("<!---->2", 200000) + "</v>"}, false);
    row("value in CDATA pieces", xlsx, sheet,
        {"<v>42</v>", "<v>" + repeated("<![CDATA[1]]>", 100000) + "</v>"}, false);
    row("deep balanced nesting", xlsx, sheet,
        {"<sheetData>", "<sheetData>" + repeated("<x>", 200000) + repeated("</x>", 200000)}, false);
    row("deep open nesting", xlsx, sheet, {"<sheetData>", "<sheetData>" + repeated("<x>", 200000)}, true);
    row("mismatched end tag", xlsx, sheet, {"<v>6</v>", "<v>6</x>"}, true);
    row("open CDATA", xlsx, sheet, {"<sheetData>", "<sheetData><![CDATA[abc"}, true);
    row("open comment", xlsx, sheet, {"<sheetData>", "<sheetData><!-- abc"}, true);
    row("open attribute quote", xlsx, sheet, {"r=\"A2\"", "r=\"A2"}, true);
    row("document type in a sheet", xlsx, sheet, {XmlDecl, XmlDecl + laughs("worksheet")}, true);
    row("UTF-16 byte order mark", xlsx, sheet, {XmlDecl, "\xFF\xFE" + XmlDecl + "\xFF"}, true);
    row("undefined entity", xlsx, strings, {"<t>홍길동</t>", "<t>&bogus;</t>"}, true);
    row("reference to NUL", xlsx, strings, {"<t>홍길동</t>", "<t>&#0;</t>"}, true);
    row("reference past Unicode", xlsx, strings, {"<t>홍길동</t>", "<t>&#x110000;&#99999999999999999999;</t>"}, true);
    row("reference to a surrogate", xlsx, strings, {"<t>홍길동</t>", "<t>&#xD800;</t>"}, true);
    row("reference without end", xlsx, strings, {"<t>홍길동</t>", "<t>&#x41</t>"}, true);
    row("huge string count", xlsx, strings, {"uniqueCount=\"18\"", "uniqueCount=\"9223372036854775807\""}, false);
    row("negative string count", xlsx, strings, {"uniqueCount=\"18\"", "uniqueCount=\"-18\""}, false);
    row("entity expansion in the workbook", xlsx, workbook,
        {XmlDecl, XmlDecl + laughs("workbook"), "name=\"Sheet1\"", "name=\"&l9;\""}, true);
    row("sheet outside the workbook", xlsx, "xl/_rels/workbook.xml.rels",
        {"Target=\"worksheets/sheet1.xml\"", "Target=\"../../../../etc/passwd\""}, true);
    // OpenDocument: repeats, nesting of row groups, references and entities.
    row("deep row groups", ods, content,
        {"<table:table-row-group>", repeated("<table:table-row-group>", Deep),
         "</table:table-row-group>", repeated("</table:table-row-group>", Deep)}, true);
    row("value rows repeated past the sheet", ods, content,
        {"table:number-rows-repeated=\"2\"", "table:number-rows-repeated=\"2147483647\""}, false);
    row("value cells repeated past the sheet", ods, content,
        {"table:number-columns-repeated=\"2\"", "table:number-columns-repeated=\"2147483647\""}, false);
    row("a value after a million empty rows", ods, content,
        {"</table:table-row>" + QByteArray(OdsTail), "</table:table-row><table:table-row>"
         "<table:table-cell table:number-columns-repeated=\"16383\"/>" + odsCell("끝") + "</table:table-row>" + OdsTail},
        true);
    row("huge space count", ods, content, {"text:c=\"2\"", "text:c=\"2147483647\""}, false);
    row("undefined entity in a cell", ods, content, {"&amp;1", "&bogus;1"}, true);
    row("entity expansion in a cell", ods, content, {OdsDecl, OdsDecl + laughs("office:document-content"), "&amp;1", "&l9;"}, true);
}

void AsanDatalists::hostileXml()
{
    QFETCH(QString, extension);
    QFETCH(QByteArray, member);
    QFETCH(QByteArrayList, edits);
    QFETCH(bool, mustFail);
    QList<ZipMember> members = mParts.value(extension);
    bool found = false;
    for (ZipMember &m : members) {
        if (m.name != member)
            continue;
        found = true;
        for (qsizetype i = 0; i + 1 < edits.size(); i += 2) {
            QVERIFY2(m.data.contains(edits.at(i)), edits.at(i).left(80).constData());
            m.data.replace(m.data.indexOf(edits.at(i)), edits.at(i).size(), edits.at(i + 1));
        }
    }
    QVERIFY(found);
    const QString path = mDir.filePath(QStringLiteral("hostile.") + extension);
    QVERIFY(writeBytes(path, zipArchive(members)));
    const QString problem = readProblem(path);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    auto table = readDataList(path);
    if (mustFail)
        QVERIFY2(!table.ok(), "a damaged or oversized sheet was read as a table");
}

void AsanDatalists::otherPrograms_data()
{
    QTest::addColumn<QString>("path");
    const QDir fixtures(QStringLiteral(QUILL_SHARED_FIXTURES_DIR));
    if (!fixtures.exists())
        QSKIP("the files made by other programs are not there");
    QDirIterator it(fixtures.path(), {QStringLiteral("*.xls"), QStringLiteral("*.xlsx"),
                                      QStringLiteral("*.mdb"), QStringLiteral("*.ods")},
                    QDir::Files, QDirIterator::Subdirectories);
    QStringList paths;
    while (it.hasNext())
        paths.append(it.next());
    paths.sort();
    for (const QString &path : std::as_const(paths))
        QTest::newRow(qPrintable(fixtures.relativeFilePath(path))) << path;
}

// Files other programs wrote are read where they lie (some older workbooks are refused with a
// message); damaged copies of the smaller ones go to the temporary folder: cuts at a stride and
// spread corruptions, so that the libraries behind .xls and .mdb files see all their structures.
void AsanDatalists::otherPrograms()
{
    QFETCH(QString, path);
    const QString problem = readProblem(path);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    const QByteArray bytes = readBytes(path);
    if (bytes.size() > 512 * 1024)
        return; // large files are read whole per damaged copy: too slow here
    const QString extension = QFileInfo(path).suffix().toLower();
    // A workbook of Excel 97-2003 is read by a separate reader process (not built with the
    // sanitizers here): each copy mostly costs a process start, and what this build checks is
    // the parsing of the reader's answer, which fewer copies exercise as well.
    const bool separateReader = extension == QLatin1String("xls");
    const int cuts = separateReader ? 60 : 200;
    const int spread = separateReader ? 60 : 200;
    for (qsizetype n : cutLengths(bytes.size(), cuts, separateReader ? 64 : 512)) {
        if (!readsCleanly(extension, bytes.left(n), QStringLiteral("cut at %1").arg(n)))
            return;
    }
    // freexl itself overruns its buffers on some corrupted records (a second DIMENSION record
    // in a sheet, bad string lengths); it runs in the reader process, whose crash must come back
    // here as an error with a message.
    const QList<QByteArray> damaged = damagedCopies(bytes, spread, quint32(bytes.size()));
    for (qsizetype i = 0; i < damaged.size(); ++i) {
        if (!readsCleanly(extension, damaged.at(i), QStringLiteral("corruption %1").arg(i)))
            return;
    }
}

QTEST_GUILESS_MAIN(AsanDatalists)
#include "asan_datalists.moc"
