// What the print dialogs and the preview ask of the system, replaceable so tests run without
// printers, message boxes or modal loops.
#pragma once

#include "PrinterStatus.h"
#include "printing/SheetSink.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QDialog;
class QWidget;

namespace quill {

struct PrintServices {
    // Installed printers, the default first.
    std::function<QStringList()> printerNames;
    // The system's default printer; empty when there is none.
    std::function<QString()> defaultPrinter;
    // Driver, port and status of a printer, or the message of the failed query.
    std::function<Result<PrinterStatusRecord>(const QString &name)> queryStatus;
    // The setup dialog of a printer; returns the printer chosen in it (the same name, another
    // one, or empty when cancelled).
    std::function<QString(QWidget *parent, const QString &printer)> printerSetup;
    std::function<void(QWidget *parent, const QString &text)> showMessage;
    std::function<bool(QWidget *parent, const QString &caption, const QString &text)> askYesNo;
    // Runs a modal dialog; true when it was accepted.
    std::function<bool(QDialog &dialog)> execDialog;
    // The device a print run goes to.
    std::function<std::unique_ptr<SheetSink>(const QString &printer)> makeSink;
    // The PDF file to write; empty when the user cancelled.
    std::function<QString(QWidget *parent)> pdfSavePath;

    // The real thing: CUPS queues, message boxes, QPrinter output.
    static PrintServices system();
};

} // namespace quill
