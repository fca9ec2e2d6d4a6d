#include "CliOutput.h"

#include "Commands.h"

#include <cstdio>

namespace quill::cli {

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

QString usageText()
{
    QString text = QStringLiteral("Usage: quilllabel-cli COMMAND [ARGUMENTS]\n"
                                  "\n"
                                  "Commands:\n"
                                  "  help                    show this text\n"
                                  "  --version               show the version\n");
    for (const Command &c : commands())
        text += QStringLiteral("  ") + QString::fromUtf16(c.synopsis) + QLatin1Char('\n');
    return text;
}

} // namespace quill::cli
