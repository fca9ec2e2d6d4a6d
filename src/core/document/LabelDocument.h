// The open label document: work label, pages of cells, current cell and document state.
#pragma once

#include "LabelPage.h"
#include "Result.h"
#include "ZR_WorkLabel.h"

#include <QObject>
#include <QString>

#include <memory>
#include <vector>

namespace quill {

// Pages and cells are numbered from 1 at this interface. A document has 1 to MaxPages pages
// (0 only between clearPages() and completeLoadedPages() while a reader fills it); every page
// holds one cell per sheet position, each with bounds from the sheet at 100 %.
// Objects keep their 100 % bounds here at all times: showing a cell at a zoom is the editor's
// mapping (ZoomMapping), never a change of the model.
class LabelDocument : public QObject {
    Q_OBJECT
public:
    static constexpr int MaxPages = 10;
    static constexpr qint64 MaxCellsPerPage = TZR_LabelSize::MaxCellCount;

    enum class DataLists { Clear, Keep };

    explicit LabelDocument(QObject *parent = nullptr);
    ~LabelDocument() override;

    // Document state.
    QString fileName() const { return mFileName; } // empty for a document never saved
    void setFileName(const QString &path);
    QString autoSaveFileName() const { return mAutoSaveFileName; }
    void setAutoSaveFileName(const QString &path) { mAutoSaveFileName = path; }
    QString labelDataListPath() const { return mLabelDataListPath; }
    QString labelDataListTable() const { return mLabelDataListTable; }
    void setLabelDataList(const QString &path, const QString &table);
    QString barcodeDataListPath() const { return mBarcodeDataListPath; }
    QString barcodeDataListTable() const { return mBarcodeDataListTable; }
    void setBarcodeDataList(const QString &path, const QString &table);
    bool isModified() const { return mModified; }
    void setModified(bool modified);

    const TZR_WorkLabel &workLabel() const { return mWorkLabel; }
    // Changes made through this reference are announced by the caller with notifyChanged();
    // size changes of the sheet announce themselves.
    TZR_WorkLabel &workLabel() { return mWorkLabel; }
    const TZR_LabelSize &labelSize() const { return mWorkLabel.labelSize(); }

    // A new document for a sheet: a fresh work label taking the sheet and its
    // paper colour, the given inner cut outline, no file name, one page of cells with cell 1
    // current, not modified. Fails (changing nothing) when the sheet has too many cells.
    Status newDocument(const TZR_LabelSize &sheet, const InnerCutOutline &outline = {},
                       DataLists dataLists = DataLists::Clear);
    // Replaces the work label as read from a file (its sheet and everything else);
    // the pages are left alone. Fails like newDocument.
    Status setWorkLabel(const TZR_WorkLabel &workLabel);
    // Replaces the sheet and takes its paper colour; the pages are left alone.
    Status setLabelSize(const TZR_LabelSize &sheet);
    // Turns the sheet between portrait and landscape (see TZR_LabelSize::swapOrientation);
    // cells and objects stay where they are.
    void swapOrientation(OrientationTurn turn = OrientationTurn::ToPortrait);

    // Pages.
    int pageCount() const { return static_cast<int>(mPages.size()); }
    // Page p, 0 meaning the current page; nullptr outside the range.
    LabelPage *page(int pageNumber) const;
    // Deletes every page and adds one; cell 1 of page 1 becomes current.
    void resetPages();
    // Adds a page of empty cells after the last; false (nothing done) with MaxPages pages.
    bool addPage();
    // Appends missing cells to a page so that it holds one per sheet position.
    void completeCells(int pageNumber);
    // For readers: clearPages(), appendPage() per page read, then completeLoadedPages(), which
    // completes every page, adds one when none was read and makes cell 1 of page 1 current.
    void clearPages();
    bool appendPage(std::unique_ptr<LabelPage> page);
    void completeLoadedPages();
    // Deletes the current page with its cells and objects; never the last page. The current
    // page stays at its number, or becomes the last page when it was the last one.
    bool deleteCurrentPage();

    // Cells.
    int cellsPerPage() const { return static_cast<int>(labelSize().cellCount()); }
    // Cell n of page p; n 0 means the current cell, p 0 the current page. nullptr when there is
    // no such cell (for example on a sheet with no rows).
    LabelCell *cell(int pageNumber, int cellNumber) const;
    LabelCell *currentCellPanel() const { return cell(0, 0); }
    int currentPage() const { return mCurrentPage; }
    int currentCell() const { return mCurrentCell; }
    // Makes cell n of page p current; false (nothing changed) when that cell does not exist.
    bool selectCell(int cellNumber, int pageNumber);

    // Emits changed(); for edits made through the cell and object pointers.
    void notifyChanged() { emit changed(); }

signals:
    void changed();
    void modifiedChanged(bool modified);
    void currentCellChanged(int page, int cell);
    // The page that had this number is gone (later pages moved up by one).
    void pageRemoved(int page);

private:
    Status checkCellCount(const TZR_LabelSize &sheet) const;
    void attachSheetHandler();
    std::unique_ptr<LabelPage> createPage(const QString &caption) const;
    std::unique_ptr<LabelCell> createCell(int cellNumber) const;
    void setCurrent(int page, int cell);

    QString mFileName;
    QString mAutoSaveFileName;
    QString mLabelDataListPath;
    QString mLabelDataListTable;
    QString mBarcodeDataListPath;
    QString mBarcodeDataListTable;
    TZR_WorkLabel mWorkLabel;
    std::vector<std::unique_ptr<LabelPage>> mPages;
    int mCurrentPage = 1;
    int mCurrentCell = 1;
    bool mModified = false;
};

} // namespace quill
