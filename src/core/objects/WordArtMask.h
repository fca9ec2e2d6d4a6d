// Word art rendering: the caption's glyph mask stretched over the box, turned, painted with a ramp.
#pragma once

#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>

namespace quill {

class TZR_WordArt;

namespace wordart {

// Pixel size of the mask for a box of `bounds` (100 % pixels, 96 per inch) on a target of the
// given dots per inch: dpi x Width div 96 by dpi x Height div 96; the box itself at 96. Very
// large sizes are scaled down in proportion so that a mask never takes more than a few tens of
// megabytes.
QSize maskSize(const QSize &bounds, double dpiX, double dpiY);

// The word art's font: Font.Name, Font.Height (pixels at 96 per inch) and Font.Style.
QFont font(const TZR_WordArt &art);

// A white image of `size` with the caption in black stretched to fill it in both directions,
// turned by `angle`: 0 as is, 90 a quarter turn counter-clockwise, 180 a half turn, 270 a
// quarter turn clockwise (for 90 and 270 the text is laid out in the exchanged size first).
// An angle between the quarter turns is taken as the quarter turn below it. An empty caption
// gives an all-white mask.
QImage buildMask(const QString &caption, const QFont &font, const QSize &size, int angle);

// Glyph pixels of a mask: every pixel that is not the white background.
bool isGlyph(QRgb pixel);

// The word art at a resolution: a transparent image of maskSize() whose glyph pixels (and only
// those) carry the ramp, two-colour to the end colour for lsGradient, to white for
// lsAutoGradient; fully transparent for lsNone or an empty caption.
QImage render(const TZR_WordArt &art, double dpiX, double dpiY);

} // namespace wordart
} // namespace quill
