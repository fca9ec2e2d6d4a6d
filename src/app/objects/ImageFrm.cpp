#include "ImageFrm.h"

#include "EffectImage.h"
#include "objects/ImageProperties.h"
#include "objects/ImageSizing.h"
#include "objects/ZR_DBImage.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollBar>

namespace quill {

using namespace imagesizing;

TImageFrm::TImageFrm(const CaptionFile &captions, const TZR_DBImage &original, QWidget *parent,
                     PictureChooser choosePicture)
    : QDialog(parent),
      mCopy(static_cast<TZR_DBImage *>(original.clone().release())),
      mChoosePicture(std::move(choosePicture))
{
    buildLayout(captions);
    showObject();
}

TImageFrm::~TImageFrm() = default;

void TImageFrm::setEffectsEditor(EffectsEditor editor)
{
    mEffectsEditor = std::move(editor);
    enableControls();
}

std::unique_ptr<TZR_DBImage> TImageFrm::takeResult()
{
    return std::move(mCopy);
}

int TImageFrm::exec()
{
    if (mRefused) {
        QMessageBox::information(parentWidget(), mTitle, mMetafileMessage);
        setResult(Rejected);
        return Rejected;
    }
    return QDialog::exec();
}

// Opening: the picture, the lock, the original size, then the size boxes, whose handlers
// run as if typed (with the lock on, the width follows the height in the picture's
// proportions).
void TImageFrm::showObject()
{
    const AdjustablePicture picture = adjustablePicture(*mCopy);
    mRefused = picture.kind == AdjustablePicture::Kind::Metafile;
    if (picture.kind == AdjustablePicture::Kind::Raster) {
        mBase = picture.image;
        mPreview->setPicture(mBase);
        mOriginalWidth = toHundredths(toMillimetres(mBase.width()));
        mOriginalHeight = toHundredths(toMillimetres(mBase.height()));
        mOriginalWidthBox->setText(numberText(mOriginalWidth));
        mOriginalHeightBox->setText(numberText(mOriginalHeight));
    }
    mFixed->setChecked(mCopy->fixed());
    mWidth->setValue(toHundredths(toMillimetres(mCopy->bounds().width())));
    mHeight->setValue(toHundredths(toMillimetres(mCopy->bounds().height())));
    // The height's handler ran last; repeated in case the value did not change.
    sizeChanged(false);
    enableControls();
    FitPreview(*mPreview);
}

// Without a picture only loading makes sense: the sizes have nothing to keep a ratio to.
void TImageFrm::enableControls()
{
    const bool picture = mPreview->hasPicture();
    for (QWidget *w : std::initializer_list<QWidget *> {
             mFixed, mRealSize, mLightness, mContrast, mRestore})
        w->setEnabled(picture);
    mWidth->setEnabled(picture && !mRealSize->isChecked());
    mHeight->setEnabled(picture && !mRealSize->isChecked());
    mEdit->setEnabled(picture && mEffectsEditor);
}

void TImageFrm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FitPreview(*mPreview);
}

void TImageFrm::sizeChanged(bool widthSide)
{
    if (mSettling)
        return;
    if (!mFixed->isChecked()) {
        const QScopedValueRollback<bool> settling(mSettling, true);
        if (widthSide) {
            if (const auto h = sideKeepingRatio(mWidth->value(), mOriginalWidth, mOriginalHeight))
                mHeight->setValue(*h);
        } else if (const auto w =
                       sideKeepingRatio(mHeight->value(), mOriginalHeight, mOriginalWidth)) {
            mWidth->setValue(*w);
        }
    }
    updateScales(true);
}

void TImageFrm::updateScales(bool rounded)
{
    const auto show = [rounded](QLineEdit *box, double size, double original) {
        const std::optional<double> percent = scalePercent(size, original);
        box->setText(percent ? scaleText(rounded ? toHundredths(*percent) : *percent)
                             : QString());
    };
    show(mScaleWidth, mWidth->value(), mOriginalWidth);
    show(mScaleHeight, mHeight->value(), mOriginalHeight);
}

void TImageFrm::realSizeClicked()
{
    if (mRealSize->isChecked()) {
        mHeight->setValue(mOriginalHeight);
        mWidth->setValue(mOriginalWidth);
        updateScales(false);
    }
    enableControls();
}

void TImageFrm::refreshAdjustments()
{
    mLightnessBox->setText(QString::number(mLightness->value()));
    mContrastBox->setText(QString::number(mContrast->value()));
    if (!mBase.isNull())
        mPreview->setPicture(adjustedPicture(mBase, mLightness->value(), mContrast->value()));
}

void TImageFrm::restoreClicked()
{
    mLightness->setValue(1);
    mContrast->setValue(1);
    mPreview->setPicture(mBase);
}

void TImageFrm::loadClicked()
{
    const QString path = mChoosePicture
        ? mChoosePicture()
        : QFileDialog::getOpenFileName(this, mLoad->text(), QString(), mFilterText);
    if (!path.isEmpty()) {
        Result<QImage> loaded = readPictureFile(path);
        if (!loaded) {
            // The picture shown so far stays.
            QMessageBox::warning(this, mTitle, loaded.error().message);
        } else {
            mBase = std::move(loaded).value();
            updateOriginalSize();
            mPreview->setPicture(mBase);
            enableControls();
        }
    }
    FitPreview(*mPreview);
}

// The loaded picture's own size at 96 per inch; the size boxes stay and the scales follow.
void TImageFrm::updateOriginalSize()
{
    mOriginalWidth = toHundredths(toMillimetres(mBase.width()));
    mOriginalHeight = toHundredths(toMillimetres(mBase.height()));
    mOriginalWidthBox->setText(numberText(mOriginalWidth));
    mOriginalHeightBox->setText(numberText(mOriginalHeight));
    updateScales(true);
}

void TImageFrm::editClicked()
{
    if (!mPreview->hasPicture()) {
        QMessageBox::information(this, mTitle, mEditFirstMessage);
        return;
    }
    if (!mEffectsEditor)
        return;
    // The adjustment base stays: a later bar move starts again from the picture before.
    if (const std::optional<QImage> edited = mEffectsEditor(mPreview->picture()))
        mPreview->setPicture(*edited);
    FitPreview(*mPreview);
}

void TImageFrm::accept()
{
    if (mCopy && mPreview->hasPicture()) {
        const Status applied = applyImageProperties(
            *mCopy, mPreview->picture(), mFixed->isChecked(), mWidth->value(), mHeight->value());
        if (!applied) {
            QMessageBox::warning(this, mTitle, applied.error().message);
            return;
        }
    }
    QDialog::accept();
}

} // namespace quill
