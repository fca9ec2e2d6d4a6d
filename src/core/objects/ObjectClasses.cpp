#include "ObjectClasses.h"

#include "ZR_2DBarcode.h"
#include "ZR_Barcode.h"
#include "ZR_DBImage.h"
#include "ZR_Gradient.h"
#include "ZR_VantorLabel.h"
#include "ZR_WordArt.h"
#include "ZR_ZipBarcode.h"

// --- Text box, field label, serial number, shape, table ---
#include "ZR_GuideLabel.h"
#include "ZR_SerialNumber.h"
#include "ZR_ShapeTable.h"
#include "ZR_TextEdit.h"
#include "ZR_VantorShape.h"
// --- end of text box ... table ---

namespace quill {

void registerObjectClasses()
{
    ClassRegistry &registry = ClassRegistry::instance();

    // --- Gradient, word art, barcodes, postal code barcode, image, arc-text label ---
    registry.add(&TZR_Gradient::classInfo());
    registry.add(&TZR_WordArt::classInfo());
    registry.add(&TZR_Barcode::classInfo());
    registry.add(&TZR_2DBarcode::classInfo());
    registry.add(&TZR_ZipBarcode::classInfo());
    registry.add(&TZR_DBImage::classInfo());
    registry.add(&TZR_VantorLabel::classInfo());
    // --- end of gradient ... arc-text label ---

    // --- Text box, field label, serial number, shape, table ---
    registry.add(&TZR_TextEdit::classInfo());
    registry.add(&TZR_GuideLabel::classInfo());
    registry.add(&TZR_SerialNumber::classInfo());
    registry.add(&TZR_VantorShape::classInfo());
    registry.add(&TZR_ShapeTable::classInfo());
    // --- end of text box ... table ---
}

std::unique_ptr<LabelObject> createObject(ObjectTypeCode code)
{
    switch (code) {
    // --- Gradient, word art, barcodes, postal code barcode, image ---
    case ObjectTypeCode::Gradient:
        return std::make_unique<TZR_Gradient>();
    case ObjectTypeCode::WordArt:
        return std::make_unique<TZR_WordArt>();
    case ObjectTypeCode::Barcode:
        return std::make_unique<TZR_Barcode>();
    case ObjectTypeCode::Barcode2D:
        return std::make_unique<TZR_2DBarcode>();
    case ObjectTypeCode::ZipBarcode:
        return std::make_unique<TZR_ZipBarcode>();
    case ObjectTypeCode::DBImage:
        return std::make_unique<TZR_DBImage>();
    // --- end of gradient ... image ---
    // --- Text box, field label, serial number, shape, table ---
    case ObjectTypeCode::TextEdit:
        return std::make_unique<TZR_TextEdit>();
    case ObjectTypeCode::GuideLabel:
        return std::make_unique<TZR_GuideLabel>();
    case ObjectTypeCode::SerialNumber:
        return std::make_unique<TZR_SerialNumber>();
    case ObjectTypeCode::VantorShape:
        return std::make_unique<TZR_VantorShape>();
    case ObjectTypeCode::ShapeTable:
        return std::make_unique<TZR_ShapeTable>();
    // --- end of text box ... table ---
    default:
        break;
    }
    return nullptr;
}

} // namespace quill
