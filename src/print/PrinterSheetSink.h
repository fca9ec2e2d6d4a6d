// Composed sheets sent to a print queue through Qt Print Support.
#pragma once

#include "printing/SheetSink.h"

#include <QPainter>
#include <QPrinter>

#include <memory>
#include <optional>

namespace quill {

// What the printer's properties dialog chose for a queue. Paper size, orientation and copies
// are not part of it: a run always takes those from the sheet specification and the print
// settings, whatever the dialog showed.
struct PrinterSettings {
    QPrinter::DuplexMode duplex = QPrinter::DuplexNone;
    QPrinter::ColorMode colorMode = QPrinter::Color;
    int resolution = 0; // dots per inch; 0 keeps the queue's own
    QPrinter::PaperSource paperSource = QPrinter::Auto;

    // The choices a printer carries after its properties dialog was accepted.
    static PrinterSettings of(const QPrinter &printer);
    void applyTo(QPrinter &printer) const;

    bool operator==(const PrinterSettings &) const = default;
};

// One run is one job on the queue, each sheet a page; the printer repeats every sheet copies
// times one after another (not collated), as if every sheet were a job of its own. The page is
// the sheet's size from the sheet specification, not the queue's default paper.
class PrinterSheetSink : public SheetSink {
public:
    // Without settings the queue's defaults apply.
    explicit PrinterSheetSink(QString printerName, std::optional<PrinterSettings> settings = {});
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
    std::optional<PrinterSettings> mSettings;
    std::unique_ptr<QPrinter> mPrinter;
    QPainter mPainter;
    int mPages = 0;
};

} // namespace quill
