#include "PrintRangeFrm.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

namespace quill {

TPrintRangeFrm::TPrintRangeFrm(int recordCount, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("PrintRangeFrm"));
    setWindowTitle(QStringLiteral("인쇄범위 설정"));
    const int last = qMax(1, recordCount);
    mStart = new QSpinBox(this);
    mStart->setObjectName(QStringLiteral("spe_Start"));
    mStart->setRange(1, last);
    mEnd = new QSpinBox(this);
    mEnd->setObjectName(QStringLiteral("spe_End"));
    mEnd->setRange(1, last);
    mEnd->setValue(last); // the whole list until the user narrows it
    // The end follows the start up, never below it.
    connect(mStart, &QSpinBox::valueChanged, mEnd, &QSpinBox::setMinimum);

    auto *ok = new QPushButton(QStringLiteral("검색"), this);
    ok->setObjectName(QStringLiteral("Btn_Ok"));
    ok->setDefault(true);
    ok->setEnabled(recordCount > 0);
    auto *cancel = new QPushButton(QStringLiteral("취소"), this);
    cancel->setObjectName(QStringLiteral("Btn_Cancel"));
    cancel->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("시작 위치 : "), this), 0, 0);
    grid->addWidget(mStart, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("끝 위치 : "), this), 1, 0);
    grid->addWidget(mEnd, 1, 1);
    grid->addLayout(buttons, 2, 0, 1, 2);
}

int TPrintRangeFrm::start() const
{
    return mStart->value();
}

int TPrintRangeFrm::end() const
{
    return mEnd->value();
}

} // namespace quill
