#include "DBSortFrm.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quill {

TDBSortFrm::TDBSortFrm(const QStringList &fields, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("DBSortFrm"));
    setWindowTitle(QStringLiteral("데이터 정렬"));
    mFields = new QComboBox(this);
    mFields->setObjectName(QStringLiteral("Cbo_Field"));
    mFields->addItems(fields);
    mFields->setCurrentIndex(fields.isEmpty() ? -1 : 0);

    auto *order = new QGroupBox(QStringLiteral("정렬 순서"), this);
    order->setObjectName(QStringLiteral("Grp_Order"));
    auto *ascending = new QRadioButton(QStringLiteral("오름차순"), order);
    ascending->setObjectName(QStringLiteral("Rdb_Asc"));
    ascending->setChecked(true);
    mDescending = new QRadioButton(QStringLiteral("내림차순"), order);
    mDescending->setObjectName(QStringLiteral("Rdb_Desc"));
    auto *orderLayout = new QHBoxLayout(order);
    orderLayout->addWidget(ascending);
    orderLayout->addWidget(mDescending);

    auto *sort = new QPushButton(QStringLiteral("정렬"), this);
    sort->setObjectName(QStringLiteral("Btn_Sort"));
    sort->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("취소"), this);
    cancel->setObjectName(QStringLiteral("Btn_Cancel"));
    cancel->setAutoDefault(false);
    connect(sort, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *fieldRow = new QHBoxLayout;
    fieldRow->addWidget(new QLabel(QStringLiteral("필드 : "), this));
    fieldRow->addWidget(mFields, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(sort);
    buttons->addWidget(cancel);
    auto *main = new QVBoxLayout(this);
    main->addLayout(fieldRow);
    main->addWidget(order);
    main->addLayout(buttons);
}

QString TDBSortFrm::field() const
{
    return mFields->currentIndex() < 0 ? QString() : mFields->currentText();
}

bool TDBSortFrm::descending() const
{
    return mDescending->isChecked();
}

} // namespace quill
