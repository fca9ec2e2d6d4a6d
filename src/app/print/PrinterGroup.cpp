#include "PrinterGroup.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace quill {

namespace {

// Set by a choice in either dialog; empty until then (the system default counts).
QString &chosenPrinter()
{
    static QString name;
    return name;
}

// Printer name -> what its setup dialog set.
QHash<QString, PrinterSettings> &setupSettings()
{
    static QHash<QString, PrinterSettings> settings;
    return settings;
}

QLabel *addRow(
    QGridLayout *grid, int row, const QString &caption, const QString &name, QWidget *parent)
{
    grid->addWidget(new QLabel(caption, parent), row, 0);
    auto *value = new QLabel(parent);
    value->setObjectName(name);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(value, row, 1, 1, 2);
    return value;
}

} // namespace

PrinterGroup::PrinterGroup(const PrintServices &services, Fallback fallback, QWidget *parent)
    : QGroupBox(QStringLiteral("프린터"), parent), mServices(services)
{
    setObjectName(QStringLiteral("PrinterGroup"));
    auto *grid = new QGridLayout(this);
    mPrinters = new QComboBox(this);
    mPrinters->setObjectName(QStringLiteral("PrinterComboBox"));
    mPrinters->setMinimumWidth(240);
    grid->addWidget(mPrinters, 0, 0, 1, 2);
    auto *setup = new QPushButton(QStringLiteral("속성"), this);
    setup->setObjectName(QStringLiteral("Button4"));
    grid->addWidget(setup, 0, 2);
    mState = addRow(grid, 1, QStringLiteral("상태"), QStringLiteral("lbl_state"), this);
    mDriver = addRow(grid, 2, QStringLiteral("종류"), QStringLiteral("lbl_PrinterName"), this);
    mPort = addRow(grid, 3, QStringLiteral("위치"), QStringLiteral("lbl_port"), this);
    mDescription = addRow(grid, 4, QStringLiteral("설명"), QStringLiteral("lbl_desc"), this);
    auto *offsets = new QPushButton(QStringLiteral("여백수정"), this);
    offsets->setObjectName(QStringLiteral("Button5"));
    grid->addWidget(offsets, 4, 2);
    grid->setColumnStretch(1, 1);

    fill(fallback);
    connect(mPrinters, &QComboBox::activated, this, &PrinterGroup::printerChanged);
    connect(setup, &QPushButton::clicked, this, &PrinterGroup::openSetup);
    connect(offsets, &QPushButton::clicked, this, &PrinterGroup::offsetButtonClicked);
}

QString PrinterGroup::printerName() const
{
    return mPrinters->currentIndex() < 0 ? QString() : mPrinters->currentText().trimmed();
}

QString PrinterGroup::currentPrinterName()
{
    return chosenPrinter();
}

void PrinterGroup::setCurrentPrinterName(const QString &name)
{
    chosenPrinter() = name;
}

std::optional<PrinterSettings> PrinterGroup::printerSettings() const
{
    return settingsOf(printerName());
}

std::optional<PrinterSettings> PrinterGroup::settingsOf(const QString &printer)
{
    const auto found = setupSettings().constFind(printer);
    if (printer.isEmpty() || found == setupSettings().constEnd())
        return std::nullopt;
    return *found;
}

void PrinterGroup::setSettingsOf(
    const QString &printer, const std::optional<PrinterSettings> &settings)
{
    if (settings)
        setupSettings().insert(printer, *settings);
    else
        setupSettings().remove(printer);
}

void PrinterGroup::fill(Fallback fallback)
{
    const QStringList names = mServices.printerNames ? mServices.printerNames() : QStringList();
    mPrinters->addItems(names);
    QString current = chosenPrinter();
    if (!names.contains(current) && mServices.defaultPrinter)
        current = mServices.defaultPrinter();
    if (!names.contains(current)) {
        if (fallback == Fallback::None || names.isEmpty()) {
            mPrinters->setCurrentIndex(-1);
            return;
        }
        current = names.first();
    }
    const int index = int(names.indexOf(current));
    mPrinters->setCurrentIndex(index);
    printerChanged(index);
}

void PrinterGroup::printerChanged(int index)
{
    if (index < 0)
        return;
    const QString name = mPrinters->itemText(index).trimmed();
    setCurrentPrinterName(name);
    if (!mServices.queryStatus)
        return;
    const Result<PrinterStatusRecord> record = mServices.queryStatus(name);
    if (!record) {
        if (mServices.showMessage)
            mServices.showMessage(window(), record.error().message);
        return;
    }
    mDriver->setText(record.value().driverName);
    mPort->setText(record.value().portName);
    mState->setText(record.value().statusText);
}

void PrinterGroup::openSetup()
{
    if (!mServices.printerSetup)
        return;
    const QString current = printerName();
    const std::optional<PrinterChoice> chosen
        = mServices.printerSetup(window(), current, settingsOf(current));
    if (!chosen || chosen->name.isEmpty())
        return;
    const int index = mPrinters->findText(chosen->name);
    if (index < 0)
        return;
    setSettingsOf(chosen->name, chosen->settings);
    // The setup dialog may have switched printers; either way the status may have changed.
    mPrinters->setCurrentIndex(index);
    printerChanged(index);
}

void PrinterGroup::showEvent(QShowEvent *event)
{
    QGroupBox::showEvent(event);
    if (mToldNoPrinter || mPrinters->count() > 0)
        return;
    mToldNoPrinter = true;
    // Told once the dialog is on screen, not from inside its show event.
    QTimer::singleShot(0, this, [this] {
        if (mServices.showMessage)
            mServices.showMessage(window(), noPrinterMessage());
    });
}

} // namespace quill
