#include "PrintComposer.h"

#include "PrintComposerRun.h"
#include "PrintDataList.h"
#include "SheetArithmetic.h"
#include "document/LabelDocument.h"
#include "document/Rounding.h"
#include "objects/ZR_2DBarcode.h"
#include "objects/ZR_Barcode.h"
#include "objects/ZR_SerialNumber.h"

#include <QPainter>

namespace quill {

namespace {

constexpr quint16 MaxWord = 0xFFFF;

quint16 toWord(qint64 v)
{
    return quint16(qBound(qint64(0), v, qint64(MaxWord)));
}

QString boundFieldName(const LabelObject &object)
{
    switch (object.typeCode()) {
    case ObjectTypeCode::GuideLabel: return static_cast<const TZR_GuideLabel &>(object).fieldName();
    case ObjectTypeCode::Barcode: return static_cast<const TZR_Barcode &>(object).fieldName();
    case ObjectTypeCode::Barcode2D: return static_cast<const TZR_2DBarcode &>(object).fieldName();
    default: return {};
    }
}

// Renders one sheet into an image at a screen scale; the preview's device.
class ImageSheetSink : public SheetSink {
public:
    explicit ImageSheetSink(int scalePercent) : mDpi(96.0 * qMax(1, scalePercent) / 100.0) {}

    Status beginJob(const SheetJob &job) override
    {
        const int w = roundHalfEven(job.pageWidth * mDpi);
        const int h = roundHalfEven(job.pageHeight * mDpi);
        if (w <= 0 || h <= 0 || qint64(w) * h > 400'000'000)
            return Error(QStringLiteral("the sheet has no usable page size"));
        mImage = QImage(w, h, QImage::Format_ARGB32);
        if (mImage.isNull())
            return Error(QStringLiteral("not enough memory for the preview"));
        mImage.fill(Qt::white);
        return {};
    }
    Result<QPainter *> beginSheet() override
    {
        mPainter.begin(&mImage);
        mPainter.setRenderHint(QPainter::Antialiasing);
        mPainter.setRenderHint(QPainter::TextAntialiasing);
        return &mPainter;
    }
    Status endSheet() override
    {
        mPainter.end();
        return {};
    }
    Status endJob() override { return {}; }
    DeviceMetrics metrics() const override { return {mDpi, mDpi, {}}; }
    bool printsCopies() const override { return true; }
    bool isPreview() const override { return true; }
    const QImage &image() const { return mImage; }

private:
    double mDpi;
    QImage mImage;
    QPainter mPainter;
};

} // namespace

SheetColorGuard::SheetColorGuard(TZR_LabelSize &sheet) : mSheet(sheet), mColor(sheet.color())
{
    mSheet.setColor(clWhite);
}

SheetColorGuard::~SheetColorGuard()
{
    mSheet.setColor(mColor);
}

PrintComposer::PrintComposer(LabelDocument &document)
    : mDocument(document), mPrinters(std::make_unique<Printers>())
{
}

PrintComposer::~PrintComposer() = default;

bool PrintComposer::needsReplication(const LabelCell &design)
{
    for (const std::unique_ptr<LabelObject> &object : design.objects()) {
        if (object->typeCode() == ObjectTypeCode::SerialNumber
            || !boundFieldName(*object).isEmpty())
            return true;
    }
    return false;
}

bool PrintComposer::anyListActive() const
{
    return (mLabelData && mLabelData->isActive()) || (mBarcodeData && mBarcodeData->isActive());
}

qint64 PrintComposer::recordCount() const
{
    qint64 n = 0;
    for (const PrintDataList *list : {mLabelData, mBarcodeData}) {
        if (list && list->isActive())
            n = qMax(n, qint64(list->recordCount()));
    }
    return n;
}

Status PrintComposer::checkSerialNumbers() const
{
    const LabelCell *design = mDocument.currentCellPanel();
    if (!design)
        return {};
    for (const std::unique_ptr<LabelObject> &object : design->objects()) {
        if (object->typeCode() != ObjectTypeCode::SerialNumber)
            continue;
        const auto &serial = static_cast<const TZR_SerialNumber &>(*object);
        if (!serial.canReachEnd())
            return Error(QStringLiteral("일련번호 %1 ~ %2의 증가값 %3으로는 끝 번호에 도달할 수 "
                                        "없습니다. 일련번호 설정을 확인 하십시오.")
                             .arg(serial.startNum())
                             .arg(serial.endNum())
                             .arg(serial.incNum()),
                         serial.displayText());
    }
    return {};
}

Status PrintComposer::computeSheetCount()
{
    TZR_WorkLabel &label = mDocument.workLabel();
    const qint64 cells = label.labelSize().cellCount();
    const qint64 start = label.fromLabel();
    qint64 n = -1;
    if (anyListActive()) {
        n = recordCount();
    } else if (const LabelCell *design = mDocument.currentCellPanel()) {
        for (const std::unique_ptr<LabelObject> &object : design->objects()) {
            if (object->typeCode() != ObjectTypeCode::SerialNumber)
                continue;
            if (Status ok = checkSerialNumbers(); !ok)
                return ok;
            const auto &serial = static_cast<const TZR_SerialNumber &>(*object);
            n = sheetmath::serialLabelCount(serial.startNum(), serial.endNum(), serial.incNum());
            break;
        }
    }
    if (n < 0) {
        label.setPrintStartPage(1);
        label.setPrintEndPage(1);
        return {};
    }
    if (label.partPrint()) {
        label.setPrintEndPage(toWord(sheetmath::sheetCount(cells, start, label.labelCount())));
        return {};
    }
    label.setLabelCount(toWord(n));
    label.setPrintStartPage(1);
    label.setPrintEndPage(toWord(sheetmath::sheetCount(cells, start, n)));
    return {};
}

int PrintComposer::sheetCount() const
{
    return mDocument.workLabel().printEndPage();
}

Result<PrintSummary> PrintComposer::print(SheetSink &sink)
{
    if (!mReplicated)
        return runPerCell(sink, 1, mDocument.pageCount());
    if (Status counted = computeSheetCount(); !counted)
        return counted.error();
    return runReplicated(sink, 1, mDocument.workLabel().printEndPage());
}

Result<PrintSummary> PrintComposer::runReplicated(SheetSink &sink, int firstSheet, int lastSheet)
{
    mReplicated = true;
    if (Status ok = checkSerialNumbers(); !ok)
        return ok.error();
    takeDesign();
    return runSheets(sink, firstSheet, lastSheet);
}

Result<PrintSummary> PrintComposer::runPerCell(SheetSink &sink, int firstSheet, int lastSheet)
{
    mReplicated = false;
    return runSheets(sink, qMax(1, firstSheet), qMin(lastSheet, mDocument.pageCount()));
}

void PrintComposer::takeDesign()
{
    mDesign.clear();
    mSerialStarts.clear();
    const LabelCell *design = mDocument.currentCellPanel();
    if (!design)
        return;
    for (const std::unique_ptr<LabelObject> &object : design->objects()) {
        if (object->typeCode() == ObjectTypeCode::SerialNumber)
            mSerialStarts.emplace_back(int(mDesign.size()),
                                       static_cast<const TZR_SerialNumber &>(*object).startNum());
        mDesign.push_back(object->clone());
    }
}

Status PrintComposer::beginRun(Run &run) const
{
    const TZR_WorkLabel &label = mDocument.workLabel();
    const TZR_LabelSize &sheet = label.labelSize();
    run.preview = run.sink.isPreview();
    run.job.pageWidth = sheet.pageWidth();
    run.job.pageHeight = sheet.pageHeight();
    if (sheet.measureUnit() == muMillimeters) {
        run.job.pageWidth /= TZR_LabelSize::MillimetresPerInch;
        run.job.pageHeight /= TZR_LabelSize::MillimetresPerInch;
    }
    // The replicated run turns the printer to portrait only for a sheet higher than wide.
    run.job.landscape = mReplicated ? !(sheet.pageHeight() > sheet.pageWidth())
                                    : sheet.pageWidth() > sheet.pageHeight();
    run.job.copies = qMax(1, int(label.printSheet()));
    run.job.title = mJobTitle;
    if (Status ok = run.sink.beginJob(run.job); !ok)
        return ok;
    run.metrics = run.sink.metrics();
    return {};
}

Result<PrintSummary> PrintComposer::runSheets(SheetSink &sink, int firstSheet, int lastSheet)
{
    SheetColorGuard color(mDocument.workLabel().labelSize());
    Run run(sink);
    if (Status ok = beginRun(run); !ok)
        return ok.error();
    const int copies = sink.printsCopies() ? 1 : run.job.copies;
    Status status;
    for (int sheet = firstSheet; sheet <= lastSheet && status && !run.stop; ++sheet) {
        // Every copy of a sheet is composed from the same state.
        const qint64 counter = run.counter;
        std::vector<std::pair<TZR_SerialNumber *, qint32>> serials;
        if (!mReplicated && copies > 1)
            serials = pageSerialNumbers(mDocument, sheet);
        bool stopped = false;
        for (int copy = 0; copy < copies && status; ++copy) {
            run.counter = counter;
            run.stop = false;
            run.countThisCopy = copy == 0;
            for (const auto &[serial, number] : serials)
                serial->setStartNum(number);
            status = mReplicated ? composeReplicatedSheet(run, sheet)
                                 : composePerCellSheet(run, sheet);
            stopped = run.stop;
        }
        run.stop = stopped;
        if (mProgress)
            mProgress(sheet, lastSheet);
    }
    if (!status) {
        sink.cancelJob();
        return status.error();
    }
    if (Status ended = sink.endJob(); !ended)
        return ended.error();
    return run.summary;
}

Status PrintComposer::preparePreview()
{
    TZR_WorkLabel &label = mDocument.workLabel();
    label.setPartPrint(false);
    label.setStartRow(1);
    label.setFromLabel(1);
    if (mReplicated)
        return computeSheetCount();
    label.setPrintStartPage(1);
    label.setPrintEndPage(toWord(mDocument.pageCount()));
    return {};
}

Result<QImage> PrintComposer::renderPreviewSheet(int sheet, int scalePercent)
{
    ImageSheetSink sink(scalePercent);
    Run run(sink);
    if (Status ok = beginRun(run); !ok)
        return ok.error();
    if (Status ok = ensureSheet(run); !ok)
        return ok.error();
    const TZR_LabelSize &paper = mDocument.labelSize();
    const double unit = paper.measureUnit() == muMillimeters ? 1.0 / 25.4 : 1.0;
    for (int r = 0; r < paper.rows(); ++r) {
        for (int c = 0; c < paper.columns(); ++c) {
            const CellPlacement cell = placement(run, r, c);
            drawCellOutline(*run.painter, paper, cell.rect, run.metrics.dpiX * unit,
                            run.metrics.dpiY * unit);
            drawInnerCutOutline(*run.painter, paper, mDocument.workLabel().innerCutOutline(),
                                cell.rect, run.metrics.dpiX / 25.4);
        }
    }
    SheetColorGuard color(mDocument.workLabel().labelSize());
    Status composed;
    if (mReplicated) {
        takeDesign();
        composed = composeReplicatedSheet(run, sheet);
    } else {
        // The preview leaves the document's serial numbers where they were.
        const auto serials = pageSerialNumbers(mDocument, sheet);
        composed = composePerCellSheet(run, sheet);
        for (const auto &[serial, number] : serials)
            serial->setStartNum(number);
    }
    if (run.painter)
        sink.endSheet();
    if (!composed)
        return composed.error();
    return sink.image();
}

} // namespace quill
