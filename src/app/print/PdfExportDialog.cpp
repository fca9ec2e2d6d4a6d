#include "PdfExportDialog.h"

#include "SheetRangeGroup.h"
#include "shell/CaptionFile.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

namespace quill {

PdfExportDialog::PdfExportDialog(const CaptionFile &captions, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("PdfExportDialog"));
    setWindowTitle(QStringLiteral("PDF로 저장"));
    auto *layout = new QVBoxLayout(this);
    mRange = new SheetRangeGroup(SheetRangeGroup::fromCaptionFile(captions), this);
    layout->addWidget(mRange);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("Buttons"));
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

PageRangeSettings PdfExportDialog::pageRange() const
{
    return mRange->range();
}

} // namespace quill
