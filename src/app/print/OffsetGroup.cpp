#include "OffsetGroup.h"

#include "printing/PrintDialogSettings.h"
#include "shell/QuillSettings.h"

#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>
#include <QSettings>

namespace quill {

namespace {

// Offsets are typed in at most four characters ("-1.5", "12.5").
class OffsetSpinBox : public QDoubleSpinBox {
public:
    explicit OffsetSpinBox(QWidget *parent) : QDoubleSpinBox(parent)
    {
        setLocale(QLocale::c()); // the stored text is always written with a decimal point
        setRange(-OffsetGroup::Limit, OffsetGroup::Limit);
        setDecimals(2);
        setSingleStep(0.1);
    }

    QValidator::State validate(QString &input, int &pos) const override
    {
        if (input.trimmed().size() > OffsetGroup::MaxTextLength)
            return QValidator::Invalid;
        return QDoubleSpinBox::validate(input, pos);
    }
};

QDoubleSpinBox *addRow(
    QGridLayout *grid, int row, const QString &caption, const QString &name, QWidget *parent)
{
    grid->addWidget(new QLabel(caption, parent), row, 0);
    auto *box = new OffsetSpinBox(parent);
    box->setObjectName(name);
    grid->addWidget(box, row, 1);
    grid->addWidget(new QLabel(QStringLiteral("mm"), parent), row, 2);
    return box;
}

} // namespace

OffsetGroup::OffsetGroup(
    const QString &title, const QString &leftCaption, const QString &topCaption, QWidget *parent)
    : QGroupBox(title, parent)
{
    setObjectName(QStringLiteral("OffsetGroup"));
    auto *grid = new QGridLayout(this);
    mLeft = addRow(grid, 0, leftCaption, QStringLiteral("LeftMargin"), this);
    mTop = addRow(grid, 1, topCaption, QStringLiteral("TopMargin"), this);
    hide();
}

void OffsetGroup::load(QSettings &settings)
{
    QuillSettings stored;
    stored.readPrintOffsets(settings);
    mLeft->setValue(printOffsetFromText(stored.leftMargin));
    mTop->setValue(printOffsetFromText(stored.topMargin));
}

void OffsetGroup::save(QSettings &settings) const
{
    QuillSettings offsets;
    offsets.leftMargin = printOffsetText(leftMargin());
    offsets.topMargin = printOffsetText(topMargin());
    offsets.writePrintOffsets(settings);
    settings.sync();
}

double OffsetGroup::leftMargin() const
{
    return mLeft->value();
}

double OffsetGroup::topMargin() const
{
    return mTop->value();
}

void OffsetGroup::toggle()
{
    // isHidden(): the group's own flag, also while the dialog itself is not on screen.
    setVisible(isHidden());
    if (!isHidden())
        raise();
}

} // namespace quill
