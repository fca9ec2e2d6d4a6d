#include "ObjectTypeCode.h"

namespace quill {

namespace {

struct CodeName {
    ObjectTypeCode code;
    const char *className;
};

constexpr std::array<CodeName, 11> kClasses{{
    {ObjectTypeCode::ZipBarcode, "TZR_ZipBarcode"},
    {ObjectTypeCode::Gradient, "TZR_Gradient"},
    {ObjectTypeCode::DBImage, "TZR_DBImage"},
    {ObjectTypeCode::Barcode, "TZR_Barcode"},
    {ObjectTypeCode::Barcode2D, "TZR_2DBarcode"},
    {ObjectTypeCode::TextEdit, "TZR_TextEdit"},
    {ObjectTypeCode::GuideLabel, "TZR_GuideLabel"},
    {ObjectTypeCode::VantorShape, "TZR_VantorShape"},
    {ObjectTypeCode::WordArt, "TZR_WordArt"},
    {ObjectTypeCode::SerialNumber, "TZR_SerialNumber"},
    {ObjectTypeCode::ShapeTable, "TZR_ShapeTable"},
}};

} // namespace

std::optional<ObjectTypeCode> objectTypeCodeFromValue(qint32 value)
{
    if (value == LegacyWordArtCode)
        return ObjectTypeCode::WordArt;
    for (const CodeName &c : kClasses) {
        if (static_cast<qint32>(c.code) == value)
            return c.code;
    }
    return std::nullopt;
}

QString objectClassName(ObjectTypeCode code)
{
    for (const CodeName &c : kClasses) {
        if (c.code == code)
            return QLatin1String(c.className);
    }
    return {};
}

std::optional<ObjectTypeCode> objectTypeCodeForClass(const QString &className)
{
    for (const CodeName &c : kClasses) {
        if (className == QLatin1String(c.className))
            return c.code;
    }
    return std::nullopt;
}

} // namespace quill
