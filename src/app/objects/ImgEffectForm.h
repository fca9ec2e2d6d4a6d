// The picture effects editor of the picture properties dialog.
#pragma once

#include "EffectImage.h"

#include <QDialog>
#include <QImage>

#include <optional>

class QCheckBox;
class QFrame;
class QListWidget;
class QProgressBar;
class QPushButton;
class QSlider;
class QToolButton;

namespace quill {

class CaptionFile;
class EffectRunner;

// The result view of the effects editor: a picture control like the properties preview; the
// effects themselves are the core's (imaging/PixelEffects.h), run over 24-bit copies.
class TProEffectImage : public TZR_EffectImage {
    Q_OBJECT
public:
    using TZR_EffectImage::TZR_EffectImage;
};

// "이미지 효과": one effect of the list at the slider's strength, previewed on the result view
// from the source every time (effects never pile up), and quarter turns and mirrors that change
// the source itself. Only the last preview, or the source when none was made, is the result.
//
// Pictures of kBackgroundPixels or more are processed in a worker thread with a progress bar
// and a stop button; a stopped run leaves the result view as it was. Smaller ones are processed
// at once under the hourglass cursor.
class TImgEffectForm : public QDialog {
    Q_OBJECT
public:
    static constexpr qint64 kBackgroundPixels = 1000 * 1000;

    // The source and the result view both start as picture.
    TImgEffectForm(const CaptionFile &captions, const QImage &picture, QWidget *parent = nullptr);
    ~TImgEffectForm() override;

    // The editor as the properties dialog opens it (automatic preview on, modal): the result
    // when closed with "적용", nothing when cancelled.
    static std::optional<QImage> edit(const CaptionFile &captions, const QImage &picture,
                                      QWidget *parent = nullptr);

    // The result view's picture (after exec() == Accepted: the editor's result).
    QImage resultPicture() const;
    QImage sourcePicture() const;
    // An effect is being computed in the background.
    bool isRunning() const;

    void reject() override; // also stops a run still going

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildLayout(const CaptionFile &captions);
    void effectChosen();
    void sliderChanged();
    void previewClicked();
    void turnSource(QImage (*turn)(const QImage &));
    void showResult(const QImage &picture);
    void runStarted();
    void runProgressed(int done, int total);
    void runFinished(const QImage &result);
    void stopClicked();
    void setBusy(bool busy);

    QImage mSource; // the source picture (SrcImage)
    EffectRunner *mRunner = nullptr;

    TZR_EffectImage *mSourceView = nullptr; // hidden, as SrcImage
    QFrame *mPanel = nullptr;
    TProEffectImage *mResult = nullptr;
    QListWidget *mEffects = nullptr;
    QSlider *mTrackBar = nullptr;
    QPushButton *mPreview = nullptr;
    QCheckBox *mAutoMatic = nullptr;
    QPushButton *mApply = nullptr;
    QPushButton *mCancel = nullptr;
    QProgressBar *mProgress = nullptr;
    QPushButton *mStop = nullptr;
    QList<QToolButton *> mTurnButtons;
};

} // namespace quill
