// Lays out libzint's vector output of a one-dimensional symbol in the picture's frame.
#pragma once

struct zint_vector;

namespace quill {

class BarcodePicture;
struct BarcodeSettings;
struct LinearSymbology;

// The bars are stretched over the frame's width less MarginSize on both sides (and, with
// light margins, the symbology's quiet zones) and over its height less the text line; the
// text is drawn with the settings' font at its point size under the bars. checkPresent says
// whether a check digit was added, which ShowCheckDigit may hide from the text.
void layoutLinear(const zint_vector &vector, const BarcodeSettings &settings,
                  const LinearSymbology &symbology, bool checkPresent, BarcodePicture &picture);

} // namespace quill
