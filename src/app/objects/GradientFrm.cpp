#include "GradientFrm.h"

#include "GradientGroups.h"
#include "objects/ZR_Gradient.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace quill {

TZR_GradientFrm::TZR_GradientFrm(const CaptionFile &captions, const TZR_Gradient &original,
                                 QWidget *parent)
    : QDialog(parent),
      mCopy(static_cast<TZR_Gradient *>(original.clone().release()))
{
    const QString section = QStringLiteral("ZR_GradientFrm");
    const GradientGroups::Texts text = GradientGroups::texts(captions, section);
    setObjectName(QStringLiteral("ZR_GradientFrm"));
    setWindowTitle(text("FormCaption", QStringLiteral("그라데이션")));

    mGroups = new GradientGroups(captions, section, this);
    mGroups->load(*mCopy);
    auto *applied = new QGroupBox(text("GroupApply", QStringLiteral("적용")), this);
    mPreview = new GradientPreviewBox(applied);
    mPreview->setObjectName(QStringLiteral("prvGradient"));
    mPreview->setObject(mCopy.get());
    (new QVBoxLayout(applied))->addWidget(mPreview);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton *ok = buttons->button(QDialogButtonBox::Ok);
    QPushButton *cancel = buttons->button(QDialogButtonBox::Cancel);
    ok->setText(text("OKBtn", QStringLiteral("확인")));
    ok->setObjectName(QStringLiteral("OKBtn"));
    cancel->setText(text("CancelBtn", QStringLiteral("취소")));
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(mGroups, &GradientGroups::changed, this, &TZR_GradientFrm::applyGroups);

    auto *grid = new QGridLayout(this);
    grid->addWidget(mGroups->colourGroup(), 0, 0);
    grid->addWidget(mGroups->styleGroup(), 0, 1);
    grid->addWidget(applied, 1, 0, 1, 2);
    grid->addWidget(buttons, 2, 0, 1, 2);
    setFixedSize(sizeHint());
}

TZR_GradientFrm::~TZR_GradientFrm() = default;

std::unique_ptr<TZR_Gradient> TZR_GradientFrm::takeResult()
{
    mPreview->setObject(nullptr);
    return std::move(mCopy);
}

void TZR_GradientFrm::applyGroups()
{
    if (!mCopy)
        return;
    mGroups->apply(*mCopy);
    mPreview->update();
}

} // namespace quill
