#include "BarcodePicture.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTransform>
#include <QVarLengthArray>

namespace quill {

QSizeF BarcodePicture::layoutSize() const
{
    return (mQuarterTurns % 2) ? mSize.transposed() : mSize;
}

void BarcodePicture::addRect(const QRectF &rect, const QColor &color)
{
    if (rect.width() > 0 && rect.height() > 0)
        mRects.append({rect, color});
}

void BarcodePicture::addPath(const QPainterPath &path, const QColor &color)
{
    if (!path.isEmpty())
        mPaths.append({path, color});
}

void BarcodePicture::addText(const QString &text, const QFont &font, double scale,
                             const QPointF &origin, const QColor &color)
{
    if (!text.isEmpty() && scale > 0)
        mTexts.append({text, font, scale, origin, color});
}

QStringList BarcodePicture::texts() const
{
    QStringList out;
    for (const TextItem &t : mTexts)
        out.append(t.text);
    return out;
}

QList<QRectF> BarcodePicture::rects() const
{
    QList<QRectF> out;
    out.reserve(mRects.size());
    for (const ColoredRect &r : mRects)
        out.append(r.rect);
    return out;
}

QList<QRectF> BarcodePicture::pathBounds() const
{
    QList<QRectF> out;
    out.reserve(mPaths.size());
    for (const ColoredPath &p : mPaths)
        out.append(p.path.boundingRect());
    return out;
}

QRectF BarcodePicture::contentBounds() const
{
    QRectF bounds;
    for (const ColoredRect &r : mRects)
        bounds = bounds.united(r.rect);
    for (const ColoredPath &p : mPaths)
        bounds = bounds.united(p.path.boundingRect());
    for (const TextItem &t : mTexts) {
        const QRectF box = QFontMetricsF(t.font).tightBoundingRect(t.text);
        bounds = bounds.united(QRectF(t.origin + box.topLeft() * t.scale, box.size() * t.scale));
    }
    return bounds;
}

namespace {

// Bars of one colour go to the device as one filled path: a PDF then holds one fill operation
// per run of bars instead of a saved state, transform and fill for each bar.
void drawRectRuns(QPainter &painter, const QList<BarcodePicture::ColoredRect> &rects)
{
    QVarLengthArray<QRectF, 128> run;
    QColor color;
    const auto flush = [&] {
        if (run.isEmpty())
            return;
        painter.setBrush(color);
        painter.drawRects(run.constData(), int(run.size()));
        run.clear();
    };
    for (const BarcodePicture::ColoredRect &r : rects) {
        if (r.color != color)
            flush();
        color = r.color;
        run.append(r.rect);
    }
    flush();
}

} // namespace

void BarcodePicture::draw(QPainter &painter, const QRectF &target) const
{
    if (mSize.width() <= 0 || mSize.height() <= 0 || target.isEmpty())
        return;
    painter.save();
    // Frame millimetres onto the target, then the layout frame turned into the frame.
    painter.translate(target.topLeft());
    painter.scale(target.width() / mSize.width(), target.height() / mSize.height());
    const QSizeF layout = layoutSize();
    switch (mQuarterTurns) {
    case 1: // 90 degrees counter-clockwise: the layout's top edge becomes the left edge
        painter.translate(0, mSize.height());
        painter.rotate(-90);
        break;
    case 2:
        painter.translate(mSize.width(), mSize.height());
        painter.rotate(180);
        break;
    case 3:
        painter.translate(mSize.width(), 0);
        painter.rotate(90);
        break;
    default:
        break;
    }
    painter.setPen(Qt::NoPen);
    if (mBackground.isValid())
        painter.fillRect(QRectF(QPointF(0, 0), layout), mBackground);
    drawRectRuns(painter, mRects);
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (const ColoredPath &p : mPaths)
        painter.fillPath(p.path, p.color);
    for (const TextItem &t : mTexts) {
        painter.save();
        painter.translate(t.origin);
        painter.scale(t.scale, t.scale);
        painter.setFont(t.font);
        painter.setPen(t.color);
        painter.drawText(QPointF(0, 0), t.text);
        painter.restore();
    }
    painter.restore();
}

} // namespace quill
