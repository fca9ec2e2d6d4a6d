// The integer codes that name label object classes in document, undo and clipboard streams.
#pragma once

#include <QString>
#include <QtGlobal>

#include <array>
#include <optional>

namespace quill {

// Written as a 32-bit integer before each object record.
enum class ObjectTypeCode : qint32 {
    ZipBarcode = 22,   // TZR_ZipBarcode, postal code barcode
    Gradient = 23,     // TZR_Gradient
    DBImage = 24,      // TZR_DBImage, image
    Barcode = 25,      // TZR_Barcode, one-dimensional barcode
    Barcode2D = 26,    // TZR_2DBarcode
    TextEdit = 27,     // TZR_TextEdit, text box
    GuideLabel = 28,   // TZR_GuideLabel, field label
    VantorShape = 29,  // TZR_VantorShape, shape
    WordArt = 30,      // TZR_WordArt; the code 31 is never written but read as this one
    SerialNumber = 32, // TZR_SerialNumber
    ShapeTable = 33,   // TZR_ShapeTable, table
};

// 31 is accepted when reading and means word art.
constexpr qint32 LegacyWordArtCode = 31;

// The code a stream value stands for; nothing for a value that names no object class.
std::optional<ObjectTypeCode> objectTypeCodeFromValue(qint32 value);

// The class written under a code ("TZR_TextEdit"), and back (exact class names).
QString objectClassName(ObjectTypeCode code);
std::optional<ObjectTypeCode> objectTypeCodeForClass(const QString &className);

// The order in which a writer that classifies objects by class tests them, derived classes
// before their bases (a serial number is a field label, a field label a text box). Objects
// here report their own code (LabelObject::typeCode()), so the order only matters to code
// that matches classes by inheritance.
constexpr std::array<ObjectTypeCode, 11> ObjectTypeWriteOrder{
    ObjectTypeCode::DBImage,    ObjectTypeCode::VantorShape, ObjectTypeCode::SerialNumber,
    ObjectTypeCode::Barcode,    ObjectTypeCode::Barcode2D,   ObjectTypeCode::GuideLabel,
    ObjectTypeCode::TextEdit,   ObjectTypeCode::ZipBarcode,  ObjectTypeCode::ShapeTable,
    ObjectTypeCode::WordArt,    ObjectTypeCode::Gradient,
};

} // namespace quill
