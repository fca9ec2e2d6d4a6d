#include "PrintDataList.h"

#include "datalists/DataListFile.h"

#include <QFileInfo>

namespace quill {

PrintDataList::PrintDataList(DataTable table, bool dbf)
    : mTable(std::move(table)), mActive(true), mDbf(dbf)
{
    first();
}

Result<PrintDataList> PrintDataList::open(const QString &path, const QString &table)
{
    if (!QFileInfo::exists(path))
        return Error(path + QStringLiteral(" 파일을 찾을 수 없습니다."), path);
    Result<DataTable> read = readDataList(path, table);
    if (!read)
        return read.error();
    const bool dbf = QFileInfo(path).suffix().compare(QLatin1String("dbf"), Qt::CaseInsensitive) == 0;
    return PrintDataList(std::move(read).value(), dbf);
}

void PrintDataList::moveTo(int n)
{
    const int count = recordCount();
    const int target = qBound(1, n, qMax(1, count));
    if (mDbf) {
        first();
        moveBy(target - 1);
        return;
    }
    mCurrent = count > 0 ? target : 0;
}

void PrintDataList::first()
{
    mCurrent = recordCount() > 0 ? 1 : 0;
}

void PrintDataList::moveBy(int delta)
{
    const int count = recordCount();
    if (count == 0)
        return;
    mCurrent = qBound(1, qMax(mCurrent, 1) + delta, count);
}

bool PrintDataList::next()
{
    if (mCurrent == 0 || mCurrent >= recordCount()) {
        mCurrent = 0;
        return false;
    }
    ++mCurrent;
    return true;
}

QString PrintDataList::value(const QString &field) const
{
    if (mCurrent <= 0)
        return {};
    return mTable.text(mCurrent - 1, mTable.fieldIndex(field));
}

const QHash<QString, QString> &PrintDataList::values() const
{
    if (mValuesOf == mCurrent)
        return mValues;
    mValues.clear();
    const int row = mCurrent - 1;
    for (int f = 0; f < mTable.columnCount(); ++f)
        mValues.insert(mTable.fields.at(f).name, mCurrent > 0 ? mTable.text(row, f) : QString());
    mValuesOf = mCurrent;
    return mValues;
}

} // namespace quill
