// The data list manager's commands on the list: open, export, delete, copy and paste, record
// entry, fields, search, sort, print range, select all and moves.
#include "DBAdminFrm.h"

#include "datalists/DataListFile.h"
#include "datalists/DataListModel.h"
#include "datalists/DataSet.h"
#include "datalists/ManagerRules.h"
#include "datalists/RowOrder.h"
#include "datalists/ZR_DBGrid.h"

#include <QAction>
#include <QStringList>

#include <algorithm>

namespace quill {
namespace {

// Used when the caption file has no filter.
const QString kOpenFilter = QStringLiteral("데이터 "
                                           "목록|*.mdb;*.accdb;*.xls;*.xlsx;*.ods;*.db;*.dbf;*.txt;"
                                           "*.csv;*.sqlite;*.db3|Access|*.mdb;*.accdb|"
                                           "Excel|*.xls;*.xlsx|OpenDocument|*.ods|Paradox|*.db|"
                                           "dBase|*.dbf|텍스트|*.txt;*.csv|SQLite|*.sqlite;*.db3");

QStringList fieldNames(const DataTable &table)
{
    QStringList names;
    for (const DataField &f : table.fields)
        names.append(f.name);
    return names;
}

} // namespace

void TDBAdminFrm::openCommand()
{
    QString filter = qtFileFilter(caption("OpenDBFilter", kOpenFilter));
    if (filter.isEmpty())
        filter = qtFileFilter(kOpenFilter);
    const TSendDBName chosen = mDialogs.chooseList(this, filter);
    if (!chosen.isEmpty())
        openList(chosen);
}

void TDBAdminFrm::exportList()
{
    commitPending();
    // What the grid shows: a search or sort result is saved as shown.
    const DataTable shown = shownTable();
    const TSendDBName target = mDialogs.chooseExport(this, shown);
    if (target.isEmpty())
        return;
    if (Status saved = exportDataList(shown, target.path, target.table); !saved)
        showReason(QStringLiteral("목록을 저장하지 못했습니다.\n") + saved.error().message);
}

void TDBAdminFrm::deleteRows()
{
    if (dataListFormat(mList.path) == DataListFormat::Excel) {
        mDialogs.inform(this, caption("DelXLSCaption", QStringLiteral("삭제할 수 없음")),
            caption("DelXLS", QStringLiteral("엑셀 파일에서는 데이터를 삭제할 수 없습니다.")));
        return;
    }
    if (refuseChange())
        return;
    const QMessageBox::StandardButton answer
        = mDialogs.ask(this, caption("DelDataCaption", QStringLiteral("데이터 삭제")),
            caption("DelData", QStringLiteral("선택한 데이터를 삭제하시겠습니까?")),
            QMessageBox::Yes | QMessageBox::No);
    RowSelection &selection = mGrid->rowSelection();
    if (answer != QMessageBox::Yes || selection.isEmpty())
        return;
    commitPending();
    const QList<int> gridRows = selection.rows();
    QList<int> listRows;
    for (int row : gridRows) {
        if (const int listed = listRow(row); listed >= 0)
            listRows.append(listed);
    }
    // From the last record back, so that the rows still to delete keep their numbers.
    std::sort(listRows.begin(), listRows.end(), std::greater<int>());
    mDataSet->disableControls();
    for (int row : std::as_const(listRows)) {
        mDataSet->setRecNo(row + 1);
        mDataSet->deleteRecord();
    }
    mDataSet->enableControls();
    // Every selected row is gone: empty the selection first, so that keeping the anchor in step
    // costs one call per run of neighbouring rows, even for a whole long list.
    selection.clear();
    for (qsizetype end = gridRows.size() - 1; end >= 0;) {
        qsizetype first = end;
        while (first > 0 && gridRows.at(first - 1) == gridRows.at(first) - 1)
            --first;
        selection.rowsRemoved(gridRows.at(first), int(end - first + 1));
        end = first - 1;
    }
    removeFromOrder(listRows);
    mGrid->mirrorSelection();
    writeBack();
    updateRecordPanel();
}

void TDBAdminFrm::copyRecord()
{
    const int row = listRow(mGrid->currentIndex().row());
    if (row < 0)
        return;
    // A null is kept as an empty text, as the grid shows it.
    QVariantList values = mDataSet->table().rows.at(row);
    values.resize(mDataSet->fieldCount());
    for (QVariant &value : values) {
        if (value.isNull())
            value = QString();
    }
    mCopied = values;
    updateActions();
}

void TDBAdminFrm::cutRecord()
{
    if (refuseChange())
        return;
    copyRecord();
    deleteRows();
}

void TDBAdminFrm::pasteRecord()
{
    if (!mCopied || refuseChange())
        return;
    commitPending();
    const int at = mDataSet->recordCount();
    mDataSet->append();
    for (int i = 0; i < mDataSet->fieldCount() && i < mCopied->size(); ++i) {
        const DataField field = mDataSet->field(i);
        const QVariant value = mCopied->at(i);
        const bool text = field.type == FieldType::Text || field.type == FieldType::Memo;
        // An empty text is an empty cell in a field of numbers or dates.
        mDataSet->setValue(field.name, !text && value.toString().isEmpty() ? QVariant() : value);
    }
    if (Status posted = mDataSet->post(); !posted) {
        showReason(posted.error().message);
        return;
    }
    appendToOrder(at, 1);
    mGrid->rowSelection().clear();
    mGrid->mirrorSelection();
    writeBack();
    moveTo(gridRowCount() - 1);
}

void TDBAdminFrm::enterRecords(bool modify)
{
    if (refuseChange())
        return;
    commitPending();
    const int before = mDataSet->recordCount();
    if (!mDialogs.enterRecords(this, *mDataSet, modify))
        return;
    const int added = mDataSet->recordCount() - before;
    if (added != 0) {
        appendToOrder(before, added);
        mGrid->rowSelection().clear(); // rows may have moved under it
        mGrid->mirrorSelection();
    }
    writeBack();
    mGrid->viewport()->update();
    updateRecordPanel();
}

void TDBAdminFrm::editFields(bool modify)
{
    if (refuseChange())
        return;
    commitPending();
    if (!mDialogs.editFields(this, *mDataSet, modify))
        return;
    writeBack();
    // The fields changed: the whole list again, in file order.
    mGrid->rowSelection().reset();
    showWholeList();
    mGrid->mirrorSelection();
    moveTo(0);
}

void TDBAdminFrm::searchList()
{
    commitPending();
    const DataTable &table = mDataSet->table();
    const std::optional<ListSearch> search = mDialogs.search(this, fieldNames(table));
    if (!search)
        return;
    const int field = table.fieldIndex(search->field);
    if (field < 0)
        return;
    mGrid->rowSelection().reset();
    showRows(searchRows(table, field, search->text));
    mGrid->mirrorSelection();
    moveTo(0);
}

void TDBAdminFrm::sortList()
{
    commitPending();
    const DataTable &table = mDataSet->table();
    const std::optional<ListSort> sort = mDialogs.sort(this, fieldNames(table));
    if (!sort)
        return;
    const int field = table.fieldIndex(sort->field);
    if (field < 0)
        return;
    // A sort orders the whole list, as a new query would; a search shown before is left.
    mGrid->rowSelection().reset();
    showRows(sortedRows(table, field, sort->descending));
    mGrid->mirrorSelection();
    moveTo(0);
}

void TDBAdminFrm::printRange()
{
    const int count = gridRowCount();
    const std::optional<QPair<int, int>> range = mDialogs.printRange(this, count);
    if (!range)
        return;
    mGrid->rowSelection().selectPrintRange(range->first, range->second, count);
    mGrid->mirrorSelection();
    if (range->first <= count)
        moveTo(std::clamp(range->second, range->first, count) - 1);
}

void TDBAdminFrm::selectAll()
{
    mGrid->rowSelection().selectAll(gridRowCount());
    mGrid->mirrorSelection();
}

void TDBAdminFrm::moveTo(int gridRow)
{
    const int count = gridRowCount();
    if (count == 0) {
        updateRecordPanel();
        return;
    }
    gridRow = std::clamp(gridRow, 0, count - 1);
    // A long list is handed to the view in batches: fetch up to the row.
    while (mModel->rowCount() <= gridRow && mModel->canFetchMore())
        mModel->fetchMore();
    const int column = std::max(mGrid->currentIndex().column(), 0);
    const QModelIndex target = mModel->index(gridRow, column);
    mGrid->selectionModel()->setCurrentIndex(target, QItemSelectionModel::NoUpdate);
    mGrid->scrollTo(target);
    updateRecordPanel();
}

// An edit still open in the grid, or a record left in edit state, is posted and written
// before a command that reads or changes the list.
void TDBAdminFrm::commitPending()
{
    if (mDataSet->state() != DataSet::State::Edit && mDataSet->state() != DataSet::State::Insert)
        return;
    if (Status posted = mDataSet->post(); !posted) {
        showReason(posted.error().message);
        return;
    }
    writeBack();
}

} // namespace quill
