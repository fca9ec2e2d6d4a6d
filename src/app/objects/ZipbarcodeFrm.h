// The property dialog of the postal code barcode.
#pragma once

#include "BarcodeFormParts.h"

#include <QDialog>

#include <memory>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace quill {

class CaptionFile;
class PostalCodeTable;
class TZR_ZipBarcode;

// "우편번호 바코드": the postal code (Edt_zipData, at most 7 characters, with the postal code
// search ZipSearchBtn), bar spacing and start (spEdt_BarWidth, spEdt_StartPoint, 1..100), the
// automatic size (autosizeChkBox) and the size of a copy of the barcode (prv_ZipBarcode), drawn
// by its own painting in black, as OK leaves it. The status box shows " OK" or
// " 우편번호 입력 오류." and does not block OK (any text draws a barcode); a warning appears
// when the bars would print thinner than one dot at 300 dpi. For a newly placed object, call
// startNewZipBarcode() (objects/BarcodeFormChecks.h) on it first: the dialog then opens with
// 123-456, automatic size and both spin boxes at 1. Captions from [ZipbarcodeFrm]. The caption
// file and the postal code table are not owned and must outlive the dialog.
class TZipbarcodeFrm : public QDialog {
    Q_OBJECT
public:
    TZipbarcodeFrm(const CaptionFile &captions, const TZR_ZipBarcode &original,
        const PostalCodeTable &postalCodes, QWidget *parent = nullptr);
    ~TZipbarcodeFrm() override;

    // The edited copy, after exec() returned Accepted (each call gives a fresh one).
    std::unique_ptr<TZR_ZipBarcode> takeResult();
    const TZR_ZipBarcode &preview() const;

    // Opens the postal code search; the chosen code replaces the text.
    void searchPostalCode();

    void accept() override;

private:
    void buildControls(const FormCaptions &text);
    void applyControls();
    void refresh();

    const CaptionFile &mCaptions;
    const PostalCodeTable &mPostalCodes;
    std::unique_ptr<TZR_ZipBarcode> mCopy;
    ObjectPreviewBox *mPreview = nullptr;
    QLineEdit *mZipData = nullptr;
    QPushButton *mZipSearch = nullptr;
    QSpinBox *mBarWidth = nullptr;
    QSpinBox *mStartPoint = nullptr;
    QCheckBox *mAutoSize = nullptr;
    SizeBoxes mSize;
    StatusLine mStatus;
    ButtonRow mButtons;
};

} // namespace quill
