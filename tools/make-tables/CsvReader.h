// Reads the comma-separated source files of the generated tables (UTF-8, quoted fields).
#pragma once

#include "Result.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace quill::tools {

// The lines of a CSV text as fields: commas separate, double quotes enclose a field that holds
// commas, quotes ("" for one) or line breaks. Blank lines are skipped.
Result<QList<QStringList>> parseCsv(const QString &text);
// The same for a UTF-8 file.
Result<QList<QStringList>> readCsvFile(const QString &path);

} // namespace quill::tools
