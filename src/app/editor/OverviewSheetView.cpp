#include "OverviewSheetView.h"

#include "document/DocumentSummary.h"
#include "document/LabelDocument.h"
#include "editing/OverviewPlacement.h"

#include <QMouseEvent>
#include <QPainter>

namespace quill {

namespace {

constexpr int Margin = 4; // between the widget's edge and the sheet's outline

// The figure of a cell outline for the sheet's shape: squares and circles keep their side
// at the shorter side of the cell, centred.
void drawShape(QPainter &painter, TShapeType shape, const QRect &rect)
{
    QRect box = rect;
    if (shape == stSquare || shape == stRoundSquare || shape == stCircle) {
        const int side = qMin(rect.width(), rect.height());
        box = QRect(0, 0, side, side);
        box.moveCenter(rect.center());
    }
    const qreal corner = qMin(box.width(), box.height()) / 8.0;
    switch (shape) {
    case stRoundRect:
    case stRoundSquare:
        painter.drawRoundedRect(box, corner, corner);
        break;
    case stEllipse:
    case stCircle:
        painter.drawEllipse(box);
        break;
    default:
        painter.drawRect(box);
    }
}

} // namespace

OverviewSheetView::OverviewSheetView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("LabelBox"));
    setAccessibleName(QStringLiteral("라벨용지 미리보기"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setMinimumSize(120, 120);
}

void OverviewSheetView::setDocument(LabelDocument *document)
{
    mDocument = document;
    mThumbnails.clear();
    relayout();
}

int OverviewSheetView::cellAt(const QPoint &point) const
{
    return overviewCellAt(mCells, point);
}

void OverviewSheetView::setOthersMarked(bool marked)
{
    if (marked == mOthersMarked)
        return;
    mOthersMarked = marked;
    update();
}

void OverviewSheetView::relayout()
{
    mCells.clear();
    mSheet = QRect();
    if (mDocument) {
        const TZR_LabelSize &sheet = mDocument->labelSize();
        const QSize box = size().shrunkBy(QMargins(Margin, Margin, Margin, Margin));
        OverviewLayout layout = layoutOverview(box, sheet);
        // The layout keeps one side of the box; a very wide or tall sheet may then overflow
        // the other, so lay it out again in the part that fits.
        if (layout.boxSize.width() > box.width() || layout.boxSize.height() > box.height()) {
            const double shrink = qMin(double(box.width()) / qMax(1, layout.boxSize.width()),
                                       double(box.height()) / qMax(1, layout.boxSize.height()));
            layout = layoutOverview((QSizeF(box) * shrink).toSize(), sheet);
        }
        // Centred in the widget.
        mSheet = QRect(QPoint(0, 0), layout.boxSize);
        mSheet.moveCenter(rect().center());
        for (const QRect &cell : overviewCellRects(layout, sheet))
            mCells.append(cell.translated(mSheet.topLeft()));
    }
    update();
}

void OverviewSheetView::paintSheet(QPainter &painter)
{
    painter.fillRect(rect(), palette().color(QPalette::Window));
    if (!mDocument || mSheet.isEmpty())
        return;
    painter.fillRect(mSheet, Qt::white);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(mSheet.adjusted(0, 0, -1, -1)); // "LabelOutline"
    const int page = mDocument->currentPage();
    for (int i = 0; i < mCells.size(); ++i) {
        const QRect &rect = mCells.at(i);
        const QImage image = mThumbnails.thumbnail(*mDocument, page, i + 1, rect.size());
        if (!image.isNull())
            painter.drawImage(rect.topLeft(), image);
        paintCellOutline(painter, rect, i + 1);
    }
}

void OverviewSheetView::paintCellOutline(QPainter &painter, const QRect &rect, int cell) const
{
    const bool current = cell == mDocument->currentCell();
    QPen pen(Qt::black, 1);
    if (current)
        pen = QPen(QColor(255, 0, 0), 3);
    else if (mOthersMarked)
        pen = QPen(QColor(255, 0, 0), 2);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    // Thick pens stay inside the cell, so neighbours' outlines never cover each other.
    const int inset = pen.width() / 2;
    drawShape(painter, mDocument->labelSize().shape(),
              rect.adjusted(inset, inset, -1 - inset, -1 - inset));
}

void OverviewSheetView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintSheet(painter);
}

void OverviewSheetView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    relayout();
}

void OverviewSheetView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (const int cell = cellAt(event->position().toPoint()))
        emit cellClicked(cell);
}

} // namespace quill
