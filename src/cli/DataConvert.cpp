// quilllabel-cli data convert IN[:TABLE] OUT[:TABLE]: exports a data list to another file.
#include "CliApp.h"
#include "CliOutput.h"
#include "DataCommands.h"

#include "datalists/DataListFile.h"

namespace quill::cli {

int runDataConvert(const QStringList &args)
{
    if (args.size() != 2)
        return dataUsage(QStringLiteral("convert takes IN and OUT"));
    const ListReference in = parseListReference(args.at(0));
    const ListReference outRef = parseListReference(args.at(1));
    auto table = readDataList(in.path, in.table);
    if (!table)
        return dataFailure(table.error().message);
    dataWarnings(in.path, table.value());
    if (Status s = exportDataList(table.value(), outRef.path, outRef.table); !s)
        return dataFailure(s.error().message);
    out() << table.value().rowCount() << " records written to " << outRef.path << Qt::endl;
    return ExitOk;
}

} // namespace quill::cli
