#include "CellRenderer.h"

#include "LabelDocument.h"
#include "WorkLabelPainter.h"

#include <QPainter>

namespace quill {

void renderCellObjects(QPainter &painter, const LabelCell &cell, const PaintContext &context)
{
    for (const std::unique_ptr<LabelObject> &object : cell.objects()) {
        const QRect box = object->bounds();
        if (box.width() <= 0 || box.height() <= 0)
            continue;
        painter.save();
        painter.translate(box.topLeft());
        painter.setClipRect(QRect(0, 0, box.width(), box.height()), Qt::IntersectClip);
        object->paint(painter, context);
        painter.restore();
    }
}

bool renderCell(QPainter &painter, const LabelDocument &document, int page, int cell,
                const PaintContext &context, bool drawWorkLabel)
{
    const LabelCell *panel = document.cell(page, cell);
    if (!panel)
        return false;
    if (drawWorkLabel)
        paintWorkLabel(painter, document.workLabel(), context.zoom);
    renderCellObjects(painter, *panel, context);
    return true;
}

QSize cellScreenSize(const LabelDocument &document, int zoom, bool drawWorkLabel)
{
    if (drawWorkLabel)
        return workLabelScreenSize(document.workLabel(), zoom);
    const TZR_LabelSize &sheet = document.labelSize();
    return QSize(sheet.cellScreenWidth(zoom), sheet.cellScreenHeight(zoom));
}

QImage renderCellImage(const LabelDocument &document, int page, int cell,
                       const PaintContext &context, bool drawWorkLabel)
{
    if (!document.cell(page, cell))
        return {};
    const QSize size = cellScreenSize(document, context.zoom, drawWorkLabel);
    QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(qMax(1, context.zoom) / 100.0, qMax(1, context.zoom) / 100.0);
    renderCell(painter, document, page, cell, context, drawWorkLabel);
    painter.end();
    return image;
}

} // namespace quill
