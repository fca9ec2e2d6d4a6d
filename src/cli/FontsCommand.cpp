// quilllabel-cli fonts: the font substitutions in force.
#include "RenderCommands.h"

#include "CliApp.h"
#include "CliOutput.h"
#include "objects/FontSubstitution.h"

namespace quill::cli {

int fontsCommand(const QStringList &args)
{
    if (!args.isEmpty()) {
        err() << "usage: quilllabel-cli fonts\n";
        return ExitUsage;
    }
    installFontSubstitutions();
    // One line per document font name: the name, the family a font of that name draws with,
    // and the candidates tried in order.
    for (const FontSubstitution &s : fontSubstitutions()) {
        out() << s.documentName << " -> " << resolvedFamily(s.documentName);
        if (!s.families.isEmpty())
            out() << "  (" << s.families.join(QStringLiteral(", ")) << ')';
        out() << '\n';
    }
    out().flush();
    return ExitOk;
}

} // namespace quill::cli
