#include "ZR_WorkSpace.h"

#include "document/CellRenderer.h"
#include "document/LabelDocument.h"
#include "document/WorkLabelPainter.h"
#include "document/ZoomMapping.h"
#include "editing/ZoomList.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

namespace quill {

namespace {

// Room left beyond the cell's shadow (and beyond objects placed past the cell), so that the
// edge of what is shown never sits flush against the scroll bars.
constexpr int ContentMargin = 16;
// Above this many device pixels the cell is drawn directly instead of into a cached image,
// so that a big sheet at a high zoom never holds hundreds of megabytes.
constexpr qint64 MaxCachedPixels = 16LL * 1024 * 1024;

} // namespace

TZR_WorkSpace::TZR_WorkSpace(QWidget *parent) : QAbstractScrollArea(parent)
{
    setObjectName(QStringLiteral("WorkSpace"));
    setAccessibleName(QStringLiteral("작업 영역"));
    setFrameShape(QFrame::NoFrame);
    viewport()->setMouseTracking(true);
    viewport()->setBackgroundRole(QPalette::Window);
    viewport()->setAutoFillBackground(false);
    horizontalScrollBar()->setSingleStep(20);
    verticalScrollBar()->setSingleStep(20);
}

TZR_WorkSpace::~TZR_WorkSpace() = default;

void TZR_WorkSpace::setDocument(LabelDocument *document)
{
    if (mDocument == document)
        return;
    if (mDocument)
        disconnect(mDocument, nullptr, this, nullptr);
    mDocument = document;
    if (mDocument) {
        connect(mDocument, &LabelDocument::changed, this, &TZR_WorkSpace::documentChanged);
        connect(mDocument, &LabelDocument::currentCellChanged, this,
                &TZR_WorkSpace::documentChanged);
        connect(mDocument, &LabelDocument::pageRemoved, this, &TZR_WorkSpace::documentChanged);
        connect(mDocument, &QObject::destroyed, this, [this] {
            invalidate();
            viewport()->update();
        });
    }
    documentChanged();
}

LabelDocument *TZR_WorkSpace::document() const
{
    return mDocument;
}

int TZR_WorkSpace::zoom() const
{
    return mDocument ? qMax(1, int(mDocument->workLabel().zoomPercent())) : 100;
}

bool TZR_WorkSpace::setZoom(int zoom)
{
    if (!mDocument || zoom < ZoomList::MinZoom || zoom > ZoomList::MaxZoom)
        return false;
    if (zoom == this->zoom())
        return true;
    mDocument->workLabel().setZoomPercent(quint16(zoom));
    mShownZoom = zoom;
    invalidate();
    updateScrollRange();
    // A new zoom starts at the cell's top-left corner.
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    viewport()->update();
    emit zoomChanged(zoom);
    emit cellOriginChanged(cellOrigin());
    return true;
}

void TZR_WorkSpace::setGridVisible(bool on)
{
    if (!mDocument || mDocument->workLabel().gridflag() == on)
        return;
    mDocument->workLabel().setGridflag(on);
    mDocument->setModified(true);
    mDocument->notifyChanged();
}

bool TZR_WorkSpace::isGridVisible() const
{
    return mDocument && mDocument->workLabel().gridflag();
}

void TZR_WorkSpace::setFieldValues(const QHash<QString, QString> &labelRecord,
                                   const QHash<QString, QString> &barcodeRecord,
                                   const QString &emptyFieldText)
{
    mLabelRecord = labelRecord;
    mBarcodeRecord = barcodeRecord;
    mEmptyFieldText = emptyFieldText;
    mHasRecords = true;
    invalidate();
    viewport()->update();
}

void TZR_WorkSpace::clearFieldValues()
{
    mLabelRecord.clear();
    mBarcodeRecord.clear();
    mEmptyFieldText.clear();
    mHasRecords = false;
    invalidate();
    viewport()->update();
}

PaintContext TZR_WorkSpace::paintContext() const
{
    PaintContext context;
    context.target = PaintContext::Target::Screen;
    context.zoom = zoom();
    context.dpiX = context.dpiY = 96.0 * zoom() / 100.0;
    if (mHasRecords) {
        context.labelRecord = &mLabelRecord;
        context.barcodeRecord = &mBarcodeRecord;
        context.emptyFieldText = mEmptyFieldText;
    }
    return context;
}

QPoint TZR_WorkSpace::cellOrigin() const
{
    return QPoint(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
}

QPointF TZR_WorkSpace::mapToCell(const QPointF &viewportPosition) const
{
    return (viewportPosition - QPointF(cellOrigin())) * 100.0 / zoom();
}

QPointF TZR_WorkSpace::mapFromCell(const QPointF &cellPosition) const
{
    return cellPosition * zoom() / 100.0 + QPointF(cellOrigin());
}

QRect TZR_WorkSpace::mapRectFromCell(const QRect &model) const
{
    return ZoomMapping::toScreen(model, zoom()).translated(cellOrigin());
}

void TZR_WorkSpace::setTool(WorkSpaceTool *tool)
{
    mTool = tool;
    viewport()->update();
}

QSize TZR_WorkSpace::contentSize() const
{
    if (!mDocument)
        return {};
    QSize size = workLabelScreenSize(mDocument->workLabel(), zoom());
    if (const LabelCell *cell = mDocument->currentCellPanel()) {
        for (const auto &object : cell->objects()) {
            const QRect box = ZoomMapping::toScreen(object->bounds(), zoom());
            size = size.expandedTo(QSize(box.right() + 1, box.bottom() + 1));
        }
    }
    return size;
}

void TZR_WorkSpace::paintArea(QPainter &painter, const QRect &exposed)
{
    painter.fillRect(exposed, palette().color(QPalette::Window));
    if (!mDocument || !mDocument->currentCellPanel())
        return;
    if (const QPixmap *pixmap = cellPixmap())
        painter.drawPixmap(cellOrigin(), *pixmap);
    else
        renderDirect(painter, exposed);
    if (mTool) {
        painter.save();
        mTool->paintOverlay(painter, *this);
        painter.restore();
    }
}

const QPixmap *TZR_WorkSpace::cellPixmap()
{
    const QSize size = contentSize();
    const qreal ratio = devicePixelRatioF();
    if (qint64(size.width() * ratio) * qint64(size.height() * ratio) > MaxCachedPixels)
        return nullptr;
    // Edits that change objects without a change signal still show.
    CellRevisions now = CellRevisions::of(*mDocument->currentCellPanel());
    if (!mCacheValid || now != mCacheRevisions) {
        mCache = renderPixmap(size);
        mCacheRevisions = std::move(now);
        mCacheValid = true;
    }
    return &mCache;
}

QPixmap TZR_WorkSpace::renderPixmap(const QSize &size) const
{
    const qreal ratio = devicePixelRatioF();
    QImage image((QSizeF(size.expandedTo(QSize(1, 1))) * ratio).toSize(),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(zoom() / 100.0, zoom() / 100.0);
    renderCell(painter, *mDocument, 0, 0, paintContext(), true);
    painter.end();
    return QPixmap::fromImage(std::move(image));
}

void TZR_WorkSpace::renderDirect(QPainter &painter, const QRect &exposed) const
{
    painter.save();
    painter.setClipRect(exposed);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(cellOrigin());
    painter.scale(zoom() / 100.0, zoom() / 100.0);
    renderCell(painter, *mDocument, 0, 0, paintContext(), true);
    painter.restore();
}

void TZR_WorkSpace::paintEvent(QPaintEvent *event)
{
    QPainter painter(viewport());
    paintArea(painter, event->rect());
}

void TZR_WorkSpace::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollRange();
}

void TZR_WorkSpace::scrollContentsBy(int dx, int dy)
{
    viewport()->scroll(dx, dy);
    emit cellOriginChanged(cellOrigin());
}

void TZR_WorkSpace::documentChanged()
{
    invalidate();
    if (mDocument && zoom() != mShownZoom) {
        mShownZoom = zoom();
        emit zoomChanged(mShownZoom);
    }
    updateScrollRange();
    viewport()->update();
    if (cellOrigin() != mLastOrigin)
        emit cellOriginChanged(cellOrigin());
    mLastOrigin = cellOrigin();
}

void TZR_WorkSpace::invalidate()
{
    mCacheValid = false;
    mCache = QPixmap();
}

void TZR_WorkSpace::updateScrollRange()
{
    const QSize content = contentSize().grownBy(
        mDocument ? QMargins(0, 0, ContentMargin, ContentMargin) : QMargins());
    const QSize area = viewport()->size();
    horizontalScrollBar()->setRange(0, qMax(0, content.width() - area.width()));
    verticalScrollBar()->setRange(0, qMax(0, content.height() - area.height()));
    horizontalScrollBar()->setPageStep(area.width());
    verticalScrollBar()->setPageStep(area.height());
}

WorkSpacePointer TZR_WorkSpace::pointerOf(const QMouseEvent *event) const
{
    WorkSpacePointer pointer;
    pointer.viewport = event->position().toPoint();
    pointer.cell = mapToCell(event->position());
    pointer.button = event->button();
    pointer.buttons = event->buttons();
    pointer.modifiers = event->modifiers();
    return pointer;
}

void TZR_WorkSpace::mousePressEvent(QMouseEvent *event)
{
    if (!(mTool && mDocument && mTool->pointerPressed(*this, pointerOf(event))))
        QAbstractScrollArea::mousePressEvent(event);
}

void TZR_WorkSpace::mouseMoveEvent(QMouseEvent *event)
{
    const WorkSpacePointer pointer = pointerOf(event);
    if (mDocument)
        emit pointerMoved(pointer.cell);
    if (!(mTool && mDocument && mTool->pointerMoved(*this, pointer)))
        QAbstractScrollArea::mouseMoveEvent(event);
}

void TZR_WorkSpace::mouseReleaseEvent(QMouseEvent *event)
{
    if (!(mTool && mDocument && mTool->pointerReleased(*this, pointerOf(event))))
        QAbstractScrollArea::mouseReleaseEvent(event);
}

void TZR_WorkSpace::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (!(mTool && mDocument && mTool->pointerDoubleClicked(*this, pointerOf(event))))
        QAbstractScrollArea::mouseDoubleClickEvent(event);
}

bool TZR_WorkSpace::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::Leave)
        emit pointerLeft();
    return QAbstractScrollArea::viewportEvent(event);
}

} // namespace quill
