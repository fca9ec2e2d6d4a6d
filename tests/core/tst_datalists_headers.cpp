// Lists open whatever their header row holds (empty, repeated and odd names), rows longer than
// the header keep their values, Access 2007+ files read like older ones, and no message shows
// the query engine's own wording.
#include "datalists/DataListFile.h"
#include "datalists/FieldNames.h"
#include "datalists/SqlEngine.h"
#include "datalists/SqlErrors.h"
#include "datalists/TextFile.h"
#include "datalists/ZipWriter.h"

#include <QFile>
#include <QSqlError>
#include <QTemporaryDir>
#include <QtTest>

using namespace quill;
using namespace Qt::StringLiterals;

namespace {

QString longName()
{
    return QString(300, u'긴');
}

// A CSV value, quoted when it must be.
QByteArray csvValue(const QString &text)
{
    if (!text.contains(u',') && !text.contains(u'"'))
        return text.toUtf8();
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return '"' + quoted.toUtf8() + '"';
}

QByteArray xmlEscaped(const QString &text)
{
    return text.toHtmlEscaped().toUtf8();
}

// A one-sheet OpenDocument spreadsheet with a header row and one data row.
QByteArray odsBytes(const QStringList &header, const QStringList &values)
{
    const auto row = [](const QStringList &cells) {
        QByteArray xml = "<table:table-row>";
        for (const QString &c : cells) {
            xml += c.isEmpty() ? QByteArray("<table:table-cell/>")
                               : "<table:table-cell office:value-type=\"string\"><text:p>"
                                     + xmlEscaped(c) + "</text:p></table:table-cell>";
        }
        return xml + "</table:table-row>";
    };
    const QByteArray content =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<office:document-content xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\""
        " xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\""
        " xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\" office:version=\"1.3\">"
        "<office:body><office:spreadsheet><table:table table:name=\"목록\">"
        + row(header) + row(values) + "</table:table></office:spreadsheet></office:body></office:document-content>";
    const QByteArray manifest =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<manifest:manifest xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\" manifest:version=\"1.3\">"
        "<manifest:file-entry manifest:full-path=\"/\" manifest:media-type=\"application/vnd.oasis.opendocument.spreadsheet\"/>"
        "<manifest:file-entry manifest:full-path=\"content.xml\" manifest:media-type=\"text/xml\"/>"
        "</manifest:manifest>";
    return zipArchive({{"mimetype", "application/vnd.oasis.opendocument.spreadsheet", false, {}},
                       {"META-INF/manifest.xml", manifest, true, {}},
                       {"content.xml", content, true, {}}});
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Writes a list with this header and one row of values v1, v2, ... in the given format.
QString writeList(const QTemporaryDir &dir, const QString &format, const QStringList &header)
{
    QStringList values;
    for (int i = 0; i < header.size(); ++i)
        values.append(QStringLiteral("v%1").arg(i + 1));
    const QString path = dir.filePath(QStringLiteral("list.") + format);
    if (format == u"csv") {
        QByteArrayList head, row;
        for (const QString &h : header)
            head.append(csvValue(h));
        for (const QString &v : values)
            row.append(v.toUtf8());
        return writeFile(path, head.join(',') + "\r\n" + row.join(',') + "\r\n") ? path : QString();
    }
    if (format == u"ods")
        return writeFile(path, odsBytes(header, values)) ? path : QString();
    // The .xlsx writer puts the field names in the first row as they are, repeats included.
    DataTable t;
    QVariantList row;
    for (int i = 0; i < header.size(); ++i) {
        t.fields.append({header.at(i), FieldType::Text, 10});
        row.append(values.at(i));
    }
    t.rows.append(row);
    return writeDataList(path, t, QStringLiteral("목록")) ? path : QString();
}

// True for an Access 2000-2003 file (Jet 4), whose pages the later versions share.
bool isJet4File(const QByteArray &file)
{
    return file.size() > 0x14 && file.at(0x14) == 1;
}

QStringList fieldNames(const DataTable &t)
{
    QStringList names;
    for (const DataField &f : t.fields)
        names.append(f.name);
    return names;
}

} // namespace

class TestDataListHeaders : public QObject {
    Q_OBJECT
private slots:
    void headerRowsOpen_data();
    void headerRowsOpen();
    void oddNamesReachQueriesQuoted();
    void madeUpNamesNeverTakeARealOne();
    void sharedWorkbooksOpenWithTheirHeaders();
    void longRowsKeepTheirValues_data();
    void longRowsKeepTheirValues();
    void accessDatabasesOfEveryVersionOpen();
    void engineErrorsAreTold_data();
    void engineErrorsAreTold();
};

void TestDataListHeaders::headerRowsOpen_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QStringList>("header");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("warnings");
    struct Case {
        const char *name;
        QStringList header, expected;
        int warnings;
    };
    const QList<Case> cases = {
        {"empty between repeats", {u"name"_s, {}, u"name"_s}, {u"name"_s, u"F2"_s, u"name_2"_s}, 2},
        {"letter case", {u"A"_s, u"a"_s}, {u"A"_s, u"a_2"_s}, 1},
        {"three times", {u"RED"_s, u"RED"_s, u"RED"_s}, {u"RED"_s, u"RED_2"_s, u"RED_3"_s}, 2},
        {"Korean repeat", {u"주소"_s, u"주소"_s}, {u"주소"_s, u"주소_2"_s}, 1},
        {"odd names kept", {u"1st"_s, u"a.b"_s, u"say \"hi\""_s, u"[x]"_s, u"주 소"_s, longName()},
         {u"1st"_s, u"a.b"_s, u"say \"hi\""_s, u"[x]"_s, u"주 소"_s, longName()}, 0},
        {"spaces trimmed", {u" a "_s, u"b"_s}, {u"a"_s, u"b"_s}, 0},
    };
    for (const char *format : {"csv", "xlsx", "ods"}) {
        for (const Case &c : cases) {
            QTest::addRow("%s: %s", format, c.name)
                << QString::fromLatin1(format) << c.header << c.expected << c.warnings;
        }
    }
}

void TestDataListHeaders::headerRowsOpen()
{
    QFETCH(QString, format);
    QFETCH(QStringList, header);
    QFETCH(QStringList, expected);
    QFETCH(int, warnings);
    QTemporaryDir dir;
    const QString path = writeList(dir, format, header);
    QVERIFY(!path.isEmpty());
    auto table = readDataList(path);
    QVERIFY2(table.ok(), qPrintable(table.error().message));
    QCOMPARE(fieldNames(table.value()), expected);
    QCOMPARE(table.value().warnings.size(), warnings);
    for (const QString &w : table.value().warnings)
        QVERIFY2(w.startsWith(QStringLiteral("column ")), qPrintable(w));
    // The list loads into the query engine, and every field is found by the name the user sees.
    SqlTable engine;
    QVERIFY2(engine.load(table.value()), "the list does not load");
    for (int i = 0; i < expected.size(); ++i) {
        DataQuery q;
        q.columns = {expected.at(i)};
        q.equals = {{expected.at(i), QStringLiteral("v%1").arg(i + 1)}};
        auto r = engine.select(q);
        QVERIFY2(r.ok(), qPrintable(r.error().message));
        QCOMPARE(r.value().rowCount(), 1);
    }
}

void TestDataListHeaders::oddNamesReachQueriesQuoted()
{
    QTemporaryDir dir;
    const QString path = writeList(dir, QStringLiteral("csv"),
        {u"1st"_s, u"a.b"_s, u"say \"hi\""_s, u"order"_s, u"주소"_s});
    // Bare words that name a field are quoted for the engine; bracketed names always are.
    const struct {
        const char *statement;
        const char *expected;
    } cases[] = {
        {"SELECT 1st FROM \"list.csv\" WHERE 1st = \"v1\"", "v1"},
        {"SELECT a.b FROM \"list.csv\" WHERE a.b LIKE \"v%\"", "v2"},
        {"SELECT [say \"hi\"] FROM \"list.csv\"", "v3"},
        {"SELECT [order] FROM \"list.csv\" ORDER BY [order]", "v4"},
        {"SELECT 주소 FROM \"list.csv\" WHERE 주소 = \"v5\"", "v5"},
    };
    for (const auto &c : cases) {
        auto r = runEngineQuery(QString::fromUtf8(c.statement), dir.path());
        QVERIFY2(r.ok(), qPrintable(QString::fromUtf8(c.statement) + u" -> "_s + r.error().message));
        QCOMPARE(r.value().rowCount(), 1);
        QCOMPARE(r.value().text(0, 0), QString::fromUtf8(c.expected));
    }
    Q_UNUSED(path);
}

void TestDataListHeaders::madeUpNamesNeverTakeARealOne()
{
    // "F2" is column 3's real name and "x_2" column 2's: the made-up names step around them.
    DataTable t;
    t.fields = {{u"x"_s, FieldType::Text, 0}, {u"x_2"_s, FieldType::Text, 0},
                {u"F2"_s, FieldType::Text, 0}, {u"x"_s, FieldType::Text, 0}, {{}, FieldType::Text, 0},
                {u"\tF5\n"_s, FieldType::Text, 0}};
    t.fields[1].name = u"x_2"_s;
    DataTable withEmpty = t;
    withEmpty.fields[1].name.clear(); // would be F2, which column 3 has
    normaliseFieldNames(t);
    QCOMPARE(fieldNames(t), (QStringList{u"x"_s, u"x_2"_s, u"F2"_s, u"x_3"_s, u"F5"_s, u"F5_2"_s}));
    normaliseFieldNames(withEmpty);
    QCOMPARE(fieldNames(withEmpty), (QStringList{u"x"_s, u"F2"_s, u"F2_2"_s, u"x_2"_s, u"F5"_s, u"F5_2"_s}));
    // A second pass changes nothing: the names are stable for binding.
    QCOMPARE(normaliseFieldNames(withEmpty), 0);
}

void TestDataListHeaders::sharedWorkbooksOpenWithTheirHeaders()
{
    // Every sheet of the Excel files users brought opens and loads into the query engine, with
    // unique names; this is where a repeated header once stopped a workbook from opening.
    const QString dir = QStringLiteral(QUILL_SHARED_FIXTURES_DIR) + u"/excel/"_s;
    int sheets = 0;
    for (const char *file : {"profiles.xls", "namesdemo.xls", "ragged.xls", "sample.xlsx"}) {
        const QString path = dir + QString::fromLatin1(file);
        if (!QFile::exists(path))
            QSKIP("shared fixtures not present");
        auto names = dataListTables(path);
        QVERIFY2(names.ok(), qPrintable(names.error().message));
        for (const QString &sheet : names.value()) {
            auto t = readDataList(path, sheet);
            QVERIFY2(t.ok(), qPrintable(t.error().message));
            QSet<QString> seen;
            for (const QString &n : fieldNames(t.value())) {
                QVERIFY2(!n.isEmpty() && !seen.contains(n.toCaseFolded()), qPrintable(path + u": "_s + n));
                seen.insert(n.toCaseFolded());
            }
            SqlTable engine;
            Status loaded = engine.load(t.value());
            if (t.value().fields.isEmpty()) { // an empty sheet is told as such
                QVERIFY(!loaded);
                QVERIFY2(loaded.error().message.contains(u"is empty"), qPrintable(loaded.error().message));
                continue;
            }
            QVERIFY2(loaded.ok(), qPrintable(path + u": "_s + loaded.error().message));
            ++sheets;
        }
    }
    QVERIFY(sheets > 4);
}

void TestDataListHeaders::longRowsKeepTheirValues_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QStringList>("lastRow");
    QTest::addColumn<QString>("warning"); // empty: none
    QTest::newRow("two extra") << QByteArray("a,b\r\n1,2,3,4\r\n5\r\n") << QStringList{u"a"_s, u"b"_s, u"F3"_s, u"F4"_s}
                               << QStringList{u"5"_s, {}, {}, {}}
                               << u"line 2 has more values than the header names fields (2); the extra values are kept in fields F3 to F4"_s;
    QTest::newRow("after a quoted line break") << QByteArray("a,b\n\"x\ny\",2\n1,2,3\n") << QStringList{u"a"_s, u"b"_s, u"F3"_s}
                                               << QStringList{u"1"_s, u"2"_s, u"3"_s}
                                               << u"line 4 has more values than the header names fields (2); the extra values are kept in field F3"_s;
    QTest::newRow("several lines") << QByteArray("a\n1,2\n\n3\n4,5,6\n") << QStringList{u"a"_s, u"F2"_s, u"F3"_s}
                                   << QStringList{u"4"_s, u"5"_s, u"6"_s}
                                   << u"lines 2, 5 have more values than the header names fields (1); the extra values are kept in fields F2 to F3"_s;
    QTest::newRow("trailing comma is not a value") << QByteArray("a,b\n1,2,\n") << QStringList{u"a"_s, u"b"_s}
                                                   << QStringList{u"1"_s, u"2"_s} << QString();
    QTest::newRow("short rows stay quiet") << QByteArray("a,b,c\n1\n") << QStringList{u"a"_s, u"b"_s, u"c"_s}
                                           << QStringList{u"1"_s, {}, {}} << QString();
}

void TestDataListHeaders::longRowsKeepTheirValues()
{
    QFETCH(QByteArray, csv);
    QFETCH(QStringList, fields);
    QFETCH(QStringList, lastRow);
    QFETCH(QString, warning);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("rows.csv"));
    QVERIFY(writeFile(path, csv));
    auto table = readDataList(path);
    QVERIFY2(table.ok(), qPrintable(table.error().message));
    const DataTable &t = table.value();
    QCOMPARE(fieldNames(t), fields);
    QStringList last;
    for (int c = 0; c < t.columnCount(); ++c)
        last.append(t.text(t.rowCount() - 1, c));
    QCOMPARE(last, lastRow);
    QCOMPARE(t.warnings, warning.isEmpty() ? QStringList() : QStringList{warning});
}

void TestDataListHeaders::accessDatabasesOfEveryVersionOpen()
{
    // Access 2007 and later files differ from Access 2000 ones in the signature and version of
    // their first page; the pages after it have the same layout. The shared Access 2000 file is
    // made into one of each version, named .accdb, and must read exactly as the original.
    const QString source = QStringLiteral(QUILL_SHARED_FIXTURES_DIR) + u"/access/DateTestDatabase.mdb"_s;
    if (!QFile::exists(source))
        QSKIP("shared fixtures not present");
    QFile in(source);
    QVERIFY(in.open(QIODevice::ReadOnly));
    const QByteArray original = in.readAll();
    auto tables = dataListTables(source);
    QVERIFY2(tables.ok(), qPrintable(tables.error().message));
    auto dates = readDataList(source, QStringLiteral("DateTest"));
    QVERIFY(dates.ok());
    QVERIFY(dates.value().rowCount() > 0);
    QVERIFY(isJet4File(original));
    QTemporaryDir dir;
    for (char version : {char(2), char(3), char(5)}) {
        QByteArray ace = original;
        ace.replace(4, 15, "Standard ACE DB");
        ace[20] = version;
        const QString path = dir.filePath(QStringLiteral("nwind%1.accdb").arg(int(version)));
        QVERIFY(writeFile(path, ace));
        auto names = dataListTables(path);
        QVERIFY2(names.ok(), qPrintable(names.error().message));
        QCOMPARE(names.value(), tables.value());
        auto t = readDataList(path, QStringLiteral("DateTest"));
        QVERIFY2(t.ok(), qPrintable(t.error().message));
        QCOMPARE(t.value().rows, dates.value().rows);
        // Writing is refused with the Access message, naming both kinds of file.
        Status written = writeDataList(path, t.value());
        QVERIFY(!written);
        QVERIFY(written.error().message.contains(u"*.accdb"));
    }
    // A file with another signature is still refused.
    QByteArray other = original;
    other.replace(4, 15, "Standard XYZ DB");
    const QString bad = dir.filePath(QStringLiteral("other.accdb"));
    QVERIFY(writeFile(bad, other));
    QVERIFY(!dataListTables(bad));
}

void TestDataListHeaders::engineErrorsAreTold_data()
{
    QTest::addColumn<QString>("engineText");
    QTest::addColumn<QString>("told");
    QTest::newRow("duplicate") << u"duplicate column name: RED"_s << u"two fields are named RED (letter case is not told apart)"_s;
    QTest::newRow("column") << u"no such column: 주소"_s << u"there is no field 주소"_s;
    QTest::newRow("not a db") << u"file is not a database"_s << u"the file is damaged or not a SQLite database"_s;
    QTest::newRow("locked") << u"database is locked"_s << u"the file is in use by another program"_s;
    QTest::newRow("full") << u"database or disk is full"_s << u"the disk is full"_s;
    QTest::newRow("unknown") << u"some new failure"_s << u"the list could not be processed (error 99)"_s;
}

void TestDataListHeaders::engineErrorsAreTold()
{
    QFETCH(QString, engineText);
    QFETCH(QString, told);
    const QSqlError error(QStringLiteral("Unable to execute statement"), engineText,
                          QSqlError::StatementError, QStringLiteral("99"));
    QCOMPARE(describeSqlError(error), told);
    // Through the engine: a query on a missing field names the list and the field.
    DataTable t;
    t.name = QStringLiteral("주소록.csv");
    t.fields = {{u"이름"_s, FieldType::Text, 10}};
    SqlTable engine;
    QVERIFY(engine.load(t));
    auto r = engine.run(QStringLiteral("SELECT 없음 FROM x"));
    QVERIFY(!r);
    QCOMPARE(r.error().message, u"the list 주소록.csv: there is no field 없음"_s);
}

QTEST_GUILESS_MAIN(TestDataListHeaders)
#include "tst_datalists_headers.moc"
