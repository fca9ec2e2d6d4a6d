// Colour ramps of the gradient and word art objects, as pure functions and band painters.
#pragma once

#include "ZR_Gradient.h"

#include <QColor>
#include <QSize>
#include <QVector>

class QPainter;

namespace quill::ramp {

// number x numerator / denominator with a 64-bit product and the quotient rounded to the
// nearest integer, halves away from zero; -1 when denominator is 0 or the result does not fit.
int mulDiv(int number, int numerator, int denominator);

// A two-colour ramp after its Angle is applied: which way the bands run and which colour
// comes first.
struct TwoColourPlan {
    TGradientStyle style = gsTopToBottom;
    TColor start = clBlack;
    TColor end = clBlack;
};

// Angle 90: top-to-bottom becomes left-to-right, left-to-right becomes top-to-bottom with the
// colours exchanged; 180 exchanges the colours; 270: top-to-bottom becomes left-to-right with
// the colours exchanged, left-to-right becomes top-to-bottom; other angles change nothing.
TwoColourPlan turned(TColor start, TColor end, TGradientStyle style, int angle);

// The n band colours of a two-colour ramp: band i is S + MulDiv(i, E - S, n) per component,
// so the last band is S + (E - S)(n - 1)/n and E itself is never reached.
QVector<QRgb> twoColourBands(QColor start, QColor end, int n);

// Band i of a one-colour ramp: each component c of S becomes c + Round((255 - c) p / 100) with
// p = min(i, 100), halves to even; white from band 100 on.
QRgb oneColourBand(QColor start, int i);

// The number of bands of a ramp running in `style` over an area.
int bandCount(TGradientStyle style, const QSize &area);

// Fills the area from (0, 0) band by band: one-pixel rows for top-to-bottom, columns for
// left-to-right.
void drawBands(QPainter &painter, const QSize &area, TGradientStyle style,
               const QVector<QRgb> &bands);

// The bands of a two-colour ramp over an area, its Angle applied; for word art with
// lsAutoGradient the end colour is white.
QVector<QRgb> twoColourRamp(const TwoColourPlan &plan, const QSize &area);
// The bands of the gradient's one-colour ramp over an area (Angle plays no part).
QVector<QRgb> oneColourRamp(TColor start, TGradientStyle style, const QSize &area);

} // namespace quill::ramp
