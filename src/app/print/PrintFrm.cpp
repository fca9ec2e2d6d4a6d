#include "PrintFrm.h"

#include "OffsetGroup.h"
#include "PrinterGroup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QVBoxLayout>

namespace quill {

namespace {

template<typename T> T *named(T *widget, const QString &name)
{
    widget->setObjectName(name);
    return widget;
}

QSpinBox *countBox(const QString &name, int maximum, QWidget *parent)
{
    auto *box = named(new QSpinBox(parent), name);
    box->setRange(1, maximum);
    return box;
}

} // namespace

TPrintFrm::TPrintFrm(QSettings &settings, const PrintServices &services, QWidget *parent)
    : QDialog(parent), mSettings(settings)
{
    setObjectName(QStringLiteral("PrintFrm"));
    setWindowTitle(QStringLiteral("인쇄"));
    auto *layout = new QVBoxLayout(this);
    mPrinter = new PrinterGroup(services, PrinterGroup::Fallback::FirstPrinter, this);
    mOffsets = new OffsetGroup(QStringLiteral("Printer Offset"), QStringLiteral("왼쪽 여백 :"),
        QStringLiteral("위쪽 여백 : "), this);
    mOffsets->load(settings);
    layout->addWidget(mPrinter);
    layout->addWidget(mOffsets);
    layout->addWidget(createRangeGroup());
    layout->addWidget(createCopiesGroup());
    layout->addWidget(createSettingsGroup());
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(mPrinter, &PrinterGroup::offsetButtonClicked, mOffsets, &OffsetGroup::toggle);

    updateRangeControls();
    // Both copy counts start enabled; the checked radio button then decides.
    updateCopyControls();
}

QGroupBox *TPrintFrm::createRangeGroup()
{
    auto *group
        = named(new QGroupBox(QStringLiteral("인쇄범위"), this), QStringLiteral("RangeGroup"));
    auto *grid = new QGridLayout(group);
    mAll = named(new QRadioButton(QStringLiteral("전체"), group), QStringLiteral("Rdo_All"));
    mStart
        = named(new QRadioButton(QStringLiteral("시작위치"), group), QStringLiteral("Rdo_Start"));
    mPart = named(new QRadioButton(QStringLiteral("일부분"), group), QStringLiteral("Rdo_Part"));
    const int maxCell = PrintDialogSettings::MaxCellNumber;
    mStartCell = countBox(QStringLiteral("Spe_sFrom"), maxCell, group);
    mPartFrom = countBox(QStringLiteral("Spe_From"), maxCell, group);
    mPartCount = countBox(QStringLiteral("Spe_Sheet"), maxCell, group);
    mStartCellLabel = named(new QLabel(QStringLiteral("부터"), group), QStringLiteral("Lbl_sFrom"));
    mPartFromLabel = named(new QLabel(QStringLiteral("부터"), group), QStringLiteral("Lbl_From"));
    mPartCountLabel = named(new QLabel(QStringLiteral("개"), group), QStringLiteral("Lbl_Sheet"));
    mAllPrint = named(
        new QCheckBox(QStringLiteral("현재 작업중인 라벨을 설정한 영역에 모두 인쇄"), group),
        QStringLiteral("Chk_AllPrint"));
    grid->addWidget(mAll, 0, 0);
    grid->addWidget(mStart, 1, 0);
    grid->addWidget(mStartCell, 1, 1);
    grid->addWidget(mStartCellLabel, 1, 2);
    grid->addWidget(mPart, 2, 0);
    grid->addWidget(mPartFrom, 2, 1);
    grid->addWidget(mPartFromLabel, 2, 2);
    grid->addWidget(mPartCount, 2, 3);
    grid->addWidget(mPartCountLabel, 2, 4);
    grid->addWidget(mAllPrint, 3, 0, 1, 5);
    mAll->setChecked(true);
    for (QRadioButton *button : {mAll, mStart, mPart})
        connect(button, &QRadioButton::toggled, this, &TPrintFrm::updateRangeControls);
    return group;
}

QGroupBox *TPrintFrm::createCopiesGroup()
{
    auto *group
        = named(new QGroupBox(QStringLiteral("인쇄매수"), this), QStringLiteral("CopiesGroup"));
    auto *grid = new QGridLayout(group);
    mPaperSheets = named(
        new QRadioButton(QStringLiteral("용지"), group), QStringLiteral("Rdo_PrintPaperSheet"));
    mLabelSheets = named(
        new QRadioButton(QStringLiteral("라벨"), group), QStringLiteral("Rdo_PrintLabelSheet"));
    mPaperCount = countBox(QStringLiteral("Spe_PaperSheet"), PrintDialogSettings::MaxCopies, group);
    mLabelCount = countBox(QStringLiteral("Spe_LabelSheet"), PrintDialogSettings::MaxCopies, group);
    mPaperCountLabel
        = named(new QLabel(QStringLiteral("매"), group), QStringLiteral("Lbl_PaperSheet"));
    mLabelCountLabel
        = named(new QLabel(QStringLiteral("매"), group), QStringLiteral("Lbl_LabelSheet"));
    grid->addWidget(mPaperSheets, 0, 0);
    grid->addWidget(mPaperCount, 0, 1);
    grid->addWidget(mPaperCountLabel, 0, 2);
    grid->addWidget(mLabelSheets, 1, 0);
    grid->addWidget(mLabelCount, 1, 1);
    grid->addWidget(mLabelCountLabel, 1, 2);
    mQuantityLabel
        = named(new QLabel(QStringLiteral("수량 필드 :"), group), QStringLiteral("Lbl_QuantityField"));
    mQuantityField = named(new QComboBox(group), QStringLiteral("Cbo_QuantityField"));
    mQuantityField->setToolTip(
        QStringLiteral("자료마다 이 필드의 값만큼 라벨을 인쇄합니다."));
    grid->addWidget(mQuantityLabel, 2, 0);
    grid->addWidget(mQuantityField, 2, 1, 1, 3);
    setQuantityFields({});
    grid->setColumnStretch(3, 1);
    mPaperSheets->setChecked(true);
    // The label count is an alternative the user cannot reach.
    for (QWidget *hidden :
        std::initializer_list<QWidget *> {mLabelSheets, mLabelCount, mLabelCountLabel})
        hidden->hide();
    for (QRadioButton *button : {mPaperSheets, mLabelSheets})
        connect(button, &QRadioButton::toggled, this, &TPrintFrm::updateCopyControls);
    return group;
}

QGroupBox *TPrintFrm::createSettingsGroup()
{
    auto *group
        = named(new QGroupBox(QStringLiteral("설정"), this), QStringLiteral("SettingsGroup"));
    auto *row = new QHBoxLayout(group);
    mCutLine
        = named(new QCheckBox(QStringLiteral("칼선 인쇄"), group), QStringLiteral("Chk_Cutline"));
    auto *print = named(new QPushButton(QStringLiteral("인쇄"), group), QStringLiteral("Button1"));
    auto *cancel = named(new QPushButton(QStringLiteral("취소"), group), QStringLiteral("Button3"));
    print->setDefault(true);
    row->addWidget(mCutLine);
    row->addStretch(1);
    row->addWidget(print);
    row->addWidget(cancel);
    connect(print, &QPushButton::clicked, this, &TPrintFrm::Button1Click);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    return group;
}

void TPrintFrm::updateRangeControls()
{
    const bool start = mStart->isChecked();
    const bool part = mPart->isChecked();
    mStartCell->setEnabled(start);
    mStartCellLabel->setEnabled(start);
    for (QWidget *w :
        std::initializer_list<QWidget *> {mPartFrom, mPartFromLabel, mPartCount, mPartCountLabel})
        w->setEnabled(part);
}

void TPrintFrm::updateCopyControls()
{
    const bool labels = mLabelSheets->isChecked();
    mLabelCount->setEnabled(labels);
    mLabelCountLabel->setEnabled(labels);
    mPaperCount->setEnabled(!labels);
    mPaperCountLabel->setEnabled(!labels);
}

void TPrintFrm::setQuantityFields(const QStringList &fields)
{
    mQuantityField->clear();
    mQuantityField->addItem(QStringLiteral("(사용 안 함)"));
    mQuantityField->addItems(fields);
    mQuantityLabel->setVisible(!fields.isEmpty());
    mQuantityField->setVisible(!fields.isEmpty());
}

QString TPrintFrm::quantityField() const
{
    return mQuantityField->currentIndex() > 0 ? mQuantityField->currentText() : QString();
}

void TPrintFrm::setDesignReplicated(bool replicated)
{
    mAllPrint->setEnabled(!replicated);
}

PrintDialogSettings TPrintFrm::printSettings() const
{
    PrintDialogSettings s;
    s.leftMargin = mOffsets->leftMargin();
    s.topMargin = mOffsets->topMargin();
    s.range = mPart->isChecked() ? PrintDialogSettings::Range::Part
        : mStart->isChecked()    ? PrintDialogSettings::Range::Start
                                 : PrintDialogSettings::Range::All;
    s.startCell = mStartCell->value();
    s.partFrom = mPartFrom->value();
    s.partCount = mPartCount->value();
    s.labelSheetCopies = mLabelSheets->isChecked();
    s.paperSheets = mPaperCount->value();
    s.labelSheets = mLabelCount->value();
    s.cutLine = mCutLine->isChecked();
    s.allPrint = mAllPrint->isChecked();
    return s;
}

QString TPrintFrm::printerName() const
{
    return mPrinter->printerName();
}

std::optional<PrinterSettings> TPrintFrm::printerSettings() const
{
    return mPrinter->printerSettings();
}

void TPrintFrm::Button1Click()
{
    mOffsets->save(mSettings);
    accept();
}

} // namespace quill
