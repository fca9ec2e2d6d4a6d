// The data list grid's multi-row selection.
#include "RowSelection.h"

#include <algorithm>

namespace quill {

void RowSelection::click(int row, Qt::KeyboardModifiers modifiers, Button button)
{
    if (row < 0 || button == Button::Right)
        return;
    const bool ctrl = modifiers.testFlag(Qt::ControlModifier);
    const bool shift = modifiers.testFlag(Qt::ShiftModifier);
    if (shift && mAnchor >= 0) {
        if (!ctrl)
            mRows.clear();
        selectRange(row, mAnchor);
        return;
    }
    if (ctrl && !shift) {
        toggle(row);
        return;
    }
    mRows.clear();
    mRows.insert(row);
    mAnchor = row;
}

void RowSelection::select(int row)
{
    if (row >= 0)
        mRows.insert(row);
}

void RowSelection::deselect(int row)
{
    mRows.erase(row);
}

void RowSelection::toggle(int row)
{
    if (row < 0)
        return;
    if (!mRows.erase(row))
        mRows.insert(row);
}

void RowSelection::selectAll(int rowCount)
{
    if (rowCount > 0)
        selectRange(0, rowCount - 1);
}

void RowSelection::clear()
{
    mRows.clear();
}

void RowSelection::reset()
{
    mRows.clear();
    mAnchor = -1;
}

int RowSelection::selectPrintRange(int start, int end, int rowCount)
{
    start = std::max(start, 1);
    if (start > rowCount)
        return 0;
    // The walk selects the start record before it looks at end, so end below start still
    // selects the start record.
    const int last = std::clamp(end, start, rowCount);
    const int before = count();
    selectRange(start - 1, last - 1);
    return count() - before;
}

bool RowSelection::coversAll(int rowCount) const
{
    return rowCount > 0 && count() == rowCount && *mRows.begin() == 0 && *mRows.rbegin() == rowCount - 1;
}

QList<int> RowSelection::rows() const
{
    return QList<int>(mRows.begin(), mRows.end());
}

void RowSelection::rowsRemoved(int first, int count)
{
    if (count <= 0)
        return;
    std::set<int> kept;
    for (int row : mRows) {
        if (row < first)
            kept.insert(kept.end(), row);
        else if (row >= first + count)
            kept.insert(kept.end(), row - count);
    }
    mRows.swap(kept);
    if (mAnchor >= first + count)
        mAnchor -= count;
    else if (mAnchor >= first)
        mAnchor = -1;
}

void RowSelection::rowsInserted(int first, int count)
{
    if (count <= 0)
        return;
    std::set<int> moved;
    for (int row : mRows)
        moved.insert(moved.end(), row >= first ? row + count : row);
    mRows.swap(moved);
    if (mAnchor >= first)
        mAnchor += count;
}

void RowSelection::selectRange(int from, int to)
{
    if (from > to)
        std::swap(from, to);
    for (int row = std::max(from, 0); row <= to; ++row)
        mRows.insert(mRows.end(), row);
}

Result<SelectionMerge> labelMergeForSelection(const DataTable &source, const RowSelection &selection,
                                              const QStringList &sendFields, bool providerSource)
{
    SelectionMerge merge;
    if (selection.coversAll(source.rowCount())) {
        merge.wholeList = true;
        return merge;
    }
    auto table = labelMergeTable(source, selection.rows(), sendFields, providerSource);
    if (!table)
        return table.error();
    merge.table = std::move(table).value();
    return merge;
}

Result<SelectionMerge> barcodeMergeForSelection(const DataTable &source, const RowSelection &selection,
                                                const QString &barcodeField,
                                                const std::optional<Ean14Expansion> &expansion)
{
    SelectionMerge merge;
    if (!expansion && selection.coversAll(source.rowCount())) {
        merge.wholeList = true;
        return merge;
    }
    auto table = barcodeMergeTable(source, selection.rows(), barcodeField, expansion);
    if (!table)
        return table.error();
    merge.table = std::move(table).value();
    return merge;
}

} // namespace quill
