// The catalogue commands of quilllabel-cli: catalogue list/show and new.
#pragma once

#include "Result.h"
#include "catalogue/PaperCatalogue.h"

#include <QStringList>

namespace quill::cli {

// Each takes the arguments after the command name and returns an exit code (CliApp.h).
int catalogueCommand(const QStringList &args);
int newCommand(const QStringList &args);

// The user's catalogue (seeding the user data folder first), as the programs open it.
Result<PaperCatalogue> openCatalogueForCli();

} // namespace quill::cli
