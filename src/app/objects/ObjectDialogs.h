// The property dialog of any label object: which objects have one, and running it on a copy.
#pragma once

#include <QString>

#include <functional>
#include <memory>

class QDialog;
class QWidget;

namespace quill {

class CaptionFile;
class LabelObject;

struct ObjectDialogServices {
    const CaptionFile *captions = nullptr;
    QWidget *parent = nullptr;
    // Runs a dialog in place of exec(); true presses OK (the dialog's accept() still checks
    // the values and may refuse), false cancels. Unset: QDialog::exec(). Tests answer here.
    std::function<bool(QDialog &dialog)> exec;
    // The picture file chooser of the picture dialog; unset: the dialog's own.
    std::function<QString()> choosePicture;
    // The guide at the barcode section (true: two-dimensional barcodes); unset: no help.
    std::function<void(bool twoDimensional)> openBarcodeHelp;
    // The postal code table file (zipcode.dbf) the postal code search reads, when first asked.
    QString postalCodeFile;
};

// Whether the object's kind has a property dialog (the text box is edited in place, shapes
// through the tool bars).
bool hasObjectDialog(const LabelObject &object);

// Opens the object's dialog on a copy of it. The copy as confirmed comes back; nothing when the
// dialog was cancelled or the object has none. The object itself is never changed.
std::unique_ptr<LabelObject> runObjectDialog(const LabelObject &object,
                                             const ObjectDialogServices &services);

} // namespace quill
