// The state of one print run of the composer, shared by its source files.
#pragma once

#include "CellPrinter.h"
#include "PrintComposer.h"

#include <QList>
#include <QRectF>

class QPainter;

namespace quill {

class LabelDocument;
class TZR_LabelSize;
class TZR_SerialNumber;

struct PrintComposer::Run {
    explicit Run(SheetSink &target) : sink(target) {}

    SheetSink &sink;
    SheetJob job;
    DeviceMetrics metrics;
    bool preview = false;
    QPainter *painter = nullptr; // the sheet in progress, once something was drawn on it
    QList<QRectF> pendingMarks;  // cut marks of cells before the sheet was started
    PrintSummary summary;
    bool stop = false;           // part print reached its count
    qint64 counter = 1;          // printed-label counter of part print
    qint64 record = 0;           // the run's record number of the next label (data lists)
    qint64 records = 0;          // the larger record count of the data lists
    bool dataExhausted = false;  // the sheet starts after the last record
    bool countThisCopy = true;   // false while drawing a further copy of a sheet
};

struct PrintComposer::Printers {
    FieldLabelPrinter fieldLabels;
};

// Sets the sheet's paper colour to white for a run and puts it back afterwards, also when
// the run fails.
class SheetColorGuard {
public:
    explicit SheetColorGuard(TZR_LabelSize &sheet);
    ~SheetColorGuard();
    SheetColorGuard(const SheetColorGuard &) = delete;
    SheetColorGuard &operator=(const SheetColorGuard &) = delete;

private:
    TZR_LabelSize &mSheet;
    quint32 mColor;
};

} // namespace quill

namespace quill {

// The serial numbers of a page of the document with their current numbers.
std::vector<std::pair<TZR_SerialNumber *, qint32>> pageSerialNumbers(const LabelDocument &document,
                                                                      int page);

} // namespace quill
