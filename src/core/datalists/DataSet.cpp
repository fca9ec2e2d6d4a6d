// A dataset over one data list: a current record, navigation, editing with post and cancel,
// bookmarks and locate, with notifications that views follow.
#include "DataSet.h"

#include "DataListFile.h"

namespace quill {

DataSet::DataSet(QObject *parent) : QObject(parent) {}

Status DataSet::open(const QString &path, const QString &tableName)
{
    auto table = readDataList(path, tableName);
    if (!table)
        return table.error();
    setTable(table.value());
    mPath = path;
    mTableName = tableName;
    return Status::success();
}

void DataSet::setTable(const DataTable &table)
{
    mTable = table;
    mIds.clear();
    for (int i = 0; i < mTable.rows.size(); ++i)
        mIds.append(mNextId++);
    mPath.clear();
    mTableName.clear();
    mBuffer.clear();
    setState(State::Browse);
    mRow = -1;
    if (!mDisabled)
        emit dataChanged();
    first();
}

void DataSet::setFilePath(const QString &path, const QString &tableName)
{
    mPath = path;
    mTableName = tableName;
}

void DataSet::close()
{
    mTable = DataTable();
    mIds.clear();
    mRow = -1;
    mEof = mBof = true;
    setState(State::Inactive);
    if (!mDisabled)
        emit dataChanged();
}

void DataSet::move(int row)
{
    if (mState == State::Edit || mState == State::Insert)
        post();
    const int count = recordCount();
    mBof = row < 0 || count == 0;
    mEof = row >= count || count == 0;
    const int clamped = count == 0 ? -1 : qBound(0, row, count - 1);
    if (clamped != mRow) {
        mRow = clamped;
        notifyCurrent();
    }
}

void DataSet::first() { move(0); }
void DataSet::last() { move(recordCount() - 1); }
void DataSet::next() { move(mRow + 1); }
void DataSet::prior() { move(mRow - 1); }
void DataSet::setRecNo(int recNo) { move(recNo - 1); mEof = mBof = recordCount() == 0; }

Result<int> DataSet::fieldByName(const QString &name) const
{
    const int index = mTable.fieldIndex(name);
    if (index < 0)
        return Error(QStringLiteral("Field '%1' not found").arg(name), name);
    return index;
}

const QVariantList *DataSet::currentValues() const
{
    if (mState == State::Edit || mState == State::Insert)
        return &mBuffer;
    if (mRow < 0 || mRow >= mTable.rows.size())
        return nullptr;
    return &mTable.rows.at(mRow);
}

QVariant DataSet::value(const QString &field) const
{
    const int index = mTable.fieldIndex(field);
    const QVariantList *values = currentValues();
    return index < 0 || !values ? QVariant() : values->value(index);
}

QString DataSet::asText(const QString &field) const
{
    const QVariant v = value(field);
    return v.isNull() ? QString() : v.toString();
}

bool DataSet::isNull(const QString &field) const
{
    return value(field).isNull();
}

Status DataSet::setValue(const QString &field, const QVariant &value)
{
    auto index = fieldByName(field);
    if (!index)
        return index.error();
    if (mState == State::Browse)
        edit();
    if (mState != State::Edit && mState != State::Insert)
        return Error(QStringLiteral("the dataset is not open"));
    mBuffer[index.value()] = value;
    return Status::success();
}

void DataSet::append()
{
    insert();
    mInsertAt = recordCount();
}

void DataSet::insert()
{
    if (mState == State::Edit || mState == State::Insert)
        post();
    if (mState == State::Inactive)
        return;
    mBuffer = QVariantList(mTable.fields.size());
    mInsertAt = qMax(mRow, 0);
    setState(State::Insert);
}

void DataSet::edit()
{
    if (mState != State::Browse || mRow < 0)
        return;
    mBuffer = mTable.rows.at(mRow);
    setState(State::Edit);
}

Status DataSet::post()
{
    if (mState == State::Edit) {
        mTable.rows[mRow] = mBuffer;
    } else if (mState == State::Insert) {
        const int at = qBound(0, mInsertAt, recordCount());
        mTable.rows.insert(at, mBuffer);
        mIds.insert(at, mNextId++);
        mRow = at;
    } else {
        return Status::success();
    }
    mBuffer.clear();
    setState(State::Browse);
    mEof = mBof = false;
    if (!mDisabled)
        emit dataChanged();
    notifyCurrent();
    return mAutoSave && !mPath.isEmpty() ? save() : Status::success();
}

void DataSet::cancel()
{
    if (mState != State::Edit && mState != State::Insert)
        return;
    mBuffer.clear();
    setState(State::Browse);
}

Status DataSet::deleteRecord()
{
    cancel();
    if (mRow < 0 || mRow >= recordCount())
        return Error(QStringLiteral("there is no record to delete"));
    mTable.rows.removeAt(mRow);
    mIds.removeAt(mRow);
    if (mRow >= recordCount())
        mRow = recordCount() - 1;
    mEof = mBof = recordCount() == 0;
    if (!mDisabled)
        emit dataChanged();
    notifyCurrent();
    return mAutoSave && !mPath.isEmpty() ? save() : Status::success();
}

DataSet::Bookmark DataSet::bookmark() const
{
    return mRow >= 0 && mRow < mIds.size() ? mIds.at(mRow) : 0;
}

bool DataSet::gotoBookmark(Bookmark bookmark)
{
    const qsizetype row = mIds.indexOf(bookmark);
    if (bookmark == 0 || row < 0)
        return false;
    move(int(row));
    return true;
}

bool DataSet::locate(const QString &field, const QString &value)
{
    const int index = mTable.fieldIndex(field);
    if (index < 0)
        return false;
    for (int r = 0; r < recordCount(); ++r) {
        if (mTable.text(r, index).compare(value, Qt::CaseInsensitive) == 0) {
            move(r);
            return true;
        }
    }
    return false;
}

void DataSet::disableControls()
{
    ++mDisabled;
}

void DataSet::enableControls()
{
    if (mDisabled > 0 && --mDisabled == 0) {
        emit dataChanged();
        if (mPending)
            emit currentChanged(recNo());
        mPending = false;
    }
}

void DataSet::notifyCurrent()
{
    if (mDisabled)
        mPending = true;
    else
        emit currentChanged(recNo());
}

void DataSet::setState(State state)
{
    if (mState == state)
        return;
    mState = state;
    if (!mDisabled)
        emit stateChanged(state);
}

Status DataSet::save()
{
    if (mPath.isEmpty())
        return Error(QStringLiteral("the list has no file"));
    return writeDataList(mPath, mTable, mTableName);
}

} // namespace quill
