#include "ADDHonoForm.h"

#include "editor/EditorActions.h"
#include "objects/ZR_GuideLabel.h"
#include "shell/CaptionFile.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace quill {

TADDHonoForm::TADDHonoForm(const CaptionFile &captions, const QStringList &fields, QWidget *parent)
    : QDialog(parent), mCaptions(captions)
{
    build(fields);
}

TADDHonoForm::TADDHonoForm(
    const CaptionFile &captions, const TZR_GuideLabel &original, QWidget *parent)
    : QDialog(parent), mCaptions(captions), mCopy(original.clone())
{
    build(original.fieldName().isEmpty() ? QStringList() : QStringList {original.fieldName()});
    mHono->setText(original.addHono());
}

TADDHonoForm::~TADDHonoForm() = default;

QString TADDHonoForm::text(const char *key, const QString &fallback) const
{
    return EditorActions::captionOrDefault(
        mCaptions, QStringLiteral("ADDHonoForm"), QString::fromLatin1(key), fallback);
}

void TADDHonoForm::build(const QStringList &fields)
{
    setObjectName(QStringLiteral("ADDHonoForm"));
    setWindowTitle(text("FormCaption", QStringLiteral("존칭추가")));
    // A fixed dialog: a title bar without its buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    mFields = new QComboBox(this);
    mFields->setObjectName(QStringLiteral("Cbo_FieldLists"));
    mFields->addItems(fields);
    mFields->setCurrentIndex(fields.isEmpty() ? -1 : 0);
    mHono = new QLineEdit(this);
    mHono->setObjectName(QStringLiteral("Edt_ADDHono"));

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *add
        = buttons->addButton(text("AddBtn", QStringLiteral("추가")), QDialogButtonBox::AcceptRole);
    add->setObjectName(QStringLiteral("AddBtn"));
    add->setDefault(true);
    QPushButton *cancel = buttons->addButton(
        text("CancelBtn", QStringLiteral("취소")), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *grid = new QGridLayout(this);
    grid->addWidget(new QLabel(text("FieldLabel", QStringLiteral("필드선택 :")), this), 0, 0);
    grid->addWidget(mFields, 0, 1);
    grid->addWidget(new QLabel(text("HonoLabel", QStringLiteral("존칭 : ")), this), 1, 0);
    grid->addWidget(mHono, 1, 1);
    grid->addWidget(buttons, 2, 0, 1, 2);
    setFixedSize(sizeHint());
}

TZR_ADDHono TADDHonoForm::honorific() const
{
    return {mFields->currentIndex() < 0 ? QString() : mFields->currentText(), mHono->text()};
}

void TADDHonoForm::accept()
{
    const TZR_ADDHono pair = honorific();
    switch (checkADDHono(pair)) {
    case ADDHonoProblem::NoField:
        QMessageBox::warning(this, windowTitle(),
            text("NoField", QStringLiteral("선택된 필드가 없습니다. 먼저 필드를 선택 하십시오.")));
        mFields->setFocus();
        return;
    case ADDHonoProblem::EmptyText:
        QMessageBox::warning(this, windowTitle(),
            text("EmptyHono",
                QStringLiteral("존칭추가 내용이 없습니다. 먼저 내용을 입력 하십시오.")));
        mHono->setFocus();
        return;
    case ADDHonoProblem::None:
        break;
    }
    if (auto *label = dynamic_cast<TZR_GuideLabel *>(mCopy.get()))
        applyADDHono(*label, pair);
    QDialog::accept();
}

std::unique_ptr<TZR_GuideLabel> TADDHonoForm::takeResult()
{
    if (result() != Accepted || !dynamic_cast<TZR_GuideLabel *>(mCopy.get()))
        return nullptr;
    return std::unique_ptr<TZR_GuideLabel>(static_cast<TZR_GuideLabel *>(mCopy.release()));
}

} // namespace quill
