// The composer's sheets: data and serial numbers per sheet, cells, objects and cut marks.
#include "PrintComposer.h"

#include "PrintComposerRun.h"
#include "PrintDataList.h"
#include "SheetArithmetic.h"
#include "document/LabelDocument.h"
#include "objects/ZR_2DBarcode.h"
#include "objects/ZR_Barcode.h"
#include "objects/ZR_SerialNumber.h"

#include <QPainter>

#include <limits>

namespace quill {

std::vector<std::pair<TZR_SerialNumber *, qint32>> pageSerialNumbers(const LabelDocument &document,
                                                                      int page)
{
    std::vector<std::pair<TZR_SerialNumber *, qint32>> serials;
    const LabelPage *p = document.page(page);
    if (!p || page < 1)
        return serials;
    for (int n = 1; n <= p->cellCount(); ++n) {
        for (const std::unique_ptr<LabelObject> &object : p->cell(n)->objects()) {
            if (object->typeCode() == ObjectTypeCode::SerialNumber) {
                auto *serial = static_cast<TZR_SerialNumber *>(object.get());
                serials.emplace_back(serial, serial->startNum());
            }
        }
    }
    return serials;
}

CellPlacement PrintComposer::placement(const Run &run, int row, int column) const
{
    const TZR_WorkLabel &label = mDocument.workLabel();
    const TZR_LabelSize &sheet = label.labelSize();
    const double unit = sheet.measureUnit() == muMillimeters ? 1.0 / 25.4 : 1.0;
    const double px = run.metrics.dpiX * unit;
    const double py = run.metrics.dpiY * unit;
    double x0 = sheet.leftMargin() * px;
    double y0 = sheet.topMargin() * py;
    if (!run.preview) {
        x0 += label.leftMargin() * run.metrics.dpiX / 25.4 - run.metrics.physicalOffset.x();
        y0 += label.topMargin() * run.metrics.dpiY / 25.4 - run.metrics.physicalOffset.y();
    }
    CellPlacement cell;
    cell.rect = QRectF(x0 + column * (sheet.width() + sheet.horizSpace()) * px,
                       y0 + row * (sheet.height() + sheet.vertSpace()) * py,
                       sheet.width() * px, sheet.height() * py);
    cell.kx = run.metrics.dpiX / 96.0;
    cell.ky = run.metrics.dpiY / 96.0;
    return cell;
}

Status PrintComposer::ensureSheet(Run &run) const
{
    if (run.painter)
        return {};
    Result<QPainter *> painter = run.sink.beginSheet();
    if (!painter)
        return painter.error();
    run.painter = painter.value();
    const double arm = CutMarkArmInches * run.metrics.dpiX;
    for (const QRectF &marks : std::as_const(run.pendingMarks))
        drawCutMarks(*run.painter, marks, arm);
    run.pendingMarks.clear();
    return {};
}

Status PrintComposer::finishSheet(Run &run) const
{
    run.pendingMarks.clear();
    if (!run.painter)
        return {}; // nothing printed: the sheet is not sent
    run.painter = nullptr;
    if (Status ok = run.sink.endSheet(); !ok)
        return ok;
    ++run.summary.pages;
    if (run.countThisCopy)
        ++run.summary.sheets;
    return {};
}

void PrintComposer::cutMarks(Run &run, const CellPlacement &cell) const
{
    if (!mDocument.workLabel().cutLine())
        return;
    if (run.painter)
        drawCutMarks(*run.painter, cell.rect, CutMarkArmInches * run.metrics.dpiX);
    else
        run.pendingMarks.append(cell.rect);
}

void PrintComposer::positionDataLists(Run &run, int sheet)
{
    run.records = recordCount();
    run.dataExhausted = false;
    if (!anyListActive())
        return;
    const TZR_WorkLabel &label = mDocument.workLabel();
    run.record = sheetmath::sheetFirstRecord(sheet, label.labelSize().cellCount(), label.fromLabel());
    run.dataExhausted = run.record > run.records;
    for (PrintDataList *list : {mLabelData, mBarcodeData}) {
        if (!list || !list->isActive())
            continue;
        // A list shorter than the other one has empty fields after its last record.
        if (run.record <= list->recordCount())
            list->moveTo(int(run.record));
        else
            list->moveAfterLast();
    }
}

void PrintComposer::setSerialNumbersForSheet(int sheet)
{
    const TZR_WorkLabel &label = mDocument.workLabel();
    const qint64 before = sheetmath::labelsBeforeSheet(sheet, label.labelSize().cellCount(),
                                                       label.startColumn());
    for (const auto &[index, start] : mSerialStarts) {
        auto &serial = static_cast<TZR_SerialNumber &>(*mDesign[size_t(index)]);
        const qint64 number = start + qint64(serial.incNum()) * before;
        const qint64 low = std::numeric_limits<qint32>::min();
        const qint64 high = std::numeric_limits<qint32>::max();
        serial.setStartNum(qint32(qBound(low, number, high)));
    }
}

void PrintComposer::resetSerialNumbers()
{
    for (const auto &[index, start] : mSerialStarts)
        static_cast<TZR_SerialNumber &>(*mDesign[size_t(index)]).setStartNum(start);
}

Status PrintComposer::composeReplicatedSheet(Run &run, int sheet)
{
    const TZR_WorkLabel &label = mDocument.workLabel();
    const TZR_LabelSize &paper = label.labelSize();
    const qint64 firstCell = sheetmath::sheetFirstCell(sheet, paper.cellCount(), label.fromLabel());
    positionDataLists(run, sheet);
    setSerialNumbersForSheet(sheet);
    Status status;
    bool ended = run.dataExhausted;
    for (int r = 0; r < paper.rows() && !ended && status; ++r) {
        for (int c = 0; c < paper.columns() && !ended && status; ++c) {
            const CellPlacement cell = placement(run, r, c);
            if (paper.cellNumber(r, c) >= firstCell) {
                if (label.partPrint() && run.counter > label.labelCount()) {
                    run.stop = true;
                    break;
                }
                status = ensureSheet(run);
                if (!status)
                    break;
                ended = drawReplicatedCell(run, cell);
                if (run.countThisCopy)
                    ++run.summary.labels;
                if (label.partPrint())
                    ++run.counter;
            }
            cutMarks(run, cell);
        }
        if (run.stop)
            break;
    }
    resetSerialNumbers();
    if (!status)
        return status;
    return finishSheet(run);
}

bool PrintComposer::drawReplicatedCell(Run &run, const CellPlacement &cell)
{
    QPainter &painter = *run.painter;
    painter.save();
    PaintContext context;
    context.target = PaintContext::Target::Printer;
    context.dpiX = run.metrics.dpiX;
    context.dpiY = run.metrics.dpiY;
    context.emptyFieldText = mEmptyFieldText;
    const bool labelData = mLabelData && mLabelData->isActive();
    const bool barcodeData = mBarcodeData && mBarcodeData->isActive();
    if (labelData)
        context.labelRecord = &mLabelData->values();
    if (barcodeData)
        context.barcodeRecord = &mBarcodeData->values();
    bool ranOut = false;
    for (size_t i = 0; i < mDesign.size(); ++i) {
        LabelObject &object = *mDesign[i];
        switch (object.typeCode()) {
        case ObjectTypeCode::SerialNumber: {
            auto &serial = static_cast<TZR_SerialNumber &>(object);
            drawObjectInCell(painter, serial, cell, context);
            if (!serial.advance()) {
                for (const auto &[index, start] : mSerialStarts) {
                    if (size_t(index) == i)
                        serial.setStartNum(start);
                }
                ranOut = true;
            }
            break;
        }
        case ObjectTypeCode::Barcode: {
            auto &barcode = static_cast<TZR_Barcode &>(object);
            if (barcodeData && !barcode.fieldName().isEmpty())
                barcode.setCaption(mBarcodeData->value(barcode.fieldName()));
            drawObjectInCell(painter, barcode, cell, context);
            break;
        }
        case ObjectTypeCode::Barcode2D: {
            auto &barcode = static_cast<TZR_2DBarcode &>(object);
            if (barcodeData && !barcode.fieldName().isEmpty())
                barcode.setCaption(mBarcodeData->value(barcode.fieldName()));
            drawObjectInCell(painter, barcode, cell, context);
            break;
        }
        case ObjectTypeCode::GuideLabel: {
            const auto &fieldLabel = static_cast<const TZR_GuideLabel &>(object);
            QString text = fieldLabel.caption();
            if (labelData && !fieldLabel.fieldName().isEmpty())
                text = mLabelData->value(fieldLabel.fieldName()) + fieldLabel.addHono();
            if (text == mEmptyFieldText)
                text.clear();
            mPrinters->fieldLabels.draw(painter, fieldLabel, text, cell, context);
            break;
        }
        default: drawObjectInCell(painter, object, cell, context); break;
        }
    }
    painter.restore();
    if (labelData || barcodeData) {
        if (labelData)
            mLabelData->next();
        // One list may serve both roles; it still moves one record per label.
        if (barcodeData && mBarcodeData != mLabelData)
            mBarcodeData->next();
        if (run.countThisCopy)
            ++run.summary.records;
        ++run.record;
        if (run.record > run.records)
            ranOut = true;
    }
    return ranOut;
}

Status PrintComposer::composePerCellSheet(Run &run, int sheet)
{
    const TZR_WorkLabel &label = mDocument.workLabel();
    const LabelPage *page = mDocument.page(sheet);
    if (!page || sheet < 1)
        return finishSheet(run);
    const qint64 cells = page->cellCount();
    for (int j = 0; j < page->cellCount(); ++j) {
        const CellPosition at = sheetmath::perCellPlacement(j, label.labelSize());
        const CellPlacement cell = placement(run, at.row, at.column);
        const qint64 k = qint64(sheet - 1) * cells + j + 1;
        if (sheetmath::perCellPrinted(k, label.fromLabel(), label.partPrint(), label.labelCount())) {
            if (Status ok = ensureSheet(run); !ok)
                return ok;
            drawPerCellObjects(run, *page->cell(j + 1), cell);
            if (run.countThisCopy)
                ++run.summary.labels;
        }
        cutMarks(run, cell);
    }
    return finishSheet(run);
}

void PrintComposer::drawPerCellObjects(Run &run, const LabelCell &panel, const CellPlacement &cell)
{
    QPainter &painter = *run.painter;
    painter.save();
    PaintContext context;
    context.target = PaintContext::Target::Printer;
    context.dpiX = run.metrics.dpiX;
    context.dpiY = run.metrics.dpiY;
    context.emptyFieldText = mEmptyFieldText;
    const bool barcodeData = mBarcodeData && mBarcodeData->isActive();
    if (mLabelData && mLabelData->isActive())
        context.labelRecord = &mLabelData->values();
    if (barcodeData)
        context.barcodeRecord = &mBarcodeData->values();
    for (const std::unique_ptr<LabelObject> &object : panel.objects()) {
        const ObjectTypeCode code = object->typeCode();
        if (code == ObjectTypeCode::SerialNumber) {
            auto &serial = static_cast<TZR_SerialNumber &>(*object);
            drawObjectInCell(painter, serial, cell, context);
            if (!serial.advance())
                serial.setStartNum(serial.imsiSerialNum());
            continue;
        }
        if (barcodeData && (code == ObjectTypeCode::Barcode || code == ObjectTypeCode::Barcode2D)) {
            // The caption of a bound barcode comes from the current record; the document's
            // object keeps its own.
            std::unique_ptr<LabelObject> filled = object->clone();
            if (code == ObjectTypeCode::Barcode) {
                auto &barcode = static_cast<TZR_Barcode &>(*filled);
                if (!barcode.fieldName().isEmpty())
                    barcode.setCaption(mBarcodeData->value(barcode.fieldName()));
            } else {
                auto &barcode = static_cast<TZR_2DBarcode &>(*filled);
                if (!barcode.fieldName().isEmpty())
                    barcode.setCaption(mBarcodeData->value(barcode.fieldName()));
            }
            drawObjectInCell(painter, *filled, cell, context);
            continue;
        }
        drawObjectInCell(painter, *object, cell, context);
    }
    painter.restore();
}

} // namespace quill
