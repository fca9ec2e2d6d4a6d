// The data list grid's multi-row selection: clicks with Ctrl and Shift, select all, the print
// range, keeping rows in step with deletions, and turning the selection into merge tables.
#pragma once

#include "DataTable.h"
#include "MergeTables.h"
#include "Result.h"

#include <QList>
#include <Qt>

#include <optional>
#include <set>

namespace quill {

// Rows are 0-based positions in the grid's dataset; record numbers shown to the user are row + 1.
class RowSelection {
public:
    enum class Button { Left, Middle, Right };

    // A mouse click on a row. Plain (or middle) click: only that row is selected and it becomes
    // the anchor. Ctrl: the row's selection flips, the anchor stays. Shift: the rows from the
    // anchor to the clicked row, and nothing else, are selected; Ctrl+Shift adds that range to
    // what is selected. Shift without an anchor acts as a plain click. A right click only opens
    // the pop-up menu and changes nothing.
    void click(int row, Qt::KeyboardModifiers modifiers, Button button = Button::Left);

    void select(int row);
    void deselect(int row);
    void toggle(int row);
    void selectAll(int rowCount);
    // Empties the selection; the anchor stays (the last plain click is still the last one).
    void clear();
    // A new dataset (open, search, sort): no selection and no anchor.
    void reset();

    // The print range dialog: selects records start..end (1-based, inclusive) on top of what is
    // selected; end below start selects only start, a start beyond the last record nothing.
    // Returns how many rows were newly selected.
    int selectPrintRange(int start, int end, int rowCount);

    bool isSelected(int row) const { return mRows.count(row) > 0; }
    bool isEmpty() const { return mRows.empty(); }
    int count() const { return int(mRows.size()); }
    // Every record of a non-empty list is selected: a send then hands over the list itself.
    bool coversAll(int rowCount) const;
    // The selected rows in record order (the order of the merge tables and of deleting).
    QList<int> rows() const;
    int anchor() const { return mAnchor; }

    // Keeps rows and anchor on the same records after rows were deleted from or inserted into
    // the dataset; deleted rows leave the selection, a deleted anchor is forgotten.
    void rowsRemoved(int first, int count);
    void rowsInserted(int first, int count);

private:
    void selectRange(int from, int to);

    std::set<int> mRows;
    int mAnchor = -1;
};

// What a send hands back for a selection: the whole list when every record is selected (and
// the list itself is to be referred to), otherwise the merge table of the selected rows.
struct SelectionMerge {
    bool wholeList = false;
    DataTable table; // empty when wholeList
};

Result<SelectionMerge> labelMergeForSelection(const DataTable &source, const RowSelection &selection,
                                              const QStringList &sendFields, bool providerSource);
// A logistics expansion always builds a merge table, even with every record selected.
Result<SelectionMerge> barcodeMergeForSelection(const DataTable &source, const RowSelection &selection,
                                                const QString &barcodeField,
                                                const std::optional<Ean14Expansion> &expansion = std::nullopt);

} // namespace quill
