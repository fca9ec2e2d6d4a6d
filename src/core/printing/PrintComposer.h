// The print composer: lays the document's cells onto sheets and sends them to a sheet sink.
#pragma once

#include "Result.h"
#include "SheetSink.h"

#include <QImage>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

namespace quill {

class LabelCell;
class LabelDocument;
class LabelObject;
class PrintDataList;
struct CellPlacement;

// What a run printed.
struct PrintSummary {
    int sheets = 0;  // sheets composed and sent (a sheet on which no cell prints is not sent)
    int pages = 0;   // pages the device received: sheets times the copies the composer drew
    int labels = 0;  // cells drawn, counted once per sheet
    int records = 0; // data records printed (replicated design with data lists)
};

// Two designs: the replicated design prints the current cell's objects in every cell from the
// start cell on, one data record and one serial number step per label; the per-cell design
// prints every cell with its own objects, page n of the document on sheet n.
//
// Settings are the work label's print settings (start cell FromLabel, part print with
// LabelCount, CutLine, PrintSheet copies, print offsets LeftMargin/TopMargin in millimetres,
// PrintStartPage/PrintEndPage); runs update PrintStartPage, PrintEndPage and LabelCount as the
// sheet count asks. Replicated runs work on copies of the design, so the document's objects
// keep their numbers; per-cell runs advance the serial numbers of the document's cells.
class PrintComposer {
public:
    static constexpr double CutMarkArmInches = 0.2;
    static constexpr int PreviewScale = 60;

    explicit PrintComposer(LabelDocument &document);
    ~PrintComposer();

    // The label data list (field labels) and the barcode data list (1D and 2D barcodes); not
    // owned, moved record by record by the runs. Null or inactive: none.
    void setLabelData(PrintDataList *list) { mLabelData = list; }
    void setBarcodeData(PrintDataList *list) { mBarcodeData = list; }
    // The caption file's [Option] dbnull: a field label text equal to it prints empty.
    void setEmptyFieldText(const QString &text) { mEmptyFieldText = text; }
    void setJobTitle(const QString &title) { mJobTitle = title; }
    // Told after every sheet of a run (sheet number, last sheet of the run).
    void setProgress(std::function<void(int sheet, int lastSheet)> progress)
    {
        mProgress = std::move(progress);
    }

    // True when the cell holds a serial number, or a field label, 1D or 2D barcode bound to a
    // field: such a design is printed replicated.
    static bool needsReplication(const LabelCell &design);
    bool replicated() const { return mReplicated; }
    void setReplicated(bool on) { mReplicated = on; }

    // Refuses serial numbers of the current cell whose step never reaches their end number (a
    // step of 0, or one pointing away from the end): such a run would print one label and stop
    // or never end. The message names the numbers.
    Status checkSerialNumbers() const;
    // The sheets of a replicated run: from the larger record count of the data lists, or the
    // first serial number's range, and the start cell (sets PrintStartPage, PrintEndPage and,
    // without part print, LabelCount). Fails like checkSerialNumbers.
    Status computeSheetCount();

    // The print command's run: replicated sheets 1 to PrintEndPage after computeSheetCount, or
    // every page of the per-cell design.
    Result<PrintSummary> print(SheetSink &sink);
    // Sheets first..last of a replicated run (the sheet count must be computed first).
    Result<PrintSummary> runReplicated(SheetSink &sink, int firstSheet, int lastSheet);
    // Pages first..last of the per-cell design.
    Result<PrintSummary> runPerCell(SheetSink &sink, int firstSheet, int lastSheet);

    // Preview: start cell 1, no part print, and the sheet count of the design mode.
    Status preparePreview();
    // Sheets of the run (PrintEndPage).
    int sheetCount() const;
    // Sheet n as the preview shows it at scalePercent (96 pixels per inch at 100): white paper,
    // the cell outlines and the composed sheet. The document is left as it was.
    Result<QImage> renderPreviewSheet(int sheet, int scalePercent = PreviewScale);

private:
    struct Run;

    Result<PrintSummary> runSheets(SheetSink &sink, int firstSheet, int lastSheet);
    Status beginRun(Run &run) const;
    Status ensureSheet(Run &run) const;
    Status finishSheet(Run &run) const;
    Status composeReplicatedSheet(Run &run, int sheet);
    Status composePerCellSheet(Run &run, int sheet);
    bool drawReplicatedCell(Run &run, const CellPlacement &cell);
    void drawPerCellObjects(Run &run, const LabelCell &panel, const CellPlacement &cell);
    void positionDataLists(Run &run, int sheet);
    void setSerialNumbersForSheet(int sheet);
    void resetSerialNumbers();
    void cutMarks(Run &run, const CellPlacement &cell) const;
    CellPlacement placement(const Run &run, int row, int column) const;
    qint64 recordCount() const;
    bool hasData() const { return recordCount() > 0 || anyListActive(); }
    bool anyListActive() const;
    void takeDesign();

    LabelDocument &mDocument;
    PrintDataList *mLabelData = nullptr;
    PrintDataList *mBarcodeData = nullptr;
    QString mEmptyFieldText;
    QString mJobTitle = QStringLiteral("QuillLabel");
    std::function<void(int, int)> mProgress;
    bool mReplicated = false;
    // The replicated design: copies of the current cell's objects, and the start number of each
    // serial number among them (by index), remembered when the run starts.
    std::vector<std::unique_ptr<LabelObject>> mDesign;
    std::vector<std::pair<int, qint32>> mSerialStarts;
    struct Printers;
    std::unique_ptr<Printers> mPrinters;
};

} // namespace quill
