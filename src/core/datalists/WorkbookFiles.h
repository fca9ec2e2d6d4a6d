// Spreadsheet lists: Excel .xlsx (read and write), Excel .xls (read; written through
// LibreOffice's converter) and OpenDocument .ods (read). The first row names the fields.
#pragma once

#include "DataTable.h"
#include "Result.h"

#include <QStringList>

namespace quill {

Result<QStringList> xlsxSheetNames(const QString &path);
// An empty sheet name reads the first sheet.
Result<DataTable> readXlsxFile(const QString &path, const QString &sheet = {});
// One worksheet (default "Sheet1") with the field names in row 1; atomic.
Status writeXlsxFile(const QString &path, const DataTable &table,
                     const QString &sheet = QStringLiteral("Sheet1"));

Result<QStringList> odsSheetNames(const QString &path);
Result<DataTable> readOdsFile(const QString &path, const QString &sheet = {});

Result<QStringList> xlsSheetNames(const QString &path);
Result<DataTable> readXlsFile(const QString &path, const QString &sheet = {});
// Writes a workbook with the single sheet "Sheet1" through `soffice --headless --convert-to xls`;
// without LibreOffice the error is "Excel 프로그램이 설치 되어 있지 않습니다.".
Status writeXlsFile(const QString &path, const DataTable &table);
// True when LibreOffice's converter is on the PATH.
bool canWriteXls();

} // namespace quill
