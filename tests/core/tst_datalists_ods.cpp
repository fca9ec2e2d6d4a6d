// OpenDocument spreadsheet lists: real .ods files built here (a zip with the mimetype stored
// first, a manifest and content.xml) are listed and read with Korean text, repeats, paragraphs
// and spaces intact; damaged files give clear errors.
#include "datalists/DataListFile.h"
#include "datalists/WorkbookFiles.h"
#include "datalists/ZipWriter.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace quill;

namespace {

const char ContentHead[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<office:document-content xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\""
    " xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\""
    " xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\""
    " xmlns:dc=\"http://purl.org/dc/elements/1.1/\" office:version=\"1.3\">"
    "<office:body><office:spreadsheet>";
const char ContentTail[] = "</office:spreadsheet></office:body></office:document-content>";

QByteArray odsBytes(const QByteArray &content)
{
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

QByteArray sheetXml(const QByteArray &name, const QByteArray &rows)
{
    return "<table:table table:name=\"" + name + "\">"
           "<table:table-column table:number-columns-repeated=\"1024\"/>" + rows + "</table:table>";
}

QByteArray textCell(const QByteArray &paragraphs, const QByteArray &attributes = {})
{
    return "<table:table-cell office:value-type=\"string\"" + attributes + ">" + paragraphs
           + "</table:table-cell>";
}

QByteArray p(const QByteArray &text)
{
    return "<text:p>" + text + "</text:p>";
}

// The sample workbook: a list sheet shaped the way spreadsheet programs save them (repeats up
// to the sheet's edge, a header row group, a note on a cell) and a second small sheet.
QByteArray sampleContent()
{
    const QByteArray trailingCells = "<table:table-cell table:number-columns-repeated=\"16380\"/>";
    const QByteArray list =
        "<table:table-header-rows><table:table-row>" + textCell(p("이름")) + textCell(p("주소"))
        + textCell(p("나이")) + textCell(p("메모")) + trailingCells + "</table:table-row></table:table-header-rows>"
        "<table:table-row>" + textCell(p("홍길동")) + textCell(p("서울시") + p("똠방동 1"))
        + "<table:table-cell office:value-type=\"float\" office:value=\"42\"><text:p>42</text:p></table:table-cell>"
        + textCell(p("a<text:s text:c=\"3\"/>b<text:s/>c")) + trailingCells + "</table:table-row>"
        "<table:table-row>" + textCell(p("같음"), " table:number-columns-repeated=\"2\"")
        + "<table:table-cell/>"
        + "<table:table-cell office:value-type=\"float\" office:value=\"3.5\"><text:p>3.5</text:p></table:table-cell>"
        + trailingCells + "</table:table-row>"
        "<table:table-row table:number-rows-repeated=\"2\">" + textCell(p("반복"))
        + "<table:table-cell table:number-columns-repeated=\"2\"/>"
        + textCell("<office:annotation><dc:creator>검토자</dc:creator>" + p("메모 아님") + "</office:annotation>" + p("본문"))
        + trailingCells + "</table:table-row>"
        "<table:table-row table:number-rows-repeated=\"2\"><table:table-cell table:number-columns-repeated=\"16384\"/></table:table-row>"
        "<table:table-row>" + textCell(p("끝")) + trailingCells + "</table:table-row>"
        "<table:table-row table:number-rows-repeated=\"1048569\"><table:table-cell table:number-columns-repeated=\"16384\"/></table:table-row>";
    const QByteArray second =
        "<table:table-row>" + textCell(p("코드")) + textCell(p("사용")) + "</table:table-row>"
        "<table:table-row>" + textCell(p("x")) +
        "<table:table-cell office:value-type=\"boolean\" office:boolean-value=\"true\"><text:p>TRUE</text:p></table:table-cell>"
        "</table:table-row>";
    return ContentHead + sheetXml("명단", list) + sheetXml("Sheet2", second) + ContentTail;
}

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        return {};
    return path;
}

QStringList rowTexts(const DataTable &t, int row)
{
    QStringList values;
    for (int c = 0; c < t.columnCount(); ++c)
        values.append(t.text(row, c));
    return values;
}

} // namespace

class TestDataListOds : public QObject {
    Q_OBJECT
private slots:
    void sheetsAreListedAndRead();
    void secondSheetByName();
    void cellTexts_data();
    void cellTexts();
    void damagedFilesGiveClearErrors_data();
    void damagedFilesGiveClearErrors();
};

void TestDataListOds::sheetsAreListedAndRead()
{
    QTemporaryDir dir;
    const QString path = writeFile(dir, QStringLiteral("목록.ods"), odsBytes(sampleContent()));
    QVERIFY(!path.isEmpty());
    const QStringList sheets{QStringLiteral("명단"), QStringLiteral("Sheet2")};
    auto names = odsSheetNames(path);
    QVERIFY2(names.ok(), qPrintable(names.error().message));
    QCOMPARE(names.value(), sheets);
    QCOMPARE(dataListTables(path).value(), sheets);

    auto read = readDataList(path); // the first sheet
    QVERIFY2(read.ok(), qPrintable(read.error().message));
    const DataTable &t = read.value();
    QCOMPARE(t.name, QStringLiteral("명단"));
    QCOMPARE(t.columnCount(), 4); // trailing empty columns add no fields
    QCOMPARE(t.fields.at(0).name, QStringLiteral("이름"));
    QCOMPARE(t.fields.at(3).name, QStringLiteral("메모"));
    // Two repeated rows, two empty rows kept in their place, no trailing rows.
    QCOMPARE(t.rowCount(), 7);
    const QString u; // an empty cell
    QCOMPARE(rowTexts(t, 0), (QStringList{QStringLiteral("홍길동"), QStringLiteral("서울시\n똠방동 1"),
                                          QStringLiteral("42"), QStringLiteral("a   b c")}));
    QCOMPARE(t.rows.at(0).at(2).typeId(), QMetaType::LongLong);
    QCOMPARE(rowTexts(t, 1), (QStringList{QStringLiteral("같음"), QStringLiteral("같음"), u, QStringLiteral("3.5")}));
    QCOMPARE(t.rows.at(1).at(3).toDouble(), 3.5);
    for (int r : {2, 3})
        QCOMPARE(rowTexts(t, r), (QStringList{QStringLiteral("반복"), u, u, QStringLiteral("본문")}));
    QCOMPARE(rowTexts(t, 4), (QStringList{u, u, u, u}));
    QCOMPARE(rowTexts(t, 5), (QStringList{u, u, u, u}));
    QCOMPARE(rowTexts(t, 6), (QStringList{QStringLiteral("끝"), u, u, u}));
}

void TestDataListOds::secondSheetByName()
{
    QTemporaryDir dir;
    const QString path = writeFile(dir, QStringLiteral("list.ods"), odsBytes(sampleContent()));
    auto read = readDataList(path, QStringLiteral("sheet2")); // letter case ignored
    QVERIFY2(read.ok(), qPrintable(read.error().message));
    QCOMPARE(read.value().name, QStringLiteral("Sheet2"));
    QCOMPARE(read.value().columnCount(), 2);
    QCOMPARE(read.value().fields.at(1).name, QStringLiteral("사용"));
    QCOMPARE(read.value().rowCount(), 1);
    QCOMPARE(read.value().text(0, 0), QStringLiteral("x"));
    QCOMPARE(read.value().rows.at(0).at(1), QVariant(true));
    auto missing = readDataList(path, QStringLiteral("없는시트"));
    QVERIFY(!missing.ok());
    QVERIFY(missing.error().message.startsWith(QStringLiteral("list.ods: ")));
    QVERIFY(missing.error().message.contains(QStringLiteral("없는시트")));
}

void TestDataListOds::cellTexts_data()
{
    QTest::addColumn<QByteArray>("cell");
    QTest::addColumn<QString>("text");
    QTest::newRow("paragraphs") << textCell(p("첫 줄") + p("둘째 줄") + p("셋째")) << QStringLiteral("첫 줄\n둘째 줄\n셋째");
    QTest::newRow("empty paragraph between") << textCell(p("a") + "<text:p/>" + p("b")) << QStringLiteral("a\n\nb");
    QTest::newRow("spaces") << textCell(p("<text:s text:c=\"2\"/>앞<text:s/>뒤")) << QStringLiteral("  앞 뒤");
    QTest::newRow("span, tab, line break")
        << textCell(p("가<text:span text:style-name=\"T1\">나</text:span><text:tab/>다<text:line-break/>라"))
        << QStringLiteral("가나\t다\n라");
    QTest::newRow("link") << textCell(p("<text:a xlink:href=\"http://x\" xmlns:xlink=\"http://www.w3.org/1999/xlink\">누리집</text:a>"))
                          << QStringLiteral("누리집");
    QTest::newRow("note is not the value")
        << textCell("<office:annotation><dc:date>2024-01-01</dc:date>" + p("주석") + "</office:annotation>" + p("값"))
        << QStringLiteral("값");
    QTest::newRow("entities") << textCell(p("&lt;a &amp; b&gt;")) << QStringLiteral("<a & b>");
    QTest::newRow("date") << QByteArray("<table:table-cell office:value-type=\"date\" office:date-value=\"2024-03-05\">"
                                        "<text:p>2024. 3. 5.</text:p></table:table-cell>")
                          << QStringLiteral("2024-03-05");
    QTest::newRow("number shown with a format")
        << QByteArray("<table:table-cell office:value-type=\"float\" office:value=\"1234.5\"><text:p>1,234.50</text:p></table:table-cell>")
        << QStringLiteral("1234.5");
}

void TestDataListOds::cellTexts()
{
    QFETCH(QByteArray, cell);
    QFETCH(QString, text);
    const QByteArray rows = "<table:table-row>" + textCell(p("값")) + "</table:table-row><table:table-row>" + cell
                            + "</table:table-row>";
    QTemporaryDir dir;
    const QString path = writeFile(dir, QStringLiteral("cell.ods"), odsBytes(ContentHead + sheetXml("S", rows) + ContentTail));
    auto read = readDataList(path);
    QVERIFY2(read.ok(), qPrintable(read.error().message));
    QCOMPARE(read.value().rowCount(), 1);
    QCOMPARE(read.value().text(0, 0), text);
}

void TestDataListOds::damagedFilesGiveClearErrors_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray good = ContentHead + sheetXml("S", "<table:table-row>" + textCell(p("이름")) + "</table:table-row>"
                                                   "<table:table-row>" + textCell(p("홍길동")) + "</table:table-row>")
                            + ContentTail;
    QTest::newRow("content cut short") << odsBytes(good.left(good.indexOf("홍길동")));
    QTest::newRow("content not well formed") << odsBytes(QByteArray(good).replace("</table:table-row>", "</table:row>"));
    QTest::newRow("no sheets") << odsBytes(QByteArray(ContentHead) + ContentTail);
    QTest::newRow("no content.xml")
        << zipArchive({{"mimetype", "application/vnd.oasis.opendocument.spreadsheet", false, {}}});
    QTest::newRow("content not deflate data")
        << zipArchive({{"mimetype", "application/vnd.oasis.opendocument.spreadsheet", false, {}},
                    {"content.xml", good, true, QByteArray("\xff\x00garbage", 9).repeated(20)}});
    QTest::newRow("zip cut short") << odsBytes(good).left(200);
}

void TestDataListOds::damagedFilesGiveClearErrors()
{
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    const QString path = writeFile(dir, QStringLiteral("bad.ods"), bytes);
    auto read = readDataList(path);
    QVERIFY(!read.ok());
    QVERIFY2(read.error().message.startsWith(QStringLiteral("bad.ods: ")), qPrintable(read.error().message));
    QCOMPARE(read.error().where, path);
    auto names = dataListTables(path);
    QVERIFY(!names.ok());
    QVERIFY(names.error().message.startsWith(QStringLiteral("bad.ods: ")));
}

QTEST_GUILESS_MAIN(TestDataListOds)
#include "tst_datalists_ods.moc"
