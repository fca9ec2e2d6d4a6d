#include "PrintServices.h"

#include "PrinterList.h"
#include "PrinterSheetSink.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace quill {

namespace {

std::optional<PrinterChoice> setupDialog(
    QWidget *parent, const QString &printer, const std::optional<PrinterSettings> &settings)
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(printer);
    QPrinter device = info.isNull() ? QPrinter(QPrinter::HighResolution)
                                    : QPrinter(info, QPrinter::HighResolution);
    if (settings)
        settings->applyTo(device);
    QPrintDialog dialog(&device, parent);
    dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize);
    if (dialog.exec() != QDialog::Accepted || device.printerName().isEmpty())
        return std::nullopt;
    return PrinterChoice {device.printerName(), PrinterSettings::of(device)};
}

} // namespace

PrintServices PrintServices::system()
{
    PrintServices s;
    s.printerNames = [] { return installedPrinterNames(); };
    s.defaultPrinter = [] { return QPrinterInfo::defaultPrinterName(); };
    s.queryStatus = [](const QString &name) { return queryPrinterStatus(name); };
    s.printerSetup = setupDialog;
    s.showMessage = [](QWidget *parent, const QString &text) {
        QMessageBox::warning(parent, QCoreApplication::applicationName(), text);
    };
    s.askYesNo = [](QWidget *parent, const QString &caption, const QString &text) {
        return QMessageBox::question(parent, caption, text, QMessageBox::Yes | QMessageBox::No)
            == QMessageBox::Yes;
    };
    s.execDialog = [](QDialog &dialog) { return dialog.exec() == QDialog::Accepted; };
    s.makeSink = [](const QString &printer,
                     const std::optional<PrinterSettings> &settings) -> std::unique_ptr<SheetSink> {
        return std::make_unique<PrinterSheetSink>(printer, settings);
    };
    s.pdfSavePath = [](QWidget *parent) {
        return QFileDialog::getSaveFileName(
            parent, QStringLiteral("PDF로 저장"), QString(), QStringLiteral("PDF (*.pdf)"));
    };
    return s;
}

} // namespace quill
