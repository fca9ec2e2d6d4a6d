// Access (.mdb) lists, read through mdbtools. Access files cannot be created or written here.
#pragma once

#include "DataTable.h"
#include "Result.h"

#include <QStringList>

namespace quill {

// User tables of the database (system tables left out), in catalogue order.
Result<QStringList> accessTableNames(const QString &path);
// An empty table name reads the first table.
Result<DataTable> readAccessFile(const QString &path, const QString &tableName = {});

// The message every request to create or write an Access file gets.
QString accessWriteMessage();

} // namespace quill
