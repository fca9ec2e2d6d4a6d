// The merge tables label.tmp and barcode.tmp, their copies beside documents, and reopening a
// document's data lists from their stored names.
#pragma once

#include "DataTable.h"
#include "Result.h"

#include <optional>

namespace quill {

// Builds label.tmp's table: one text field per sent field (named as its source field), one
// record per selected row in the given order. providerSource marks lists whose empty texts
// arrive as one blank (Access and spreadsheet lists).
Result<DataTable> labelMergeTable(const DataTable &source, const QList<int> &rows,
                                  const QStringList &sendFields, bool providerSource);

// Logistics (EAN-14) expansion: indicator digit and the field holding each row's quantity.
struct Ean14Expansion {
    int indicator = 0;
    QString quantityField;
};

// Builds barcode.tmp's table: the single barcode field, one record per selected row; with an
// expansion, quantity copies of indicator + the first 12 digits of a 12- or 13-digit code.
// A bad code or quantity fails the whole build (nothing is to be written then).
Result<DataTable> barcodeMergeTable(const DataTable &source, const QList<int> &rows,
                                    const QString &barcodeField,
                                    const std::optional<Ean14Expansion> &expansion = std::nullopt);

// The failure message of a bad logistics row.
QString ean14FailureMessage();

// Width of a merge-table field for a source field: 20 for numbers and booleans, 10 for dates,
// 19 for date-times, the source size for text; a text field without a size gets the widest
// value of the table (at least 1, at most 255).
int mergeFieldWidth(const DataTable &source, int field);

// The copy of a merge table beside a document: the document path with its third character
// from the end replaced by D (label data) or B (barcode data), as documents name it
// (mergeTableCopyPath): x.qbl -> x.Dbl / x.Bbl.
QString mergeCopyPath(const QString &documentPath, bool barcode);
// Copies a merge table to mergeCopyPath atomically and returns the copy's path.
Result<QString> copyMergeTable(const QString &mergeTablePath, const QString &documentPath, bool barcode);

// Reopening a data list from its stored name.
enum class ReopenOutcome { Opened, Nothing, MissingReported, MissingSilent };
struct ReopenedList {
    ReopenOutcome outcome = ReopenOutcome::Nothing;
    DataTable table;
    QString message; // for MissingReported: the path + " 파일을 찾을 수 없습니다."; or a read error
};
ReopenedList reopenDataList(const QString &path, const QString &tableName, const QString &documentPath);

} // namespace quill
