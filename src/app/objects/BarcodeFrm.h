// The property dialog of the one-dimensional barcode.
#pragma once

#include "BarcodeFormParts.h"

#include <QDialog>

#include <memory>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLineEdit;

namespace quill {

class CaptionFile;
class TZR_Barcode;

// "바코드": symbology, data, check digit, text, start/stop characters, light margins, margin,
// size and orientation of a copy of the barcode (prv_Barcode), drawn live by its own painting.
// The status box shows the Korean message for the data; OK is disabled (and accept() refused)
// while the data cannot be encoded. A warning appears when the narrowest bar would print
// thinner than one dot at 300 dpi. Captions from the caption file's [barcodeFrm].
class TbarcodeFrm : public QDialog {
    Q_OBJECT
public:
    TbarcodeFrm(
        const CaptionFile &captions, const TZR_Barcode &original, QWidget *parent = nullptr);
    ~TbarcodeFrm() override;

    // The edited copy, after exec() returned Accepted (each call gives a fresh one).
    std::unique_ptr<TZR_Barcode> takeResult();
    // The copy being edited (the preview's object).
    const TZR_Barcode &preview() const;
    // Whether OK may take the current settings.
    bool isAcceptable() const;

    void accept() override;

signals:
    // 도움말: the caller opens the one-dimensional barcode help ([Help] Barcode1DHelp).
    void helpRequested();

private:
    void buildControls(const FormCaptions &text);
    void loadControls();
    void connectControls();
    void refresh();

    std::unique_ptr<TZR_Barcode> mCopy;
    ObjectPreviewBox *mPreview = nullptr;
    QComboBox *mType = nullptr;
    QLineEdit *mValue = nullptr;
    QCheckBox *mParity = nullptr;
    QButtonGroup *mAlign = nullptr;
    QCheckBox *mText = nullptr;
    QCheckBox *mAsterisk = nullptr;
    QCheckBox *mStartEnd = nullptr;
    QCheckBox *mMargin = nullptr;
    QDoubleSpinBox *mMarginSize = nullptr;
    SizeBoxes mSize;
    StatusLine mStatus;
    ButtonRow mButtons;
    bool mAcceptable = true;
    bool mLoading = false;
};

} // namespace quill
