// Mapping between model pixels at 100 % and screen pixels at a zoom, without drift.
#pragma once

#include <QRect>

namespace quill {

// The model keeps object bounds in pixels at 100 %; the editor shows them at zoom Z and maps
// the user's edits back. Showing never changes the model, so zooming never moves anything.
//
// Both directions round to the nearest integer (halves to even) in exact integer arithmetic:
// - for Z >= 100 every model value survives: toModel(toScreen(v, Z), Z) == v;
// - for Z <= 100 every screen value survives: toScreen(toModel(s, Z), Z) == s, so an edit lands
//   where the user put it (below 100 % several model values share a screen pixel, so no mapping
//   can bring them all back from the screen);
// - the three-argument toModel keeps the stored value whenever the screen value is still its
//   image, so values the user did not touch survive at every zoom.
// A zoom below 1 is taken as 1.
namespace ZoomMapping {

int toScreen(int modelValue, int zoom);
int toModel(int screenValue, int zoom);
// screenValue mapped back, or storedModelValue when toScreen(storedModelValue) == screenValue.
int toModel(int screenValue, int zoom, int storedModelValue);

// Left, top, width and height mapped one by one.
QRect toScreen(const QRect &model, int zoom);
QRect toModel(const QRect &screen, int zoom);
QRect toModel(const QRect &screen, int zoom, const QRect &storedModel);

// Font size shown at a zoom: size100 x Z / 100 rounded to two decimals, then truncated.
int fontSizeAtZoom(double size100, int zoom);

} // namespace ZoomMapping

} // namespace quill
