// Rotated one-line text output shared by the text box and the field label family.
#pragma once

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QString>

class QPainter;

namespace quill {

// A font as a zoomed screen draws it: font pixels times scale are object pixels at 100 %.
// At 100 % (and on targets drawn at 100 %) scale is 1 and the font is the object's own; at
// another zoom the font has the whole point size the editor gives it at that zoom, so text
// keeps the proportions it has on that screen.
struct ScaledFont {
    QFont font;
    double scale = 1.0;

    // Extents in object pixels, measured with whole font pixels like the toolkit's text
    // extent: height is ascent plus descent.
    double lineHeight() const;
    double textWidth(const QString &text) const;
};

// font100 drawn at a zoom with pointsAtZoom whole points (ignored at zoom 100 or below 1).
ScaledFont scaledFont(const QFont &font100, int pointsAtZoom, int zoom);

// True when fonts can be measured: a QGuiApplication runs. Readers and tools without one
// keep the stored sizes instead of computing automatic ones.
bool canMeasureText();

// Horizontal reference of a text: the point is at its left end, right end or middle.
enum class TextReference { Left, Right, Centre };
// TAlignment (taLeftJustify, taRightJustify, taCenter) as a reference.
TextReference textReference(int alignment);

// Draws text with the top of its line at reference point at, turned by angle degrees counter-
// clockwise about that point, like text output with an escapement and top alignment.
void drawTurnedText(QPainter &painter, const ScaledFont &font, const QColor &color,
                    const QPointF &at, int angle, TextReference reference, const QString &text);

} // namespace quill
