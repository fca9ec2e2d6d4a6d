// The work area: the current cell of a document drawn at a zoom, scrolled, with the pointer's
// position in cell coordinates for the rulers and the status bar.
#pragma once

#include "CellRevisions.h"
#include "WorkSpaceTool.h"
#include "document/PaintContext.h"
#include "editing/RulerScale.h"

#include <QAbstractScrollArea>
#include <QHash>
#include <QPixmap>
#include <QPointer>

namespace quill {

class LabelDocument;

// A view, never an editor: it draws the work label (paper, outline, shadow, grid, inner cut
// outline) and every object of the current cell through the object's own paint(), scaled by
// the zoom; object bounds stay in model pixels at 100 % and are only mapped for the screen.
// The cell's top-left corner is at the content's origin (0, 0); scrolling moves it to
// cellOrigin() in viewport pixels. Pointer events go to the installed tool.
class TZR_WorkSpace : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit TZR_WorkSpace(QWidget *parent = nullptr);
    ~TZR_WorkSpace() override;

    // The document shown (not owned; it must outlive the view or be unset first). nullptr
    // shows an empty area.
    void setDocument(LabelDocument *document);
    LabelDocument *document() const;

    // The zoom in percent: the document's (its work label keeps it), 100 without a document.
    int zoom() const;
    // Shows the cell at zoom, scrolled to its top-left corner. Zooms outside
    // ZoomList::MinZoom..MaxZoom and calls without a document are refused (false, nothing
    // changes). The same zoom again changes nothing. The model is never touched but for the
    // work label's zoom, which the document file stores.
    bool setZoom(int zoom);

    // Grid on or off: the work label's Gridflag, a setting saved with the document, so a
    // change marks the document modified.
    void setGridVisible(bool on);
    bool isGridVisible() const;

    // The current records of the two data lists that field-bound objects show (field name ->
    // text), and the text of an empty field. Without them objects show their own texts.
    void setFieldValues(const QHash<QString, QString> &labelRecord,
                        const QHash<QString, QString> &barcodeRecord,
                        const QString &emptyFieldText = {});
    void clearFieldValues();
    // The context objects are drawn with at the current zoom.
    PaintContext paintContext() const;

    // Mapping between viewport pixels and model pixels at 100 % from the cell's top-left.
    QPoint cellOrigin() const;
    QPointF mapToCell(const QPointF &viewportPosition) const;
    QPointF mapFromCell(const QPointF &cellPosition) const;
    // A model rectangle (for example an object's bounds) on the viewport.
    QRect mapRectFromCell(const QRect &model) const;

    // The tool receiving pointer events (not owned; nullptr for none).
    void setTool(WorkSpaceTool *tool);
    WorkSpaceTool *tool() const { return mTool; }

    // Size in viewport pixels of everything to show: the cell with its shadow, and objects
    // reaching beyond it.
    QSize contentSize() const;

    // Draws the part exposed of the viewport (the paint event's work).
    void paintArea(QPainter &painter, const QRect &exposed);

signals:
    // The pointer over the work area, in model pixels at 100 % from the cell's top-left.
    void pointerMoved(const QPointF &cellPosition);
    void pointerLeft();
    void zoomChanged(int zoom);
    // The viewport position of the cell's top-left corner changed (scroll, zoom, document).
    void cellOriginChanged(const QPoint &origin);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    bool viewportEvent(QEvent *event) override;

private:
    void documentChanged();
    void invalidate();
    void updateScrollRange();
    WorkSpacePointer pointerOf(const QMouseEvent *event) const;
    const QPixmap *cellPixmap();
    QPixmap renderPixmap(const QSize &size) const;
    void renderDirect(QPainter &painter, const QRect &exposed) const;

    QPointer<LabelDocument> mDocument;
    WorkSpaceTool *mTool = nullptr;
    int mShownZoom = 100;
    QHash<QString, QString> mLabelRecord;
    QHash<QString, QString> mBarcodeRecord;
    QString mEmptyFieldText;
    bool mHasRecords = false;
    // The cell as last drawn at the current zoom; redrawn after any change.
    QPixmap mCache;
    bool mCacheValid = false;
    CellRevisions mCacheRevisions;
    QPoint mLastOrigin;
};

} // namespace quill
