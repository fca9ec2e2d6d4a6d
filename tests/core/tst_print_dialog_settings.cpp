// How the print dialogs' choices become the work label's print settings.
#include "document/ZR_WorkLabel.h"
#include "printing/PrintDialogSettings.h"

#include <QtTest>

using namespace quill;

Q_DECLARE_METATYPE(PrintDialogSettings::Range)

class TestPrintDialogSettings : public QObject {
    Q_OBJECT

private slots:
    void offsetsGainTheAdditions_data();
    void offsetsGainTheAdditions();
    void rangeSetsStartCellAndPartPrint_data();
    void rangeSetsStartCellAndPartPrint();
    void copiesAndCutLine_data();
    void copiesAndCutLine();
    void pageRangeUsesOffsetsAsTyped();
    void pageRangeSheets_data();
    void pageRangeSheets();
    void offsetTexts_data();
    void offsetTexts();
};

void TestPrintDialogSettings::offsetsGainTheAdditions_data()
{
    QTest::addColumn<double>("left");
    QTest::addColumn<double>("top");
    QTest::addColumn<double>("printLeft");
    QTest::addColumn<double>("printTop");
    QTest::newRow("zero") << 0.0 << 0.0 << 1.0 << 0.5;
    QTest::newRow("positive") << 2.5 << 1.2 << 3.5 << 1.7;
    QTest::newRow("negative") << -3.0 << -0.5 << -2.0 << 0.0;
}

void TestPrintDialogSettings::offsetsGainTheAdditions()
{
    QFETCH(double, left);
    QFETCH(double, top);
    PrintDialogSettings dialog;
    dialog.leftMargin = left;
    dialog.topMargin = top;
    TZR_WorkLabel label;
    QVERIFY(!dialog.applyTo(label));
    QTEST(label.leftMargin(), "printLeft");
    QTEST(label.topMargin(), "printTop");
}

void TestPrintDialogSettings::rangeSetsStartCellAndPartPrint_data()
{
    QTest::addColumn<PrintDialogSettings::Range>("range");
    QTest::addColumn<int>("from"); // startCell for Start, partFrom for Part
    QTest::addColumn<int>("count"); // partCount
    QTest::addColumn<int>("fromLabel");
    QTest::addColumn<int>("labelCount");
    QTest::addColumn<bool>("partPrint");

    using R = PrintDialogSettings::Range;
    // The work label starts with start cell 9, part print on and 4 labels: "all" must undo it.
    QTest::newRow("all") << R::All << 7 << 3 << 1 << 4 << false;
    QTest::newRow("start cell 12") << R::Start << 12 << 3 << 12 << 4 << false;
    QTest::newRow("part: 3 from 5") << R::Part << 5 << 3 << 5 << 3 << true;
    QTest::newRow("part beyond a 16-bit cell number")
        << R::Part << 999999 << 999999 << 65535 << 65535 << true;
    QTest::newRow("start below 1") << R::Start << 0 << 1 << 1 << 4 << false;
}

void TestPrintDialogSettings::rangeSetsStartCellAndPartPrint()
{
    QFETCH(PrintDialogSettings::Range, range);
    QFETCH(int, from);
    QFETCH(int, count);
    TZR_WorkLabel label;
    label.setFromLabel(9);
    label.setPartPrint(true);
    label.setLabelCount(4);

    PrintDialogSettings dialog;
    dialog.range = range;
    dialog.startCell = range == PrintDialogSettings::Range::Start ? from : 2;
    dialog.partFrom = range == PrintDialogSettings::Range::Part ? from : 2;
    dialog.partCount = count;
    dialog.applyTo(label);
    QTEST(int(label.fromLabel()), "fromLabel");
    QTEST(int(label.startColumn()), "fromLabel");
    QTEST(int(label.labelCount()), "labelCount");
    QTEST(label.partPrint(), "partPrint");
}

void TestPrintDialogSettings::copiesAndCutLine_data()
{
    QTest::addColumn<bool>("labelSheets");
    QTest::addColumn<int>("paper");
    QTest::addColumn<int>("labels");
    QTest::addColumn<bool>("cutLine");
    QTest::addColumn<bool>("allPrint");
    QTest::addColumn<int>("printSheet");
    QTest::newRow("paper sheets") << false << 3 << 7 << true << false << 3;
    QTest::newRow("label sheets") << true << 3 << 7 << false << true << 7;
    QTest::newRow("copies capped at 99") << false << 250 << 1 << false << false << 99;
}

void TestPrintDialogSettings::copiesAndCutLine()
{
    PrintDialogSettings dialog;
    QFETCH(bool, labelSheets);
    QFETCH(bool, cutLine);
    QFETCH(bool, allPrint);
    dialog.labelSheetCopies = labelSheets;
    QFETCH(int, paper);
    QFETCH(int, labels);
    dialog.paperSheets = paper;
    dialog.labelSheets = labels;
    dialog.cutLine = cutLine;
    dialog.allPrint = allPrint;
    TZR_WorkLabel label;
    QCOMPARE(dialog.applyTo(label), allPrint);
    QCOMPARE(label.printLabelPaper(), labelSheets);
    QCOMPARE(label.cutLine(), cutLine);
    QTEST(int(label.printSheet()), "printSheet");
}

void TestPrintDialogSettings::pageRangeUsesOffsetsAsTyped()
{
    PageRangeSettings range;
    range.option = PageRangeSettings::OnePage;
    range.onlyPage = 2;
    TZR_WorkLabel label;
    label.setLeftMargin(9.0);
    label.setTopMargin(9.0);
    const SheetRange sheets = range.applyTo(label, 3);
    QCOMPARE(sheets.first, 2);
    QCOMPARE(sheets.last, 2);
    QCOMPARE(label.leftMargin(), 0.0);
    QCOMPARE(label.topMargin(), 0.0);
    QCOMPARE(label.printStartPage(), quint16(2));
    QCOMPARE(label.printEndPage(), quint16(2));

    // A backwards range changes nothing.
    range.option = PageRangeSettings::PageRange;
    range.fromPage = 3;
    range.toPage = 2;
    range.leftMargin = 4.0;
    QVERIFY(range.applyTo(label, 3).isEmpty());
    QCOMPARE(label.leftMargin(), 0.0);
    QCOMPARE(label.printStartPage(), quint16(2));
}

void TestPrintDialogSettings::pageRangeSheets_data()
{
    QTest::addColumn<int>("option");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("pageCount");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last"); // last < first: nothing to print

    QTest::newRow("all of 4") << 0 << 9 << 9 << 4 << 1 << 4;
    QTest::newRow("one page") << 1 << 3 << 9 << 4 << 3 << 3;
    QTest::newRow("range") << 2 << 2 << 3 << 4 << 2 << 3;
    QTest::newRow("backwards range") << 2 << 3 << 2 << 4 << 1 << 0;
    QTest::newRow("range cut at the last sheet") << 2 << 3 << 9 << 4 << 3 << 4;
    QTest::newRow("one page past the last") << 1 << 6 << 0 << 4 << 6 << 4;
    QTest::newRow("range past the last") << 2 << 5 << 9 << 4 << 5 << 4;
}

void TestPrintDialogSettings::pageRangeSheets()
{
    QFETCH(int, option);
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, pageCount);
    PageRangeSettings range;
    range.option = option;
    range.onlyPage = a;
    range.fromPage = a;
    range.toPage = b;
    const SheetRange sheets = range.sheets(pageCount);
    QFETCH(int, first);
    QFETCH(int, last);
    if (last < first) {
        QVERIFY(sheets.isEmpty());
        return;
    }
    QCOMPARE(sheets.first, first);
    QCOMPARE(sheets.last, last);
}

void TestPrintDialogSettings::offsetTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("stored");
    QTest::newRow("empty") << QString() << 0.0 << true << QStringLiteral("0");
    QTest::newRow("decimal") << QStringLiteral("1.5") << 1.5 << true << QStringLiteral("1.5");
    QTest::newRow("negative") << QStringLiteral("-2.25") << -2.25 << true
                              << QStringLiteral("-2.25");
    QTest::newRow("decimal comma") << QStringLiteral("0,7") << 0.7 << true << QStringLiteral("0.7");
    QTest::newRow("whole") << QStringLiteral("12") << 12.0 << true << QStringLiteral("12");
    QTest::newRow("not a number") << QStringLiteral("abc") << 0.0 << false << QStringLiteral("0");
    QTest::newRow("infinite") << QStringLiteral("1e400") << 0.0 << false << QStringLiteral("0");
}

void TestPrintDialogSettings::offsetTexts()
{
    QFETCH(QString, text);
    bool ok = false;
    const double value = printOffsetFromText(text, &ok);
    QTEST(value, "value");
    QTEST(ok, "valid");
    QTEST(printOffsetText(value), "stored");
}

QTEST_GUILESS_MAIN(TestPrintDialogSettings)
#include "tst_print_dialog_settings.moc"
