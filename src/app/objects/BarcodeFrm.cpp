#include "BarcodeFrm.h"

#include "barcode/BarcodeControl.h"
#include "objects/BarcodeFormChecks.h"
#include "objects/ZR_Barcode.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quill {

namespace {

constexpr int kMaxSymbologies = 101; // the control's list is read up to index 100

QGroupBox *group(const QString &name, const QString &title, QWidget *parent)
{
    auto *box = new QGroupBox(title, parent);
    box->setObjectName(name);
    return box;
}

} // namespace

TbarcodeFrm::TbarcodeFrm(const CaptionFile &captions, const TZR_Barcode &original, QWidget *parent)
    : QDialog(parent), mCopy(static_cast<TZR_Barcode *>(original.clone().release()))
{
    const FormCaptions text(captions, QStringLiteral("barcodeFrm"));
    setObjectName(QStringLiteral("barcodeFrm"));
    setWindowTitle(text("FormCaption", QStringLiteral("바코드")));
    buildControls(text);
    loadControls();
    connectControls();
    refresh();
    mValue->setFocus();
}

TbarcodeFrm::~TbarcodeFrm() = default;

void TbarcodeFrm::buildControls(const FormCaptions &text)
{
    auto *typeGroup = group(QStringLiteral("Grp_BarcodeType"),
        text("Grp_BarcodeType", QStringLiteral("바코드 종류")), this);
    mType = new QComboBox(typeGroup);
    mType->setObjectName(QStringLiteral("Cbo_BarcodeType"));
    for (int i = 0; i < kMaxSymbologies; ++i) {
        const QString name = BarcodeControl::codeTypeName(i);
        if (name.isEmpty())
            break;
        mType->addItem(name);
    }
    (new QVBoxLayout(typeGroup))->addWidget(mType);

    auto *valueGroup = group(QStringLiteral("Grp_BarcodeValue"),
        text("Grp_BarcodeValue", QStringLiteral("바코드 값")), this);
    mValue = new QLineEdit(valueGroup);
    mValue->setObjectName(QStringLiteral("Edt_BarcodeValue"));
    (new QVBoxLayout(valueGroup))->addWidget(mValue);

    auto *optionGroup
        = group(QStringLiteral("Grp_Options"), text("Grp_Options", QStringLiteral("표시")), this);
    const auto check = [&](const char *name, const QString &caption) {
        auto *box = new QCheckBox(text(name, caption), optionGroup);
        box->setObjectName(QString::fromLatin1(name));
        return box;
    };
    mParity = check("Chk_Parity", QStringLiteral("패리티숫자 자동"));
    mText = check("Chk_Text", QStringLiteral("문자 표시"));
    mAsterisk = check("Chk_Asterisk", QStringLiteral("Start/End 표시"));
    mStartEnd = check("Chk_StartEnd", QStringLiteral("시작/끝 지시자 표시"));
    mMargin = check("Chk_Margin", QStringLiteral("여백주기"));
    mMarginSize = new QDoubleSpinBox(optionGroup);
    mMarginSize->setObjectName(QStringLiteral("spe_Margin"));
    mMarginSize->setRange(0, 20);
    mMarginSize->setSingleStep(0.1);
    mMarginSize->setDecimals(1);
    auto *options = new QGridLayout(optionGroup);
    options->addWidget(mParity, 0, 0, 1, 3);
    options->addWidget(mText, 1, 0, 1, 3);
    options->addWidget(mAsterisk, 2, 0, 1, 3);
    options->addWidget(mStartEnd, 3, 0, 1, 3);
    options->addWidget(mMargin, 4, 0);
    options->addWidget(mMarginSize, 4, 1);
    options->addWidget(new QLabel(QStringLiteral("mm"), optionGroup), 4, 2);

    auto *alignGroup
        = group(QStringLiteral("Rdo_Align"), text("Rdo_Align", QStringLiteral("정렬")), this);
    mAlign = new QButtonGroup(this);
    auto *alignColumn = new QVBoxLayout(alignGroup);
    const QString aligns[] = {text("Rdo_Align0", QStringLiteral("가운데 정렬")),
        text("Rdo_Align1", QStringLiteral("왼쪽 정렬")),
        text("Rdo_Align2", QStringLiteral("오른쪽 정렬"))};
    for (int i = 0; i < 3; ++i) {
        auto *radio = new QRadioButton(aligns[i], alignGroup);
        radio->setObjectName(QStringLiteral("Rdo_Align%1").arg(i));
        mAlign->addButton(radio, i);
        alignColumn->addWidget(radio);
    }

    auto *previewGroup = group(
        QStringLiteral("Grp_Preview"), text("Grp_Preview", QStringLiteral("미리보기")), this);
    mPreview = new ObjectPreviewBox(mCopy.get(), previewGroup);
    mPreview->setObjectName(QStringLiteral("prv_Barcode"));
    (new QVBoxLayout(previewGroup))->addWidget(mPreview);
    mSize = makeSizeBoxes(text, *mCopy, true, this);
    mStatus = makeStatusLine(text, this);
    mButtons = makeButtonRow(text, this, true);
    connect(mButtons.help, &QPushButton::clicked, this, &TbarcodeFrm::helpRequested);

    auto *left = new QVBoxLayout;
    left->addWidget(typeGroup);
    left->addWidget(valueGroup);
    left->addWidget(optionGroup);
    left->addWidget(alignGroup);
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
    resize(620, 460);
}

void TbarcodeFrm::loadControls()
{
    mLoading = true;
    mType->setCurrentIndex(mCopy->codeType() < mType->count() ? mCopy->codeType() : -1);
    mValue->setText(mCopy->caption());
    mParity->setChecked(mCopy->autoParity());
    if (QAbstractButton *align = mAlign->button(mCopy->justifyText()))
        align->setChecked(true);
    mText->setChecked(mCopy->showText());
    mAsterisk->setChecked(mCopy->showAsterisk() != 0);
    mStartEnd->setChecked(mCopy->showLightMargins());
    mMarginSize->setValue(mCopy->marginSize());
    mMargin->setChecked(mCopy->marginSize() > 0);
    mSize.orientation->setCurrentIndex(orientationQuarterTurns(mCopy->orientation()));
    mLoading = false;
}

void TbarcodeFrm::connectControls()
{
    // Each control writes its own properties into the copy; the rest of the copy (such as a
    // ShowCheckDigit that differs from AutoParity) stays as it was loaded.
    const auto changed = [this](auto apply) {
        return [this, apply](auto &&...) {
            if (mLoading)
                return;
            apply();
            refresh();
        };
    };
    connect(mType, &QComboBox::currentIndexChanged, this,
        changed([this] { mCopy->setCodeType(quint16(std::max(0, mType->currentIndex()))); }));
    connect(mValue, &QLineEdit::textChanged, this,
        changed([this] { mCopy->setCaption(mValue->text()); }));
    connect(mParity, &QCheckBox::toggled, this, changed([this] {
        mCopy->setAutoParity(mParity->isChecked());
        mCopy->setShowCheckDigit(mParity->isChecked());
    }));
    connect(mAlign, &QButtonGroup::idClicked, this,
        changed([this] { mCopy->setJustifyText(quint16(mAlign->checkedId())); }));
    connect(mText, &QCheckBox::toggled, this,
        changed([this] { mCopy->setShowText(mText->isChecked()); }));
    connect(mAsterisk, &QCheckBox::toggled, this,
        changed([this] { mCopy->setShowAsterisk(mAsterisk->isChecked() ? 1 : 0); }));
    connect(mStartEnd, &QCheckBox::toggled, this,
        changed([this] { mCopy->setShowLightMargins(mStartEnd->isChecked()); }));
    const auto margin
        = [this] { mCopy->setMarginSize(mMargin->isChecked() ? mMarginSize->value() : 0.0); };
    connect(mMargin, &QCheckBox::toggled, this, changed(margin));
    connect(mMarginSize, &QDoubleSpinBox::valueChanged, this, changed(margin));
    connect(mSize.orientation, &QComboBox::currentIndexChanged, this,
        changed([this] { mCopy->setOrientation(quint16(mSize.orientation->currentIndex())); }));
    const auto size = [this] { applySizeBoxes(mSize, *mCopy); };
    connect(mSize.width, &QDoubleSpinBox::valueChanged, this, changed(size));
    connect(mSize.height, &QDoubleSpinBox::valueChanged, this, changed(size));
}

void TbarcodeFrm::refresh()
{
    const BarcodeFormStatus status = barcodeFormStatus(*mCopy);
    mAcceptable = status.acceptable;
    showStatus(mStatus, status);
    mButtons.ok->setEnabled(mAcceptable);
    mPreview->update();
}

bool TbarcodeFrm::isAcceptable() const
{
    return mAcceptable;
}

void TbarcodeFrm::accept()
{
    // Data the symbology cannot encode would print an empty picture: the status box already
    // says why, so OK just stays put.
    refresh();
    if (!mAcceptable)
        return;
    QDialog::accept();
}

std::unique_ptr<TZR_Barcode> TbarcodeFrm::takeResult()
{
    // A copy of the copy: the preview keeps drawing its own until the dialog goes.
    return std::unique_ptr<TZR_Barcode>(static_cast<TZR_Barcode *>(mCopy->clone().release()));
}

const TZR_Barcode &TbarcodeFrm::preview() const
{
    return *mCopy;
}

} // namespace quill
