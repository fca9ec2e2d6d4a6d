// Sizes of the picture properties dialog: millimetres, scales, the aspect-ratio lock and the
// stretched preview inside its panel.
#pragma once

#include <QRect>
#include <QSize>
#include <QString>

#include <optional>

namespace quill::imagesizing {

// Objects are held in pixels at 100 % and 96 per inch, so the dialog's lengths use these.
constexpr double ScreenPixelsPerInch = 96.0;
constexpr int FullZoom = 100;

// ToMM: pixels shown at `zoom` percent on a screen of `ppi` pixels per inch, in millimetres.
double toMillimetres(double pixels, double ppi = ScreenPixelsPerInch, int zoom = FullZoom);
// ToPixels: Round(mm / 25.4 x ppi x zoom / 100), halves to even, saturated to int.
int toPixels(double millimetres, double ppi = ScreenPixelsPerInch, int zoom = FullZoom);

// Round(v x 100) / 100, halves to even.
double toHundredths(double v);
// The shortest decimal form of a number ("26.46", "100", "0.5").
QString numberText(double v);
// A scale as the dialog shows it: the number in its shortest form followed by " %".
QString scaleText(double percent);

// size x 100 / originalSize; nothing when the original size is not positive.
std::optional<double> scalePercent(double size, double originalSize);
// The other side of a size that keeps the original proportions: side x originalOther /
// originalSide; nothing when either original side is not positive.
std::optional<double> sideKeepingRatio(double side, double originalSide, double originalOther);

// FitPreview: where a picture stretched into a panel goes. A picture wider than high fills the
// width and is centred vertically, any other fills the height and is centred horizontally
// (integer division, as the panel lays it out). An empty rectangle for a picture or panel
// without area.
QRect fitPreview(const QSize &picture, const QSize &panel);

} // namespace quill::imagesizing
