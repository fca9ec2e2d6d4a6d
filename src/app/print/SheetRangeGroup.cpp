#include "SheetRangeGroup.h"

#include "shell/CaptionFile.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>

namespace quill {

namespace {

QSpinBox *sheetBox(const QString &name, QWidget *parent)
{
    auto *box = new QSpinBox(parent);
    box->setObjectName(name);
    // Sheet numbers are held in 16-bit settings (PrintStartPage, PrintEndPage).
    box->setRange(1, PrintDialogSettings::MaxCellNumber);
    return box;
}

} // namespace

SheetRangeGroup::Captions SheetRangeGroup::fromCaptionFile(const CaptionFile &file)
{
    const auto text = [&file](const QString &key) {
        return file.read(QStringLiteral("SelectPrintPage"), key, CaptionFile::Missing::Null);
    };
    Captions c;
    c.title = text(QStringLiteral("PrintOption1"));
    for (int i = 0; i < 3; ++i)
        c.items[i] = text(QStringLiteral("Items%1").arg(i));
    c.between = text(QStringLiteral("StaticText2"));
    return c;
}

SheetRangeGroup::SheetRangeGroup(const Captions &captions, QWidget *parent)
    : QGroupBox(captions.title, parent)
{
    setObjectName(QStringLiteral("PrintOption1"));
    auto *grid = new QGridLayout(this);
    mItems = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        auto *item = new QRadioButton(captions.items[i], this);
        item->setObjectName(QStringLiteral("Items%1").arg(i));
        mItems->addButton(item, i);
        grid->addWidget(item, i, 0);
    }
    mOnly = sheetBox(QStringLiteral("OnlyStartPage"), this);
    mFrom = sheetBox(QStringLiteral("FromStartPage"), this);
    mTo = sheetBox(QStringLiteral("ToEndPage"), this);
    mBetween = new QLabel(captions.between, this);
    mBetween->setObjectName(QStringLiteral("StaticText2"));
    grid->addWidget(mOnly, 1, 1);
    grid->addWidget(mFrom, 2, 1);
    grid->addWidget(mBetween, 2, 2);
    grid->addWidget(mTo, 2, 3);
    grid->setColumnStretch(4, 1);
    mItems->button(0)->setChecked(true);
    connect(mItems, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on)
            updateEnabled();
    });
    updateEnabled();
}

int SheetRangeGroup::option() const
{
    return qMax(0, mItems->checkedId());
}

void SheetRangeGroup::setOption(int option)
{
    if (QAbstractButton *item = mItems->button(option))
        item->setChecked(true);
}

PageRangeSettings SheetRangeGroup::range() const
{
    PageRangeSettings range;
    range.option = option();
    range.onlyPage = mOnly->value();
    range.fromPage = mFrom->value();
    range.toPage = mTo->value();
    return range;
}

void SheetRangeGroup::updateEnabled()
{
    const int item = option();
    mOnly->setEnabled(item == PageRangeSettings::OnePage);
    mFrom->setEnabled(item == PageRangeSettings::PageRange);
    mTo->setEnabled(item == PageRangeSettings::PageRange);
    mBetween->setEnabled(item == PageRangeSettings::PageRange);
}

} // namespace quill
