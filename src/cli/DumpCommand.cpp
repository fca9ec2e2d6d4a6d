// quilllabel-cli dump DOC: a document as JSON on standard output.
#include "DocumentCommands.h"

#include "CliApp.h"
#include "CliOutput.h"
#include "document/DocumentFile.h"
#include "document/DocumentJson.h"

#include <cstdio>

namespace quill::cli {

int dumpCommand(const QStringList &args)
{
    if (args.size() != 1 || args.first().startsWith(u'-')) {
        err() << "usage: quilllabel-cli dump DOC\n";
        return ExitUsage;
    }
    registerStreamClasses();
    const QString path = args.first();
    LabelDocument document;
    Result<ReadReport> report = readDocument(document, path);
    if (!report) {
        err() << "quilllabel-cli dump: " << path << ": " << report.error().message << " ("
              << report.error().where << ")\n";
        return ExitFailure;
    }
    const QByteArray json = documentToJson(document, report.value());
    out().flush();
    fwrite(json.constData(), 1, size_t(json.size()), stdout);
    fflush(stdout);
    // A damaged document is dumped as far as it was read, and the damage fails the command.
    for (const ReadProblem &problem : report.value().problems)
        err() << "quilllabel-cli dump: " << path << ": " << problem.message << " ("
              << problem.where << ")\n";
    for (const QString &warning : report.value().warnings)
        err() << "quilllabel-cli dump: " << path << ": warning: " << warning << "\n";
    err().flush();
    return report.value().complete() ? ExitOk : ExitFailure;
}

} // namespace quill::cli
