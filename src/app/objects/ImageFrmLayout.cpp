// The controls and layout of the picture properties dialog.
#include "EffectImage.h"
#include "ImageFrm.h"
#include "editor/EditorActions.h"
#include "objects/ImageSizing.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace quill {

namespace {

// Millimetres shown in their shortest decimal form ("26.46", "50"), read with a decimal point.
class MillimetreBox : public QDoubleSpinBox {
public:
    explicit MillimetreBox(QWidget *parent) : QDoubleSpinBox(parent)
    {
        setLocale(QLocale::c());
        setDecimals(2);
        setRange(2, 9999);
        setSingleStep(1);
        setKeyboardTracking(false);
    }

protected:
    QString textFromValue(double value) const override
    {
        return imagesizing::numberText(value);
    }
};

QLineEdit *readOnlyBox(QWidget *parent, const char *name, int width)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setReadOnly(true);
    box->setFixedWidth(width);
    return box;
}

QScrollBar *adjustmentBar(QWidget *parent, const char *name)
{
    auto *bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setRange(1, 100);
    bar->setValue(1);
    bar->setMinimumWidth(140);
    return bar;
}

} // namespace

void TImageFrm::buildLayout(const CaptionFile &captions)
{
    const QString section = QStringLiteral("ImageFrm");
    const auto text = [&](const char *key, const QString &fallback) {
        return EditorActions::captionOrDefault(captions, section, QString::fromLatin1(key),
                                               fallback);
    };
    setObjectName(QStringLiteral("ImageFrm"));
    mTitle = text("FormCaption", QStringLiteral("이미지 속성"));
    setWindowTitle(mTitle);
    mMetafileMessage = text("MetafileMessage", QStringLiteral("메타 파일은 색상 수정을 할 수 없습니다."));
    mEditFirstMessage = text(
        "EditFirstMessage", QStringLiteral("먼저 편집하기를 원하는 이미지를 불러오십시오."));
    mFilterText = text("PictureFilter",
        QStringLiteral("그림 파일 (*.bmp *.jpg *.jpeg *.gif *.png *.ico *.emf *.wmf *.ani);;"
                       "모든 파일 (*)"));

    // "크기 및 비율"
    auto *sizeGroup = new QGroupBox(text("GroupSize", QStringLiteral("크기 및 비율")), this);
    mHeight = new MillimetreBox(sizeGroup);
    mHeight->setObjectName(QStringLiteral("Img_Height"));
    mWidth = new MillimetreBox(sizeGroup);
    mWidth->setObjectName(QStringLiteral("Img_Width"));
    mScaleHeight = readOnlyBox(sizeGroup, "ratio_Height", 80);
    mScaleWidth = readOnlyBox(sizeGroup, "ratio_Width", 80);
    mFixed = new QCheckBox(text("Chk_Fixed", QStringLiteral("가로세로 비율 고정해제")), sizeGroup);
    mFixed->setObjectName(QStringLiteral("Chk_Fixed"));
    mRealSize = new QCheckBox(text("Chk_RealSIze", QStringLiteral("원본크기로")), sizeGroup);
    mRealSize->setObjectName(QStringLiteral("Chk_RealSIze"));
    mOriginalHeightBox = readOnlyBox(sizeGroup, "sur_HeightSize", 80);
    mOriginalWidthBox = readOnlyBox(sizeGroup, "sur_WidthSize", 80);
    mOriginalHeightBox->setEnabled(false);
    mOriginalWidthBox->setEnabled(false);
    auto *sizes = new QGridLayout(sizeGroup);
    const auto label = [&](const char *key, const QString &fallback) {
        return new QLabel(text(key, fallback), sizeGroup);
    };
    sizes->addWidget(label("SizeLabel", QStringLiteral("크기")), 0, 1);
    sizes->addWidget(label("ScaleLabel", QStringLiteral("배율")), 0, 2);
    sizes->addWidget(label("OriginalLabel", QStringLiteral("원래크기")), 0, 3);
    sizes->addWidget(label("HeightLabel", QStringLiteral("높이: ")), 1, 0);
    sizes->addWidget(mHeight, 1, 1);
    sizes->addWidget(mScaleHeight, 1, 2);
    sizes->addWidget(mOriginalHeightBox, 1, 3);
    sizes->addWidget(label("WidthLabel", QStringLiteral("너비: ")), 2, 0);
    sizes->addWidget(mWidth, 2, 1);
    sizes->addWidget(mScaleWidth, 2, 2);
    sizes->addWidget(mOriginalWidthBox, 2, 3);
    sizes->addWidget(mFixed, 3, 0, 1, 2);
    sizes->addWidget(mRealSize, 3, 2, 1, 2);

    // "이미지조절"
    auto *adjustGroup = new QGroupBox(text("GroupAdjust", QStringLiteral("이미지조절")), this);
    mLightness = adjustmentBar(adjustGroup, "scb_Lightness");
    mContrast = adjustmentBar(adjustGroup, "scb_Contrast");
    mLightnessBox = readOnlyBox(adjustGroup, "edt_Lightness", 40);
    mContrastBox = readOnlyBox(adjustGroup, "edt_Contrast", 40);
    mLightnessBox->setText(QStringLiteral("1"));
    mContrastBox->setText(QStringLiteral("1"));
    mRestore = new QPushButton(text("Button4", QStringLiteral("원래대로")), adjustGroup);
    mRestore->setObjectName(QStringLiteral("Button4"));
    auto *adjust = new QGridLayout(adjustGroup);
    adjust->addWidget(new QLabel(text("LightnessLabel", QStringLiteral("밝기")), adjustGroup), 0, 0);
    adjust->addWidget(mLightness, 0, 1);
    adjust->addWidget(mLightnessBox, 0, 2);
    adjust->addWidget(new QLabel(text("ContrastLabel", QStringLiteral("대비")), adjustGroup), 1, 0);
    adjust->addWidget(mContrast, 1, 1);
    adjust->addWidget(mContrastBox, 1, 2);
    adjust->addWidget(mRestore, 2, 1, 1, 2, Qt::AlignRight);

    // "미리보기": the preview is placed inside the sunken panel by FitPreview.
    auto *previewGroup = new QGroupBox(text("GroupPreview", QStringLiteral("미리보기")), this);
    auto *panel = new QFrame(previewGroup);
    panel->setObjectName(QStringLiteral("pnlPreview"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setFixedSize(184, 184);
    mPreview = new TZR_EffectImage(panel);
    mPreview->setObjectName(QStringLiteral("ZR_EffectImage1"));
    mEdit = new QPushButton(text("Button1", QStringLiteral("이미지편집")), previewGroup);
    mEdit->setObjectName(QStringLiteral("Button1"));
    auto *previewLayout = new QVBoxLayout(previewGroup);
    previewLayout->addWidget(panel);
    previewLayout->addWidget(mEdit);

    mLoad = new QPushButton(text("Button5", QStringLiteral("파일불러오기")), this);
    mLoad->setObjectName(QStringLiteral("Button5"));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton *ok = buttons->button(QDialogButtonBox::Ok);
    QPushButton *cancel = buttons->button(QDialogButtonBox::Cancel);
    ok->setText(text("OKBtn", QStringLiteral("확인")));
    ok->setObjectName(QStringLiteral("OKBtn"));
    cancel->setText(text("CancelBtn", QStringLiteral("취소")));
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(mLoad);
    bottom->addStretch();
    bottom->addWidget(buttons);

    auto *left = new QVBoxLayout;
    left->addWidget(sizeGroup);
    left->addWidget(adjustGroup);
    auto *main = new QGridLayout(this);
    main->addLayout(left, 0, 0);
    main->addWidget(previewGroup, 0, 1);
    main->addLayout(bottom, 1, 0, 1, 2);

    connect(buttons, &QDialogButtonBox::accepted, this, &TImageFrm::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(mWidth, &QDoubleSpinBox::valueChanged, this, [this] { sizeChanged(true); });
    connect(mHeight, &QDoubleSpinBox::valueChanged, this, [this] { sizeChanged(false); });
    connect(mRealSize, &QCheckBox::clicked, this, &TImageFrm::realSizeClicked);
    connect(mLightness, &QScrollBar::valueChanged, this, &TImageFrm::refreshAdjustments);
    connect(mContrast, &QScrollBar::valueChanged, this, &TImageFrm::refreshAdjustments);
    connect(mRestore, &QPushButton::clicked, this, &TImageFrm::restoreClicked);
    connect(mLoad, &QPushButton::clicked, this, &TImageFrm::loadClicked);
    connect(mEdit, &QPushButton::clicked, this, &TImageFrm::editClicked);
    setFixedSize(sizeHint());
}

} // namespace quill
