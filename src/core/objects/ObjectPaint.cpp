#include "ObjectPaint.h"

#include "document/PersistentObject.h"
#include "document/StandardProperties.h"

namespace quill {

namespace {

// Default desktop colours of the system colour indexes used by documents.
QColor systemColor(int index)
{
    switch (index) {
    case 5:  // window background
    case 14: // highlight text
        return Qt::white;
    case 15: // button face
        return QColor(240, 240, 240);
    case 16: // button shadow
        return QColor(160, 160, 160);
    case 13: // highlight
        return QColor(0, 120, 215);
    case 1: // desktop
        return QColor(0, 0, 0);
    case 20: // button highlight
        return Qt::white;
    default: // window text, captions, frames
        return Qt::black;
    }
}

} // namespace

QColor toQColor(TColor color)
{
    if ((color & 0xFF000000u) == 0xFF000000u)
        return systemColor(int(color & 0xFFu));
    return QColor(int(color & 0xFFu), int((color >> 8) & 0xFFu), int((color >> 16) & 0xFFu));
}

TColor fromQColor(const QColor &color)
{
    return TColor(color.red()) | TColor(color.green()) << 8 | TColor(color.blue()) << 16;
}

QPen toQPen(TColor color, int penStyle, int width)
{
    QPen pen(toQColor(color));
    pen.setWidth(qMax(1, width));
    pen.setJoinStyle(Qt::MiterJoin);
    pen.setCapStyle(Qt::FlatCap);
    switch (penStyle) {
    case psDash: pen.setStyle(Qt::DashLine); break;
    case psDot: pen.setStyle(Qt::DotLine); break;
    case psDashDot: pen.setStyle(Qt::DashDotLine); break;
    case psDashDotDot: pen.setStyle(Qt::DashDotDotLine); break;
    case psClear: pen.setStyle(Qt::NoPen); break;
    default: pen.setStyle(Qt::SolidLine); break;
    }
    return pen;
}

QBrush toQBrush(TColor color, int brushStyle)
{
    const QColor c = toQColor(color);
    switch (brushStyle) {
    case bsClear: return QBrush(Qt::NoBrush);
    case bsHorizontal: return QBrush(c, Qt::HorPattern);
    case bsVertical: return QBrush(c, Qt::VerPattern);
    case bsFDiagonal: return QBrush(c, Qt::FDiagPattern);
    case bsBDiagonal: return QBrush(c, Qt::BDiagPattern);
    case bsCross: return QBrush(c, Qt::CrossPattern);
    case bsDiagCross: return QBrush(c, Qt::DiagCrossPattern);
    default: return QBrush(c);
    }
}

QPen objectPen(const PersistentObject &object, const QString &prefix)
{
    const QString p = prefix + u'.';
    return toQPen(TColor(object.value(p + QStringLiteral("Color")).toLongLong()),
                  object.value(p + QStringLiteral("Style")).toInt(),
                  object.value(p + QStringLiteral("Width")).toInt());
}

QBrush objectBrush(const PersistentObject &object, const QString &prefix)
{
    const QString p = prefix + u'.';
    return toQBrush(TColor(object.value(p + QStringLiteral("Color")).toLongLong()),
                    object.value(p + QStringLiteral("Style")).toInt());
}

} // namespace quill
