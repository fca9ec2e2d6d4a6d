#include "ObjectDialogs.h"

#include "Barcode2Frm.h"
#include "BarcodeFrm.h"
#include "GradientFrm.h"
#include "ImageFrm.h"
#include "ImgEffectForm.h"
#include "SerialNumberForm.h"
#include "ShapeTableForm.h"
#include "WordArtForm.h"
#include "ZipbarcodeFrm.h"
#include "catalogue/PostalCodes.h"
#include "document/LabelObject.h"
#include "objects/ZR_2DBarcode.h"
#include "objects/ZR_Barcode.h"
#include "objects/ZR_DBImage.h"
#include "objects/ZR_Gradient.h"
#include "objects/ZR_GuideLabel.h"
#include "objects/ZR_SerialNumber.h"
#include "objects/ZR_ShapeTable.h"
#include "objects/ZR_WordArt.h"
#include "objects/ZR_ZipBarcode.h"
#include "shell/CaptionFile.h"

#include <QDialog>

#include <type_traits>

namespace quill {

namespace {

// A replaced exec answers as the OK button would: the dialog's own accept() still checks and
// applies what was entered, and may refuse.
bool execute(QDialog &dialog, const ObjectDialogServices &services)
{
    if (!services.exec)
        return dialog.exec() == QDialog::Accepted;
    if (!services.exec(dialog))
        return false;
    dialog.accept();
    return dialog.result() == QDialog::Accepted;
}

template <typename Form, typename Object, typename... Extra>
std::unique_ptr<LabelObject> run(const LabelObject &object, const ObjectDialogServices &services,
                                 Extra &&...extra)
{
    Form form(*services.captions, static_cast<const Object &>(object),
              std::forward<Extra>(extra)...);
    // The barcode dialogs' 도움말 opens the guide at their kind of barcode.
    if constexpr (std::is_same_v<Form, TbarcodeFrm> || std::is_same_v<Form, Tbarcode2Frm>) {
        if (services.openBarcodeHelp)
            QObject::connect(&form, &Form::helpRequested, &form, [&services] {
                services.openBarcodeHelp(std::is_same_v<Form, Tbarcode2Frm>);
            });
    }
    if (!execute(form, services))
        return nullptr;
    return form.takeResult();
}

// The postal code table is read once, on the first postal code dialog; a table that cannot be
// read gives an empty one (the search then finds nothing) rather than no dialog.
const PostalCodeTable &postalCodes(const QString &path)
{
    static std::unique_ptr<PostalCodeTable> table;
    static QString loadedFrom;
    if (!table || loadedFrom != path) {
        Result<PostalCodeTable> loaded = PostalCodeTable::load(path);
        table = std::make_unique<PostalCodeTable>(loaded ? std::move(loaded).value() : PostalCodeTable());
        loadedFrom = path;
    }
    return *table;
}

} // namespace

bool hasObjectDialog(const LabelObject &object)
{
    switch (object.typeCode()) {
    case ObjectTypeCode::TextEdit:
    case ObjectTypeCode::VantorShape:
    case ObjectTypeCode::GuideLabel: // a field label is made by a send from a data list
        return false;
    default:
        return true;
    }
}

std::unique_ptr<LabelObject> runObjectDialog(const LabelObject &object,
                                             const ObjectDialogServices &services)
{
    if (!services.captions)
        return nullptr;
    QWidget *parent = services.parent;
    switch (object.typeCode()) {
    case ObjectTypeCode::SerialNumber:
        return run<TSerialNumberForm, TZR_SerialNumber>(object, services, parent);
    case ObjectTypeCode::ShapeTable:
        return run<TZRShapeTableForm, TZR_ShapeTable>(object, services, parent);
    case ObjectTypeCode::Gradient:
        return run<TZR_GradientFrm, TZR_Gradient>(object, services, parent);
    case ObjectTypeCode::WordArt:
        return run<TWordArtForm, TZR_WordArt>(object, services, parent);
    case ObjectTypeCode::Barcode:
        return run<TbarcodeFrm, TZR_Barcode>(object, services, parent);
    case ObjectTypeCode::Barcode2D:
        return run<Tbarcode2Frm, TZR_2DBarcode>(object, services, parent);
    case ObjectTypeCode::ZipBarcode:
        return run<TZipbarcodeFrm, TZR_ZipBarcode>(object, services,
                                                   postalCodes(services.postalCodeFile), parent);
    case ObjectTypeCode::DBImage: {
        // "이미지편집" opens the effects editor over the dialog's preview picture.
        const CaptionFile &captions = *services.captions;
        TImageFrm form(captions, static_cast<const TZR_DBImage &>(object), parent,
                       TImageFrm::PictureChooser(services.choosePicture));
        form.setEffectsEditor([&captions, &form](const QImage &picture) {
            return TImgEffectForm::edit(captions, picture, &form);
        });
        if (!execute(form, services))
            return nullptr;
        return form.takeResult();
    }
    case ObjectTypeCode::TextEdit:
    case ObjectTypeCode::VantorShape:
    case ObjectTypeCode::GuideLabel:
        break;
    }
    return nullptr;
}

} // namespace quill
