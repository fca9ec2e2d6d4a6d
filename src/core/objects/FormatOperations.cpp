#include "FormatOperations.h"

#include "ControlProperties.h"
#include "document/LabelObject.h"
#include "document/StandardProperties.h"

namespace quill {

namespace {

const QString kPenStyle = QStringLiteral("Pen.Style");

// The classes whose pen the format toolbar sets.
bool hasFormatPen(const LabelObject &object)
{
    switch (object.typeCode()) {
    case ObjectTypeCode::VantorShape:
    case ObjectTypeCode::ShapeTable:
    case ObjectTypeCode::GuideLabel:
    case ObjectTypeCode::SerialNumber:
    case ObjectTypeCode::TextEdit:
        return true;
    default:
        return false;
    }
}

} // namespace

void SetObjectFillColor(LabelObject &object, TColor color)
{
    const qint64 c = color;
    switch (object.typeCode()) {
    case ObjectTypeCode::VantorShape:
        object.setValue(QStringLiteral("Brush.Style"), int(bsClear));
        assignBrushColor(object, color);
        break;
    case ObjectTypeCode::ShapeTable:
        assignBrushColor(object, color);
        break;
    case ObjectTypeCode::GuideLabel:
    case ObjectTypeCode::SerialNumber:
        object.setValue(QStringLiteral("GuideLine"), color != clWhite);
        object.setValue(QStringLiteral("Color"), c);
        break;
    case ObjectTypeCode::TextEdit:
        object.setValue(QStringLiteral("Transparent"), color == clWhite);
        assignBrushColor(object, color);
        break;
    default:
        break;
    }
}

void SetObjectPenColor(LabelObject &object, TColor color)
{
    if (hasFormatPen(object))
        object.setValue(QStringLiteral("Pen.Color"), qint64(color));
}

void SetObjectPenStyle(LabelObject &object, int style)
{
    if (hasFormatPen(object))
        object.setValue(kPenStyle, style);
}

void SetObjectPenWidth(LabelObject &object, int width)
{
    if (width == 0)
        SetObjectPenStyle(object, psClear);
    if (!hasFormatPen(object))
        return;
    if (width != 0 && object.value(kPenStyle).toInt() == psClear)
        object.setValue(kPenStyle, int(psSolid));
    object.setValue(QStringLiteral("Pen.Width"), width);
}

} // namespace quill
