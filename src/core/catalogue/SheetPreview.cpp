// The miniature of a label sheet that the new job and user-defined paper dialogs show.
#include "SheetPreview.h"

#include "document/ZR_LabelSize.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace quill {

namespace {

constexpr int SideGap = 3;  // pixels left and right of a sheet that fills the width
constexpr int TopGap = 10;  // pixels above and below a sheet that fills the height
// A damaged product must not make the preview draw millions of cells.
constexpr int MaxPreviewCells = 10000;

int rounded(double value)
{
    return int(std::nearbyint(value));
}

QColor colourOf(TColor colour)
{
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

double scaleOf(QSize panel, double pageWidth, double pageHeight)
{
    return std::min((panel.width() - 2 * SideGap) / pageWidth,
                    (panel.height() - 2 * TopGap) / pageHeight);
}

void drawCellShape(QPainter &painter, const QRect &box, const QString &shape, int corner)
{
    if (shape == u"r.rect")
        painter.drawRoundedRect(box, corner / 2.0, corner / 2.0);
    else if (shape == u"rectangle" || shape == u"rect")
        painter.drawRect(box);
    else if (shape == u"circle" || shape == u"round")
        painter.drawEllipse(box);
}

// Two points to the rectangle they span, as the toolkit's Rectangle(x1, y1, x2, y2) draws it.
QRect spanned(int left, int top, int right, int bottom)
{
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

void drawInnerCut(QPainter &painter, const InnerCutOutline &cut, QPoint cell, double scale)
{
    const double x = cell.x() + cut.x * scale;
    const double y = cell.y() + cut.y * scale;
    const double w = cut.width * scale;
    const double h = cut.height * scale;
    const QRect first = spanned(rounded(x), rounded(y), rounded(x + w), rounded(y + h));
    if (!cut.hasSecondBox()) {
        painter.setPen(QPen(Qt::black, 1));
        painter.drawRect(first);
        return;
    }
    painter.setPen(QPen(Qt::red, rounded(std::max(cut.penWidth * scale, 1.0))));
    painter.drawRect(first);
    const int top = rounded(y + h + 2 * cut.secondOffset * scale);
    painter.drawRect(spanned(rounded(x), top, rounded(x + w), top + rounded(h) - 1));
    painter.setPen(QPen(Qt::black, 1));
}

} // namespace

SheetPreview SheetPreview::of(const TZR_LabelSize &sheet, const QString &shapeText,
                              const InnerCutOutline &outline)
{
    constexpr double mm = TZR_LabelSize::MillimetresPerInch;
    SheetPreview preview;
    preview.pageWidth = sheet.pageWidth() * mm;
    preview.pageHeight = sheet.pageHeight() * mm;
    preview.leftMargin = sheet.leftMargin() * mm;
    preview.topMargin = sheet.topMargin() * mm;
    preview.cellWidth = sheet.width() * mm;
    preview.cellHeight = sheet.height() * mm;
    preview.horizSpace = sheet.horizSpace() * mm;
    preview.vertSpace = sheet.vertSpace() * mm;
    preview.radius = sheet.rectangleRadius() * mm;
    preview.columns = sheet.columns();
    preview.rows = sheet.rows();
    preview.shapeText = shapeText;
    preview.paper = colourOf(sheet.color());
    preview.outline = outline;
    return preview;
}

QRect sheetPreviewRect(QSize panel, double pageWidth, double pageHeight)
{
    if (!(pageWidth > 0.0) || !(pageHeight > 0.0) || !std::isfinite(pageWidth)
        || !std::isfinite(pageHeight) || panel.isEmpty())
        return {};
    const double scale = scaleOf(panel, pageWidth, pageHeight);
    const int width = std::max(1, rounded(scale * pageWidth));
    const int height = std::max(1, rounded(scale * pageHeight));
    return QRect((panel.width() - width) / 2, (panel.height() - height) / 2, width, height);
}

void paintSheetPreview(QPainter &painter, const SheetPreview &sheet, QSize panel)
{
    const QRect picture = sheetPreviewRect(panel, sheet.pageWidth, sheet.pageHeight);
    if (picture.isEmpty())
        return;
    const double scale = scaleOf(panel, sheet.pageWidth, sheet.pageHeight);
    painter.save();
    painter.translate(picture.topLeft());
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(sheet.paper);
    painter.drawRect(QRect(0, 0, picture.width() - 1, picture.height() - 1));
    const QString shape = sheet.shapeText.trimmed().toLower();
    const int corner = rounded(sheet.radius * scale);
    // Margins and gaps that leave no room give cells of no size: nothing to draw.
    const bool drawable = qint64(sheet.columns) * sheet.rows <= MaxPreviewCells
        && sheet.cellWidth > 0.0 && sheet.cellHeight > 0.0;
    for (int r = 0; drawable && r < sheet.rows; ++r) {
        for (int c = 0; c < sheet.columns; ++c) {
            const double x = (c * (sheet.cellWidth + sheet.horizSpace) + sheet.leftMargin) * scale;
            const double y = (r * (sheet.cellHeight + sheet.vertSpace) + sheet.topMargin) * scale;
            const QRect box = spanned(rounded(x), rounded(y), rounded(x + sheet.cellWidth * scale),
                                      rounded(y + sheet.cellHeight * scale));
            drawCellShape(painter, box, shape, corner);
            if (sheet.outline.present)
                drawInnerCut(painter, sheet.outline, box.topLeft(), scale);
        }
    }
    painter.restore();
}

} // namespace quill
