// Small rules of the data list manager that need no window: the open dialog's filter, the
// record position text, workbook column widths and which lists may be changed.
#pragma once

#include "DataListFile.h"
#include "DataTable.h"

#include <QList>
#include <QString>

namespace quill {

// The caption file writes filters as "description|pattern|description|pattern" with patterns
// separated by ';'. Qt wants "description (pattern pattern);;...". Pairs without a pattern are
// left out; an empty result means "no filter given".
QString qtFileFilter(const QString &pairs);

// The status bar's record position: record text, blank, number, blank, number text.
QString recordPositionText(const QString &recordText, int recNo, const QString &numberText);

// Column widths of a workbook sheet from its first record: the text's length in CP949 bytes
// (a Korean character counts two) times the font height plus 20 pixels; an empty value or an
// empty list gives 100 pixels.
QList<int> workbookColumnWidths(const DataTable &table, int fontHeight);

// Spreadsheets, whose columns get their widths from the first record.
bool isWorkbookFormat(DataListFormat format);
// Access and spreadsheet lists: their empty texts go into label.tmp as one blank.
bool isProviderSource(const QString &path);

// Why a list cannot be changed where it is, in the user's language; empty when it can.
// tableCount is the number of tables or sheets in the file: writing back a workbook keeps
// only the sheet shown, so a workbook with several sheets is not written over.
QString readOnlyReason(const QString &path, int tableCount);
// The message shown when a change is refused, naming the way to a writable copy.
QString readOnlyMessage(const QString &reason);

} // namespace quill
