// Asks which sheets of the preview go into a PDF file.
#pragma once

#include "printing/PrintDialogSettings.h"

#include <QDialog>

namespace quill {

class CaptionFile;
class SheetRangeGroup;

class PdfExportDialog : public QDialog {
    Q_OBJECT
public:
    explicit PdfExportDialog(const CaptionFile &captions, QWidget *parent = nullptr);

    // The range chosen; offsets are not part of it.
    PageRangeSettings pageRange() const;

private:
    SheetRangeGroup *mRange = nullptr;
};

} // namespace quill
