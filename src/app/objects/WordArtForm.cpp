#include "WordArtForm.h"

#include "GradientGroups.h"
#include "objects/ZR_WordArt.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace quill {

TWordArtForm::TWordArtForm(const CaptionFile &captions, const TZR_WordArt &original,
                           QWidget *parent)
    : QDialog(parent),
      mCopy(static_cast<TZR_WordArt *>(original.clone().release()))
{
    const QString section = QStringLiteral("WordArtForm");
    const GradientGroups::Texts text = GradientGroups::texts(captions, section);
    setObjectName(QStringLiteral("WordArtForm"));
    setWindowTitle(text("FormCaption", QStringLiteral("워드 아트")));
    mEmptyMessage = text("EmptyText", QStringLiteral(" 내용을 입력하십시오."));

    mGroups = new GradientGroups(captions, section, this);
    mGroups->load(*mCopy);

    auto *textGroup = new QGroupBox(text("GroupText", QStringLiteral("문자")), this);
    mText = new QLineEdit(mCopy->caption(), textGroup);
    mText->setObjectName(QStringLiteral("Edt_WordArt"));
    (new QVBoxLayout(textGroup))->addWidget(mText);

    auto *applied = new QGroupBox(text("GroupApply", QStringLiteral("적용")), this);
    mPreview = new GradientPreviewBox(applied);
    mPreview->setObjectName(QStringLiteral("prvWordArt"));
    mPreview->setObject(mCopy.get());
    (new QVBoxLayout(applied))->addWidget(mPreview);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton *ok = buttons->button(QDialogButtonBox::Ok);
    QPushButton *cancel = buttons->button(QDialogButtonBox::Cancel);
    ok->setText(text("OKBtn", QStringLiteral("확인")));
    ok->setObjectName(QStringLiteral("OKBtn"));
    cancel->setText(text("CancelBtn", QStringLiteral("취소")));
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    connect(buttons, &QDialogButtonBox::accepted, this, &TWordArtForm::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(mGroups, &GradientGroups::changed, this, &TWordArtForm::applyGroups);
    connect(mText, &QLineEdit::textChanged, this, &TWordArtForm::textEdited);

    auto *grid = new QGridLayout(this);
    grid->addWidget(mGroups->colourGroup(), 0, 0);
    grid->addWidget(mGroups->styleGroup(), 0, 1);
    grid->addWidget(textGroup, 1, 0, 1, 2);
    grid->addWidget(applied, 2, 0, 1, 2);
    grid->addWidget(buttons, 3, 0, 1, 2);
    setFixedSize(sizeHint());
}

TWordArtForm::~TWordArtForm() = default;

std::unique_ptr<TZR_WordArt> TWordArtForm::takeResult()
{
    mPreview->setObject(nullptr);
    return std::move(mCopy);
}

void TWordArtForm::accept()
{
    if (mText->text().isEmpty()) {
        QMessageBox::information(this, windowTitle(), mEmptyMessage);
        mText->setFocus();
        return;
    }
    QDialog::accept();
}

void TWordArtForm::applyGroups()
{
    if (!mCopy)
        return;
    mGroups->apply(*mCopy);
    mPreview->update();
}

void TWordArtForm::textEdited(const QString &text)
{
    if (!mCopy)
        return;
    mCopy->setCaption(text);
    mPreview->update();
}

} // namespace quill
