// The print dialog of the print command: printer, offsets, range of cells, copies, cut marks.
#pragma once

#include "PrintServices.h"
#include "printing/PrintDialogSettings.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QRadioButton;
class QSettings;
class QSpinBox;

namespace quill {

class OffsetGroup;
class PrinterGroup;

// Controls carry the names the print command and the tests look them up by (PrinterComboBox,
// Rdo_Part, Spe_From, ...). The offsets come from and go to the settings; every other choice
// starts from its first value at every use.
class TPrintFrm : public QDialog {
    Q_OBJECT
public:
    // settings must outlive the dialog; services are copied.
    TPrintFrm(QSettings &settings, const PrintServices &services, QWidget *parent = nullptr);

    // Chk_AllPrint is disabled when the design prints replicated anyway.
    void setDesignReplicated(bool replicated);
    // The fields of the data lists that may give each record's number of labels; the row
    // "수량 필드" stays hidden when there is none.
    void setQuantityFields(const QStringList &fields);
    // The chosen quantity field; empty: one label per record.
    QString quantityField() const;
    // The dialog's choices, for PrintDialogSettings::applyTo.
    PrintDialogSettings printSettings() const;
    QString printerName() const;
    // What the printer's "속성" dialog set for it; nothing when it was never set up.
    std::optional<PrinterSettings> printerSettings() const;

    // "인쇄": writes the offsets to the settings and accepts. Cancelling writes nothing.
    void Button1Click();

private:
    QGroupBox *createRangeGroup();
    QGroupBox *createCopiesGroup();
    QGroupBox *createSettingsGroup();
    void updateRangeControls();
    void updateCopyControls();

    QSettings &mSettings;
    PrinterGroup *mPrinter = nullptr;
    OffsetGroup *mOffsets = nullptr;
    QRadioButton *mAll = nullptr;
    QRadioButton *mStart = nullptr;
    QRadioButton *mPart = nullptr;
    QSpinBox *mStartCell = nullptr;
    QSpinBox *mPartFrom = nullptr;
    QSpinBox *mPartCount = nullptr;
    QLabel *mStartCellLabel = nullptr;
    QLabel *mPartFromLabel = nullptr;
    QLabel *mPartCountLabel = nullptr;
    QCheckBox *mAllPrint = nullptr;
    QRadioButton *mPaperSheets = nullptr;
    QRadioButton *mLabelSheets = nullptr;
    QSpinBox *mPaperCount = nullptr;
    QSpinBox *mLabelCount = nullptr;
    QLabel *mPaperCountLabel = nullptr;
    QLabel *mLabelCountLabel = nullptr;
    QCheckBox *mCutLine = nullptr;
    QLabel *mQuantityLabel = nullptr;
    QComboBox *mQuantityField = nullptr;
};

} // namespace quill
