#include "ImgEffectForm.h"

#include "EffectRunner.h"
#include "editor/EditorActions.h"
#include "imaging/PixelEffects.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace quill {

namespace {

// The hourglass over the whole application while a quick effect or a turn runs.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

bool hasPixels(const QImage &picture)
{
    return !picture.isNull() && !picture.size().isEmpty();
}

} // namespace

TImgEffectForm::TImgEffectForm(const CaptionFile &captions, const QImage &picture, QWidget *parent)
    : QDialog(parent), mSource(picture), mRunner(new EffectRunner(this))
{
    buildLayout(captions);
    mSourceView->setPicture(mSource);
    mResult->setPicture(mSource);
    connect(mRunner, &EffectRunner::progressed, this, &TImgEffectForm::runProgressed);
    connect(mRunner, &EffectRunner::finished, this, &TImgEffectForm::runFinished);
}

TImgEffectForm::~TImgEffectForm() = default;

std::optional<QImage> TImgEffectForm::edit(const CaptionFile &captions, const QImage &picture,
                                           QWidget *parent)
{
    TImgEffectForm form(captions, picture, parent);
    FitPreview(*form.mResult);
    form.mAutoMatic->setChecked(true);
    if (form.exec() != Accepted)
        return std::nullopt;
    return form.resultPicture();
}

QImage TImgEffectForm::resultPicture() const
{
    return mResult->picture();
}

QImage TImgEffectForm::sourcePicture() const
{
    return mSource;
}

bool TImgEffectForm::isRunning() const
{
    return mRunner->isRunning();
}

void TImgEffectForm::reject()
{
    mRunner->stop();
    QDialog::reject();
}

// The result view follows its panel's size.
bool TImgEffectForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == mPanel && event->type() == QEvent::Resize)
        FitPreview(*mResult);
    return QDialog::eventFilter(watched, event);
}

void TImgEffectForm::effectChosen()
{
    if (!hasPixels(mSource) || mEffects->currentRow() < 0)
        return;
    showResult(mSource);
    mPreview->setEnabled(true);
    mTrackBar->setEnabled(true);
    // A slider already at 1 does not count as moved: no preview yet.
    mTrackBar->setValue(1);
}

void TImgEffectForm::sliderChanged()
{
    mPreview->setEnabled(true);
    if (mAutoMatic->isChecked())
        previewClicked();
}

// Every preview starts again from the source.
void TImgEffectForm::previewClicked()
{
    mPreview->setEnabled(false);
    const int entry = mEffects->currentRow();
    if (entry < 0 || !hasPixels(mSource)) {
        showResult(mSource);
        return;
    }
    const int p = mTrackBar->value();
    if (qint64(mSource.width()) * mSource.height() >= kBackgroundPixels) {
        mRunner->start(mSource, entry, p);
        runStarted();
        return;
    }
    WaitCursor wait;
    QImage picture = mSource;
    applyListEffect(picture, entry, p);
    showResult(picture);
}

// Turns and mirrors change the source; a previewed effect is dropped.
void TImgEffectForm::turnSource(QImage (*turn)(const QImage &))
{
    if (!hasPixels(mSource) || isRunning())
        return;
    WaitCursor wait;
    mSource = turn(mSource);
    mSourceView->setPicture(mSource);
    showResult(mSource);
}

void TImgEffectForm::showResult(const QImage &picture)
{
    mResult->setPicture(picture);
    FitPreview(*mResult);
}

void TImgEffectForm::runStarted()
{
    mProgress->setRange(0, 0); // busy until the first step reports
    setBusy(true);
}

void TImgEffectForm::runProgressed(int done, int total)
{
    mProgress->setRange(0, total);
    mProgress->setValue(done);
}

void TImgEffectForm::runFinished(const QImage &result)
{
    setBusy(false);
    showResult(result);
}

// A stopped run leaves the result as it was; the preview button can start it again.
void TImgEffectForm::stopClicked()
{
    mRunner->stop();
    setBusy(false);
    mPreview->setEnabled(true);
}

// While an effect runs in the background only stopping and cancelling are offered.
void TImgEffectForm::setBusy(bool busy)
{
    mProgress->setVisible(busy);
    mStop->setVisible(busy);
    mEffects->setEnabled(!busy);
    mTrackBar->setEnabled(!busy && mEffects->currentRow() >= 0);
    mAutoMatic->setEnabled(!busy);
    mApply->setEnabled(!busy);
    for (QToolButton *button : std::as_const(mTurnButtons))
        button->setEnabled(!busy);
    if (busy)
        mPreview->setEnabled(false);
}

void TImgEffectForm::buildLayout(const CaptionFile &captions)
{
    const QString section = QStringLiteral("ImgEffectForm");
    const auto text = [&](const char *key, const QString &fallback) {
        return EditorActions::captionOrDefault(captions, section, QString::fromLatin1(key),
                                               fallback);
    };
    setObjectName(QStringLiteral("ImgEffectForm"));
    setWindowTitle(text("FormCaption", QStringLiteral("이미지 효과")));
    // No border icons, a fixed border.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::MSWindowsFixedSizeDialogHint);

    auto *toolBar = new QToolBar(this);
    const auto turnButton = [&](const char *name, const QString &hint, const char *icon,
                                QImage (*turn)(const QImage &)) {
        auto *button = new QToolButton(toolBar);
        button->setObjectName(QString::fromLatin1(name));
        button->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(icon))));
        button->setToolTip(text(name, hint));
        button->setAutoRaise(true);
        connect(button, &QToolButton::clicked, this, [this, turn] { turnSource(turn); });
        toolBar->addWidget(button);
        mTurnButtons.append(button);
    };
    turnButton("L_RotateBtn", QStringLiteral("좌로90도"), "object-rotate-left", &turnedLeft);
    turnButton("R_RotateBtn", QStringLiteral("우로90도"), "object-rotate-right", &turnedRight);
    turnButton("LR_FlipBtn", QStringLiteral("좌우바꾸기"), "object-flip-horizontal",
               &mirroredLeftRight);
    turnButton("UD_FlipBtn", QStringLiteral("상하바꾸기"), "object-flip-vertical",
               &mirroredUpDown);

    // "효과": the list, the strength, the preview button and the automatic preview.
    auto *group = new QGroupBox(text("GroupEffects", QStringLiteral("효과")), this);
    mEffects = new QListWidget(group);
    mEffects->setObjectName(QStringLiteral("EffectsList"));
    mEffects->addItems(effectListEntries());
    mTrackBar = new QSlider(Qt::Horizontal, group);
    mTrackBar->setObjectName(QStringLiteral("TrackBar"));
    mTrackBar->setRange(1, 100);
    mTrackBar->setValue(1);
    mTrackBar->setEnabled(false);
    mPreview = new QPushButton(text("Button_APPLY", QStringLiteral("미리보기")), group);
    mPreview->setObjectName(QStringLiteral("Button_APPLY"));
    mPreview->setEnabled(false);
    mAutoMatic = new QCheckBox(text("AutoMatic", QStringLiteral("자동미리보기")), group);
    mAutoMatic->setObjectName(QStringLiteral("AutoMatic"));
    auto *groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(mEffects);
    groupLayout->addWidget(mTrackBar);
    groupLayout->addWidget(mPreview);
    groupLayout->addWidget(mAutoMatic);

    // The background run's progress and its stop button, shown only while it runs.
    mProgress = new QProgressBar(this);
    mProgress->setObjectName(QStringLiteral("EffectProgress"));
    mProgress->setTextVisible(false);
    mProgress->hide();
    mStop = new QPushButton(text("StopBtn", QStringLiteral("중지")), this);
    mStop->setObjectName(QStringLiteral("StopBtn"));
    mStop->hide();

    mApply = new QPushButton(text("ApplyBtn", QStringLiteral("적용")), this);
    mApply->setObjectName(QStringLiteral("ApplyBtn"));
    mApply->setDefault(true);
    mCancel = new QPushButton(text("CancelBtn", QStringLiteral("취소")), this);
    mCancel->setObjectName(QStringLiteral("CancelBtn"));

    auto *left = new QVBoxLayout;
    left->addWidget(group, 1);
    left->addWidget(mProgress);
    left->addWidget(mStop);
    left->addWidget(mApply);
    left->addWidget(mCancel);

    // The result view, fitted into its sunken panel; the source is held by a hidden view.
    mPanel = new QFrame(this);
    mPanel->setFrameShape(QFrame::Panel);
    mPanel->setFrameShadow(QFrame::Sunken);
    mPanel->setMinimumSize(360, 320);
    mPanel->installEventFilter(this);
    mResult = new TProEffectImage(mPanel);
    mResult->setObjectName(QStringLiteral("ProEffectImage"));
    mSourceView = new TZR_EffectImage(this);
    mSourceView->setObjectName(QStringLiteral("SrcImage"));
    mSourceView->hide();

    auto *body = new QHBoxLayout;
    body->addLayout(left);
    body->addWidget(mPanel, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setMenuBar(toolBar);
    layout->addLayout(body);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // By mouse or keys alike; a second call for the same click would drop its auto preview.
    connect(mEffects, &QListWidget::currentRowChanged, this, &TImgEffectForm::effectChosen);
    connect(mTrackBar, &QSlider::valueChanged, this, &TImgEffectForm::sliderChanged);
    connect(mPreview, &QPushButton::clicked, this, &TImgEffectForm::previewClicked);
    connect(mStop, &QPushButton::clicked, this, &TImgEffectForm::stopClicked);
    connect(mApply, &QPushButton::clicked, this, &TImgEffectForm::accept);
    connect(mCancel, &QPushButton::clicked, this, &TImgEffectForm::reject);
}

} // namespace quill
