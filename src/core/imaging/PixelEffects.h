// Pixel effects, the resampler, quarter turns and mirrors on 24-bit pictures.
#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>

#include <optional>

namespace quill {

// Every operation takes the picture as it is, works on a 24-bit copy (QImage::Format_RGB888,
// rows read whole through scanLine) and leaves that copy in the picture, so the result is always
// Format_RGB888. "div" truncates toward zero, Round is half-to-even, results are clamped to
// 0..255. Pictures of any size are accepted: every read stays inside the picture, and a picture
// with no pixels stays as it is (converted to 24 bits).

// Converts to 24 bits when the picture is in another format.
void toPicture24(QImage &picture);

// Per-channel operations.
void Effect_Invert(QImage &picture);
void Effect_Lightness(QImage &picture, int a);
// The picture properties preview's brightness; the same formula as Effect_Lightness.
void Effect_Ligthness(QImage &picture, int a);
void Effect_Darkness(QImage &picture, int a);
void Effect_Contrast(QImage &picture, int a);
void Effect_Saturation(QImage &picture, int a);
void Effect_GrayScale(QImage &picture);
// The noise draws a fresh integer 0..a-1 per channel (blue, green, red) or per pixel; a seed
// makes the noise repeatable, none draws one from the system's generator.
void Effect_AddColorNoise(QImage &picture, int a, std::optional<quint32> seed = std::nullopt);
void Effect_AddMonoNoise(QImage &picture, int a, std::optional<quint32> seed = std::nullopt);
void Effect_Solorize(QImage &picture, int a);
void Effect_Posterize(QImage &picture, int a); // a <= 0 changes nothing
void Effect_Splitlight(QImage &picture, int n); // n <= 0 changes nothing

// Neighbourhood effects, in place, rows from the top and pixels from the left.
void Effect_AntiAlias(QImage &picture);
void Effect_SplitBlur(QImage &picture, int d);
void Effect_GaussianBlur(QImage &picture, int n); // split blur with d = 3, n + 1 times
void Effect_Mosaic(QImage &picture, int s);
void Effect_Emboss(QImage &picture);

// Geometric effects.
void Effect_Tile(QImage &picture, int n);
void Effect_FishEye(QImage &picture, int k);
void Effect_Twist(QImage &picture, int t);
// Darkens by a, then blackens everything outside the ellipse filling `rectangle` (its pixels
// left .. left + width - 1, top .. top + height - 1; a one-pixel black outline).
void Effect_SpotLight(QImage &picture, int a, const QRect &rectangle);
void Effect_Trace(QImage &picture, int n);

// Bilinear resampling in 15-bit fixed point to a target of the given size (both at least 1);
// an empty source or target gives a null image.
QImage resamplePicture(const QImage &source, int targetWidth, int targetHeight);

// Quarter turns and mirrors of a 24-bit copy: left (counter-clockwise) and right turns give
// a picture H wide and W high.
QImage turnedLeft(const QImage &picture);
QImage turnedRight(const QImage &picture);
QImage mirroredLeftRight(const QImage &picture);
QImage mirroredUpDown(const QImage &picture);

// The effects editor's list, in its order, and the argument each entry takes from the slider
// position p (1..100): "Antialias" and "Emboss" run p times, the others once.
const QStringList &effectListEntries();
// Applies list entry `entry` (an index into effectListEntries()) at slider position p; an
// index outside the list changes nothing.
void applyListEffect(QImage &picture, int entry, int p);

} // namespace quill
