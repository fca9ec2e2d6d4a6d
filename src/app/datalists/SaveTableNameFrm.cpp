#include "SaveTableNameFrm.h"

#include "datalists/NewTableRules.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace quill {

TZR_SaveTableNameFrm::TZR_SaveTableNameFrm(const QStringList &tableNames, QWidget *parent)
    : QDialog(parent), mTables(tableNames)
{
    setObjectName(QStringLiteral("ZR_SaveTableNameFrm"));
    setWindowTitle(QStringLiteral("목록 만들기"));
    setWindowFlag(Qt::WindowStaysOnTopHint);

    auto *listGroup = new QGroupBox(QStringLiteral("등록된 목록 이름"), this);
    mList = new QListWidget(listGroup);
    mList->setObjectName(QStringLiteral("Lsb_TableList"));
    mList->addItems(tableNames);
    mList->setSelectionMode(QAbstractItemView::NoSelection);
    (new QVBoxLayout(listGroup))->addWidget(mList);

    auto *nameGroup = new QGroupBox(QStringLiteral("추가할 테이블 이름"), this);
    mName = new QLineEdit(suggestTableName(tableNames), nameGroup);
    mName->setObjectName(QStringLiteral("Edt_TableName"));
    mName->selectAll();
    (new QVBoxLayout(nameGroup))->addWidget(mName);

    auto *add = new QPushButton(QStringLiteral("추가하기"), this);
    add->setObjectName(QStringLiteral("Btn_Add"));
    add->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("취소"), this);
    cancel->setObjectName(QStringLiteral("Btn_Cancel"));
    connect(add, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(add);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(listGroup);
    layout->addWidget(nameGroup);
    layout->addLayout(buttons);
    mName->setFocus();
}

QString TZR_SaveTableNameFrm::tableName() const
{
    return mName->text().trimmed();
}

void TZR_SaveTableNameFrm::accept()
{
    const Status check = checkNewTableName(tableName(), mTables);
    if (!check) {
        QMessageBox::warning(this, windowTitle(), check.error().message);
        mName->setFocus();
        mName->selectAll();
        return;
    }
    QDialog::accept();
}

} // namespace quill
