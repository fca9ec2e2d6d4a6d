// The property dialog of the two-dimensional barcode.
#pragma once

#include "BarcodeFormParts.h"

#include <QDialog>

#include <memory>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace quill {

class CaptionFile;
class TZR_2DBarcode;

// "2차원 바코드": symbology and its mode, data, automatic size, transparent background, the
// background and bar colours, size and orientation of a copy of the barcode (prv_2DBarcode),
// drawn live by its own painting. Invalid data show their Korean message in the status box and
// disable OK; a warning appears when a module would print thinner than one dot at 300 dpi.
// Captions from the caption file's [barcode2Frm].
class Tbarcode2Frm : public QDialog {
    Q_OBJECT
public:
    Tbarcode2Frm(
        const CaptionFile &captions, const TZR_2DBarcode &original, QWidget *parent = nullptr);
    ~Tbarcode2Frm() override;

    // The edited copy, after exec() returned Accepted (each call gives a fresh one).
    std::unique_ptr<TZR_2DBarcode> takeResult();
    const TZR_2DBarcode &preview() const;
    bool isAcceptable() const;

    void accept() override;

signals:
    // 도움말: the caller opens the two-dimensional barcode help ([Help] Barcode2DHelp).
    void helpRequested();

private:
    void buildControls(const FormCaptions &text);
    void loadControls();
    void connectControls();
    void fillModes();
    void chooseColor(bool background);
    void showColors();
    void refresh();

    std::unique_ptr<TZR_2DBarcode> mCopy;
    ObjectPreviewBox *mPreview = nullptr;
    QComboBox *mType = nullptr;
    QComboBox *mMode = nullptr;
    QLineEdit *mValue = nullptr;
    QCheckBox *mAutosize = nullptr;
    QCheckBox *mTransparent = nullptr;
    QPushButton *mBackColor = nullptr;
    QPushButton *mForeColor = nullptr;
    QString mBackTitle;
    QString mForeTitle;
    SizeBoxes mSize;
    StatusLine mStatus;
    ButtonRow mButtons;
    bool mAcceptable = true;
    bool mLoading = false;
};

} // namespace quill
