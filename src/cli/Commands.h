// The commands of quilllabel-cli. Each takes its own arguments (without the command name).
#pragma once

#include <QStringList>

namespace quill::cli {

struct Command {
    const char16_t *name;
    const char16_t *synopsis; // one line for the usage text
    int (*run)(const QStringList &args);
};

// Every command, in the order the usage text lists them.
const QList<Command> &commands();

int runSample(const QStringList &args);
int runData(const QStringList &args);

} // namespace quill::cli
