#include "LineSetForm.h"

#include "editor/EditorActions.h"
#include "shell/CaptionFile.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QSpinBox>

namespace quill {

TLineSetForm::TLineSetForm(const CaptionFile &captions, QWidget *parent) : QDialog(parent)
{
    const QString section = QStringLiteral("LineSetForm");
    const auto text = [&](const char *key, const QString &fallback) {
        return EditorActions::captionOrDefault(captions, section, QString::fromLatin1(key), fallback);
    };
    setObjectName(QStringLiteral("LineSetForm"));
    setWindowTitle(text("FormCaption", QStringLiteral("선 굵기 바꾸기")));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    mSpin = new QSpinBox(this);
    mSpin->setObjectName(QStringLiteral("SpinEdit1"));
    mSpin->setRange(1, 99);
    mSpin->setValue(5);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(text("OkBtn", QStringLiteral("확인")));
    buttons->button(QDialogButtonBox::Cancel)->setText(text("CancelBtn", QStringLiteral("취소")));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *form = new QFormLayout(this);
    form->addRow(text("LineWidth", QStringLiteral("선 굵기")), mSpin);
    form->addRow(buttons);
    setFixedSize(sizeHint());
}

int TLineSetForm::lineWidth() const
{
    return mSpin->value();
}

void TLineSetForm::setLineWidth(int width)
{
    mSpin->setValue(width);
}

} // namespace quill
