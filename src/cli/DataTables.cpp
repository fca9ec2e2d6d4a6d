// quilllabel-cli data tables FILE: the tables or sheets of a data list file, one per line.
#include "CliApp.h"
#include "CliOutput.h"
#include "DataCommands.h"

#include "datalists/DataListFile.h"

namespace quill::cli {

int runDataTables(const QStringList &args)
{
    if (args.size() != 1)
        return dataUsage(QStringLiteral("tables takes one FILE"));
    auto tables = dataListTables(args.first());
    if (!tables)
        return dataFailure(tables.error().message);
    for (const QString &name : tables.value())
        out() << name << '\n';
    out().flush();
    return ExitOk;
}

} // namespace quill::cli
