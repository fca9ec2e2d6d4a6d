// Table cell selection, merging and splitting.
#include "ZR_ShapeTable.h"

namespace quill {

namespace {

// The grid rectangle (x = column, y = row) of the visible cell at position k.
QRect cellGridRect(const TGridInfoItem &cell, qsizetype k, int rows, int columns)
{
    const int r = int(k / columns), c = int(k % columns);
    return QRect(c, r, qBound(1, cell.columnCnt(), columns - c),
                 qBound(1, cell.rowCnt(), rows - r));
}

} // namespace

void TZR_ShapeTable::clearSelection()
{
    Items &cells = cellDatas();
    for (qsizetype k = 0; k < qsizetype(cells.size()); ++k)
        item(cells, k)->setSelected(false);
    setWeldDivideFlag(wdNone);
}

void TZR_ShapeTable::selectCells(const QRect &range)
{
    buildGrid();
    clearSelection();
    const QRect grid(0, 0, columns(), rows());
    const QRect wanted = range.normalized() & grid;
    if (wanted.isEmpty())
        return;
    Items &cells = cellDatas();
    for (qsizetype k = 0; k < qsizetype(cells.size()); ++k) {
        TGridInfoItem &cell = *item(cells, k);
        if (cell.useFlag() && cellGridRect(cell, k, rows(), columns()).intersects(wanted))
            cell.setSelected(true);
    }
    classifySelection(wanted);
}

void TZR_ShapeTable::classifySelection(const QRect &range)
{
    const Items &cells = cellDatas();
    int count = 0;
    qint64 area = 0;
    bool exact = true;
    for (qsizetype k = 0; k < qsizetype(cells.size()); ++k) {
        const TGridInfoItem &cell = *item(cells, k);
        if (!cell.selected())
            continue;
        const QRect r = cellGridRect(cell, k, rows(), columns());
        exact = exact && range.contains(r);
        area += qint64(r.width()) * r.height();
        ++count;
    }
    exact = exact && area == qint64(range.width()) * range.height();
    if (!exact || count == 0)
        setWeldDivideFlag(wdNone);
    else
        setWeldDivideFlag(count > 1 ? wdWeld : wdDivide);
}

QPoint TZR_ShapeTable::cellAt(const QPoint &point) const
{
    if (!gridReady())
        return QPoint(-1, -1);
    const Items &cells = cellDatas();
    for (qsizetype k = 0; k < qsizetype(cells.size()); ++k) {
        const TGridInfoItem &cell = *item(cells, k);
        const QRect pixels(cell.left(), cell.top(), cell.width(), cell.height());
        if (cell.useFlag() && pixels.contains(point))
            return QPoint(int(k % columns()), int(k / columns()));
    }
    return QPoint(-1, -1);
}

bool TZR_ShapeTable::mergeSelectedCells()
{
    if (weldDivideFlag() != wdWeld || !gridReady())
        return false;
    Items &cells = cellDatas();
    QRect range;
    for (qsizetype k = 0; k < qsizetype(cells.size()); ++k) {
        const TGridInfoItem &cell = *item(cells, k);
        if (cell.selected())
            range |= cellGridRect(cell, k, rows(), columns());
    }
    for (int r = range.top(); r <= range.bottom(); ++r) {
        for (int c = range.left(); c <= range.right(); ++c) {
            TGridInfoItem &cell = *item(cells, qsizetype(r) * columns() + c);
            const bool owner = r == range.top() && c == range.left();
            cell.setUseFlag(owner);
            cell.setSelected(owner);
            cell.setColumnCnt(owner ? range.width() : 1);
            cell.setRowCnt(owner ? range.height() : 1);
        }
    }
    recomputeCells();
    setWeldDivideFlag(wdDivide);
    return true;
}

bool TZR_ShapeTable::splitSelectedCells()
{
    if (!gridReady())
        return false;
    Items &cells = cellDatas();
    bool split = false;
    for (qsizetype k = 0; k < qsizetype(cells.size()); ++k) {
        TGridInfoItem &cell = *item(cells, k);
        if (!cell.selected() || !cell.useFlag())
            continue;
        const QRect r = cellGridRect(cell, k, rows(), columns());
        if (r.width() == 1 && r.height() == 1)
            continue;
        for (int y = r.top(); y <= r.bottom(); ++y) {
            for (int x = r.left(); x <= r.right(); ++x) {
                TGridInfoItem &part = *item(cells, qsizetype(y) * columns() + x);
                part.setUseFlag(true);
                part.setSelected(true);
                part.setColumnCnt(1);
                part.setRowCnt(1);
            }
        }
        split = true;
    }
    if (split) {
        recomputeCells();
        QRect range;
        for (qsizetype k = 0; k < qsizetype(cells.size()); ++k) {
            if (item(cells, k)->selected())
                range |= cellGridRect(*item(cells, k), k, rows(), columns());
        }
        classifySelection(range);
    }
    return split;
}

} // namespace quill
