// A dataset over one data list: a current record, navigation, editing with post and cancel,
// bookmarks and locate, with notifications that views follow.
#pragma once

#include "DataTable.h"
#include "Result.h"

#include <QObject>
#include <QVariant>

namespace quill {

class DataSet : public QObject {
    Q_OBJECT
public:
    enum class State { Inactive, Browse, Edit, Insert };
    using Bookmark = quint64;

    explicit DataSet(QObject *parent = nullptr);

    // Opens a list file (table or sheet name for files with several); closes any open one.
    Status open(const QString &path, const QString &tableName = {});
    // Shows a table held in memory; save() then needs a path given to open() or setFilePath().
    void setTable(const DataTable &table);
    void close();
    bool isOpen() const { return mState != State::Inactive; }
    State state() const { return mState; }
    const DataTable &table() const { return mTable; }
    QString filePath() const { return mPath; }
    void setFilePath(const QString &path, const QString &tableName = {});

    // Navigation; eof() is true after moving past the last record, bof() before the first.
    void first();
    void next();
    void prior();
    void last();
    bool eof() const { return mEof; }
    bool bof() const { return mBof; }
    int recordCount() const { return int(mTable.rows.size()); }
    int recNo() const { return mRow + 1; } // 1-based; 0 when empty
    void setRecNo(int recNo);

    int fieldCount() const { return int(mTable.fields.size()); }
    DataField field(int index) const { return mTable.fields.value(index); }
    // Letter case ignored; a missing name is an error.
    Result<int> fieldByName(const QString &name) const;

    QString asText(const QString &field) const;
    QVariant value(const QString &field) const;
    bool isNull(const QString &field) const;
    // Writes into the record being edited or inserted (edit() is implied when browsing).
    Status setValue(const QString &field, const QVariant &value);
    Status setText(const QString &field, const QString &text) { return setValue(field, text); }

    void append();
    void insert();
    void edit();
    Status post();
    void cancel();
    Status deleteRecord();

    Bookmark bookmark() const;
    bool gotoBookmark(Bookmark bookmark);
    void freeBookmark(Bookmark) {}
    // Moves to the first record whose field equals value, letter case ignored.
    bool locate(const QString &field, const QString &value);

    void disableControls();
    void enableControls();
    bool controlsDisabled() const { return mDisabled > 0; }

    // Writes the list back to its file (atomic); posting writes through when autoSave is on.
    Status save();
    void setAutoSave(bool on) { mAutoSave = on; }

signals:
    void currentChanged(int recNo);   // the current record moved
    void dataChanged();               // records were added, changed or removed, or a list opened
    void stateChanged(quill::DataSet::State state);

private:
    void move(int row);
    void setState(State state);
    void notifyCurrent();
    const QVariantList *currentValues() const;

    DataTable mTable;
    QList<Bookmark> mIds; // a stable id per row, for bookmarks
    Bookmark mNextId = 1;
    QString mPath;
    QString mTableName;
    State mState = State::Inactive;
    int mRow = -1;
    bool mEof = true;
    bool mBof = true;
    QVariantList mBuffer; // the record being edited or inserted
    int mInsertAt = -1;
    int mDisabled = 0;
    bool mPending = false;
    bool mAutoSave = true;
};

} // namespace quill
