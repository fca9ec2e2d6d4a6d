// The new job dialog's finer search: text, cell size, columns and rows, every paper kind.
#include "ProductSearchGroup.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>

namespace quill {

namespace {

const QString Any = QStringLiteral("전체");

} // namespace

ProductSearchGroup::ProductSearchGroup(QWidget *parent)
    : QGroupBox(QStringLiteral("상세 검색"), parent)
{
    setObjectName(QStringLiteral("DetailSearchGroup"));
    mText = new QLineEdit(this);
    mText->setObjectName(QStringLiteral("TextSearch"));
    mText->setPlaceholderText(QStringLiteral("제품코드나 제품분류"));
    mText->setAccessibleName(QStringLiteral("제품코드나 제품분류 검색"));
    mText->setClearButtonEnabled(true);
    mWidth = lengthBox(QStringLiteral("SizeWidth"), QStringLiteral("라벨 너비 (mm)"));
    mHeight = lengthBox(QStringLiteral("SizeHeight"), QStringLiteral("라벨 높이 (mm)"));
    mTolerance = lengthBox(QStringLiteral("SizeTolerance"), QStringLiteral("허용 오차 (mm)"));
    mTolerance->setSpecialValueText(QString());
    mTolerance->setMaximum(50.0);
    mTolerance->setValue(0.5);
    mColumns = countBox(QStringLiteral("GridColumns"), QStringLiteral("가로 칸수"));
    mRows = countBox(QStringLiteral("GridRows"), QStringLiteral("세로 칸수"));
    mAllPapers = new QCheckBox(QStringLiteral("모든 종이에서 찾기"), this);
    mAllPapers->setObjectName(QStringLiteral("AllPapers"));

    auto *grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("코드/이름"), this), 0, 0);
    grid->addWidget(mText, 0, 1, 1, 4);
    grid->addWidget(new QLabel(QStringLiteral("크기 (mm)"), this), 1, 0);
    grid->addWidget(mWidth, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("*"), this), 1, 2);
    grid->addWidget(mHeight, 1, 3);
    grid->addWidget(mTolerance, 1, 4);
    grid->addWidget(new QLabel(QStringLiteral("배열"), this), 2, 0);
    grid->addWidget(mColumns, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("*"), this), 2, 2);
    grid->addWidget(mRows, 2, 3);
    grid->addWidget(mAllPapers, 3, 0, 1, 5);

    connect(mText, &QLineEdit::textChanged, this, &ProductSearchGroup::changed);
    for (QDoubleSpinBox *box : {mWidth, mHeight, mTolerance})
        connect(box, &QDoubleSpinBox::valueChanged, this, &ProductSearchGroup::changed);
    for (QSpinBox *box : {mColumns, mRows})
        connect(box, &QSpinBox::valueChanged, this, &ProductSearchGroup::changed);
    connect(mAllPapers, &QCheckBox::toggled, this, &ProductSearchGroup::allPapersChanged);
}

QDoubleSpinBox *ProductSearchGroup::lengthBox(const QString &name, const QString &accessible)
{
    auto *box = new QDoubleSpinBox(this);
    box->setObjectName(name);
    box->setAccessibleName(accessible);
    box->setToolTip(accessible);
    box->setRange(0.0, 400.0);
    box->setDecimals(2);
    box->setSingleStep(0.5);
    box->setSpecialValueText(Any); // 0 asks for nothing
    return box;
}

QSpinBox *ProductSearchGroup::countBox(const QString &name, const QString &accessible)
{
    auto *box = new QSpinBox(this);
    box->setObjectName(name);
    box->setAccessibleName(accessible);
    box->setToolTip(accessible);
    box->setRange(0, 99);
    box->setSpecialValueText(Any);
    return box;
}

bool ProductSearchGroup::isActive() const
{
    return !mText->text().trimmed().isEmpty() || mWidth->value() > 0.0 || mHeight->value() > 0.0
        || mColumns->value() > 0 || mRows->value() > 0;
}

bool ProductSearchGroup::allPapers() const
{
    return mAllPapers->isChecked();
}

void ProductSearchGroup::applyTo(ProductQuery &query) const
{
    query.text = mText->text().trimmed();
    if (mWidth->value() > 0.0)
        query.cellWidth = mWidth->value();
    if (mHeight->value() > 0.0)
        query.cellHeight = mHeight->value();
    query.tolerance = mTolerance->value();
    if (mColumns->value() > 0)
        query.columns = mColumns->value();
    if (mRows->value() > 0)
        query.rows = mRows->value();
}

void ProductSearchGroup::clearFields()
{
    // The fields reach the outside only through this group's signals.
    const QSignalBlocker blocker(this);
    mText->clear();
    mWidth->setValue(0.0);
    mHeight->setValue(0.0);
    mColumns->setValue(0);
    mRows->setValue(0);
}

} // namespace quill
