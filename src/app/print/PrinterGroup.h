// The printer group of both print dialogs: printer list, driver, port and status, setup.
#pragma once

#include "PrintServices.h"

#include <QGroupBox>

class QComboBox;
class QLabel;
class QPushButton;

namespace quill {

// Choosing a printer makes it the current printer of the program (the one the next dialog
// selects and the print run uses) and shows its driver, port and status. A failing status
// query shows its message and leaves the labels as they were.
class PrinterGroup : public QGroupBox {
    Q_OBJECT
public:
    // Without a current printer the print dialog takes the first one; the page range dialog
    // then selects none.
    enum class Fallback { FirstPrinter, None };

    PrinterGroup(const PrintServices &services, Fallback fallback, QWidget *parent = nullptr);

    // The chosen printer's name, trimmed; empty when none is chosen.
    QString printerName() const;
    // What "속성" last set for the chosen printer; nothing when it was never set up.
    std::optional<PrinterSettings> printerSettings() const;

    // The program's current printer: the last one chosen in a dialog, else the system default.
    static QString currentPrinterName();
    static void setCurrentPrinterName(const QString &name);
    // The settings made in a printer's setup dialog stay with that printer for the program's
    // life, as the system keeps them for its current printer; every print run to it uses them.
    static std::optional<PrinterSettings> settingsOf(const QString &printer);
    static void setSettingsOf(
        const QString &printer, const std::optional<PrinterSettings> &settings);

signals:
    // "여백수정": show or hide the offset group.
    void offsetButtonClicked();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void fill(Fallback fallback);
    void printerChanged(int index);
    void openSetup();

    PrintServices mServices;
    QComboBox *mPrinters = nullptr;
    QLabel *mState = nullptr;
    QLabel *mDriver = nullptr;
    QLabel *mPort = nullptr;
    QLabel *mDescription = nullptr;
    bool mToldNoPrinter = false;
};

} // namespace quill
