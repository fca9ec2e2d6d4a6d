#include "BarcodeFormChecks.h"

#include "ZR_2DBarcode.h"
#include "ZR_Barcode.h"
#include "ZR_ZipBarcode.h"
#include "barcode/BarcodeDataRules.h"
#include "barcode/PostalCodeBarcode.h"
#include "document/Rounding.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace quill {

namespace {

constexpr double kObjectPixelsPerInch = 96.0;
constexpr double kMillimetresPerInch = 25.4;

QSizeF printedSize(const LabelObject &object)
{
    const QRect box = object.bounds();
    return {objectMillimetres(box.width()), objectMillimetres(box.height())};
}

// Fills in the bar width part of a status from a control's picture.
template<typename Control>
BarcodeFormStatus statusOf(const Control &control, const LabelObject &object)
{
    BarcodeFormStatus status;
    status.errorCode = control.errorCode();
    status.acceptable = status.errorCode == 0 && !control.picture().isEmpty();
    if (status.acceptable) {
        status.narrowestBarMm = narrowestMarkMillimetres(control.picture(), printedSize(object));
        status.thinBars = status.narrowestBarMm < printerDotMillimetres();
    }
    return status;
}

} // namespace

double printerDotMillimetres(double dpi)
{
    return dpi > 0 ? kMillimetresPerInch / dpi : 0;
}

double objectMillimetres(int pixels)
{
    return pixels * kMillimetresPerInch / kObjectPixelsPerInch;
}

int objectPixels(double millimetres)
{
    return clampToInt(roundHalfEvenF(millimetres * kObjectPixelsPerInch / kMillimetresPerInch));
}

double narrowestMarkMillimetres(const BarcodePicture &picture, const QSizeF &printedMm)
{
    const QSizeF frame = picture.size();
    if (frame.width() <= 0 || frame.height() <= 0)
        return 0;
    // Shapes are laid out upright; a quarter turn puts the layout's width along the frame's
    // height.
    double sx = printedMm.width() / frame.width();
    double sy = printedMm.height() / frame.height();
    if (picture.quarterTurns() % 2)
        std::swap(sx, sy);
    double narrowest = std::numeric_limits<double>::infinity();
    const auto measure = [&](const QRectF &r) {
        narrowest = std::min(narrowest, std::min(r.width() * sx, r.height() * sy));
    };
    for (const QRectF &r : picture.rects())
        measure(r);
    for (const QRectF &r : picture.pathBounds())
        measure(r);
    return std::isinf(narrowest) ? 0 : narrowest;
}

BarcodeFormStatus barcodeFormStatus(const TZR_Barcode &barcode)
{
    const BarcodeSettings settings = barcode.controlSettings();
    BarcodeControl control;
    control.render(settings);
    BarcodeFormStatus status = statusOf(control, barcode);
    status.message = linearStatusMessage(settings.codeType, settings.caption, status.errorCode);
    return status;
}

BarcodeFormStatus barcodeFormStatus(const TZR_2DBarcode &barcode)
{
    const Barcode2DSettings settings = barcode.controlSettings();
    Barcode2DControl control;
    control.render(settings);
    BarcodeFormStatus status = statusOf(control, barcode);
    status.message = matrixStatusMessage(settings.codeType, settings.caption, status.errorCode);
    return status;
}

BarcodeFormStatus barcodeFormStatus(const TZR_ZipBarcode &barcode)
{
    BarcodeFormStatus status;
    status.message = postalCodeStatus(barcode.text());
    const QRect box = barcode.bounds();
    const PostalBarGeometry geometry = postalBarGeometry(
        barcode.autoSize(), box.width(), barcode.barWidth(), barcode.bStartPoint());
    // The drawing's own bars: all of one width, whole pixels, none at all below half a pixel.
    const QList<QRect> bars = postalBarRects(barcode.text(), geometry, box.height());
    const int barPixels = bars.isEmpty() ? 0 : bars.first().width();
    status.narrowestBarMm = objectMillimetres(std::max(0, barPixels));
    status.thinBars = status.narrowestBarMm < printerDotMillimetres();
    return status;
}

QString thinBarWarning(double narrowestMm)
{
    return QStringLiteral("가장 가는 바의 굵기가 %1 mm로 %2 dpi 프린터의 한 점(%3 mm)보다 "
                          "가늘어 제대로 인쇄되지 않을 수 있습니다. 바코드를 더 크게 하십시오.")
        .arg(narrowestMm, 0, 'f', 3)
        .arg(kThinBarCheckDpi, 0, 'f', 0)
        .arg(printerDotMillimetres(), 0, 'f', 3);
}

void startNewZipBarcode(TZR_ZipBarcode &barcode)
{
    barcode.setAutoSize(true);
    barcode.setBarWidth(1);
    barcode.setBStartPoint(1);
    barcode.setText(QStringLiteral("123-456"));
    barcode.setColor(clBlack);
}

} // namespace quill
