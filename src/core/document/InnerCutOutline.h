// The second outline inside each cell of index and audio-cassette label products.
#pragma once

#include "Result.h"

#include <QString>

namespace quill {

class CaptionFile;

// Six millimetre values read from the caption file; never persisted in documents.
struct InnerCutOutline {
    bool present = false;
    double x = 0.0;            // offset from the cell's left edge
    double y = 0.0;            // offset from the cell's top edge
    double width = 0.0;
    double height = 0.0;
    double secondOffset = 0.0; // > 0: a second box is drawn, shifted by half the cell plus this
    double penWidth = 0.0;     // pen of the two boxes (the single box is always 1 pixel)

    // Turns the outline with the sheet: exchanges the x and y offsets and width and height.
    void swapAxes();
    bool hasSecondBox() const { return secondOffset > 0.0; }
    bool operator==(const InnerCutOutline &) const = default;
};

// The outline of a product, from the caption file's [IndexAudioLabel]: the key IndexAudioLabel
// lists the product codes as ",A,B,"; when "," + labelCode + "," occurs in it, the key named
// labelCode holds "x,y,w,h,o,t". A product that is not listed gives an outline with present
// false. A listed product whose entry has fewer than six numbers, or a value that is no number,
// fails with the conversion error of the first bad value.
Result<InnerCutOutline> loadInnerCutOutline(const CaptionFile &captions, const QString &labelCode);

} // namespace quill
