#include "ZipbarcodeFrm.h"

#include "ZipCodeForm.h"

#include "document/Rounding.h"
#include "objects/BarcodeFormChecks.h"
#include "objects/ZR_ZipBarcode.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace quill {

namespace {

constexpr int kZipCodeLength = 7;

QSpinBox *unitBox(const QString &name, QWidget *parent)
{
    auto *box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(1, 100); // at most three digits
    return box;
}

} // namespace

TZipbarcodeFrm::TZipbarcodeFrm(const CaptionFile &captions, const TZR_ZipBarcode &original,
    const PostalCodeTable &postalCodes, QWidget *parent)
    : QDialog(parent), mCaptions(captions), mPostalCodes(postalCodes),
      mCopy(static_cast<TZR_ZipBarcode *>(original.clone().release()))
{
    const FormCaptions text(captions, QStringLiteral("ZipbarcodeFrm"));
    setObjectName(QStringLiteral("ZipbarcodeFrm"));
    setWindowTitle(text("FormCaption", QStringLiteral("우편번호 바코드")));
    buildControls(text);

    mZipData->setText(mCopy->text());
    mStartPoint->setValue(mCopy->bStartPoint());
    mBarWidth->setValue(roundHalfEven(mCopy->barWidth()));
    mAutoSize->setChecked(mCopy->autoSize());
    // OK writes the four settings and black bars; the preview shows them from the start.
    mCopy->setColor(clBlack);
    applyControls();

    connect(mZipData, &QLineEdit::editingFinished, this, &TZipbarcodeFrm::applyControls);
    connect(mBarWidth, &QSpinBox::valueChanged, this, &TZipbarcodeFrm::applyControls);
    connect(mStartPoint, &QSpinBox::valueChanged, this, &TZipbarcodeFrm::applyControls);
    connect(mAutoSize, &QCheckBox::toggled, this, &TZipbarcodeFrm::applyControls);
    connect(mSize.width, &QDoubleSpinBox::valueChanged, this, &TZipbarcodeFrm::applyControls);
    connect(mSize.height, &QDoubleSpinBox::valueChanged, this, &TZipbarcodeFrm::applyControls);
    connect(mZipSearch, &QPushButton::clicked, this, &TZipbarcodeFrm::searchPostalCode);
    mZipData->setFocus();
}

TZipbarcodeFrm::~TZipbarcodeFrm() = default;

void TZipbarcodeFrm::buildControls(const FormCaptions &text)
{
    auto *settings = new QGroupBox(text("Grp_Settings", QStringLiteral("설정")), this);
    settings->setObjectName(QStringLiteral("Grp_Settings"));
    mZipData = new QLineEdit(settings);
    mZipData->setObjectName(QStringLiteral("Edt_zipData"));
    mZipData->setMaxLength(kZipCodeLength);
    mZipSearch = new QPushButton(text("ZipSearchBtn", QStringLiteral("우편번호")), settings);
    mZipSearch->setObjectName(QStringLiteral("ZipSearchBtn"));
    mZipSearch->setAutoDefault(false);
    mBarWidth = unitBox(QStringLiteral("spEdt_BarWidth"), settings);
    mStartPoint = unitBox(QStringLiteral("spEdt_StartPoint"), settings);
    mAutoSize = new QCheckBox(
        text("autosizeChkBox", QStringLiteral("바코드 굵기. 시작위치 자동정렬")), settings);
    mAutoSize->setObjectName(QStringLiteral("autosizeChkBox"));
    auto *grid = new QGridLayout(settings);
    grid->addWidget(new QLabel(text("Lbl_zipData", QStringLiteral("우편번호")), settings), 0, 0);
    grid->addWidget(mZipData, 0, 1);
    grid->addWidget(mZipSearch, 0, 2);
    grid->addWidget(
        new QLabel(text("Lbl_zipHint", QStringLiteral("(* 우편번호를 입력한다. 예) 123-456  )")),
            settings),
        1, 0, 1, 3);
    grid->addWidget(new QLabel(text("Lbl_BarWidth", QStringLiteral("바 간격 : ")), settings), 2, 0);
    grid->addWidget(mBarWidth, 2, 1);
    grid->addWidget(
        new QLabel(text("Lbl_StartPoint", QStringLiteral("바 시작위치(왼쪽기준) : ")), settings), 3,
        0);
    grid->addWidget(mStartPoint, 3, 1);
    grid->addWidget(mAutoSize, 4, 0, 1, 3);

    auto *previewGroup = new QGroupBox(text("Grp_Preview", QStringLiteral("미리보기")), this);
    previewGroup->setObjectName(QStringLiteral("Grp_Preview"));
    mPreview = new ObjectPreviewBox(mCopy.get(), previewGroup);
    mPreview->setObjectName(QStringLiteral("prv_ZipBarcode"));
    mStatus = makeStatusLine(text, previewGroup);
    auto *previewColumn = new QVBoxLayout(previewGroup);
    previewColumn->addWidget(mPreview, 1);
    previewColumn->addWidget(mStatus.row);

    mSize = makeSizeBoxes(text, *mCopy, false, this);
    mButtons = makeButtonRow(text, this, false);

    auto *left = new QVBoxLayout;
    left->addWidget(settings);
    left->addWidget(mSize.group);
    left->addStretch(1);
    auto *columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addWidget(previewGroup, 1);
    auto *main = new QVBoxLayout(this);
    main->addLayout(columns, 1);
    main->addWidget(mButtons.row);
    resize(620, 380);
}

void TZipbarcodeFrm::applyControls()
{
    mCopy->setAutoSize(mAutoSize->isChecked());
    mCopy->setBStartPoint(quint16(mStartPoint->value()));
    mCopy->setBarWidth(mBarWidth->value());
    mCopy->setText(mZipData->text());
    applySizeBoxes(mSize, *mCopy);
    refresh();
}

void TZipbarcodeFrm::refresh()
{
    showStatus(mStatus, barcodeFormStatus(*mCopy));
    mPreview->update();
}

void TZipbarcodeFrm::searchPostalCode()
{
    TZipCodeForm form(mCaptions, mPostalCodes, this);
    form.setSearchPanelVisible(true);
    if (form.exec() != QDialog::Accepted || form.chosenZipCode().isEmpty())
        return;
    mZipData->setText(form.chosenZipCode());
    applyControls();
}

void TZipbarcodeFrm::accept()
{
    // The code box may still hold a text that was typed but not yet left.
    applyControls();
    QDialog::accept();
}

std::unique_ptr<TZR_ZipBarcode> TZipbarcodeFrm::takeResult()
{
    return std::unique_ptr<TZR_ZipBarcode>(static_cast<TZR_ZipBarcode *>(mCopy->clone().release()));
}

const TZR_ZipBarcode &TZipbarcodeFrm::preview() const
{
    return *mCopy;
}

} // namespace quill
