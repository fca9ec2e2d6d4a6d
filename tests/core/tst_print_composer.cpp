// The print composer: sheet arithmetic, and composed sheets checked in PDF output.
#include "document/LabelDocument.h"
#include "objects/ZR_GuideLabel.h"
#include "objects/ZR_SerialNumber.h"
#include "objects/ZR_TextEdit.h"
#include "printing/PdfSheetSink.h"
#include "printing/PrintComposer.h"
#include "printing/PrintDataList.h"
#include "printing/SheetArithmetic.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace quill;

namespace {

constexpr double MmPerInch = 25.4;

// A4 with 3 x 7 cells of 63.5 x 38.1 mm.
TZR_LabelSize sheet21()
{
    TZR_LabelSize s;
    s.setPageWidth(210 / MmPerInch);
    s.setPageHeight(297 / MmPerInch);
    s.setColumns(3);
    s.setRows(7);
    s.setWidth(63.5 / MmPerInch);
    s.setHeight(38.1 / MmPerInch);
    s.setLeftMargin(float(7.2 / MmPerInch));
    s.setTopMargin(float(15.1 / MmPerInch));
    s.setHorizSpace(float(2.5 / MmPerInch));
    return s;
}

std::unique_ptr<TZR_GuideLabel> fieldLabel(const QString &field, const QRect &bounds)
{
    auto label = std::make_unique<TZR_GuideLabel>();
    label->setFontName(QStringLiteral("DejaVu Sans"));
    label->setFieldName(field);
    label->setBounds(bounds);
    return label;
}

std::unique_ptr<TZR_SerialNumber> serialNumber(int start, int end, int step)
{
    auto serial = std::make_unique<TZR_SerialNumber>();
    serial->setFontName(QStringLiteral("DejaVu Sans"));
    serial->setPrefix(QStringLiteral("SN"));
    serial->setStartNum(start);
    serial->setImsiSerialNum(start);
    serial->setEndNum(end);
    serial->setIncNum(step);
    serial->setRising(start <= end);
    serial->setBounds(QRect(10, 10, 120, 20));
    return serial;
}

std::unique_ptr<TZR_TextEdit> textBox(const QString &text, const QRect &bounds)
{
    auto box = std::make_unique<TZR_TextEdit>();
    box->setFontName(QStringLiteral("DejaVu Sans"));
    box->setWwfMemo({text});
    box->setBounds(bounds);
    return box;
}

// Records "REC001".."RECnnn" in a field NAME.
PrintDataList records(int count)
{
    DataTable table;
    table.fields << DataField{QStringLiteral("NAME"), FieldType::Text, 20};
    for (int i = 1; i <= count; ++i)
        table.rows << QVariantList{QStringLiteral("REC%1").arg(i, 3, 10, QLatin1Char('0'))};
    return PrintDataList(table, false);
}

QString run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

int pdfPages(const QString &pdf)
{
    const QRegularExpression pages(QStringLiteral("Pages:\\s+(\\d+)"));
    return pages.match(run(QStringLiteral("pdfinfo"), {pdf})).captured(1).toInt();
}

QString pageText(const QString &pdf, int page)
{
    const QString n = QString::number(page);
    return run(QStringLiteral("pdftotext"), {QStringLiteral("-f"), n, QStringLiteral("-l"), n,
                                              pdf, QStringLiteral("-")});
}

// The words of a page with their top-left corners in points.
QHash<QString, QPointF> wordPositions(const QString &pdf, int page)
{
    const QString n = QString::number(page);
    const QString html = run(QStringLiteral("pdftotext"),
                             {QStringLiteral("-bbox"), QStringLiteral("-f"), n,
                              QStringLiteral("-l"), n, pdf, QStringLiteral("-")});
    const QRegularExpression word(
        QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\"[^>]*>([^<]*)</word>"));
    QHash<QString, QPointF> words;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        words.insert(m.captured(3), QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()));
    }
    return words;
}

// Which of the tokens prefix + number (from..to) a text holds.
QList<int> numbersIn(const QString &text, const QString &prefix, int width)
{
    QList<int> found;
    const QRegularExpression token(prefix + QStringLiteral("(\\d{%1})\\b").arg(width));
    for (auto it = token.globalMatch(text); it.hasNext();)
        found << it.next().captured(1).toInt();
    std::sort(found.begin(), found.end());
    return found;
}

QList<int> range(int from, int to)
{
    QList<int> r;
    for (int i = from; i <= to; ++i)
        r << i;
    return r;
}

} // namespace

class TestPrintComposer : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void sheetArithmetic_data();
    void sheetArithmetic();
    void perCellPlacement_data();
    void perCellPlacement();
    void replicatedRecords_data();
    void replicatedRecords();
    void serialNumbersAcrossSheets();
    void unreachableSerialRangeIsRefused();
    void offsetsMoveEverySheet();
    void copiesRepeatEachSheet();
    void perCellLandscapeRunsUpTheColumns();
    void perCellSkipsSheetsWithoutCells();
    void cutMarksAtCellsBeforeTheStart();
    void fieldLabelsWrapAndBlankTheEmptyText();
    void colourRestoredAfterFailure();

private:
    LabelDocument *newDocument(const TZR_LabelSize &sheet);
    QString pdfPath(const QString &name) const { return mDir.filePath(name); }

    QTemporaryDir mDir;
    std::vector<std::unique_ptr<LabelDocument>> mDocuments;
};

LabelDocument *TestPrintComposer::newDocument(const TZR_LabelSize &sheet)
{
    mDocuments.push_back(std::make_unique<LabelDocument>());
    LabelDocument *document = mDocuments.back().get();
    if (!document->newDocument(sheet))
        return nullptr;
    return document;
}

void TestPrintComposer::initTestCase()
{
    QVERIFY(mDir.isValid());
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("poppler-utils (pdftotext, pdfinfo) are not installed");
}

void TestPrintComposer::sheetArithmetic_data()
{
    QTest::addColumn<int>("cells");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("sheets");
    QTest::addColumn<int>("sheet");
    QTest::addColumn<int>("firstCell");
    QTest::addColumn<int>("firstRecord");

    QTest::newRow("50 from 1, sheet 3") << 21 << 1 << 50 << 3 << 3 << 1 << 43;
    QTest::newRow("50 from 5, sheet 1") << 21 << 5 << 50 << 3 << 1 << 5 << 1;
    QTest::newRow("50 from 5, sheet 2") << 21 << 5 << 50 << 3 << 2 << 1 << 18;
    QTest::newRow("50 from 5, sheet 3") << 21 << 5 << 50 << 3 << 3 << 1 << 39;
    QTest::newRow("10 from 15, sheet 2") << 21 << 15 << 10 << 2 << 2 << 1 << 8;
    QTest::newRow("21 from 1") << 21 << 1 << 21 << 1 << 1 << 1 << 1;
    QTest::newRow("22 from 1") << 21 << 1 << 22 << 2 << 2 << 1 << 22;
    QTest::newRow("start on the second sheet") << 21 << 30 << 5 << 2 << 2 << 9 << 1;
    QTest::newRow("start beyond sheet 1 leaves it empty") << 21 << 30 << 5 << 2 << 1 << 22 << 1;
    QTest::newRow("no labels") << 21 << 1 << 0 << 1 << 1 << 1 << 1;
    QTest::newRow("no cells") << 0 << 1 << 5 << 1 << 1 << 1 << 1;
}

void TestPrintComposer::sheetArithmetic()
{
    QFETCH(int, cells);
    QFETCH(int, start);
    QFETCH(int, count);
    QFETCH(int, sheets);
    QFETCH(int, sheet);
    QFETCH(int, firstCell);
    QFETCH(int, firstRecord);
    QCOMPARE(sheetmath::sheetCount(cells, start, count), sheets);
    QCOMPARE(sheetmath::sheetFirstCell(sheet, cells, start), qint64(firstCell));
    QCOMPARE(sheetmath::sheetFirstRecord(sheet, cells, start), qint64(firstRecord));
}

void TestPrintComposer::perCellPlacement_data()
{
    QTest::addColumn<bool>("landscape");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");

    // 3 columns x 2 rows.
    QTest::newRow("portrait 0") << false << 0 << 0 << 0;
    QTest::newRow("portrait 4") << false << 4 << 1 << 1;
    QTest::newRow("landscape 0: bottom of column 0") << true << 0 << 1 << 0;
    QTest::newRow("landscape 1: above it") << true << 1 << 0 << 0;
    QTest::newRow("landscape 2: bottom of column 1") << true << 2 << 1 << 1;
    QTest::newRow("landscape 5") << true << 5 << 0 << 2;
}

void TestPrintComposer::perCellPlacement()
{
    QFETCH(bool, landscape);
    QFETCH(int, index);
    TZR_LabelSize s;
    s.setColumns(3);
    s.setRows(2);
    s.setPageWidth(landscape ? 11.69 : 8.27);
    s.setPageHeight(landscape ? 8.27 : 11.69);
    QFETCH(int, row);
    QFETCH(int, column);
    const CellPosition at = sheetmath::perCellPlacement(index, s);
    QCOMPARE(at.row, row);
    QCOMPARE(at.column, column);
}

void TestPrintComposer::replicatedRecords_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("partCount"); // 0: no part print
    QTest::addColumn<int>("recordCount");
    QTest::addColumn<QList<QList<int>>>("pages");

    QTest::newRow("50 records from cell 1")
        << 1 << 0 << 50 << QList<QList<int>>{range(1, 21), range(22, 42), range(43, 50)};
    QTest::newRow("50 records from cell 5")
        << 5 << 0 << 50 << QList<QList<int>>{range(1, 17), range(18, 38), range(39, 50)};
    QTest::newRow("part print of 10 from cell 15")
        << 15 << 10 << 50 << QList<QList<int>>{range(1, 7), range(8, 10)};
    QTest::newRow("part print of 21 from cell 1") << 1 << 21 << 50 << QList<QList<int>>{range(1, 21)};
    QTest::newRow("part print beyond the data")
        << 1 << 60 << 25 << QList<QList<int>>{range(1, 21), range(22, 25)};
    QTest::newRow("start cell on the second sheet")
        << 30 << 0 << 5 << QList<QList<int>>{range(1, 5)};
}

void TestPrintComposer::replicatedRecords()
{
    QFETCH(int, start);
    QFETCH(int, partCount);
    QFETCH(int, recordCount);
    QFETCH(QList<QList<int>>, pages);

    LabelDocument *document = newDocument(sheet21());
    QVERIFY(document);
    document->currentCellPanel()->addObject(fieldLabel(QStringLiteral("name"), {10, 10, 200, 20}));
    TZR_WorkLabel &label = document->workLabel();
    label.setFromLabel(quint16(start));
    label.setPartPrint(partCount > 0);
    label.setLabelCount(quint16(qMax(1, partCount)));
    PrintDataList data = records(recordCount);
    PrintComposer composer(*document);
    composer.setLabelData(&data);
    QVERIFY(PrintComposer::needsReplication(*document->currentCellPanel()));
    composer.setReplicated(true);

    const QString pdf = pdfPath(QStringLiteral("records.pdf"));
    PdfSheetSink sink(pdf);
    const Result<PrintSummary> summary = composer.print(sink);
    QVERIFY2(summary.ok(), qPrintable(summary.error().message));
    QCOMPARE(pdfPages(pdf), int(pages.size()));
    QCOMPARE(summary.value().sheets, int(pages.size()));
    int printed = 0;
    for (int p = 0; p < pages.size(); ++p) {
        QCOMPARE(numbersIn(pageText(pdf, p + 1), QStringLiteral("REC"), 3), pages[p]);
        printed += int(pages[p].size());
    }
    QCOMPARE(summary.value().records, printed);
}

void TestPrintComposer::serialNumbersAcrossSheets()
{
    LabelDocument *document = newDocument(sheet21());
    QVERIFY(document);
    document->currentCellPanel()->addObject(serialNumber(1, 30, 1));
    PrintComposer composer(*document);
    composer.setReplicated(true);
    const QString pdf = pdfPath(QStringLiteral("serial.pdf"));
    PdfSheetSink sink(pdf);
    const Result<PrintSummary> summary = composer.print(sink);
    QVERIFY2(summary.ok(), qPrintable(summary.error().message));
    QCOMPARE(document->workLabel().printEndPage(), quint16(2));
    QCOMPARE(pdfPages(pdf), 2);
    const QRegularExpression serial(QStringLiteral("SN(\\d+)"));
    QList<QList<int>> found(2);
    for (int p = 0; p < 2; ++p) {
        for (auto it = serial.globalMatch(pageText(pdf, p + 1)); it.hasNext();)
            found[p] << it.next().captured(1).toInt();
        std::sort(found[p].begin(), found[p].end());
    }
    QCOMPARE(found[0], range(1, 21));
    QCOMPARE(found[1], range(22, 30));
    // The document's serial number is where it was before the run.
    const auto &original = static_cast<const TZR_SerialNumber &>(*document->currentCellPanel()->object(0));
    QCOMPARE(original.startNum(), 1);
}

void TestPrintComposer::unreachableSerialRangeIsRefused()
{
    LabelDocument *document = newDocument(sheet21());
    QVERIFY(document);
    document->currentCellPanel()->addObject(serialNumber(1, 30, -1));
    PrintComposer composer(*document);
    composer.setReplicated(true);
    const QString pdf = pdfPath(QStringLiteral("refused.pdf"));
    PdfSheetSink sink(pdf);
    const Result<PrintSummary> summary = composer.print(sink);
    QVERIFY(!summary.ok());
    QVERIFY(summary.error().message.contains(QStringLiteral("증가값")));
    QVERIFY(!QFile::exists(pdf));
}

void TestPrintComposer::offsetsMoveEverySheet()
{
    QHash<QString, QPointF> at[2];
    for (int i = 0; i < 2; ++i) {
        LabelDocument *document = newDocument(sheet21());
        QVERIFY(document);
        document->currentCellPanel()->addObject(textBox(QStringLiteral("MARK"), {0, 0, 200, 40}));
        document->workLabel().setLeftMargin(i == 0 ? 0.0 : 1.0);
        document->workLabel().setTopMargin(i == 0 ? 0.0 : 0.5);
        PrintComposer composer(*document);
        composer.setReplicated(true);
        const QString pdf = pdfPath(QStringLiteral("offset%1.pdf").arg(i));
        PdfSheetSink sink(pdf);
        QVERIFY(composer.print(sink).ok());
        at[i] = wordPositions(pdf, 1);
        QVERIFY(at[i].contains(QStringLiteral("MARK")));
    }
    const QPointF moved = at[1].value(QStringLiteral("MARK")) - at[0].value(QStringLiteral("MARK"));
    QVERIFY2(qAbs(moved.x() - 72 * 1.0 / MmPerInch) < 0.1, qPrintable(QString::number(moved.x())));
    QVERIFY2(qAbs(moved.y() - 72 * 0.5 / MmPerInch) < 0.1, qPrintable(QString::number(moved.y())));
}

void TestPrintComposer::copiesRepeatEachSheet()
{
    LabelDocument *document = newDocument(sheet21());
    QVERIFY(document);
    document->currentCellPanel()->addObject(fieldLabel(QStringLiteral("NAME"), {10, 10, 200, 20}));
    document->workLabel().setPrintSheet(2);
    PrintDataList data = records(30);
    PrintComposer composer(*document);
    composer.setLabelData(&data);
    composer.setReplicated(true);
    const QString pdf = pdfPath(QStringLiteral("copies.pdf"));
    PdfSheetSink sink(pdf);
    const Result<PrintSummary> summary = composer.print(sink);
    QVERIFY(summary.ok());
    QCOMPARE(summary.value().sheets, 2);
    QCOMPARE(summary.value().pages, 4);
    QCOMPARE(pdfPages(pdf), 4);
    const QList<QList<int>> expected{range(1, 21), range(1, 21), range(22, 30), range(22, 30)};
    for (int p = 0; p < 4; ++p)
        QCOMPARE(numbersIn(pageText(pdf, p + 1), QStringLiteral("REC"), 3), expected[p]);
}

void TestPrintComposer::perCellLandscapeRunsUpTheColumns()
{
    TZR_LabelSize s;
    s.setPageWidth(11.69);
    s.setPageHeight(8.27);
    s.setColumns(3);
    s.setRows(2);
    s.setWidth(3.5);
    s.setHeight(3.5);
    s.setLeftMargin(0.5f);
    s.setTopMargin(0.5f);
    LabelDocument *document = newDocument(s);
    QVERIFY(document);
    const QStringList names{QStringLiteral("PANELA"), QStringLiteral("PANELB"),
                            QStringLiteral("PANELC")};
    for (int i = 0; i < 3; ++i)
        document->cell(1, i + 1)->addObject(textBox(names[i], {10, 10, 200, 40}));
    PrintComposer composer(*document);
    QVERIFY(!PrintComposer::needsReplication(*document->currentCellPanel()));
    const QString pdf = pdfPath(QStringLiteral("landscape.pdf"));
    PdfSheetSink sink(pdf);
    QVERIFY(composer.print(sink).ok());
    const QHash<QString, QPointF> at = wordPositions(pdf, 1);
    const QPointF a = at.value(names[0]), b = at.value(names[1]), c = at.value(names[2]);
    QVERIFY(at.contains(names[0]) && at.contains(names[1]) && at.contains(names[2]));
    QCOMPARE(qRound(a.x()), qRound(b.x()));
    QVERIFY2(qAbs(a.y() - b.y() - 3.5 * 72) < 0.5, "panel 0 is one row below panel 1");
    QCOMPARE(qRound(c.y()), qRound(a.y()));
    QVERIFY2(qAbs(c.x() - a.x() - 3.5 * 72) < 0.5, "panel 2 starts the second column");
}

void TestPrintComposer::perCellSkipsSheetsWithoutCells()
{
    LabelDocument *document = newDocument(sheet21());
    QVERIFY(document);
    QVERIFY(document->addPage());
    document->cell(1, 1)->addObject(textBox(QStringLiteral("PAGEONE"), {0, 0, 200, 40}));
    document->cell(2, 1)->addObject(textBox(QStringLiteral("PAGETWO"), {0, 0, 200, 40}));
    document->workLabel().setFromLabel(22);
    document->workLabel().setPartPrint(true);
    document->workLabel().setLabelCount(5);
    document->workLabel().setCutLine(true);
    PrintComposer composer(*document);
    const QString pdf = pdfPath(QStringLiteral("skipped.pdf"));
    PdfSheetSink sink(pdf);
    const Result<PrintSummary> summary = composer.print(sink);
    QVERIFY(summary.ok());
    QCOMPARE(summary.value().sheets, 1);
    QCOMPARE(summary.value().labels, 5);
    QCOMPARE(pdfPages(pdf), 1);
    QVERIFY(pageText(pdf, 1).contains(QStringLiteral("PAGETWO")));
}

void TestPrintComposer::cutMarksAtCellsBeforeTheStart()
{
    LabelDocument *document = newDocument(sheet21());
    QVERIFY(document);
    document->currentCellPanel()->addObject(textBox(QStringLiteral("XXXXXXXX"), {20, 20, 200, 60}));
    document->workLabel().setFromLabel(5);
    document->workLabel().setCutLine(true);
    PrintComposer composer(*document);
    composer.setReplicated(true);
    const Result<QImage> image = composer.renderPreviewSheet(1, 100);
    QVERIFY(image.ok());
    QCOMPARE(image.value().width(), qRound(210 / MmPerInch * 96));
    // Cell 1 (skipped): a blue arm right of its top-left corner, nothing inside.
    const double x0 = 7.2 / MmPerInch * 96, y0 = 15.1 / MmPerInch * 96;
    bool blue = false;
    for (int y = int(y0) - 1; y <= int(y0) + 1; ++y) {
        const QColor c = image.value().pixelColor(int(x0) + 10, y);
        blue = blue || (c.blue() > 150 && c.blue() > c.red() + 80);
    }
    if (!blue)
        image.value().save(mDir.filePath(QStringLiteral("cutmarks.png")));
    QVERIFY2(blue, qPrintable(image.value().pixelColor(int(x0) + 10, int(y0)).name()));
    const auto inked = [&](const QRect &r) {
        int count = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                count += qGray(image.value().pixel(x, y)) < 128 ? 1 : 0;
        return count;
    };
    const double cellW = 63.5 / MmPerInch * 96, cellH = 38.1 / MmPerInch * 96;
    const double step = (63.5 + 2.5) / MmPerInch * 96;
    const QRect cell1(int(x0) + 22, int(y0) + 22, int(cellW) - 44, int(cellH) - 44);
    const QRect cell5 = cell1.translated(int(step), int(cellH));
    QCOMPARE(inked(cell1), 0);
    QVERIFY(inked(cell5) > 20);
}

void TestPrintComposer::fieldLabelsWrapAndBlankTheEmptyText()
{
    LabelDocument *document = newDocument(sheet21());
    QVERIFY(document);
    auto label = fieldLabel(QStringLiteral("NAME"), {10, 10, 90, 60});
    label->setWordWrap(true);
    label->setAddHono(QStringLiteral("JR"));
    document->currentCellPanel()->addObject(std::move(label));
    DataTable table;
    table.fields << DataField{QStringLiteral("NAME"), FieldType::Text, 40};
    table.rows << QVariantList{QStringLiteral("alpha beta gamma delta")}
               << QVariantList{QStringLiteral("NULLTEXT")} << QVariantList{QStringLiteral("zeta")};
    PrintDataList data(table, false);
    PrintComposer composer(*document);
    composer.setLabelData(&data);
    composer.setEmptyFieldText(QStringLiteral("NULLTEXTJR"));
    composer.setReplicated(true);
    const QString pdf = pdfPath(QStringLiteral("wrapped.pdf"));
    PdfSheetSink sink(pdf);
    QVERIFY(composer.print(sink).ok());
    const QHash<QString, QPointF> at = wordPositions(pdf, 1);
    QVERIFY(at.contains(QStringLiteral("alpha")));
    QVERIFY(at.contains(QStringLiteral("deltaJR")));
    QVERIFY2(at.value(QStringLiteral("deltaJR")).y() > at.value(QStringLiteral("alpha")).y() + 5,
             "the long value wraps onto further lines");
    QVERIFY(at.contains(QStringLiteral("zetaJR")));
    QVERIFY(!pageText(pdf, 1).contains(QStringLiteral("NULLTEXT")));
}

void TestPrintComposer::colourRestoredAfterFailure()
{
    LabelDocument *document = newDocument(sheet21());
    QVERIFY(document);
    document->workLabel().labelSize().setColor(0x00C0FFFF);
    document->currentCellPanel()->addObject(textBox(QStringLiteral("MARK"), {0, 0, 200, 40}));
    PrintComposer composer(*document);
    composer.setReplicated(true);
    PdfSheetSink failing(mDir.filePath(QStringLiteral("no/such/folder/out.pdf")));
    QVERIFY(!composer.print(failing).ok());
    QCOMPARE(document->labelSize().color(), TColor(0x00C0FFFF));
    PdfSheetSink working(pdfPath(QStringLiteral("colour.pdf")));
    QVERIFY(composer.print(working).ok());
    QCOMPARE(document->labelSize().color(), TColor(0x00C0FFFF));
}

QTEST_MAIN(TestPrintComposer)
#include "tst_print_composer.moc"
