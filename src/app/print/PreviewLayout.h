// Where the preview window draws the sheet: its size on screen and its place on the surface.
#pragma once

#include <QRect>
#include <QSize>

namespace quill {

class TZR_LabelSize;

struct PreviewLayout {
    static constexpr int ScreenPixelsPerInch = 96; // as the composer renders the preview
    static constexpr int Margin = 50; // around a sheet larger than the visible area
    static constexpr int ShadowAt100 = 7;

    QSize surface; // the paint surface
    QRect sheet; // the sheet on it

    // The sheet on screen at zoom percent: round(page length x 96), then times zoom / 100,
    // rounded. A sheet without a page size is shown as A4.
    static QSize sheetSize(const TZR_LabelSize &sheet, int zoom);
    // Centred in the visible area when smaller; otherwise the surface is 100 pixels larger
    // and the sheet 50 pixels in, each direction on its own.
    static PreviewLayout place(QSize sheetSize, QSize client);
    // The shadow's offset right and down: round(7 x zoom / 100).
    static int shadowOffset(int zoom);
};

} // namespace quill
