// The open dialog of the data list manager: a file dialog, then, for a file that holds several
// tables or sheets, the table chooser.
#pragma once

#include "datalists/DataListName.h"

#include <QDialog>
#include <QStringList>

#include <optional>

class QListWidget;
class QPushButton;

namespace quill {

// The table chooser, "테이블 목록 ": lists the tables or sheets of a file, the first selected.
class TZR_OpenTableNameFrm : public QDialog {
    Q_OBJECT
public:
    explicit TZR_OpenTableNameFrm(const QStringList &tables, QWidget *parent = nullptr);

    // The table chosen; empty when none is selected.
    QString tableName() const;
    QListWidget *tableList() const { return mList; }

private:
    // A double click or the open button: OK when an entry is selected, otherwise Cancel.
    void openSelected();

    QListWidget *mList = nullptr;
    QPushButton *mOpen = nullptr;
};

class TZR_OpenTableDialog {
public:
    explicit TZR_OpenTableDialog(QWidget *parent = nullptr) : mParent(parent) { }
    void setFilter(const QString &filter) { mFilter = filter; }
    QString filter() const { return mFilter; }
    void setDirectory(const QString &directory) { mDirectory = directory; }
    // The file dialog, then the table chooser where needed; empty when cancelled.
    TSendDBName execute() const { return getList(mParent, mFilter, mDirectory); }

    // Asks for a file (filter in Qt's form) and, where the file holds more than one table or
    // sheet, for one of them. Empty when cancelled at either step.
    static TSendDBName getList(
        QWidget *parent, const QString &filter, const QString &directory = {});
    // The table step alone, for a chosen file: the table name (empty for single-table files)
    // or nothing when the chooser was cancelled.
    static std::optional<QString> chooseTable(QWidget *parent, const QString &path);

private:
    QWidget *mParent = nullptr;
    QString mFilter;
    QString mDirectory;
};

} // namespace quill
