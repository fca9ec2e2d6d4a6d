// Printer information and status from CUPS, in the status texts of the print dialogs.
#pragma once

#include "Result.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace quill {

// What the print dialogs show of a printer.
struct PrinterStatusRecord {
    QString name;
    QString driverName; // the queue's make and model (driver)
    QString portName;   // the device URI
    QString statusText; // one of the texts of printerStatusText()
};

// Status bits as the dialogs know them.
namespace PrinterStatusBit {
constexpr quint32 Paused = 0x1;
constexpr quint32 Error = 0x2;
constexpr quint32 PaperJam = 0x8;
constexpr quint32 PaperOut = 0x10;
constexpr quint32 PaperProblem = 0x40;
constexpr quint32 Offline = 0x80;
constexpr quint32 Printing = 0x400;
constexpr quint32 OutputBinFull = 0x800;
constexpr quint32 TonerLow = 0x20000;
constexpr quint32 NoToner = 0x40000;
constexpr quint32 DoorOpen = 0x400000;
} // namespace PrinterStatusBit

// The text of a status value, compared as a whole number: a single known bit gives its name
// padded with blanks to 33 characters ("PRINTER_STATUS_PAUSED            "); anything else, 0
// and combinations included, gives "대기상태".
QString printerStatusText(quint32 status);

// The status value of a CUPS queue: printer-state (3 idle, 4 processing, 5 stopped) and its
// printer-state-reasons keywords (suffixes -report, -warning, -error allowed).
quint32 cupsStatusValue(int printerState, const QStringList &reasons);

// The message for a system without any printer queue.
QString noPrinterMessage();
// The message for a printer that fails while printing.
QString printerConnectionMessage();

// Driver, port and status of one queue; "Printer name is invalid." when there is no such queue.
Result<PrinterStatusRecord> queryPrinterStatus(const QString &name);
// Every installed queue (the default first); noPrinterMessage() when there is none.
Result<QList<PrinterStatusRecord>> installedPrinters();

} // namespace quill
