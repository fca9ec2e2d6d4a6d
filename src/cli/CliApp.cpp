#include "CliApp.h"

#include "CliOutput.h"
#include "Commands.h"

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
    for (const Command &c : commands()) {
        if (command == QString::fromUtf16(c.name))
            return c.run(args.mid(1));
    }
    err() << "quilllabel-cli: unknown command '" << command << "'\n\n" << usageText();
    return ExitUsage;
}

} // namespace quill::cli
