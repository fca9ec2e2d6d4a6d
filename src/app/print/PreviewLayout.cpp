#include "PreviewLayout.h"

#include "document/Rounding.h"
#include "document/ZR_LabelSize.h"

namespace quill {

namespace {

constexpr double A4WidthInches = 210.0 / TZR_LabelSize::MillimetresPerInch;
constexpr double A4HeightInches = 297.0 / TZR_LabelSize::MillimetresPerInch;

int screenLength(double inches, int zoom)
{
    const int full = roundHalfEven(inches * PreviewLayout::ScreenPixelsPerInch);
    return roundHalfEven(full * zoom / 100.0);
}

// Returns the surface length and the sheet's offset on it.
std::pair<int, int> placeLength(int sheet, int client)
{
    if (sheet < client)
        return {client, (client - sheet) / 2};
    return {sheet + 2 * PreviewLayout::Margin, PreviewLayout::Margin};
}

} // namespace

QSize PreviewLayout::sheetSize(const TZR_LabelSize &sheet, int zoom)
{
    double width = sheet.pageWidth();
    double height = sheet.pageHeight();
    if (sheet.measureUnit() == muMillimeters) {
        width /= TZR_LabelSize::MillimetresPerInch;
        height /= TZR_LabelSize::MillimetresPerInch;
    }
    if (!(width > 0.0) || !(height > 0.0)) {
        width = A4WidthInches;
        height = A4HeightInches;
    }
    return {screenLength(width, zoom), screenLength(height, zoom)};
}

PreviewLayout PreviewLayout::place(QSize sheetSize, QSize client)
{
    const auto [surfaceWidth, left] = placeLength(sheetSize.width(), client.width());
    const auto [surfaceHeight, top] = placeLength(sheetSize.height(), client.height());
    return {QSize(surfaceWidth, surfaceHeight), QRect(QPoint(left, top), sheetSize)};
}

int PreviewLayout::shadowOffset(int zoom)
{
    return roundHalfEven(ShadowAt100 * zoom / 100.0);
}

} // namespace quill
