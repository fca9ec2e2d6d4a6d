// The save-as dialog of data lists: which file (and, for a SQLite database, which new table)
// a list is created in or exported to.
#pragma once

#include "datalists/DataListName.h"
#include "datalists/DataTable.h"

#include <QString>

#include <functional>
#include <utility>

class QDialog;
class QWidget;

namespace quill {

class TZR_SaveTableDialog {
public:
    // Runs a save-file dialog: filter is Qt name filters separated by ";;"; selectedFilter is
    // in/out. Returns the chosen file, empty when cancelled.
    using ChooseFile
        = std::function<QString(QWidget *parent, const QString &filter, QString *selectedFilter)>;
    // Runs a modal window (the table-name window); true when accepted.
    using ExecDialog = std::function<bool(QDialog &)>;

    explicit TZR_SaveTableDialog(QWidget *parent = nullptr);

    // "description|pattern|..." pairs; index counts pairs from 1.
    void setFilter(const QString &pairs) { mFilter = pairs; }
    QString filter() const { return mFilter; }
    void setFilterIndex(int index) { mFilterIndex = index; }
    void setFileName(const QString &fileName) { mFileName = fileName; }
    // Tests replace the modal windows; by default the file dialog and exec().
    void setChooseFile(ChooseFile choose) { mChooseFile = std::move(choose); }
    void setExecDialog(ExecDialog exec) { mExecDialog = std::move(exec); }

    // The file dialog; a name without extension gets the selected filter's. An existing file
    // asks "같은 파일이 존재합니다. 덮어 쓰겠습니까?" first, except a SQLite database, which keeps
    // its tables and gets one more: the table-name window asks its name. Empty when cancelled
    // or declined.
    TSendDBName execute();

    // The manager's save-as: xlsx first, then xls, CSV, dBase, Paradox, SQLite and Access,
    // which cannot be written and says so. Empty when cancelled.
    static TSendDBName chooseExport(QWidget *parent, const DataTable &list);
    // The same on this dialog (with its hooks).
    TSendDBName exportChoice(const DataTable &list);

    // The filters offered for exports and for new tables.
    static QString exportFilter();
    static QString createFilter();

private:
    QString choosePath();
    TSendDBName confirm(const QString &path);
    bool confirmOverwrite(const QString &path) const;
    bool askTableName(const QString &path, QString *name) const;

    QWidget *mParent = nullptr;
    QString mFilter;
    int mFilterIndex = 1;
    QString mFileName;
    ChooseFile mChooseFile;
    ExecDialog mExecDialog;
};

} // namespace quill
