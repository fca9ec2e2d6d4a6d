#include "CliApp.h"

#include "CliOutput.h"

namespace quill::cli {

int run(const QStringList &arguments)
{
    const QStringList args = arguments.mid(1);
    if (args.isEmpty()) {
        err() << usageText();
        return ExitUsage;
    }
    const QString command = args.first();
    if (command == u"--version" || command == u"version") {
        out() << "quilllabel-cli " << QStringLiteral(QUILL_VERSION) << Qt::endl;
        return ExitOk;
    }
    if (command == u"help" || command == u"--help" || command == u"-h") {
        out() << usageText();
        return ExitOk;
    }
    err() << "quilllabel-cli: unknown command '" << command << "'\n\n" << usageText();
    return ExitUsage;
}

} // namespace quill::cli
