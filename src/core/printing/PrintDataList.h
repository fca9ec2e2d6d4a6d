// A data list as a print run walks it: one record per label, by record number.
#pragma once

#include "Result.h"
#include "datalists/DataTable.h"

#include <QHash>
#include <QString>

namespace quill {

// Records are numbered from 1. A list read from a ".dbf" file is positioned by counting records
// from its first one (deleted records are not part of the list), never by the file's own
// record numbers.
class PrintDataList {
public:
    PrintDataList() = default;
    PrintDataList(DataTable table, bool dbf);

    // Reads the list at path (table: the table or sheet; empty for the first one). The ".dbf"
    // flag follows the extension, compared without regard to case.
    static Result<PrintDataList> open(const QString &path, const QString &table = {});

    bool isActive() const { return mActive; }
    bool isDbf() const { return mDbf; }
    int recordCount() const { return mActive ? mTable.rowCount() : 0; }
    const DataTable &table() const { return mTable; }

    // Current record number (1..recordCount), or 0 when the list is past its end or empty.
    int recordNumber() const { return mCurrent; }
    // Moves to record n; to the last record when the list is shorter.
    void moveTo(int n);
    void first();
    // Moves by delta records, stopping at the first and the last one.
    void moveBy(int delta);
    // Moves to the next record; false when the list ran past its last record (the position is
    // then past the end: values are empty until moveTo or first).
    bool next();

    // Moves past the last record, where every value is empty.
    void moveAfterLast() { mCurrent = 0; }
    // The text of a field (found without regard to case) in the current record; empty past
    // the end or for an unknown field.
    QString value(const QString &field) const;

    // Field name -> text of the current record; empty texts past the end.
    const QHash<QString, QString> &values() const;

private:
    DataTable mTable;
    bool mActive = false;
    bool mDbf = false;
    int mCurrent = 0;
    mutable QHash<QString, QString> mValues;
    mutable int mValuesOf = -1;
};

} // namespace quill
