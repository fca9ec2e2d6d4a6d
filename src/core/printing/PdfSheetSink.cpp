#include "PdfSheetSink.h"

#include "PdfTextMapping.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

namespace quill {

PdfSheetSink::PdfSheetSink(QString path) : mPath(std::move(path)) {}

PdfSheetSink::~PdfSheetSink()
{
    if (mPainter.isActive())
        mPainter.end();
    mWriter.reset();
    mFilter.reset();
    // A job that never ended leaves the target file as it was (the save file is discarded).
}

Status PdfSheetSink::beginJob(const SheetJob &job)
{
    if (job.pageWidth <= 0.0 || job.pageHeight <= 0.0)
        return Error(QStringLiteral("the sheet has no page size"), mPath);
    mFile = std::make_unique<QSaveFile>(mPath);
    if (!mFile->open(QIODevice::WriteOnly))
        return Error(mFile->errorString(), mPath);
    mFilter = std::make_unique<PdfTextMappingFilter>(mFile.get());
    mWriter = std::make_unique<QPdfWriter>(mFilter.get());
    mWriter->setResolution(Resolution);
    mWriter->setTitle(job.title);
    mWriter->setCreator(job.title);
    // The page is the sheet itself, in its own orientation, without margins: the sheet's
    // margins are part of the composition.
    const QPageSize size(QSizeF(job.pageWidth, job.pageHeight), QPageSize::Inch, QString(),
                         QPageSize::ExactMatch);
    mWriter->setPageLayout(QPageLayout(size, QPageLayout::Portrait, QMarginsF()));
    return {};
}

Result<QPainter *> PdfSheetSink::beginSheet()
{
    if (!mWriter)
        return Error(QStringLiteral("the PDF job was not started"), mPath);
    if (mPages > 0) {
        if (!mWriter->newPage())
            return Error(QStringLiteral("could not add a page"), mPath);
    } else if (!mPainter.begin(mWriter.get())) {
        return Error(QStringLiteral("could not write the PDF file"), mPath);
    }
    ++mPages;
    mPainter.save();
    return &mPainter;
}

Status PdfSheetSink::endSheet()
{
    mPainter.restore();
    return {};
}

Status PdfSheetSink::endJob()
{
    if (mPainter.isActive())
        mPainter.end();
    mWriter.reset();
    if (!mFile)
        return {};
    mFilter->close();
    const bool passed = !mFilter->failed();
    mFilter.reset();
    if (!passed) {
        const Error error(mFile->errorString(), mPath);
        mFile->cancelWriting();
        mFile.reset();
        return error;
    }
    if (mPages == 0) {
        mFile->cancelWriting();
        mFile.reset();
        return {};
    }
    if (!mFile->commit())
        return Error(mFile->errorString(), mPath);
    mFile.reset();
    return {};
}

void PdfSheetSink::cancelJob()
{
    if (mPainter.isActive())
        mPainter.end();
    mWriter.reset();
    mFilter.reset();
    if (mFile)
        mFile->cancelWriting();
    mFile.reset();
}

DeviceMetrics PdfSheetSink::metrics() const
{
    return {double(Resolution), double(Resolution), {}};
}

} // namespace quill
