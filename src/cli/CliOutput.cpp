#include "CliOutput.h"

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
    return QStringLiteral(
        "Usage: quilllabel-cli COMMAND [ARGUMENTS]\n"
        "\n"
        "Commands:\n"
        "  help            show this text\n"
        "  --version       show the version\n");
}

} // namespace quill::cli
