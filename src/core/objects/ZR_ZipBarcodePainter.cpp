// Drawing of the postal code barcode: the program's own bar pattern.
#include "ZR_ZipBarcode.h"

#include "ObjectPaint.h"
#include "barcode/PostalCodeBarcode.h"

#include <QPainter>

namespace quill {

void TZR_ZipBarcode::paint(QPainter &painter, const PaintContext &) const
{
    const QRect box = bounds();
    if (box.width() <= 0 || box.height() <= 0)
        return;
    const PostalBarGeometry geometry =
        postalBarGeometry(autoSize(), box.width(), barWidth(), bStartPoint());
    const QColor color = toQColor(this->color());
    for (const QRect &bar : postalBarRects(text(), geometry, box.height()))
        painter.fillRect(bar, color);
}

} // namespace quill
