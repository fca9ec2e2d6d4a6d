// The subcommands of quilllabel-cli data and what they share.
#pragma once

#include "datalists/DataTable.h"
#include "Result.h"

#include <QStringList>

namespace quill::cli {

// FILE or FILE:TABLE (a name containing ':' that exists as a file is taken whole).
struct ListReference {
    QString path;
    QString table;
};
ListReference parseListReference(const QString &argument);

int runDataTables(const QStringList &args);
int runDataShow(const QStringList &args);
int runDataConvert(const QStringList &args);

// Prints an error for the data command on stderr and returns the failure exit code.
int dataFailure(const QString &message);
int dataUsage(const QString &message);
// Prints what reading a list changed or noticed (renamed columns, long rows) as warning lines.
void dataWarnings(const QString &path, const DataTable &table);

} // namespace quill::cli
