#include "WorkLabelPainter.h"

#include "ZR_WorkLabel.h"
#include "objects/ObjectPaint.h"

#include <QPainter>

namespace quill {

namespace {

constexpr TColor ButtonShadow = 0xFF000010;

// The rectangle a toolkit Rectangle(l, t, r, b) outlines with a 1-pixel pen: columns l to
// r - 1 and rows t to b - 1.
QRect outlineRect(int l, int t, int r, int b)
{
    return QRect(l, t, r - l - 1, b - t - 1);
}

// Screen pixels of a length in inches at the zoom, as the sheet converts lengths.
int screenLength(const TZR_LabelSize &sheet, double inches, int zoom)
{
    return sheet.devicePixels(inches * zoom / 100.0, 96.0);
}

void drawFigure(QPainter &painter, TShapeType shape, const QRect &rect, double cornerDiameter)
{
    if (shape == stRoundRect)
        painter.drawRoundedRect(rect, cornerDiameter / 2, cornerDiameter / 2);
    else if (shape == stCircle)
        painter.drawEllipse(rect);
    else
        painter.drawRect(rect);
}

void paintBody(QPainter &painter, const TZR_WorkLabel &label, int zoom, QSize size, int shadow)
{
    const TZR_LabelSize &sheet = label.labelSize();
    const TShapeType shape = sheet.shape();
    if (shape != stRectangle && shape != stRoundRect && shape != stCircle)
        return; // other outlines draw nothing
    const double corner = screenLength(sheet, sheet.rectangleRadius() * 2, zoom);
    painter.setPen(Qt::NoPen);
    painter.setBrush(toQColor(ButtonShadow));
    if (shadow > 0)
        drawFigure(painter, shape, QRect(shadow, shadow, size.width() - shadow,
                                         size.height() - shadow), corner);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(toQColor(label.color()));
    drawFigure(painter, shape,
               outlineRect(0, 0, size.width() - shadow, size.height() - shadow), corner);
}

void paintGrid(QPainter &painter, const TZR_WorkLabel &label, int zoom)
{
    const TZR_LabelSize &sheet = label.labelSize();
    const int step = screenLength(sheet, label.gridWidth() / 25.4, zoom);
    if (step < 1)
        return; // a pitch below one pixel would paint the cell solid
    const int cw = screenLength(sheet, sheet.width(), zoom);
    const int ch = screenLength(sheet, sheet.height(), zoom);
    painter.setPen(QPen(toQColor(label.gridColor()), 1));
    for (int x = step; x < cw - 1; x += step)
        painter.drawLine(x, 1, x, ch - 2);
    for (int y = step; y < ch - 1; y += step)
        painter.drawLine(1, y, cw - 2, y);
}

void paintInnerCutOutline(QPainter &painter, const TZR_WorkLabel &label, int zoom)
{
    const InnerCutOutline &cut = label.innerCutOutline();
    if (!cut.present)
        return;
    const TZR_LabelSize &sheet = label.labelSize();
    const auto px = [&](double mm) { return screenLength(sheet, mm / 25.4, zoom); };
    const int x1 = px(cut.x);
    const int y1 = px(cut.y);
    const int x2 = px(cut.x + cut.width);
    const int y2 = px(cut.y + cut.height);
    // Outlines only: filling them with the canvas brush would cover the grid inside the box.
    painter.setBrush(Qt::NoBrush);
    if (!cut.hasSecondBox()) {
        painter.setPen(QPen(Qt::black, 1));
        painter.drawRect(outlineRect(x1, y1, x2, y2));
        return;
    }
    const int offset = px(cut.secondOffset);
    painter.setPen(QPen(QColor(255, 0, 0), qMax(1, px(cut.penWidth)), Qt::SolidLine,
                        Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(outlineRect(x1, y1, x2, y2));
    if (sheet.pageHeight() > sheet.pageWidth()) {
        const int top = offset + sheet.cellScreenHeight(zoom) / 2;
        painter.drawRect(outlineRect(x1, top, x2, top + (y2 - y1)));
    } else {
        const int left = offset + sheet.cellScreenWidth(zoom) / 2;
        painter.drawRect(outlineRect(left, y1, left + (x2 - x1), y2));
    }
}

} // namespace

QSize workLabelScreenSize(const TZR_WorkLabel &workLabel, int zoom)
{
    const TZR_LabelSize &sheet = workLabel.labelSize();
    const int cellWidth = sheet.cellScreenWidth(zoom);
    const int shadow = workLabel.shadowFlag() ? TZR_WorkLabel::shadowWidthFor(cellWidth) : 0;
    return QSize(cellWidth + shadow, sheet.cellScreenHeight(zoom) + shadow);
}

void paintWorkLabel(QPainter &painter, const TZR_WorkLabel &workLabel, int zoom)
{
    zoom = qMax(1, zoom);
    const QSize size = workLabelScreenSize(workLabel, zoom);
    const int shadow = size.width() - workLabel.labelSize().cellScreenWidth(zoom);
    painter.save();
    // Everything below is in screen pixels at the zoom.
    painter.scale(100.0 / zoom, 100.0 / zoom);
    painter.setRenderHint(QPainter::Antialiasing, false);
    paintBody(painter, workLabel, zoom, size, shadow);
    if (workLabel.gridflag())
        paintGrid(painter, workLabel, zoom);
    paintInnerCutOutline(painter, workLabel, zoom);
    painter.restore();
}

} // namespace quill
