#include "RecordStepper.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>

namespace quill {

RecordStepper::RecordStepper(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("RecordStepper"));
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(4, 0, 4, 0);
    row->setSpacing(2);
    auto *caption = new QLabel(QStringLiteral("자료 :"), this);
    // Built from the arrows the prior and next buttons use: the skip symbols (U+23EE, U+23ED)
    // are missing from common fonts and showed as boxes.
    mFirst = button("FirstRecordBtn", QStringLiteral("|◀"), QStringLiteral("처음 자료"));
    mPrior = button("PriorRecordBtn", QStringLiteral("◀"), QStringLiteral("이전 자료"));
    mNumber = new QSpinBox(this);
    mNumber->setObjectName(QStringLiteral("RecordNumberBox"));
    mNumber->setToolTip(QStringLiteral("작업 화면에 보여 줄 자료 번호"));
    mNumber->setKeyboardTracking(false); // a typed number counts when Enter or the focus leaves
    mNumber->setMinimumWidth(70);
    mTotal = new QLabel(this);
    mTotal->setObjectName(QStringLiteral("RecordCountLabel"));
    mNext = button("NextRecordBtn", QStringLiteral("▶"), QStringLiteral("다음 자료"));
    mLast = button("LastRecordBtn", QStringLiteral("▶|"), QStringLiteral("마지막 자료"));
    row->addWidget(caption);
    row->addWidget(mFirst);
    row->addWidget(mPrior);
    row->addWidget(mNumber);
    row->addWidget(mTotal);
    row->addWidget(mNext);
    row->addWidget(mLast);

    connect(mFirst, &QToolButton::clicked, this, [this] { step(1); });
    connect(mPrior, &QToolButton::clicked, this, [this] { step(record() - 1); });
    connect(mNext, &QToolButton::clicked, this, [this] { step(record() + 1); });
    connect(mLast, &QToolButton::clicked, this, [this] { step(mCount); });
    connect(mNumber, &QSpinBox::valueChanged, this, [this](int value) {
        updateButtons();
        emit recordChosen(value);
    });
    setRecordCount(0);
}

QToolButton *RecordStepper::button(const char *name, const QString &icon, const QString &tip)
{
    auto *b = new QToolButton(this);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(icon);
    b->setToolTip(tip);
    b->setAutoRaise(true);
    return b;
}

void RecordStepper::setRecordCount(int count)
{
    mCount = qMax(0, count);
    const QSignalBlocker quiet(mNumber);
    mNumber->setRange(mCount > 0 ? 1 : 0, mCount);
    mTotal->setText(QStringLiteral("/ %1").arg(mCount));
    setEnabled(mCount > 0);
    updateButtons();
}

int RecordStepper::record() const
{
    return mCount > 0 ? mNumber->value() : 0;
}

void RecordStepper::setRecord(int record)
{
    const QSignalBlocker quiet(mNumber);
    mNumber->setValue(record);
    updateButtons();
}

void RecordStepper::step(int record)
{
    if (mCount > 0)
        mNumber->setValue(qBound(1, record, mCount)); // emits recordChosen when it changed
}

void RecordStepper::updateButtons()
{
    const int r = record();
    mFirst->setEnabled(r > 1);
    mPrior->setEnabled(r > 1);
    mNext->setEnabled(r > 0 && r < mCount);
    mLast->setEnabled(r > 0 && r < mCount);
}

} // namespace quill
