// What the print dialogs and the preview ask of the system, replaceable so tests run without
// printers, message boxes or modal loops.
#pragma once

#include "PrinterSheetSink.h"
#include "PrinterStatus.h"
#include "printing/SheetSink.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class QDialog;
class QWidget;

namespace quill {

// What a printer's setup dialog ended with: the printer chosen in it and what was set for it.
struct PrinterChoice {
    QString name;
    PrinterSettings settings;
};

struct PrintServices {
    // Installed printers, the default first.
    std::function<QStringList()> printerNames;
    // The system's default printer; empty when there is none.
    std::function<QString()> defaultPrinter;
    // Driver, port and status of a printer, or the message of the failed query.
    std::function<Result<PrinterStatusRecord>(const QString &name)> queryStatus;
    // The setup dialog of a printer, opened on the settings last made for it (none: its own
    // defaults); returns the printer chosen in it (the same one or another) with its settings,
    // nothing when cancelled.
    std::function<std::optional<PrinterChoice>(
        QWidget *parent, const QString &printer, const std::optional<PrinterSettings> &settings)>
        printerSetup;
    std::function<void(QWidget *parent, const QString &text)> showMessage;
    std::function<bool(QWidget *parent, const QString &caption, const QString &text)> askYesNo;
    // Runs a modal dialog; true when it was accepted.
    std::function<bool(QDialog &dialog)> execDialog;
    // The device a print run goes to: the printer with the settings its setup dialog made, or
    // its own defaults when there are none.
    std::function<std::unique_ptr<SheetSink>(
        const QString &printer, const std::optional<PrinterSettings> &settings)>
        makeSink;
    // The PDF file to write; empty when the user cancelled.
    std::function<QString(QWidget *parent)> pdfSavePath;

    // The real thing: CUPS queues, message boxes, QPrinter output.
    static PrintServices system();
};

} // namespace quill
