// The grid's row order: a search or sort shows dataset rows in another order or a subset. This
// is the only place that hands an order to the model.
#include "DBAdminFrm.h"

#include "datalists/DataListModel.h"
#include "datalists/DataSet.h"

#include <algorithm>

namespace quill {

int TDBAdminFrm::listRow(int gridRow) const
{
    if (gridRow < 0)
        return -1;
    return mOrder ? mOrder->value(gridRow, -1) : (gridRow < mDataSet->recordCount() ? gridRow : -1);
}

int TDBAdminFrm::gridRowCount() const
{
    if (!mDataSet->isOpen())
        return 0;
    return mOrder ? int(mOrder->size()) : mDataSet->recordCount();
}

void TDBAdminFrm::showRows(const QList<int> &listRows)
{
    mOrder = listRows;
    mModel->setRowOrder(listRows);
}

void TDBAdminFrm::showWholeList()
{
    mOrder.reset();
    mModel->clearRowOrder();
}

// Dataset rows were deleted: the order keeps the rows left, renumbered.
void TDBAdminFrm::removeFromOrder(const QList<int> &deletedListRows)
{
    if (!mOrder)
        return;
    QList<int> deleted = deletedListRows;
    std::sort(deleted.begin(), deleted.end());
    QList<int> kept;
    for (int row : std::as_const(*mOrder)) {
        if (std::binary_search(deleted.begin(), deleted.end(), row))
            continue;
        const auto below = std::lower_bound(deleted.begin(), deleted.end(), row) - deleted.begin();
        kept.append(row - int(below));
    }
    showRows(kept);
}

// Records added at the end of the dataset come at the end of the order.
void TDBAdminFrm::appendToOrder(int firstListRow, int count)
{
    if (!mOrder)
        return;
    QList<int> order = *mOrder;
    for (int i = 0; i < count; ++i)
        order.append(firstListRow + i);
    showRows(order);
}

DataTable TDBAdminFrm::shownTable() const
{
    if (!mOrder)
        return mDataSet->table();
    DataTable shown = mDataSet->table();
    shown.rows.clear();
    for (int row : std::as_const(*mOrder))
        shown.rows.append(mDataSet->table().rows.value(row));
    return shown;
}

} // namespace quill
