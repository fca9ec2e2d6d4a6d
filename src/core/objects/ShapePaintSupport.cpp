#include "ShapePaintSupport.h"

#include "document/StandardProperties.h"

#include <array>

namespace quill::shapepaint {

namespace {

// Classic system colours as 0x00BBGGRR, by index.
constexpr std::array<TColor, 31> kSystemColors = {
    0xC8C8C8, 0x000000, 0xD1B499, 0xDBCDBF, 0xF0F0F0, 0xFFFFFF, 0x646464, 0x000000,
    0x000000, 0x000000, 0xB4B4B4, 0xFCF7F4, 0xABABAB, 0xFF9933, 0xFFFFFF, 0xF0F0F0,
    0xA0A0A0, 0x6D6D6D, 0x000000, 0x000000, 0xFFFFFF, 0x696969, 0xE3E3E3, 0x000000,
    0xE1FFFF, 0x000000, 0xCC6600, 0xEAD1B9, 0xF2E4D7, 0xFF9933, 0xF0F0F0};

QColor fromBgr(TColor bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

Qt::PenStyle qtPenStyle(int style)
{
    switch (style) {
    case psDash:
        return Qt::DashLine;
    case psDot:
        return Qt::DotLine;
    case psDashDot:
        return Qt::DashDotLine;
    case psDashDotDot:
        return Qt::DashDotDotLine;
    case psClear:
        return Qt::NoPen;
    default: // solid, inside-frame and unknown values
        return Qt::SolidLine;
    }
}

Qt::BrushStyle qtBrushStyle(int style)
{
    switch (style) {
    case bsClear:
        return Qt::NoBrush;
    case bsHorizontal:
        return Qt::HorPattern;
    case bsVertical:
        return Qt::VerPattern;
    case bsFDiagonal:
        return Qt::FDiagPattern;
    case bsBDiagonal:
        return Qt::BDiagPattern;
    case bsCross:
        return Qt::CrossPattern;
    case bsDiagCross:
        return Qt::DiagCrossPattern;
    default:
        return Qt::SolidPattern;
    }
}

} // namespace

QColor drawColor(TColor color)
{
    if ((color & 0xFF000000u) == 0xFF000000u) {
        const TColor index = color & 0xFFu;
        return fromBgr(index < kSystemColors.size() ? kSystemColors[index] : 0);
    }
    return fromBgr(color & 0xFFFFFFu);
}

QPen outlinePen(TColor color, int style, int width)
{
    QPen pen(QBrush(drawColor(color)), qMax(0, width), qtPenStyle(style), Qt::SquareCap,
             Qt::BevelJoin);
    return pen;
}

QBrush fillBrush(TColor color, int style)
{
    return QBrush(drawColor(color), qtBrushStyle(style));
}

QRectF figureRect(int left, int top, int right, int bottom)
{
    return QRectF(QPointF(left, top), QPointF(right - 1, bottom - 1));
}

} // namespace quill::shapepaint
