// quilllabel-cli printers: the installed queues with driver, port and status.
#include "PrintCommands.h"

#include "CliApp.h"
#include "CliOutput.h"
#include "PrinterStatus.h"

namespace quill::cli {

int printersCommand(const QStringList &args)
{
    if (!args.isEmpty()) {
        err() << "usage: quilllabel-cli printers\n";
        return ExitUsage;
    }
    Result<QList<PrinterStatusRecord>> printers = installedPrinters();
    if (!printers) {
        err() << "quilllabel-cli printers: " << printers.error().message << '\n';
        return ExitFailure;
    }
    for (const PrinterStatusRecord &p : printers.value())
        out() << p.name << '\t' << p.driverName << '\t' << p.portName << '\t' << p.statusText
              << '\n';
    return ExitOk;
}

} // namespace quill::cli
