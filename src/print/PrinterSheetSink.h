// Composed sheets sent to a print queue through Qt Print Support.
#pragma once

#include "printing/SheetSink.h"

#include <QPainter>
#include <QPrinter>

#include <memory>

namespace quill {

// One run is one job on the queue, each sheet a page; the printer repeats every sheet copies
// times one after another (not collated), as if every sheet were a job of its own. The page is
// the sheet's size from the sheet specification, not the queue's default paper.
class PrinterSheetSink : public SheetSink {
public:
    explicit PrinterSheetSink(QString printerName);
    ~PrinterSheetSink() override;

    // Fails with the no-printer message when no queue is installed, with "Printer name is
    // invalid." when there is no such queue.
    Status beginJob(const SheetJob &job) override;
    // Fails with the printer connection message when the queue does not take the page.
    Result<QPainter *> beginSheet() override;
    Status endSheet() override;
    Status endJob() override;
    void cancelJob() override;
    DeviceMetrics metrics() const override;
    bool printsCopies() const override { return true; }

    QPrinter *printer() const { return mPrinter.get(); }

private:
    QString mName;
    std::unique_ptr<QPrinter> mPrinter;
    QPainter mPainter;
    int mPages = 0;
};

} // namespace quill
