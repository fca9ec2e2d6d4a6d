// The overview window's miniature sheet: every cell of the current page as a thumbnail in
// its place on the sheet, the current cell outlined in red; a click picks a cell.
#pragma once

#include "CellThumbnails.h"

#include <QPointer>
#include <QRect>
#include <QWidget>

namespace quill {

class LabelDocument;

class OverviewSheetView : public QWidget {
    Q_OBJECT
public:
    explicit OverviewSheetView(QWidget *parent = nullptr);

    // The document shown (not owned); nullptr shows nothing.
    void setDocument(LabelDocument *document);
    CellThumbnails &thumbnails() { return mThumbnails; }

    // The sheet's outline and cell n's rectangle (at n - 1) in widget pixels, as laid out for
    // the widget's current size.
    QRect sheetRect() const { return mSheet; }
    const QList<QRect> &cellRects() const { return mCells; }
    // Cell number at a widget point, 0 for none.
    int cellAt(const QPoint &point) const;

    // Marks every cell but the current one with a red outline (the question of "apply to
    // all" shows where the objects will go), or removes the marks.
    void setOthersMarked(bool marked);

    // Lays the sheet out again (after the sheet or the widget's size changed) and repaints.
    void relayout();
    // Draws the sheet (the paint event's work).
    void paintSheet(QPainter &painter);

    QSize sizeHint() const override { return {300, 300}; }

signals:
    void cellClicked(int cell);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void paintCellOutline(QPainter &painter, const QRect &rect, int cell) const;

    QPointer<LabelDocument> mDocument;
    CellThumbnails mThumbnails;
    QRect mSheet;
    QList<QRect> mCells;
    bool mOthersMarked = false;
};

} // namespace quill
