// The drawing commands of quilllabel-cli: render and fonts.
#pragma once

#include <QStringList>

namespace quill::cli {

// quilllabel-cli render DOC [--page P] [--cell N] [--zoom Z] [--label-data PATH[:TABLE]]
//   [--barcode-data PATH[:TABLE]] [--record K] [--no-work-label] -o OUT.png
int renderCommand(const QStringList &args);
// quilllabel-cli fonts: the document font names and the installed family each resolves to.
int fontsCommand(const QStringList &args);

} // namespace quill::cli
