// A send from the data list manager, from the chosen rows to the list the labels are bound to:
// the list itself when every record is chosen, otherwise label.tmp or barcode.tmp built from the
// chosen rows and written in one step, with progress for long selections.
#pragma once

#include "DataListName.h"
#include "DataTable.h"
#include "MergeTables.h"
#include "Result.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace quill {

// Reports how far a merge table is: done steps out of total (the chosen rows, then one step
// for writing the file). Called a few hundred rows apart, never per row.
using MergeProgress = std::function<void(int done, int total)>;

// Selections larger than this get a progress bar while their merge table is made.
constexpr int MergeProgressRows = 2000;

// True when the chosen rows cover every record of a non-empty list (each counted once).
bool choosesWholeList(const DataTable &source, const QList<int> &rows);

// labelMergeTable() and barcodeMergeTable() over rows in their given order, with progress.
Result<DataTable> buildLabelMergeTable(const DataTable &source, const QList<int> &rows,
    const QStringList &sendFields, bool providerSource, const MergeProgress &progress);
Result<DataTable> buildBarcodeMergeTable(const DataTable &source, const QList<int> &rows,
    const QString &barcodeField, const std::optional<Ean14Expansion> &expansion,
    const MergeProgress &progress);

// Writes a merge table over path in one step (the old table stays when this fails). A missing
// or read-only folder is said in Korean before anything is tried.
Status writeMergeTable(const QString &path, const DataTable &table);

// What a send ends with.
struct MergeSend {
    enum class Outcome {
        WholeList, // every record chosen: list is the list's own name, nothing written
        Written, // list is {merge table path, ""}
        BuildFailed, // the rows do not make a table (a bad logistics row): nothing written
        WriteFailed, // the table could not be written: the old file stays
    };
    Outcome outcome = Outcome::WholeList;
    TSendDBName list;
    QString message; // for the failures, to show the user

    bool ok() const { return outcome == Outcome::WholeList || outcome == Outcome::Written; }
};

// A label send of the chosen rows (in grid order) of source, named list.
MergeSend sendLabelRows(const DataTable &source, const QList<int> &rows, const TSendDBName &list,
    const QStringList &sendFields, bool providerSource, const QString &mergeTablePath,
    const MergeProgress &progress = {});

// A barcode send; a logistics expansion always builds the merge table.
MergeSend sendBarcodeRows(const DataTable &source, const QList<int> &rows, const TSendDBName &list,
    const QString &barcodeField, const std::optional<Ean14Expansion> &expansion,
    const QString &mergeTablePath, const MergeProgress &progress = {});

} // namespace quill
