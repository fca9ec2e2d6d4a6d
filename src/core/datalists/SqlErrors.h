// What a failure of the query engine means, in words a user understands.
#pragma once

#include <QString>

class QSqlError;

namespace quill {

// Describes error without the engine's own wording: "two fields are named X", "the file is
// damaged or not a SQLite database", "the disk is full", ... An error it does not know becomes
// a general sentence with the engine's error number, so that a report can still be traced.
QString describeSqlError(const QSqlError &error);

} // namespace quill
