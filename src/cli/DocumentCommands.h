// The document commands of quilllabel-cli: dump, build and stream.
#pragma once

#include <QStringList>

namespace quill::cli {

// Each takes the arguments after the command name and returns an exit code (CliApp.h).
int dumpCommand(const QStringList &args);
int buildCommand(const QStringList &args);
int streamCommand(const QStringList &args);

// Registers the document and label object classes, so that records can be read by class name.
void registerStreamClasses();

} // namespace quill::cli
