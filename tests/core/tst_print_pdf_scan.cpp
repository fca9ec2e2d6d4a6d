// Barcodes of a printed PDF scan: the sheets are rasterised at 300 dpi by pdftoppm and every
// label's Code 128 and QR symbol is read back with ZXing-cpp.
#include "document/LabelDocument.h"
#include "objects/FontSubstitution.h"
#include "objects/ZR_2DBarcode.h"
#include "objects/ZR_Barcode.h"
#include "printing/PdfSheetSink.h"
#include "printing/PrintComposer.h"
#include "printing/PrintDataList.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <ZXing/ReadBarcode.h>

using namespace quill;

namespace {

constexpr double MmPerInch = 25.4;
constexpr int Dpi = 300;
constexpr int Columns = 3;
constexpr int Rows = 7;
constexpr double LeftMm = 7.2, TopMm = 15.1, CellWmm = 63.5, CellHmm = 38.1, GapMm = 2.5;

void buildDesign(LabelDocument &document)
{
    TZR_LabelSize sheet;
    sheet.setPageWidth(210 / MmPerInch);
    sheet.setPageHeight(297 / MmPerInch);
    sheet.setColumns(Columns);
    sheet.setRows(Rows);
    sheet.setWidth(CellWmm / MmPerInch);
    sheet.setHeight(CellHmm / MmPerInch);
    sheet.setLeftMargin(float(LeftMm / MmPerInch));
    sheet.setTopMargin(float(TopMm / MmPerInch));
    sheet.setHorizSpace(float(GapMm / MmPerInch));
    document.newDocument(sheet);
    LabelCell &cell = *document.currentCellPanel();

    auto linear = std::make_unique<TZR_Barcode>();
    linear->setCodeType(TZR_Barcode::Code128);
    linear->setFieldName(QStringLiteral("CODE"));
    linear->setBounds(QRect(6, 10, 150, 60));
    cell.addObject(std::move(linear));

    auto matrix = std::make_unique<TZR_2DBarcode>();
    matrix->setCodeType(0); // QR Code
    matrix->setFieldName(QStringLiteral("NAME"));
    matrix->setBounds(QRect(166, 10, 66, 66));
    matrix->setBackColor(0x00FFFFFF);
    matrix->setForeColor(0);
    matrix->setUseEnhanced(true);
    matrix->setTransparent(false);
    cell.addObject(std::move(matrix));
}

// Record i: a Code 128 value and a Korean name for the QR symbol.
QStringList record(int i)
{
    return {QStringLiteral("QL%1").arg(i, 6, 10, QLatin1Char('0')),
            QStringLiteral("홍길동 %1번").arg(i)};
}

PrintDataList records(int count)
{
    DataTable table;
    table.fields << DataField{QStringLiteral("CODE"), FieldType::Text, 20}
                 << DataField{QStringLiteral("NAME"), FieldType::Text, 40};
    for (int i = 1; i <= count; ++i) {
        const QStringList r = record(i);
        table.rows << QVariantList{r[0], r[1]};
    }
    return PrintDataList(table, false);
}

QString decode(const QImage &image, ZXing::BarcodeFormat format)
{
    ZXing::DecodeHints hints;
    hints.setFormats(format);
    hints.setTryHarder(true);
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const ZXing::ImageView view(rgb.constBits(), rgb.width(), rgb.height(), ZXing::ImageFormat::BGRX,
                                int(rgb.bytesPerLine()));
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    return result.isValid() ? QString::fromStdString(result.text()) : QString();
}

// The cell at row r, column c of a sheet scanned at Dpi, as the sheet specification places it
// (the print dialog's offsets of 1.0 and 0.5 mm included).
QImage cellImage(const QImage &sheet, int r, int c)
{
    const auto px = [](double mm) { return int(mm / MmPerInch * Dpi); };
    const QRect rect(px(LeftMm + 1.0 + c * (CellWmm + GapMm)), px(TopMm + 0.5 + r * CellHmm),
                     px(CellWmm), px(CellHmm));
    return sheet.copy(rect);
}

} // namespace

class TestPrintPdfScan : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { installFontSubstitutions(); }
    void everyLabelScans_data();
    void everyLabelScans();
};

void TestPrintPdfScan::everyLabelScans_data()
{
    QTest::addColumn<bool>("oneList");
    QTest::newRow("label and barcode lists") << false;
    // One list in both roles still moves one record per label, not two.
    QTest::newRow("one list in both roles") << true;
}

void TestPrintPdfScan::everyLabelScans()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
        QSKIP("pdftoppm (poppler-utils) is not installed");
    const int count = 25; // a full sheet and four labels of the second
    LabelDocument document;
    buildDesign(document);
    TZR_WorkLabel &label = document.workLabel();
    label.setLeftMargin(1.0);
    label.setTopMargin(0.5);
    // The label and the barcode data list are two lists that move together, as in the editor.
    QFETCH(bool, oneList);
    PrintDataList labelData = records(count);
    PrintDataList barcodeData = records(count);
    PrintComposer composer(document);
    composer.setLabelData(&labelData);
    composer.setBarcodeData(oneList ? &labelData : &barcodeData);
    composer.setReplicated(true);

    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("labels.pdf"));
    PdfSheetSink sink(pdf);
    const Result<PrintSummary> summary = composer.print(sink);
    QVERIFY2(summary.ok(), qPrintable(summary.ok() ? QString() : summary.error().message));
    QCOMPARE(summary.value().sheets, 2);

    QProcess raster;
    raster.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(Dpi),
                                              QStringLiteral("-png"), pdf,
                                              dir.filePath(QStringLiteral("sheet"))});
    QVERIFY(raster.waitForFinished(120000));
    QCOMPARE(raster.exitCode(), 0);
    const QStringList pages = QDir(dir.path()).entryList({QStringLiteral("sheet*.png")}, QDir::Files,
                                                         QDir::Name);
    QCOMPARE(pages.size(), 2);

    int checked = 0;
    for (int sheet = 0; sheet < pages.size(); ++sheet) {
        const QImage image(dir.filePath(pages[sheet]));
        QVERIFY(!image.isNull());
        for (int cell = 0; cell < Columns * Rows; ++cell) {
            const int n = sheet * Columns * Rows + cell + 1;
            const QImage picture = cellImage(image, cell / Columns, cell % Columns);
            if (n > count) {
                QCOMPARE(decode(picture, ZXing::BarcodeFormat::Code128), QString());
                continue;
            }
            const QStringList expected = record(n);
            QCOMPARE(decode(picture, ZXing::BarcodeFormat::Code128), expected[0]);
            QCOMPARE(decode(picture, ZXing::BarcodeFormat::QRCode), expected[1]);
            ++checked;
        }
    }
    QCOMPARE(checked, count);
}

QTEST_MAIN(TestPrintPdfScan)
#include "tst_print_pdf_scan.moc"
