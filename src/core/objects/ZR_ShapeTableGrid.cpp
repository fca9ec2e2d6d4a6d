// Table grid operations: building, rescaling, growing and shrinking, merging and splitting cells.
#include "ZR_ShapeTable.h"

#include "ObjectValueRules.h"

#include <cmath>

namespace quill {

namespace {

// Row items run along y (Top, Height, Row), column items along x (Left, Width, Column).
int itemPos(const TGridInfoItem &item, bool columnAxis)
{
    return columnAxis ? item.left() : item.top();
}

int itemLen(const TGridInfoItem &item, bool columnAxis)
{
    return columnAxis ? item.width() : item.height();
}

void setItemAxis(TGridInfoItem &item, bool columnAxis, int pos, int len)
{
    if (columnAxis) {
        item.setLeft(pos);
        item.setWidth(len);
    } else {
        item.setTop(pos);
        item.setHeight(len);
    }
}

std::unique_ptr<PersistentObject> plainCell()
{
    auto cell = std::make_unique<TGridInfoItem>();
    cell->setRowCnt(1);
    cell->setColumnCnt(1);
    return cell;
}

TGridInfoItem &at(TZR_ShapeTable::Items &items, qsizetype k)
{
    return *TZR_ShapeTable::item(items, k);
}

// A merged cell's grid rectangle (x = column, y = row), its spans cut back to the grid.
QRect spanRect(const TGridInfoItem &cell, int r, int c, int rows, int columns)
{
    const int w = qBound(1, cell.columnCnt(), columns - c);
    const int h = qBound(1, cell.rowCnt(), rows - r);
    return QRect(c, r, w, h);
}

} // namespace

bool TZR_ShapeTable::gridReady() const
{
    const qsizetype r = rows(), c = columns();
    return qsizetype(rowsCnt().size()) == r && qsizetype(columnsCnt().size()) == c
           && qsizetype(cellDatas().size()) == r * c;
}

void TZR_ShapeTable::buildAxis(bool columnAxis)
{
    Items &items = columnAxis ? columnsCnt() : rowsCnt();
    const int count = columnAxis ? columns() : rows();
    const int extent = columnAxis ? bounds().width() : bounds().height();
    const double q = double(qMax(0, extent - 2)) / count;
    items.clear();
    int pos = 1;
    for (int k = 0; k < count; ++k) {
        TGridInfoItem &item = appendItem(items);
        const int len = int(std::trunc(q * (k + 1))) - int(std::trunc(q * k));
        setItemAxis(item, columnAxis, pos, len);
        if (columnAxis)
            item.setColumn(k);
        else
            item.setRow(k);
        pos += len;
    }
}

void TZR_ShapeTable::buildCells()
{
    Items &cells = cellDatas();
    cells.clear();
    const qsizetype n = qsizetype(rows()) * columns();
    for (qsizetype k = 0; k < n; ++k)
        cells.push_back(plainCell());
}

void TZR_ShapeTable::buildGrid()
{
    const bool columnsOk = qsizetype(columnsCnt().size()) == columns();
    const bool rowsOk = qsizetype(rowsCnt().size()) == rows();
    if (!columnsOk)
        buildAxis(true);
    if (!rowsOk)
        buildAxis(false);
    if (qsizetype(cellDatas().size()) != qsizetype(rows()) * columns())
        buildCells();
    normalizeCoverage();
    recomputeCells();
}

void TZR_ShapeTable::recomputeCells()
{
    const int R = rows(), C = columns();
    Items &cells = cellDatas();
    if (!gridReady())
        return;
    for (int r = 0; r < R; ++r) {
        for (int c = 0; c < C; ++c) {
            TGridInfoItem &cell = at(cells, qsizetype(r) * C + c);
            const QRect span = spanRect(cell, r, c, R, C);
            int width = 0, height = 0;
            for (int k = span.left(); k <= span.right(); ++k)
                width += at(columnsCnt(), k).width();
            for (int k = span.top(); k <= span.bottom(); ++k)
                height += at(rowsCnt(), k).height();
            cell.setLeft(at(columnsCnt(), c).left());
            cell.setTop(at(rowsCnt(), r).top());
            cell.setWidth(width);
            cell.setHeight(height);
            cell.setRow(r);
            cell.setColumn(c);
        }
    }
}

void TZR_ShapeTable::rescaleAxis(bool columnAxis)
{
    if (columnsCnt().empty() || rowsCnt().empty())
        return;
    Items &items = columnAxis ? columnsCnt() : rowsCnt();
    qint64 sum = 0;
    for (qsizetype k = 0; k < qsizetype(items.size()); ++k)
        sum += itemLen(at(items, k), columnAxis);
    const int extent = columnAxis ? bounds().width() : bounds().height();
    if (sum <= 0) {
        // Nothing left to scale in proportion: divide the new size evenly again.
        if (qsizetype(items.size()) == (columnAxis ? columns() : rows()))
            buildAxis(columnAxis);
        recomputeCells();
        return;
    }
    const double f = double(qMax(0, extent - 2)) / double(sum);
    for (qsizetype k = 0; k < qsizetype(items.size()); ++k) {
        TGridInfoItem &item = at(items, k);
        int pos = itemPos(item, columnAxis);
        if (k > 0) {
            const TGridInfoItem &prev = at(items, k - 1);
            pos = itemPos(prev, columnAxis) + itemLen(prev, columnAxis);
        }
        setItemAxis(item, columnAxis, pos, int(std::trunc(itemLen(item, columnAxis) * f)));
    }
    recomputeCells();
}

void TZR_ShapeTable::rescaleColumns()
{
    rescaleAxis(true);
}

void TZR_ShapeTable::rescaleRows()
{
    rescaleAxis(false);
}

void TZR_ShapeTable::addColumns(int from, int to)
{
    Items &cols = columnsCnt();
    TGridInfoItem &last = at(cols, from - 1);
    const double e = double(last.width()) / (to - from + 1);
    last.setWidth(int(std::trunc(e)));
    Items &cells = cellDatas();
    const int R = int(rowsCnt().size());
    for (int j = from; j < to; ++j) {
        const int i = j - from + 2;
        const TGridInfoItem &prev = at(cols, j - 1);
        const int left = prev.left() + prev.width();
        TGridInfoItem &col = appendItem(cols);
        col.setLeft(left);
        col.setWidth(int(std::trunc(i * e - (i - 1) * e)));
        col.setColumn(j);
        for (int r = 0; r < R; ++r)
            cells.insert(cells.begin() + (qsizetype(r) * (j + 1) + j), plainCell());
    }
}

void TZR_ShapeTable::addRows(int from, int to)
{
    Items &rowItems = rowsCnt();
    TGridInfoItem &last = at(rowItems, from - 1);
    const double e = double(last.height()) / (to - from + 1);
    last.setHeight(int(std::trunc(e)));
    const int C = int(columnsCnt().size());
    for (int j = from; j < to; ++j) {
        const int i = j - from + 2;
        const TGridInfoItem &prev = at(rowItems, j - 1);
        const int top = prev.top() + prev.height();
        TGridInfoItem &row = appendItem(rowItems);
        row.setTop(top);
        row.setHeight(int(std::trunc(i * e - (i - 1) * e)));
        row.setRow(j);
        for (int c = 0; c < C; ++c)
            cellDatas().push_back(plainCell());
    }
}

void TZR_ShapeTable::removeColumns(int from, int to)
{
    Items &cells = cellDatas();
    const int R = int(rowsCnt().size());
    for (int j = from - 1; j >= to; --j) {
        for (int r = R - 1; r >= 0; --r)
            cells.erase(cells.begin() + (qsizetype(r) * (j + 1) + j));
        columnsCnt().pop_back();
    }
}

void TZR_ShapeTable::removeRows(int from, int to)
{
    Items &cells = cellDatas();
    const int C = int(columnsCnt().size());
    for (int j = from - 1; j >= to; --j) {
        rowsCnt().pop_back();
        cells.erase(cells.begin() + qsizetype(j) * C, cells.begin() + qsizetype(j + 1) * C);
    }
}

void TZR_ShapeTable::changeColumns(int count)
{
    const int m = qMax(1, int(wordValue(count)));
    if (m == columns())
        return;
    buildGrid();
    const int n = columns();
    setColumns(m);
    if (m > n) {
        addColumns(n, m);
    } else {
        removeColumns(n, m);
        rescaleAxis(true);
    }
    normalizeCoverage();
    recomputeCells();
}

void TZR_ShapeTable::changeRows(int count)
{
    const int m = qMax(1, int(wordValue(count)));
    if (m == rows())
        return;
    buildGrid();
    const int n = rows();
    setRows(m);
    if (m > n) {
        addRows(n, m);
    } else {
        removeRows(n, m);
        rescaleAxis(false);
    }
    normalizeCoverage();
    recomputeCells();
}

void TZR_ShapeTable::normalizeCoverage()
{
    if (!gridReady())
        return;
    const int R = rows(), C = columns();
    Items &cells = cellDatas();
    std::vector<bool> covered(size_t(R) * size_t(C), false);
    for (int r = 0; r < R; ++r) {
        for (int c = 0; c < C; ++c) {
            const qsizetype k = qsizetype(r) * C + c;
            TGridInfoItem &cell = at(cells, k);
            if (covered[size_t(k)]) {
                cell.setUseFlag(false);
                cell.setSelected(false);
                cell.setRowCnt(1);
                cell.setColumnCnt(1);
                continue;
            }
            cell.setUseFlag(true);
            const QRect span = spanRect(cell, r, c, R, C);
            cell.setColumnCnt(span.width());
            cell.setRowCnt(span.height());
            for (int y = span.top(); y <= span.bottom(); ++y)
                for (int x = span.left(); x <= span.right(); ++x)
                    covered[size_t(y) * size_t(C) + size_t(x)] = !(x == c && y == r);
        }
    }
}

} // namespace quill
