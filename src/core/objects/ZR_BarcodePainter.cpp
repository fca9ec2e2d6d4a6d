// Drawing of the one-dimensional barcode object through the barcode control.
#include "ZR_Barcode.h"

#include "FontSubstitution.h"
#include "barcode/BoundData.h"
#include "document/Rounding.h"

#include <QPainter>

namespace quill {

QString TZR_Barcode::shownCaption(const PaintContext &context) const
{
    return boundBarcodeData(context, fieldName(), caption());
}

BarcodeSettings TZR_Barcode::controlSettings(const PaintContext &context) const
{
    BarcodeSettings s;
    s.codeType = codeType();
    s.caption = shownCaption(context);
    s.autoParity = autoParity();
    s.showCheckDigit = showCheckDigit();
    s.justifyText = justifyText();
    s.showText = showText();
    s.extra1 = showAsterisk();
    s.showLightMargins = showLightMargins();
    s.marginSize = marginSize();
    s.orientation = orientation();
    s.font = fontForObject(*this);
    // Font.Size is the size at 100 %; a zoomed screen shows it made whole at its zoom, and
    // the painter's transform scales that back. This is the only zoom-dependent step.
    const double points = intValue(QStringLiteral("Font.Size"));
    const int zoom = qMax(1, context.zoom);
    s.fontSize = zoom == 100 ? points : roundHalfEvenF(points * zoom / 100.0) * 100.0 / zoom;
    const QRect box = bounds();
    s.imageWidth = pixelsToImageMillimetres(box.width(), pixelsPerInch());
    s.imageHeight = pixelsToImageMillimetres(box.height(), pixelsPerInch());
    return s;
}

int TZR_Barcode::errorCode() const
{
    return mRendering.render(controlSettings()).errorCode();
}

QString TZR_Barcode::errorText() const
{
    return mRendering.render(controlSettings()).errorText();
}

void TZR_Barcode::paint(QPainter &painter, const PaintContext &context) const
{
    const QRect box = bounds();
    if (box.width() <= 0 || box.height() <= 0)
        return;
    const BarcodePicture &picture = mRendering.render(controlSettings(context)).picture();
    picture.draw(painter, QRectF(0, 0, box.width(), box.height()));
}

} // namespace quill
