// Times the print composer on 10,000 records of a 21-up A4 product (three field labels and a
// Code 128 barcode per label) to PDF, against a program that draws the same texts and symbols
// with QPdfWriter alone (bench_print_baseline, run beside this one), and watches memory.
#include "print_records.h"

#include "document/LabelDocument.h"
#include "objects/FontSubstitution.h"
#include "objects/ZR_Barcode.h"
#include "objects/ZR_GuideLabel.h"
#include "printing/PdfSheetSink.h"
#include "printing/PrintComposer.h"
#include "printing/PrintDataList.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

using namespace quill;

namespace {

const QStringList kFields{QStringLiteral("NAME"), QStringLiteral("ADDR"), QStringLiteral("ZIP"),
                          QStringLiteral("CODE")};

void buildDesign(LabelDocument &document)
{
    TZR_LabelSize sheet;
    sheet.setPageWidth(210 / 25.4);
    sheet.setPageHeight(297 / 25.4);
    sheet.setColumns(printbench::Columns);
    sheet.setRows(printbench::Rows);
    sheet.setWidth(printbench::CellWidthMm / 25.4);
    sheet.setHeight(printbench::CellHeightMm / 25.4);
    sheet.setLeftMargin(float(printbench::LeftMarginMm / 25.4));
    sheet.setTopMargin(float(printbench::TopMarginMm / 25.4));
    sheet.setHorizSpace(float(printbench::HorizSpaceMm / 25.4));
    document.newDocument(sheet);
    LabelCell &cell = *document.currentCellPanel();
    for (int f = 0; f < 3; ++f) {
        auto label = std::make_unique<TZR_GuideLabel>();
        label->setFieldName(kFields[f]);
        label->setBounds(QRect(10, 8 + 22 * f, 220, 20));
        cell.addObject(std::move(label));
    }
    auto barcode = std::make_unique<TZR_Barcode>();
    barcode->setCodeType(TZR_Barcode::Code128);
    barcode->setFieldName(kFields[3]);
    barcode->setBounds(QRect(10, 80, 170, 50));
    cell.addObject(std::move(barcode));
}

DataTable records(int count)
{
    DataTable table;
    for (const QString &f : kFields)
        table.fields << DataField{f, FieldType::Text, 60};
    table.rows.reserve(count);
    for (int i = 1; i <= count; ++i) {
        QVariantList row;
        for (const QString &v : printbench::record(i))
            row << v;
        table.rows << row;
    }
    return table;
}

// Kilobytes of /proc/self/status's key (VmRSS, VmHWM).
long statusKb(const char *key)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(int(qstrlen(key)) + 1).trimmed().split(' ').first().toLong();
    }
    return -1;
}

qint64 printRecords(int count, const QString &pdf, QTextStream &out)
{
    LabelDocument document;
    buildDesign(document);
    // Two lists, as the editor has: each moves one record per label.
    const DataTable table = records(count);
    PrintDataList labelData(table, false);
    PrintDataList barcodeData(table, false);
    PrintComposer composer(document);
    composer.setLabelData(&labelData);
    composer.setBarcodeData(&barcodeData);
    composer.setReplicated(true);
    PdfSheetSink sink(pdf);
    QElapsedTimer timer;
    timer.start();
    const Result<PrintSummary> summary = composer.print(sink);
    const qint64 ms = timer.elapsed();
    if (!summary.ok()) {
        out << "  failed: " << summary.error().message << '\n';
        return -1;
    }
    out << QStringLiteral("composer, %1 records").arg(count).leftJustified(36) << ms << " ms, "
        << summary.value().sheets << " sheets, " << QFileInfo(pdf).size() / 1024 << " KB PDF, RSS "
        << statusKb("VmRSS") / 1024 << " MB, peak " << statusKb("VmHWM") / 1024 << " MB\n";
    out.flush();
    return ms;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    installFontSubstitutions();
    QTextStream out(stdout);
    QTemporaryDir dir;
    const int count = 10000;
    // Memory must not grow with the record count: a short run first, then the timed one, and
    // last 100,000 records (peak memory under 200 MB).
    printRecords(1000, dir.filePath(QStringLiteral("short.pdf")), out);
    const qint64 composer = printRecords(count, dir.filePath(QStringLiteral("long.pdf")), out);
    printRecords(100000, dir.filePath(QStringLiteral("huge.pdf")), out);

    const QString baseline = QCoreApplication::applicationDirPath() + QStringLiteral("/bench_print_baseline");
    QProcess p;
    p.start(baseline, {QString::number(count), dir.filePath(QStringLiteral("baseline.pdf"))});
    if (!p.waitForFinished(600000) || p.exitCode() != 0) {
        out << "baseline did not run: " << baseline << '\n';
        return 1;
    }
    const qint64 base = p.readAllStandardOutput().trimmed().toLongLong();
    out << QStringLiteral("baseline, %1 records").arg(count).leftJustified(36) << base << " ms, "
        << QFileInfo(dir.filePath(QStringLiteral("baseline.pdf"))).size() / 1024 << " KB PDF\n";
    if (composer > 0 && base > 0)
        out << "ratio composer / baseline: " << QString::number(double(composer) / base, 'f', 2) << '\n';
    return composer > 0 ? 0 : 1;
}
