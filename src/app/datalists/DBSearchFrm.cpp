#include "DBSearchFrm.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace quill {

TDBSearchFrm::TDBSearchFrm(const QStringList &fields, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("DBSearchFrm"));
    setWindowTitle(QStringLiteral("데이터 검색"));
    mFields = new QComboBox(this);
    mFields->setObjectName(QStringLiteral("Cbo_Field"));
    mFields->addItems(fields);
    mFields->setCurrentIndex(fields.isEmpty() ? -1 : 0);
    mText = new QLineEdit(this);
    mText->setObjectName(QStringLiteral("Edt_Search"));

    auto *search = new QPushButton(QStringLiteral("검색"), this);
    search->setObjectName(QStringLiteral("Btn_Search"));
    search->setDefault(true); // Enter in the text searches
    auto *cancel = new QPushButton(QStringLiteral("취소"), this);
    cancel->setObjectName(QStringLiteral("Btn_Cancel"));
    cancel->setAutoDefault(false);
    connect(search, &QPushButton::clicked, this, &TDBSearchFrm::accept);
    connect(cancel, &QPushButton::clicked, this, &TDBSearchFrm::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(search);
    buttons->addWidget(cancel);
    auto *grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("필드 : "), this), 0, 0);
    grid->addWidget(mFields, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("찾을 문자 : "), this), 1, 0);
    grid->addWidget(mText, 1, 1);
    grid->addLayout(buttons, 2, 0, 1, 2);
    mText->setFocus();
}

QString TDBSearchFrm::field() const
{
    return mFields->currentIndex() < 0 ? QString() : mFields->currentText();
}

QString TDBSearchFrm::text() const
{
    return mText->text();
}

void TDBSearchFrm::accept()
{
    if (mText->text().isEmpty()) {
        QMessageBox::information(this, windowTitle(), QStringLiteral("찾을 문자를 입력 하십시오."));
        mText->setFocus();
        return;
    }
    QDialog::accept();
}

} // namespace quill
