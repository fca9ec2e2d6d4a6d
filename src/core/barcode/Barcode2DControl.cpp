#include "Barcode2DControl.h"

#include "BarcodeControl.h"
#include "BarcodeErrors.h"
#include "BarcodeSymbologies.h"
#include "ZintSymbol.h"

#include <QPainterPath>

#include <zint.h>

#include <algorithm>
#include <cmath>

namespace quill {

namespace {

constexpr int kUtf8Eci = 26;

bool isAscii(const QString &text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; });
}

ZintRequest matrixRequest(const MatrixSymbology &sym, const MatrixMode &mode, const QString &data)
{
    ZintRequest r;
    r.symbology = sym.zintId;
    r.option1 = mode.option1;
    r.option2 = mode.option2;
    r.option3 = mode.option3;
    r.inputMode = UNICODE_MODE;
    if (sym.zintId == BARCODE_DBAR_EXPSTK) {
        r.inputMode = GS1_MODE;
        if (data.startsWith(QLatin1Char('(')))
            r.inputMode |= GS1PARENS_MODE;
    } else if (!isAscii(data) && ZBarcode_Cap(sym.zintId, ZINT_CAP_ECI)) {
        // Korean and other text beyond ASCII: UTF-8, with the ECI that tells readers so.
        r.eci = kUtf8Eci;
    }
    r.data = data.toUtf8();
    return r;
}

// Ultracode's colours by libzint's numbers 1..8.
QColor rectColor(int colour, const QColor &fore)
{
    static const QColor colours[] = {Qt::cyan, Qt::blue, Qt::magenta, Qt::red,
                                     Qt::yellow, Qt::green, Qt::black, Qt::white};
    return (colour >= 1 && colour <= 8) ? colours[colour - 1] : fore;
}

struct Mapping {
    double sx = 1, sy = 1, ox = 0, oy = 0;
    QPointF map(double x, double y) const { return {ox + x * sx, oy + y * sy}; }
};

Mapping frameMapping(const zint_vector &v, const QSizeF &frame, bool fit)
{
    Mapping m;
    m.sx = frame.width() / v.width;
    m.sy = frame.height() / v.height;
    if (fit) {
        m.sx = m.sy = std::min(m.sx, m.sy);
        m.ox = (frame.width() - v.width * m.sx) / 2;
        m.oy = (frame.height() - v.height * m.sy) / 2;
    }
    return m;
}

QPainterPath hexagon(const zint_vector_hexagon &h, const Mapping &m)
{
    // libzint gives the centre and the diameter across the corners; rotation 0 or 180 has
    // corners up and down, 90 or 270 left and right.
    const double r = h.diameter / 2;
    const bool pointyTop = h.rotation == 0 || h.rotation == 180;
    QPolygonF polygon;
    for (int k = 0; k < 6; ++k) {
        const double angle = (pointyTop ? 90.0 : 0.0) + 60.0 * k;
        const double rad = angle * M_PI / 180.0;
        polygon << m.map(h.x + r * std::cos(rad), h.y + r * std::sin(rad));
    }
    QPainterPath path;
    path.addPolygon(polygon);
    path.closeSubpath();
    return path;
}

QPainterPath circle(const zint_vector_circle &c, const Mapping &m)
{
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    const QPointF centre = m.map(c.x, c.y);
    const auto add = [&](double radius) {
        if (radius > 0)
            path.addEllipse(centre, radius * m.sx, radius * m.sy);
    };
    if (c.width <= 0) {
        add(c.diameter / 2);
    } else { // a ring of the given line width
        add(c.diameter / 2 + c.width / 2);
        add(c.diameter / 2 - c.width / 2);
    }
    return path;
}

void layoutMatrix(const zint_vector &v, const Barcode2DSettings &s, BarcodePicture &picture)
{
    const QSizeF frame = picture.layoutSize();
    if (v.width <= 0 || v.height <= 0 || frame.isEmpty())
        return;
    if (!s.transparent)
        picture.setBackground(s.backColor);
    const Mapping m = frameMapping(v, frame, s.useEnhanced);
    for (const zint_vector_rect *r = v.rectangles; r; r = r->next)
        picture.addRect(QRectF(m.map(r->x, r->y), m.map(r->x + r->width, r->y + r->height)),
                        rectColor(r->colour, s.foreColor));
    for (const zint_vector_hexagon *h = v.hexagons; h; h = h->next)
        picture.addPath(hexagon(*h, m), s.foreColor);
    for (const zint_vector_circle *c = v.circles; c; c = c->next)
        picture.addPath(circle(*c, m), c->colour ? s.backColor : s.foreColor);
}

} // namespace

QString Barcode2DControl::codeTypeName(int index)
{
    const MatrixSymbology *sym = matrixSymbology(index);
    return sym ? sym->name : QString();
}

QString Barcode2DControl::modeName(int codeType, int index)
{
    const MatrixSymbology *sym = matrixSymbology(codeType);
    if (!sym || index < 0 || index >= sym->modes.size())
        return {};
    return sym->modes[index].name;
}

QString Barcode2DControl::errorMessage(int code)
{
    return barcodeErrorMessage(code);
}

int Barcode2DControl::render(const Barcode2DSettings &settings)
{
    mPicture = BarcodePicture(QSizeF(settings.imageWidth, settings.imageHeight));
    mPicture.setQuarterTurns(orientationQuarterTurns(settings.orientation));
    const MatrixSymbology *sym = matrixSymbology(settings.codeType);
    if (!sym || settings.mode < 0 || settings.mode >= sym->modes.size()) {
        mErrorCode = BarcodeError::InvalidOption;
        mErrorText = barcodeErrorText(mErrorCode, QStringLiteral("Unknown barcode type or mode"));
        return mErrorCode;
    }
    QString detail;
    ZintSymbol symbol;
    mErrorCode = symbol.encode(matrixRequest(*sym, sym->modes[settings.mode], settings.caption),
                               &detail);
    if (mErrorCode == BarcodeError::None)
        layoutMatrix(*symbol.get()->vector, settings, mPicture);
    mErrorText = barcodeErrorText(mErrorCode, detail);
    return mErrorCode;
}

} // namespace quill
