// Command dispatch of quilllabel-cli.
#pragma once

#include <QStringList>

namespace quill::cli {

// Exit codes every command keeps to.
enum ExitCode { ExitOk = 0, ExitFailure = 1, ExitUsage = 2 };

// Runs the command line (arguments as QCoreApplication gives them, program name first).
int run(const QStringList &arguments);

} // namespace quill::cli
