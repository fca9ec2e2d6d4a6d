// Drawing and automatic size of the text box.
#include "ZR_TextEdit.h"

#include "FontSubstitution.h"
#include "ObjectPaint.h"
#include "TextPainting.h"
#include "document/Rounding.h"
#include "document/StandardProperties.h"

#include <QFontMetrics>
#include <QPainter>

namespace quill {

namespace {

struct LineOrigin {
    int x0 = 0;
    int y0 = 0;
    int stepX = 0;
    int stepY = 1;
};

// Where line 0 starts and which way the following lines go. Only the four right angles have
// an origin; any other angle keeps the one a new box starts with (that of 0 degrees).
LineOrigin lineOrigin(int angle, int b, int w, int h)
{
    switch (angle) {
    case 90: return {b / 2 - 3, h - (b / 2 + 1), 1, 0};
    case 180: return {w - 2 + b / 2, h + b / 2, 0, -1};
    case 270: return {w - b / 2, b / 2, -1, 0};
    default: return {b / 2, b / 2, 0, 1};
    }
}

// The shift of the reference point that aligns each line within the box.
QPoint alignOffset(int angle, int alignment, int b, int w, int h)
{
    if (alignment != taRightJustify && alignment != taCenter)
        return {};
    const bool right = alignment == taRightJustify;
    switch (angle) {
    case 90: return {0, right ? -(h - b) : -((h - b) / 2)};
    case 180: return {right ? -(w - b) : -((w - b) / 2), 0};
    case 270: return {0, right ? h - b : (h - b) / 2};
    case 0: return {right ? w - b : (w - b) / 2, 0};
    default: return {};
    }
}

// Small horizontal corrections of the line position at some zooms, in screen pixels at that
// zoom, returned in pixels at 100 %. This is the only place where the zoom moves text.
double zoomCorrectionX(int angle, int zoom)
{
    int screenPixels = 0;
    if (angle == 0 && zoom == 100)
        screenPixels = 1;
    else if (angle == 0 && zoom == 140)
        screenPixels = -2;
    else if (angle == 180 && (zoom == 180 || zoom == 200))
        screenPixels = 1;
    return screenPixels * 100.0 / qMax(1, zoom);
}

bool isRightAngle(int angle)
{
    return angle == 0 || angle == 90 || angle == 180 || angle == 270;
}

} // namespace

void TZR_TextEdit::paint(QPainter &painter, const PaintContext &context) const
{
    const QRect box = bounds();
    const int w = box.width();
    const int h = box.height();
    const int b = bevelWidth();
    const int angle = this->angle();
    const QStringList lines = linesInUse();

    if (!transparent() && w > 2 && h > 2)
        painter.fillRect(QRectF(1, 1, w - 2, h - 2), objectBrush(*this));

    if (!lines.isEmpty()) {
        // The editor shows the font at round(Z / 100 x size); the cell keeps the 100 % size.
        const int points = clampToInt(roundHalfEvenF(context.zoom / 100.0 * fontSize()));
        const ScaledFont font = scaledFont(fontForObject(*this), points, context.zoom);
        const QColor color = toQColor(TColor(intValue(QStringLiteral("Font.Color"))));
        const LineOrigin origin = lineOrigin(angle, b, w, h);
        const QPoint offset = alignOffset(angle, alignMent(), b, w, h);
        const double lineHeight = font.lineHeight(); // of "Qqy": every line is one font height
        const double correction = zoomCorrectionX(angle, context.zoom);
        const QStringList drawn = fieldFlag() ? QStringList{fieldValue()} : lines;
        for (int i = 0; i < drawn.size(); ++i) {
            const double x = lineHeight * i * origin.stepX + offset.x() + origin.x0 + 2 + correction;
            double y = lineHeight * i * origin.stepY + offset.y() + origin.y0;
            if (rowGap())
                y += 2 * i;
            drawTurnedText(painter, font, color, QPointF(x, y), angle, textReference(alignMent()),
                           drawn[i]);
        }
    }

    if (transparent())
        return;
    painter.setPen(objectPen(*this));
    painter.setBrush(Qt::NoBrush);
    const int a = penWidth() > 1 ? 1 : 0;
    painter.drawLine(a, a, w - 1, a);
    painter.drawLine(w - 1, 1, w - 1, h - 1);
    painter.drawLine(w - 1, h - 1, 1, h - 1);
    painter.drawLine(a, h - 1, a, a);
}

std::optional<QSize> TZR_TextEdit::autoSizeExtent() const
{
    if (!canMeasureText())
        return std::nullopt;
    const QStringList lines = linesInUse();
    const int angle = this->angle();
    if (lines.isEmpty() || !isRightAngle(angle))
        return std::nullopt;
    const QFontMetrics metrics(fontForObject(*this));
    const int e = transparent() ? 0 : bevelWidth();
    const int heightExtent = (metrics.ascent() + metrics.descent()) * int(lines.size()) + 2 * e;
    int widthExtent = 0;
    const int q = metrics.horizontalAdvance(QStringLiteral("Q"));
    for (const QString &line : lines) {
        const int width = metrics.horizontalAdvance(line);
        // A wider line sets the extent to its width plus one "Q"; later lines are compared
        // with that enlarged extent.
        if (width > widthExtent)
            widthExtent = width + q;
    }
    const int w = fontSize() / 3 + widthExtent + 2 * e;
    const int h = fontSize() / 3 + heightExtent;
    return (angle == 90 || angle == 270) ? QSize(h, w) : QSize(w, h);
}

void TZR_TextEdit::adjustBounds()
{
    if (!autoSize())
        return;
    const std::optional<QSize> size = autoSizeExtent();
    if (!size)
        return;
    setValue(QStringLiteral("Width"), size->width());
    setValue(QStringLiteral("Height"), size->height());
}

void TZR_TextEdit::followSizeChange(int index)
{
    if (!autoSize())
        return;
    const QString &name = classInfo().properties[index].name;
    static const QStringList triggers{
        QStringLiteral("AutoSize"),        QStringLiteral("Angle"),
        QStringLiteral("Transparent"),     QStringLiteral("BevelWidth"),
        QStringLiteral("WordWrapTF"),      QStringLiteral("WWTMemo.Strings"),
        QStringLiteral("WWFMemo.Strings"), QStringLiteral("Font.Height"),
        QStringLiteral("Font.Name"),       QStringLiteral("Font.Style"),
    };
    if (triggers.contains(name))
        adjustBounds();
}

} // namespace quill
