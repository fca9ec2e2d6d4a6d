// The picture properties dialog of image objects.
#pragma once

#include <QDialog>
#include <QImage>

#include <functional>
#include <memory>
#include <optional>

class QCheckBox;
class QDoubleSpinBox;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace quill {

class CaptionFile;
class TZR_DBImage;
class TZR_EffectImage;

// "이미지 속성": size in millimetres with the aspect-ratio lock, the scale against the picture's
// own size, brightness and contrast, reloading from a file, and the stretched preview. Nothing
// reaches the object before OK; the result is a copy whose picture is a 24-bit bitmap of the
// preview, with Fixed and the size from the dialog.
//
// Lengths are the object's pixels at 100 % (96 per inch), which is how objects are held.
// A metafile picture (or the clipped display of a source picture) cannot be adjusted: exec()
// then says so and returns Rejected without showing the dialog. An object without a usable
// picture opens with only "파일불러오기" enabled until a file is loaded.
class TImageFrm : public QDialog {
    Q_OBJECT
public:
    // Gives the path of a picture file to load, empty when the user cancels.
    using PictureChooser = std::function<QString()>;
    // The effects editor: given the preview picture, the edited picture when applied.
    using EffectsEditor = std::function<std::optional<QImage>(const QImage &picture)>;

    // choosePicture replaces the picture open dialog (tests); none: a file dialog.
    TImageFrm(const CaptionFile &captions, const TZR_DBImage &original, QWidget *parent = nullptr,
              PictureChooser choosePicture = {});
    ~TImageFrm() override;

    // True when the object's picture is a metafile: exec() refuses to open.
    bool refusesPicture() const { return mRefused; }
    // "이미지편집" is enabled once an editor is set (and a picture is shown).
    void setEffectsEditor(EffectsEditor editor);

    // The edited copy (after exec() == Accepted); null once taken.
    std::unique_ptr<TZR_DBImage> takeResult();

    int exec() override;
    void accept() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildLayout(const CaptionFile &captions);
    void showObject();
    void enableControls();
    void sizeChanged(bool widthSide);
    void updateScales(bool rounded);
    void realSizeClicked();
    void refreshAdjustments();
    void restoreClicked();
    void loadClicked();
    void editClicked();
    void updateOriginalSize();

    std::unique_ptr<TZR_DBImage> mCopy;
    PictureChooser mChoosePicture;
    EffectsEditor mEffectsEditor;
    bool mRefused = false;
    bool mSettling = false; // a size box follows the other: no echo back
    QImage mBase; // the adjustment base
    double mOriginalWidth = 0; // millimetres, as the original size boxes show them
    double mOriginalHeight = 0;

    QString mTitle;
    QString mMetafileMessage;
    QString mEditFirstMessage;
    QString mFilterText;

    QDoubleSpinBox *mWidth = nullptr;
    QDoubleSpinBox *mHeight = nullptr;
    QLineEdit *mScaleWidth = nullptr;
    QLineEdit *mScaleHeight = nullptr;
    QCheckBox *mFixed = nullptr;
    QCheckBox *mRealSize = nullptr;
    QLineEdit *mOriginalWidthBox = nullptr;
    QLineEdit *mOriginalHeightBox = nullptr;
    QScrollBar *mLightness = nullptr;
    QScrollBar *mContrast = nullptr;
    QLineEdit *mLightnessBox = nullptr;
    QLineEdit *mContrastBox = nullptr;
    QPushButton *mRestore = nullptr;
    QPushButton *mLoad = nullptr;
    QPushButton *mEdit = nullptr;
    TZR_EffectImage *mPreview = nullptr;
};

} // namespace quill
