#include "LabelDocument.h"

#include <algorithm>

namespace quill {

LabelDocument::LabelDocument(QObject *parent) : QObject(parent)
{
    attachSheetHandler();
    resetPages();
}

LabelDocument::~LabelDocument() = default;

void LabelDocument::attachSheetHandler()
{
    // The handler belongs to the sheet object inside mWorkLabel and survives value
    // assignments to it, so attaching once is enough.
    mWorkLabel.labelSize().setChangeHandler([this](TZR_LabelSize &) { emit changed(); });
}

void LabelDocument::setFileName(const QString &path)
{
    if (mFileName == path)
        return;
    mFileName = path;
    emit changed();
}

void LabelDocument::setLabelDataList(const QString &path, const QString &table)
{
    mLabelDataListPath = path;
    mLabelDataListTable = table;
}

void LabelDocument::setBarcodeDataList(const QString &path, const QString &table)
{
    mBarcodeDataListPath = path;
    mBarcodeDataListTable = table;
}

void LabelDocument::setModified(bool modified)
{
    if (mModified == modified)
        return;
    mModified = modified;
    emit modifiedChanged(modified);
}

Status LabelDocument::checkCellCount(const TZR_LabelSize &sheet) const
{
    if (sheet.cellCount() <= MaxCellsPerPage)
        return {};
    return Error{QStringLiteral("라벨 칸이 너무 많습니다: %1 x %2")
                     .arg(sheet.rows())
                     .arg(sheet.columns()),
                 sheet.labelCode()};
}

Status LabelDocument::newDocument(const TZR_LabelSize &sheet, const InnerCutOutline &outline,
                                  DataLists dataLists)
{
    if (Status s = checkCellCount(sheet); !s)
        return s;
    mWorkLabel = TZR_WorkLabel();
    mWorkLabel.setLabelSize(sheet);
    mWorkLabel.setColor(sheet.color());
    mWorkLabel.setInnerCutOutline(outline);
    mWorkLabel.fitToCell();
    mFileName.clear();
    if (dataLists == DataLists::Clear) {
        setLabelDataList({}, {});
        setBarcodeDataList({}, {});
    }
    resetPages();
    setModified(false);
    return {};
}

Status LabelDocument::setWorkLabel(const TZR_WorkLabel &workLabel)
{
    if (Status s = checkCellCount(workLabel.labelSize()); !s)
        return s;
    mWorkLabel = workLabel;
    emit changed();
    return {};
}

Status LabelDocument::setLabelSize(const TZR_LabelSize &sheet)
{
    if (Status s = checkCellCount(sheet); !s)
        return s;
    mWorkLabel.setLabelSize(sheet);
    mWorkLabel.setColor(sheet.color());
    emit changed();
    return {};
}

void LabelDocument::swapOrientation(OrientationTurn turn)
{
    mWorkLabel.swapOrientation(turn);
    // The sheet is saved with the document: without this a Save after turning the sheet of an
    // otherwise untouched document would do nothing.
    setModified(true);
    emit changed();
}

LabelPage *LabelDocument::page(int pageNumber) const
{
    if (pageNumber == 0)
        pageNumber = mCurrentPage;
    if (pageNumber < 1 || pageNumber > pageCount())
        return nullptr;
    return mPages[static_cast<size_t>(pageNumber - 1)].get();
}

std::unique_ptr<LabelCell> LabelDocument::createCell(int cellNumber) const
{
    const std::optional<CellPosition> pos = labelSize().cellPosition(cellNumber);
    const QRect bounds = pos ? labelSize().cellRect100(pos->row, pos->column) : QRect();
    return std::make_unique<LabelCell>(bounds, cellNumber - 1);
}

std::unique_ptr<LabelPage> LabelDocument::createPage(const QString &caption) const
{
    auto page = std::make_unique<LabelPage>(caption);
    for (int n = 1; n <= cellsPerPage(); ++n)
        page->appendCell(createCell(n));
    return page;
}

void LabelDocument::setCurrent(int page, int cell)
{
    if (page == mCurrentPage && cell == mCurrentCell)
        return;
    mCurrentPage = page;
    mCurrentCell = cell;
    emit currentCellChanged(page, cell);
}

void LabelDocument::resetPages()
{
    mPages.clear();
    mPages.push_back(createPage(QStringLiteral("Page_1")));
    setCurrent(1, 1);
    emit changed();
}

bool LabelDocument::addPage()
{
    if (pageCount() >= MaxPages)
        return false;
    mPages.push_back(createPage(QStringLiteral("Page_%1").arg(pageCount() + 1)));
    // A new page is part of what Save writes.
    setModified(true);
    emit changed();
    return true;
}

void LabelDocument::completeCells(int pageNumber)
{
    LabelPage *target = page(pageNumber);
    if (!target || target->cellCount() >= cellsPerPage())
        return;
    for (int n = target->cellCount() + 1; n <= cellsPerPage(); ++n)
        target->appendCell(createCell(n));
    emit changed();
}

void LabelDocument::clearPages()
{
    mPages.clear();
}

bool LabelDocument::appendPage(std::unique_ptr<LabelPage> page)
{
    if (!page || pageCount() >= MaxPages)
        return false;
    mPages.push_back(std::move(page));
    return true;
}

void LabelDocument::completeLoadedPages()
{
    // A file damaged before its first page must still leave a usable document.
    if (mPages.empty())
        mPages.push_back(createPage(QStringLiteral("Page_1")));
    for (int p = 1; p <= pageCount(); ++p)
        completeCells(p);
    // The current cell may not have changed its number while its content did.
    mCurrentPage = mCurrentCell = 0;
    setCurrent(1, 1);
    emit changed();
}

bool LabelDocument::deleteCurrentPage()
{
    if (pageCount() <= 1)
        return false;
    const int removed = mCurrentPage;
    mPages.erase(mPages.begin() + (removed - 1));
    const int current = std::min(removed, pageCount());
    emit pageRemoved(removed);
    // Even at the same number the shown page is another one now.
    mCurrentPage = current;
    emit currentCellChanged(mCurrentPage, mCurrentCell);
    // Deleting a page changes what Save writes: without this, Save with an empty current cell
    // would do nothing and the deletion would be lost.
    setModified(true);
    emit changed();
    return true;
}

LabelCell *LabelDocument::cell(int pageNumber, int cellNumber) const
{
    const LabelPage *target = page(pageNumber);
    if (!target)
        return nullptr;
    return target->cell(cellNumber == 0 ? mCurrentCell : cellNumber);
}

bool LabelDocument::selectCell(int cellNumber, int pageNumber)
{
    const LabelPage *target = page(pageNumber);
    if (!target || !target->cell(cellNumber))
        return false;
    setCurrent(pageNumber == 0 ? mCurrentPage : pageNumber, cellNumber);
    return true;
}

} // namespace quill
