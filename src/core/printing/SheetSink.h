// Where composed sheets go: a PDF file, the preview bitmap or a printer.
#pragma once

#include "Result.h"

#include <QPointF>
#include <QString>

class QPainter;

namespace quill {

// What a run asks of the device before its first sheet.
struct SheetJob {
    double pageWidth = 0.0;  // inches, as the sheet specification gives it
    double pageHeight = 0.0; // inches
    bool landscape = false;  // PageWidth > PageHeight
    int copies = 1;          // of every sheet, one after another (not collated)
    QString title;           // the job's name
};

// The resolution and printable area of the device.
struct DeviceMetrics {
    double dpiX = 96.0;
    double dpiY = 96.0;
    // Where the painter's origin lies on the paper, in device pixels: the printable area's
    // top-left corner on printers, (0, 0) on PDF and images.
    QPointF physicalOffset;
};

// A device that takes sheets. The composer starts the job only when a sheet has something to
// print, so a run that prints nothing sends nothing.
class SheetSink {
public:
    virtual ~SheetSink() = default;

    virtual Status beginJob(const SheetJob &job) = 0;
    // A new page; the painter draws in device pixels with the origin at physicalOffset.
    virtual Result<QPainter *> beginSheet() = 0;
    virtual Status endSheet() = 0;
    virtual Status endJob() = 0;
    // Drops the job after a failure: nothing more is sent, a file being written is discarded.
    virtual void cancelJob() {}
    // Valid after beginJob.
    virtual DeviceMetrics metrics() const = 0;
    // True when the device repeats every sheet copies times by itself; otherwise the composer
    // draws each sheet that many times.
    virtual bool printsCopies() const { return false; }
    // The preview places the sheet at its margins alone and draws the cell outlines.
    virtual bool isPreview() const { return false; }
};

} // namespace quill
