// Drawing of the table object: the filled frame, the inner lines of visible cells, selections.
#include "ZR_ShapeTable.h"

#include "ShapePaintSupport.h"
#include "document/StandardProperties.h"

#include <QPainter>

namespace quill {

namespace {

constexpr TColor kHighlight = 0x00F0CAA6;

struct TableEdges {
    int right = 0;  // the frame's right and bottom coordinates (exclusive)
    int bottom = 0;
    int penWidth = 0;
};

// Right and bottom edges of a visible cell, kept off the frame.
void drawCellLines(QPainter &painter, const TGridInfoItem &cell, bool lastColumn, bool lastRow,
                   bool rowUsed, const TableEdges &e)
{
    auto clampX = [&e](int x) { return x > e.right - e.penWidth ? e.right - 1 : x; };
    auto clampY = [&e](int y) { return y > e.bottom - e.penWidth ? e.bottom - 1 : y; };
    const int l = cell.left(), t = cell.top();
    const int r = l + cell.width(), b = t + cell.height();
    if (!lastColumn && rowUsed)
        painter.drawLine(clampX(r), clampY(t), clampX(r), clampY(b));
    if (!lastRow)
        painter.drawLine(clampX(l), clampY(b), clampX(r), clampY(b));
}

void drawSelection(QPainter &painter, const TGridInfoItem &cell, int pw)
{
    // Corners as the drawing surface fills them: right and bottom exclusive.
    const QPoint from(cell.left() + pw + 1, cell.top() + pw + 1);
    const QPoint to(cell.left() + cell.width() - pw, cell.top() + cell.height() - pw + 1);
    if (to.x() > from.x() && to.y() > from.y())
        painter.fillRect(QRect(from, to - QPoint(1, 1)), shapepaint::drawColor(kHighlight));
}

} // namespace

void TZR_ShapeTable::paint(QPainter &painter, const PaintContext &context) const
{
    if (!gridReady()) {
        // Drawn as it will be built; the editor builds the lists of its own copy.
        std::unique_ptr<LabelObject> built = clone();
        auto &table = static_cast<TZR_ShapeTable &>(*built);
        table.buildGrid();
        if (table.gridReady())
            table.paint(painter, context);
        return;
    }
    const int R = rows(), C = columns();
    const TGridInfoItem &lastCol = *item(columnsCnt(), C - 1);
    const TGridInfoItem &lastRow = *item(rowsCnt(), R - 1);
    TableEdges e;
    e.right = lastCol.left() + lastCol.width();
    e.bottom = lastRow.top() + lastRow.height();
    e.penWidth = qMax(0, penWidth());
    const int a = qMax(1, e.penWidth / 2);

    painter.setClipRect(QRect(QPoint(0, 0), bounds().size()), Qt::IntersectClip);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(shapepaint::outlinePen(penColor(), penStyle(), e.penWidth));
    painter.setBrush(shapepaint::fillBrush(brushColor(), brushStyle()));
    painter.drawRect(shapepaint::figureRect(a, a, e.right, e.bottom));

    // Inner lines are solid whatever the frame's style.
    painter.setPen(shapepaint::outlinePen(penColor(), psSolid, e.penWidth));
    for (int r = 0; r < R; ++r) {
        const bool rowUsed = item(rowsCnt(), r)->useFlag();
        for (int c = 0; c < C; ++c) {
            const TGridInfoItem &cell = *item(cellDatas(), qsizetype(r) * C + c);
            if (cell.useFlag())
                drawCellLines(painter, cell, c == C - 1, r == R - 1, rowUsed, e);
        }
    }
    for (qsizetype k = 0; k < qsizetype(cellDatas().size()); ++k) {
        const TGridInfoItem &cell = *item(cellDatas(), k);
        if (cell.useFlag() && cell.selected())
            drawSelection(painter, cell, e.penWidth);
    }
}

} // namespace quill
