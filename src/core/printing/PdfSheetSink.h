// Composed sheets written to a PDF file: vector drawing, fonts embedded, one page per sheet.
#pragma once

#include "SheetSink.h"

#include <QPainter>

#include <memory>

class QPdfWriter;
class QSaveFile;

namespace quill {

class PdfTextMappingFilter;

// The file is replaced only when the job ends well (written through a temporary file).
class PdfSheetSink : public SheetSink {
public:
    static constexpr int Resolution = 600; // device pixels per inch

    explicit PdfSheetSink(QString path);
    ~PdfSheetSink() override;

    Status beginJob(const SheetJob &job) override;
    Result<QPainter *> beginSheet() override;
    Status endSheet() override;
    // Without any page the target file is left alone.
    Status endJob() override;
    void cancelJob() override;
    DeviceMetrics metrics() const override;

    int pagesWritten() const { return mPages; }

private:
    QString mPath;
    std::unique_ptr<QSaveFile> mFile;
    std::unique_ptr<PdfTextMappingFilter> mFilter; // between the writer and the file
    std::unique_ptr<QPdfWriter> mWriter;
    QPainter mPainter;
    int mPages = 0;
};

} // namespace quill
