// quilllabel-cli data: lists, shows and converts data lists (tables, show, convert).
#include "CliApp.h"
#include "CliOutput.h"
#include "Commands.h"
#include "DataCommands.h"

#include <QFileInfo>

namespace quill::cli {

ListReference parseListReference(const QString &argument)
{
    const qsizetype colon = argument.lastIndexOf(u':');
    if (colon <= 0 || QFileInfo::exists(argument))
        return {argument, {}};
    return {argument.left(colon), argument.mid(colon + 1)};
}

int dataFailure(const QString &message)
{
    err() << "quilllabel-cli data: " << message << Qt::endl;
    return ExitFailure;
}

void dataWarnings(const QString &path, const DataTable &table)
{
    for (const QString &warning : table.warnings)
        err() << "quilllabel-cli data: " << path << ": warning: " << warning << "\n";
    err().flush();
}

int dataUsage(const QString &message)
{
    err() << "quilllabel-cli data: " << message << "\n"
          << "Usage: quilllabel-cli data tables FILE\n"
          << "       quilllabel-cli data show FILE[:TABLE] [--where FIELD=TEXT] [--like FIELD=TEXT]"
             " [--order FIELD[:desc]] [--limit N]\n"
          << "       quilllabel-cli data convert IN[:TABLE] OUT[:TABLE]\n"
          << "Lists: Paradox .db, dBase .dbf, Excel .xls/.xlsx, OpenDocument .ods, Access .mdb/.accdb\n"
          << "(read only), text .csv/.txt and SQLite .sqlite files." << Qt::endl;
    return ExitUsage;
}

int runData(const QStringList &args)
{
    if (args.isEmpty())
        return dataUsage(QStringLiteral("a subcommand is needed"));
    const QString sub = args.first();
    const QStringList rest = args.mid(1);
    if (sub == u"tables")
        return runDataTables(rest);
    if (sub == u"show")
        return runDataShow(rest);
    if (sub == u"convert")
        return runDataConvert(rest);
    return dataUsage(QStringLiteral("unknown subcommand ") + sub);
}

} // namespace quill::cli
