#include "SelectPrintPageFrm.h"

#include "OffsetGroup.h"
#include "PrinterGroup.h"
#include "SheetRangeGroup.h"
#include "shell/CaptionFile.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace quill {

TZR_SelectPrintPageFrm::TZR_SelectPrintPageFrm(const CaptionFile &captions, QSettings &settings,
    const PrintServices &services, QWidget *parent)
    : QDialog(parent), mSettings(settings)
{
    const auto text = [&captions](const QString &key) {
        return captions.read(captionSection(), key, CaptionFile::Missing::Null);
    };
    setObjectName(QStringLiteral("ZR_SelectPrintPageFrm"));
    setWindowTitle(text(QStringLiteral("Form")));
    auto *layout = new QVBoxLayout(this);
    mPrinter = new PrinterGroup(services, PrinterGroup::Fallback::None, this);
    mOffsets = new OffsetGroup(text(QStringLiteral("PrintRange")),
        text(QStringLiteral("LeftMargin")), text(QStringLiteral("TopMargin")), this);
    mOffsets->load(settings);
    mRange = new SheetRangeGroup(SheetRangeGroup::fromCaptionFile(captions), this);
    layout->addWidget(mPrinter);
    layout->addWidget(mOffsets);
    layout->addWidget(mRange);

    auto *buttons = new QHBoxLayout;
    auto *ok = new QPushButton(text(QStringLiteral("OKBtn")), this);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    auto *cancel = new QPushButton(text(QStringLiteral("CancelBtn")), this);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    for (QPushButton *button : {ok, cancel})
        button->setCursor(Qt::PointingHandCursor);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    // A fixed dialog; it still grows and shrinks with the offset group.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(mPrinter, &PrinterGroup::offsetButtonClicked, mOffsets, &OffsetGroup::toggle);
    connect(ok, &QPushButton::clicked, this, &TZR_SelectPrintPageFrm::OKBtnClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

PageRangeSettings TZR_SelectPrintPageFrm::pageRange() const
{
    PageRangeSettings range = mRange->range();
    range.leftMargin = mOffsets->leftMargin();
    range.topMargin = mOffsets->topMargin();
    return range;
}

QString TZR_SelectPrintPageFrm::printerName() const
{
    return mPrinter->printerName();
}

std::optional<PrinterSettings> TZR_SelectPrintPageFrm::printerSettings() const
{
    return mPrinter->printerSettings();
}

void TZR_SelectPrintPageFrm::OKBtnClick()
{
    mOffsets->save(mSettings);
    accept();
}

} // namespace quill
