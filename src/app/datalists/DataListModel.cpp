// The data list grid's model over the open dataset.
#include "DataListModel.h"

#include "datalists/DataSet.h"

#include <QDate>
#include <QDateTime>

#include <optional>

namespace quill {
namespace {

// The value typed into a cell as the field stores it; nothing when it does not fit.
std::optional<QVariant> storedValue(const DataField &field, const QVariant &value)
{
    const QString text = value.toString();
    const bool textField = field.type == FieldType::Text || field.type == FieldType::Memo;
    // An emptied cell is a null, the list's empty cell; blanks are a text's own value.
    if (value.isNull() || text.isEmpty() || (!textField && value.typeId() == QMetaType::QString && text.trimmed().isEmpty()))
        return QVariant();
    bool ok = true;
    switch (field.type) {
    case FieldType::Integer: {
        const qlonglong n = value.typeId() == QMetaType::QString ? text.trimmed().toLongLong(&ok) : value.toLongLong(&ok);
        return ok ? std::optional<QVariant>(n) : std::nullopt;
    }
    case FieldType::Float: {
        const double d = value.typeId() == QMetaType::QString ? text.trimmed().toDouble(&ok) : value.toDouble(&ok);
        return ok ? std::optional<QVariant>(d) : std::nullopt;
    }
    case FieldType::Boolean:
        return QVariant(value.toBool());
    case FieldType::Date: {
        const QDate date = value.typeId() == QMetaType::QDate ? value.toDate()
                                                               : QDate::fromString(text.trimmed(), Qt::ISODate);
        return date.isValid() ? std::optional<QVariant>(date) : std::nullopt;
    }
    case FieldType::DateTime: {
        const QDateTime moment = value.typeId() == QMetaType::QDateTime
                                     ? value.toDateTime()
                                     : QDateTime::fromString(text.trimmed(), Qt::ISODate);
        return moment.isValid() ? std::optional<QVariant>(moment) : std::nullopt;
    }
    case FieldType::Text:
        // A text field keeps at most its stated size, as the file would.
        return QVariant(field.size > 0 ? text.left(field.size) : text);
    default:
        return QVariant(text);
    }
}

} // namespace

DataListModel::DataListModel(DataSet *dataSet, QObject *parent)
    : QAbstractTableModel(parent), mDataSet(dataSet)
{
    if (!mDataSet)
        return;
    mDataSet->setAutoSave(false);
    mFields = fieldNames();
    mCount = recordCount();
    mFetched = qMin(mCount, mBatch);
    connect(mDataSet, &DataSet::dataChanged, this, &DataListModel::followDataSet);
}

void DataListModel::setBatchSize(int rows)
{
    mBatch = qMax(1, rows);
}

int DataListModel::recordCount() const
{
    return mDataSet && mDataSet->isOpen() ? mDataSet->recordCount() : 0;
}

QStringList DataListModel::fieldNames() const
{
    QStringList names;
    if (mDataSet && mDataSet->isOpen()) {
        for (const DataField &f : mDataSet->table().fields)
            names.append(f.name);
    }
    return names;
}

int DataListModel::shownCount() const
{
    return mOrdered ? int(mOrder.size()) : recordCount();
}

int DataListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : mFetched;
}

int DataListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(mFields.size());
}

QVariant DataListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= mFetched || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const DataTable &table = mDataSet->table();
    const int row = sourceRow(index.row());
    if (row < 0 || row >= table.rowCount() || index.column() >= table.columnCount())
        return {};
    // The record being edited shows its unposted values.
    if (mDataSet->state() == DataSet::State::Edit && mDataSet->recNo() == row + 1)
        return mDataSet->value(table.fields.at(index.column()).name);
    return table.rows.at(row).value(index.column());
}

QVariant DataListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return mFields.value(section);
    return section + 1; // the record number
}

Qt::ItemFlags DataListModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable;
}

bool DataListModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || index.row() >= mFetched || !mDataSet || !mDataSet->isOpen())
        return false;
    const DataField field = mDataSet->field(index.column());
    const std::optional<QVariant> stored = storedValue(field, value);
    const int row = sourceRow(index.row());
    if (!stored || row < 0)
        return false;
    mDataSet->setRecNo(row + 1);
    if (!mDataSet->setValue(field.name, *stored) || !mDataSet->post())
        return false;
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

bool DataListModel::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && mFetched < shownCount();
}

void DataListModel::fetchMore(const QModelIndex &parent)
{
    if (!canFetchMore(parent))
        return;
    const int more = qMin(mBatch, shownCount() - mFetched);
    beginInsertRows({}, mFetched, mFetched + more - 1);
    mFetched += more;
    endInsertRows();
}

void DataListModel::setRowOrder(const QList<int> &sourceRows)
{
    beginResetModel();
    const int count = recordCount();
    mOrdered = true;
    mOrder.clear();
    mOrder.reserve(sourceRows.size());
    mViewOf = QList<int>(count, -1);
    for (int row : sourceRows) {
        // Rows outside the list, and repeats, cannot be shown.
        if (row < 0 || row >= count || mViewOf.at(row) >= 0)
            continue;
        mViewOf[row] = int(mOrder.size());
        mOrder.append(row);
    }
    mFetched = qMin(int(mOrder.size()), mBatch);
    endResetModel();
}

void DataListModel::clearRowOrder()
{
    if (!mOrdered)
        return;
    beginResetModel();
    resetRows();
    endResetModel();
}

// Back to file order, the first batch fetched; between a begin and end of a model reset.
void DataListModel::resetRows()
{
    mOrdered = false;
    mOrder.clear();
    mViewOf.clear();
    mFetched = qMin(recordCount(), mBatch);
}

int DataListModel::sourceRow(int viewRow) const
{
    if (mOrdered)
        return mOrder.value(viewRow, -1);
    return viewRow >= 0 && viewRow < recordCount() ? viewRow : -1;
}

int DataListModel::viewRow(int sourceRow) const
{
    if (mOrdered)
        return mViewOf.value(sourceRow, -1);
    return sourceRow >= 0 && sourceRow < recordCount() ? sourceRow : -1;
}

// The dataset says only that something changed. Another list (other fields) starts the view
// afresh; otherwise the rows shown are kept, so the view keeps its place while records are
// edited, added or deleted. A search or sort order holds dataset row numbers, which an added
// or removed record shifts: rather than guess where the record belongs in the order, the view
// goes back to file order, where every record is.
void DataListModel::followDataSet()
{
    const QStringList fields = fieldNames();
    const int count = recordCount();
    const bool allShown = mFetched == mCount;
    const bool countChanged = count != mCount;
    mCount = count;
    if (fields != mFields || (mOrdered && countChanged)) {
        beginResetModel();
        mFields = fields;
        resetRows();
        endResetModel();
        return;
    }
    if (mOrdered) {
        if (mFetched > 0 && !mFields.isEmpty())
            emit dataChanged(index(0, 0), index(mFetched - 1, int(mFields.size()) - 1));
        return;
    }
    if (count < mFetched) {
        beginRemoveRows({}, count, mFetched - 1);
        mFetched = count;
        endRemoveRows();
    } else if (count > mFetched && (allShown || mFetched < mBatch)) {
        // Records added to a list shown to its end (an append, a paste) come into view at
        // once; a list still being fetched shows them when the view scrolls there.
        const int shown = qMin(count, allShown ? mFetched + mBatch : mBatch);
        beginInsertRows({}, mFetched, shown - 1);
        mFetched = shown;
        endInsertRows();
    }
    if (mFetched > 0 && !mFields.isEmpty())
        emit dataChanged(index(0, 0), index(mFetched - 1, int(mFields.size()) - 1));
}

} // namespace quill
