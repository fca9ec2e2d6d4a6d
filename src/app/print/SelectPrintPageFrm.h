// The page range dialog of the preview's print command: printer, offsets and sheets to print.
#pragma once

#include "PrintServices.h"
#include "printing/PrintDialogSettings.h"

#include <QDialog>

class QSettings;

namespace quill {

class CaptionFile;
class OffsetGroup;
class PrinterGroup;
class SheetRangeGroup;

// Captions come from the caption file's section "SelectPrintPage" ("Null" for a missing key).
class TZR_SelectPrintPageFrm : public QDialog {
    Q_OBJECT
public:
    static QString captionSection() { return QStringLiteral("SelectPrintPage"); }

    // settings must outlive the dialog; captions are read here, services copied.
    TZR_SelectPrintPageFrm(const CaptionFile &captions, QSettings &settings,
        const PrintServices &services, QWidget *parent = nullptr);

    // The offsets as typed (used unchanged) and the chosen range.
    PageRangeSettings pageRange() const;
    QString printerName() const;
    // What the printer's "속성" dialog set for it; nothing when it was never set up.
    std::optional<PrinterSettings> printerSettings() const;

    // "OKBtn": writes the offsets to the settings and accepts. Cancelling writes nothing.
    void OKBtnClick();

private:
    QSettings &mSettings;
    PrinterGroup *mPrinter = nullptr;
    OffsetGroup *mOffsets = nullptr;
    SheetRangeGroup *mRange = nullptr;
};

} // namespace quill
