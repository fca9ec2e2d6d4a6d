#include "PrinterSheetSink.h"

#include "PrinterList.h"
#include "PrinterStatus.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinterInfo>

namespace quill {

PrinterSettings PrinterSettings::of(const QPrinter &printer)
{
    PrinterSettings s;
    s.duplex = printer.duplex();
    s.colorMode = printer.colorMode();
    s.resolution = printer.resolution();
    s.paperSource = printer.paperSource();
    return s;
}

void PrinterSettings::applyTo(QPrinter &printer) const
{
    printer.setDuplex(duplex);
    printer.setColorMode(colorMode);
    if (resolution > 0)
        printer.setResolution(resolution);
    printer.setPaperSource(paperSource);
}

PrinterSheetSink::PrinterSheetSink(QString printerName, std::optional<PrinterSettings> settings)
    : mName(std::move(printerName)), mSettings(std::move(settings))
{
}

PrinterSheetSink::~PrinterSheetSink()
{
    if (mPainter.isActive())
        mPainter.end();
}

Status PrinterSheetSink::beginJob(const SheetJob &job)
{
    if (installedPrinterNames().isEmpty())
        return Error(noPrinterMessage());
    const QPrinterInfo info = QPrinterInfo::printerInfo(mName);
    if (info.isNull())
        return Error(QStringLiteral("Printer name is invalid."), mName);
    if (job.pageWidth <= 0.0 || job.pageHeight <= 0.0)
        return Error(QStringLiteral("the sheet has no page size"), mName);
    mPrinter = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    mPrinter->setOutputFormat(QPrinter::NativeFormat);
    mPrinter->setPrinterName(mName);
    // The properties dialog's choices first; the paper, orientation and copies below win.
    if (mSettings)
        mSettings->applyTo(*mPrinter);
    mPrinter->setDocName(job.title);
    mPrinter->setCreator(job.title);
    mPrinter->setFullPage(false);
    // The paper is named in portrait terms; the orientation turns it.
    const QSizeF portrait(qMin(job.pageWidth, job.pageHeight), qMax(job.pageWidth, job.pageHeight));
    mPrinter->setPageSize(QPageSize(portrait, QPageSize::Inch, QString(), QPageSize::FuzzyMatch));
    mPrinter->setPageOrientation(job.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    mPrinter->setCopyCount(qMax(1, job.copies));
    mPrinter->setCollateCopies(false);
    return {};
}

Result<QPainter *> PrinterSheetSink::beginSheet()
{
    if (!mPrinter)
        return Error(printerConnectionMessage(), mName);
    if (mPages == 0) {
        if (!mPainter.begin(mPrinter.get()))
            return Error(printerConnectionMessage(), mName);
    } else if (!mPrinter->newPage()) {
        return Error(printerConnectionMessage(), mName);
    }
    ++mPages;
    mPainter.save();
    return &mPainter;
}

Status PrinterSheetSink::endSheet()
{
    mPainter.restore();
    if (mPrinter && mPrinter->printerState() == QPrinter::Error)
        return Error(printerConnectionMessage(), mName);
    return {};
}

Status PrinterSheetSink::endJob()
{
    if (!mPainter.isActive())
        return {};
    const bool ended = mPainter.end();
    if (!ended || mPrinter->printerState() == QPrinter::Error)
        return Error(printerConnectionMessage(), mName);
    return {};
}

void PrinterSheetSink::cancelJob()
{
    if (mPrinter && mPainter.isActive())
        mPrinter->abort();
    if (mPainter.isActive())
        mPainter.end();
}

DeviceMetrics PrinterSheetSink::metrics() const
{
    if (!mPrinter)
        return {};
    DeviceMetrics m;
    m.dpiX = mPrinter->logicalDpiX();
    m.dpiY = mPrinter->logicalDpiY();
    // The painter's origin is the printable area's corner; sheet positions count from the
    // paper's corner.
    const int resolution = mPrinter->resolution();
    const QPageLayout layout = mPrinter->pageLayout();
    m.physicalOffset = layout.paintRectPixels(resolution).topLeft()
        - layout.fullRectPixels(resolution).topLeft();
    return m;
}

} // namespace quill
