#include "TextPainting.h"

#include "document/StandardProperties.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>

namespace quill {

double ScaledFont::lineHeight() const
{
    const QFontMetrics metrics(font);
    return (metrics.ascent() + metrics.descent()) * scale;
}

double ScaledFont::textWidth(const QString &text) const
{
    return QFontMetrics(font).horizontalAdvance(text) * scale;
}

ScaledFont scaledFont(const QFont &font100, int pointsAtZoom, int zoom)
{
    ScaledFont result{font100, 1.0};
    if (zoom == 100 || zoom < 1 || pointsAtZoom <= 0)
        return result;
    result.font.setPixelSize(qMax(1, -fontHeightFromSize(pointsAtZoom)));
    result.scale = 100.0 / zoom;
    return result;
}

bool canMeasureText()
{
    return qobject_cast<QGuiApplication *>(QCoreApplication::instance()) != nullptr;
}

TextReference textReference(int alignment)
{
    switch (alignment) {
    case taRightJustify: return TextReference::Right;
    case taCenter: return TextReference::Centre;
    default: return TextReference::Left;
    }
}

void drawTurnedText(QPainter &painter, const ScaledFont &font, const QColor &color,
                    const QPointF &at, int angle, TextReference reference, const QString &text)
{
    if (text.isEmpty())
        return;
    const QFontMetrics metrics(font.font);
    // Left-aligned text needs no width: measuring it would shape the text a second time.
    double dx = 0.0;
    if (reference == TextReference::Right)
        dx = -metrics.horizontalAdvance(text);
    else if (reference == TextReference::Centre)
        dx = -metrics.horizontalAdvance(text) / 2.0;
    const QFont oldFont = painter.font();
    const QPen oldPen = painter.pen();
    painter.setFont(font.font);
    painter.setPen(color);
    if (angle == 0 && font.scale == 1.0) {
        // Upright text at its own size needs no transform of its own; leaving the painter's
        // saved state alone keeps a PDF from restating its whole graphics state per line.
        painter.drawText(at + QPointF(dx, metrics.ascent()), text);
    } else {
        const QTransform oldTransform = painter.transform();
        painter.translate(at);
        // Angles turn counter-clockwise on the page; Qt's rotation turns clockwise (y down).
        painter.rotate(-angle);
        painter.scale(font.scale, font.scale);
        painter.drawText(QPointF(dx, metrics.ascent()), text);
        painter.setTransform(oldTransform);
    }
    painter.setFont(oldFont);
    painter.setPen(oldPen);
}

} // namespace quill
