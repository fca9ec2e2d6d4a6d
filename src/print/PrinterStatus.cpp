#include "PrinterStatus.h"

#include "PrinterList.h"

#include <cups/cups.h>

namespace quill {

namespace {

struct StatusName {
    quint32 value;
    const char *name;
};

constexpr StatusName kStatusNames[] = {
    {0x1, "PAUSED"},          {0x2, "ERROR"},           {0x4, "PENDING_DELETION"},
    {0x8, "PAPER_JAM"},       {0x10, "PAPER_OUT"},      {0x20, "MANUAL_FEED"},
    {0x40, "PAPER_PROBLEM"},  {0x80, "OFFLINE"},        {0x100, "IO_ACTIVE"},
    {0x200, "BUSY"},          {0x400, "PRINTING"},      {0x800, "OUTPUT_BIN_FULL"},
    {0x1000, "NOT_AVAILABLE"}, {0x2000, "WAITING"},      {0x4000, "PROCESSING"},
    {0x8000, "INITIALIZING"}, {0x10000, "WARMING_UP"},  {0x20000, "TONER_LOW"},
    {0x40000, "NO_TONER"},    {0x80000, "PAGE_PUNT"},   {0x100000, "USER_INTERVENTION"},
    {0x200000, "OUT_OF_MEMORY"}, {0x400000, "DOOR_OPEN"}, {0x800000, "SERVER_UNKNOWN"},
    {0x1000000, "POWER_SAVE"},
};

struct ReasonBit {
    const char *keyword;
    quint32 bit;
};

constexpr ReasonBit kReasonBits[] = {
    {"paused", PrinterStatusBit::Paused},
    {"moving-to-paused", PrinterStatusBit::Paused},
    {"media-jam", PrinterStatusBit::PaperJam},
    {"media-empty", PrinterStatusBit::PaperOut},
    {"media-needed", PrinterStatusBit::PaperOut},
    {"input-tray-missing", PrinterStatusBit::PaperProblem},
    {"offline", PrinterStatusBit::Offline},
    {"shutdown", PrinterStatusBit::Offline},
    {"output-area-full", PrinterStatusBit::OutputBinFull},
    {"toner-low", PrinterStatusBit::TonerLow},
    {"marker-supply-low", PrinterStatusBit::TonerLow},
    {"toner-empty", PrinterStatusBit::NoToner},
    {"marker-supply-empty", PrinterStatusBit::NoToner},
    {"door-open", PrinterStatusBit::DoorOpen},
    {"cover-open", PrinterStatusBit::DoorOpen},
};

QString option(const cups_dest_t &dest, const char *name)
{
    return QString::fromUtf8(cupsGetOption(name, dest.num_options, dest.options));
}

PrinterStatusRecord recordOf(const cups_dest_t &dest)
{
    PrinterStatusRecord record;
    record.name = QString::fromUtf8(dest.name);
    record.driverName = option(dest, "printer-make-and-model");
    record.portName = option(dest, "device-uri");
    const QStringList reasons = option(dest, "printer-state-reasons").split(u',', Qt::SkipEmptyParts);
    const int state = option(dest, "printer-state").toInt();
    record.statusText = printerStatusText(cupsStatusValue(state, reasons));
    return record;
}

// The destinations of the CUPS server, freed with the object.
class CupsDests {
public:
    CupsDests() { mCount = cupsGetDests2(CUPS_HTTP_DEFAULT, &mDests); }
    ~CupsDests() { cupsFreeDests(mCount, mDests); }
    CupsDests(const CupsDests &) = delete;
    CupsDests &operator=(const CupsDests &) = delete;
    const cups_dest_t *find(const QString &name) const
    {
        return cupsGetDest(name.toUtf8().constData(), nullptr, mCount, mDests);
    }

private:
    cups_dest_t *mDests = nullptr;
    int mCount = 0;
};

} // namespace

QString printerStatusText(quint32 status)
{
    for (const StatusName &entry : kStatusNames) {
        if (entry.value == status)
            return (QStringLiteral("PRINTER_STATUS_") + QLatin1String(entry.name))
                .leftJustified(33, u' ');
    }
    return QStringLiteral("대기상태");
}

quint32 cupsStatusValue(int printerState, const QStringList &reasons)
{
    quint32 status = 0;
    if (printerState == 4)
        status |= PrinterStatusBit::Printing;
    else if (printerState == 5)
        status |= PrinterStatusBit::Paused;
    for (QString reason : reasons) {
        reason = reason.trimmed();
        const bool isError = reason.endsWith(QLatin1String("-error"));
        for (const char *suffix : {"-report", "-warning", "-error"}) {
            if (reason.endsWith(QLatin1String(suffix))) {
                reason.chop(int(qstrlen(suffix)));
                break;
            }
        }
        bool known = false;
        for (const ReasonBit &entry : kReasonBits) {
            if (reason == QLatin1String(entry.keyword)) {
                status |= entry.bit;
                known = true;
            }
        }
        if (!known && isError)
            status |= PrinterStatusBit::Error;
    }
    return status;
}

QString noPrinterMessage()
{
    return QStringLiteral("설치된 프린터 드라이브가 없습니다. 먼저 프린터 드라이브를 설치 하십시오.");
}

QString printerConnectionMessage()
{
    return QStringLiteral("프린터 연결에 문제가 있습니다. 다시 확인 하십시오.");
}

Result<PrinterStatusRecord> queryPrinterStatus(const QString &name)
{
    CupsDests dests;
    const cups_dest_t *dest = dests.find(name);
    if (!dest || name.isEmpty())
        return Error(QStringLiteral("Printer name is invalid."), name);
    return recordOf(*dest);
}

Result<QList<PrinterStatusRecord>> installedPrinters()
{
    const QStringList names = installedPrinterNames();
    if (names.isEmpty())
        return Error(noPrinterMessage());
    CupsDests dests;
    QList<PrinterStatusRecord> records;
    for (const QString &name : names) {
        if (const cups_dest_t *dest = dests.find(name)) {
            records << recordOf(*dest);
        } else {
            PrinterStatusRecord record;
            record.name = name;
            record.statusText = printerStatusText(0);
            records << record;
        }
    }
    return records;
}

} // namespace quill
