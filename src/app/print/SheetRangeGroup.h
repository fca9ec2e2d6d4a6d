// The range of sheets of the page range dialog: all sheets, one sheet, or first to last.
#pragma once

#include "printing/PrintDialogSettings.h"

#include <QGroupBox>

class QButtonGroup;
class QLabel;
class QSpinBox;

namespace quill {

class CaptionFile;

class SheetRangeGroup : public QGroupBox {
    Q_OBJECT
public:
    struct Captions {
        QString title;
        QString items[3]; // all sheets, one sheet, a range of sheets
        QString between; // between the first and last sheet
    };

    // The texts of section "SelectPrintPage" ("Null" for a missing key).
    static Captions fromCaptionFile(const CaptionFile &captions);

    explicit SheetRangeGroup(const Captions &captions, QWidget *parent = nullptr);

    // 0 all sheets, 1 one sheet, 2 a range (PageRangeSettings::Option).
    int option() const;
    void setOption(int option);
    // The option and its numbers; the offsets are left at 0.
    PageRangeSettings range() const;

private:
    void updateEnabled();

    QButtonGroup *mItems = nullptr;
    QSpinBox *mOnly = nullptr;
    QSpinBox *mFrom = nullptr;
    QSpinBox *mTo = nullptr;
    QLabel *mBetween = nullptr;
};

} // namespace quill
