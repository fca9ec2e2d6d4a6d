#include "Barcode2Frm.h"

#include "barcode/Barcode2DControl.h"
#include "barcode/BarcodeControl.h"
#include "objects/BarcodeFormChecks.h"
#include "objects/ObjectPaint.h"
#include "objects/ZR_2DBarcode.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace quill {

namespace {

constexpr int kMaxSymbologies = 101; // the control's lists are read up to index 100
constexpr int kMaxModes = 11; // and its modes up to index 10

QGroupBox *group(const QString &name, const QString &title, QWidget *parent)
{
    auto *box = new QGroupBox(title, parent);
    box->setObjectName(name);
    return box;
}

} // namespace

Tbarcode2Frm::Tbarcode2Frm(
    const CaptionFile &captions, const TZR_2DBarcode &original, QWidget *parent)
    : QDialog(parent), mCopy(static_cast<TZR_2DBarcode *>(original.clone().release()))
{
    const FormCaptions text(captions, QStringLiteral("barcode2Frm"));
    setObjectName(QStringLiteral("barcode2Frm"));
    setWindowTitle(text("FormCaption", QStringLiteral("2차원 바코드")));
    buildControls(text);
    loadControls();
    connectControls();
    refresh();
    mValue->setFocus();
}

Tbarcode2Frm::~Tbarcode2Frm() = default;

void Tbarcode2Frm::buildControls(const FormCaptions &text)
{
    auto *typeGroup = group(QStringLiteral("Grp_BarcodeType"),
        text("Grp_BarcodeType", QStringLiteral("2차원 바코드 종류")), this);
    mType = new QComboBox(typeGroup);
    mType->setObjectName(QStringLiteral("Cbo_BarcodeType"));
    for (int i = 0; i < kMaxSymbologies; ++i) {
        const QString name = Barcode2DControl::codeTypeName(i);
        if (name.isEmpty())
            break;
        mType->addItem(name);
    }
    (new QVBoxLayout(typeGroup))->addWidget(mType);

    auto *modeGroup = group(QStringLiteral("Grp_BarcodeMode"),
        text("Grp_BarcodeMode", QStringLiteral("바코드 모드")), this);
    mMode = new QComboBox(modeGroup);
    mMode->setObjectName(QStringLiteral("Cbo_BarcodeMode"));
    (new QVBoxLayout(modeGroup))->addWidget(mMode);

    auto *valueGroup = group(QStringLiteral("Grp_BarcodeValue"),
        text("Grp_BarcodeValue", QStringLiteral("바코드 값")), this);
    mValue = new QLineEdit(valueGroup);
    mValue->setObjectName(QStringLiteral("Edt_BarcodeValue"));
    (new QVBoxLayout(valueGroup))->addWidget(mValue);

    auto *optionGroup
        = group(QStringLiteral("Grp_Options"), text("Grp_Options", QStringLiteral("설정")), this);
    mAutosize = new QCheckBox(text("Chk_Autosize", QStringLiteral("크기 자동 조절")), optionGroup);
    mAutosize->setObjectName(QStringLiteral("Chk_Autosize"));
    mTransparent
        = new QCheckBox(text("Chk_Transe", QStringLiteral("배경색 투명하게")), optionGroup);
    mTransparent->setObjectName(QStringLiteral("Chk_Transe"));
    mBackTitle = text("Lbl_BackColor", QStringLiteral("배경 색"));
    mForeTitle = text("Lbl_ForeColor", QStringLiteral("바 색"));
    mBackColor = new QPushButton(mBackTitle, optionGroup);
    mBackColor->setObjectName(QStringLiteral("Btn_BackColor"));
    mForeColor = new QPushButton(mForeTitle, optionGroup);
    mForeColor->setObjectName(QStringLiteral("Btn_ForeColor"));
    for (QPushButton *swatch : {mBackColor, mForeColor})
        swatch->setAutoDefault(false);
    auto *options = new QVBoxLayout(optionGroup);
    options->addWidget(mAutosize);
    options->addWidget(mTransparent);
    auto *colours = new QHBoxLayout;
    colours->addWidget(mBackColor);
    colours->addWidget(mForeColor);
    options->addLayout(colours);

    auto *previewGroup = group(
        QStringLiteral("Grp_Preview"), text("Grp_Preview", QStringLiteral("미리보기")), this);
    mPreview = new ObjectPreviewBox(mCopy.get(), previewGroup);
    mPreview->setObjectName(QStringLiteral("prv_2DBarcode"));
    (new QVBoxLayout(previewGroup))->addWidget(mPreview);
    mSize = makeSizeBoxes(text, *mCopy, true, this);
    mStatus = makeStatusLine(text, this);
    mButtons = makeButtonRow(text, this, true);
    connect(mButtons.help, &QPushButton::clicked, this, &Tbarcode2Frm::helpRequested);

    auto *left = new QVBoxLayout;
    left->addWidget(typeGroup);
    left->addWidget(modeGroup);
    left->addWidget(valueGroup);
    left->addWidget(optionGroup);
    left->addStretch(1);
    auto *right = new QVBoxLayout;
    right->addWidget(previewGroup, 1);
    right->addWidget(mSize.group);
    auto *columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right, 1);
    auto *main = new QVBoxLayout(this);
    main->addLayout(columns, 1);
    main->addWidget(mStatus.row);
    main->addWidget(mButtons.row);
    resize(620, 480);
}

void Tbarcode2Frm::fillModes()
{
    mMode->clear();
    for (int i = 0; i < kMaxModes; ++i) {
        const QString name = Barcode2DControl::modeName(mType->currentIndex(), i);
        if (name.isEmpty())
            break;
        mMode->addItem(name);
    }
}

void Tbarcode2Frm::loadControls()
{
    mLoading = true;
    mType->setCurrentIndex(mCopy->codeType() < mType->count() ? mCopy->codeType() : -1);
    fillModes();
    mMode->setCurrentIndex(mCopy->mode() < mMode->count() ? mCopy->mode() : -1);
    mValue->setText(mCopy->caption());
    mAutosize->setChecked(mCopy->useEnhanced());
    mTransparent->setChecked(mCopy->transparent());
    mSize.orientation->setCurrentIndex(orientationQuarterTurns(mCopy->orientation()));
    showColors();
    mLoading = false;
}

void Tbarcode2Frm::connectControls()
{
    const auto changed = [this](auto apply) {
        return [this, apply](auto &&...) {
            if (mLoading)
                return;
            apply();
            refresh();
        };
    };
    // A new symbology has its own modes: the list is refilled and starts at the first.
    connect(mType, &QComboBox::currentIndexChanged, this, changed([this] {
        mCopy->setCodeType(quint16(std::max(0, mType->currentIndex())));
        mLoading = true;
        fillModes();
        mMode->setCurrentIndex(0);
        mLoading = false;
        mCopy->setMode(0);
    }));
    connect(mMode, &QComboBox::currentIndexChanged, this,
        changed([this] { mCopy->setMode(quint16(std::max(0, mMode->currentIndex()))); }));
    connect(mValue, &QLineEdit::textChanged, this,
        changed([this] { mCopy->setCaption(mValue->text()); }));
    connect(mAutosize, &QCheckBox::toggled, this,
        changed([this] { mCopy->setUseEnhanced(mAutosize->isChecked()); }));
    connect(mTransparent, &QCheckBox::toggled, this,
        changed([this] { mCopy->setTransparent(mTransparent->isChecked()); }));
    connect(mBackColor, &QPushButton::clicked, this, [this] { chooseColor(true); });
    connect(mForeColor, &QPushButton::clicked, this, [this] { chooseColor(false); });
    connect(mSize.orientation, &QComboBox::currentIndexChanged, this,
        changed([this] { mCopy->setOrientation(quint16(mSize.orientation->currentIndex())); }));
    const auto size = [this] { applySizeBoxes(mSize, *mCopy); };
    connect(mSize.width, &QDoubleSpinBox::valueChanged, this, changed(size));
    connect(mSize.height, &QDoubleSpinBox::valueChanged, this, changed(size));
}

void Tbarcode2Frm::chooseColor(bool background)
{
    const TColor current = background ? mCopy->backColor() : mCopy->foreColor();
    const QColor chosen
        = QColorDialog::getColor(toQColor(current), this, background ? mBackTitle : mForeTitle);
    if (!chosen.isValid())
        return;
    if (background)
        mCopy->setBackColor(fromQColor(chosen));
    else
        mCopy->setForeColor(fromQColor(chosen));
    showColors();
    refresh();
}

void Tbarcode2Frm::showColors()
{
    const auto paint = [](QPushButton *swatch, TColor color) {
        QPixmap chip(16, 16);
        chip.fill(toQColor(color));
        swatch->setIcon(QIcon(chip));
    };
    paint(mBackColor, mCopy->backColor());
    paint(mForeColor, mCopy->foreColor());
}

void Tbarcode2Frm::refresh()
{
    const BarcodeFormStatus status = barcodeFormStatus(*mCopy);
    mAcceptable = status.acceptable;
    showStatus(mStatus, status);
    mButtons.ok->setEnabled(mAcceptable);
    mPreview->update();
}

bool Tbarcode2Frm::isAcceptable() const
{
    return mAcceptable;
}

void Tbarcode2Frm::accept()
{
    refresh();
    if (!mAcceptable)
        return;
    QDialog::accept();
}

std::unique_ptr<TZR_2DBarcode> Tbarcode2Frm::takeResult()
{
    return std::unique_ptr<TZR_2DBarcode>(static_cast<TZR_2DBarcode *>(mCopy->clone().release()));
}

const TZR_2DBarcode &Tbarcode2Frm::preview() const
{
    return *mCopy;
}

} // namespace quill
