// Drawing of the two-dimensional barcode object through the two-dimensional control.
#include "ZR_2DBarcode.h"

#include "ObjectPaint.h"
#include "barcode/BarcodeControl.h"
#include "barcode/BoundData.h"

#include <QPainter>

namespace quill {

QString TZR_2DBarcode::shownCaption(const PaintContext &context) const
{
    return boundBarcodeData(context, fieldName(), caption());
}

Barcode2DSettings TZR_2DBarcode::controlSettings(const PaintContext &context) const
{
    Barcode2DSettings s;
    s.codeType = codeType();
    s.caption = shownCaption(context);
    s.mode = mode();
    s.backColor = toQColor(backColor());
    s.foreColor = toQColor(foreColor());
    s.useEnhanced = useEnhanced();
    s.transparent = transparent();
    s.orientation = orientation();
    // The picture always follows the current size, so a resized symbol is drawn afresh
    // rather than as its old picture stretched.
    const QRect box = bounds();
    s.imageWidth = pixelsToImageMillimetres(box.width(), pixelsPerInch());
    s.imageHeight = pixelsToImageMillimetres(box.height(), pixelsPerInch());
    return s;
}

int TZR_2DBarcode::errorCode() const
{
    return mRendering.render(controlSettings()).errorCode();
}

QString TZR_2DBarcode::errorText() const
{
    return mRendering.render(controlSettings()).errorText();
}

void TZR_2DBarcode::paint(QPainter &painter, const PaintContext &context) const
{
    const QRect box = bounds();
    if (box.width() <= 0 || box.height() <= 0)
        return;
    const BarcodePicture &picture = mRendering.render(controlSettings(context)).picture();
    picture.draw(painter, QRectF(0, 0, box.width(), box.height()));
}

} // namespace quill
