// The windows and questions the data list manager opens, behind one interface so that the
// manager can be driven by tests without modal windows, and so that each window stays a class
// of its own.
#pragma once

#include "datalists/DataListName.h"
#include "datalists/DataTable.h"

#include <QList>
#include <QMessageBox>
#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

namespace quill {

class DataSet;

struct ListSearch {
    QString field;
    QString text;
};

struct ListSort {
    QString field;
    bool descending = false;
};

// What the manager hands a send window: the list shown and the rows chosen.
struct ManagerSelection {
    const DataTable *source = nullptr; // the whole list as the manager holds it
    QList<int> rows;                   // chosen rows of source, in the grid's order
    TSendDBName list;                  // the list's own name
    // Access and spreadsheet lists: empty texts go into label.tmp as one blank.
    bool providerSource = false;
};

class DBAdminDialogs {
public:
    virtual ~DBAdminDialogs() = default;

    // Messages. ask() returns the button pressed.
    virtual void inform(QWidget *parent, const QString &caption, const QString &text) = 0;
    virtual QMessageBox::StandardButton ask(QWidget *parent, const QString &caption,
        const QString &text, QMessageBox::StandardButtons buttons) = 0;

    // The open dialog and, for files with several tables or sheets, the table chooser.
    // Empty when cancelled.
    virtual TSendDBName chooseList(QWidget *parent, const QString &filter) = 0;
    // The save-as dialog: the file (and table name where the format holds several) to export
    // the list to; empty when cancelled.
    virtual TSendDBName chooseExport(QWidget *parent, const DataTable &list) = 0;

    virtual std::optional<ListSearch> search(QWidget *parent, const QStringList &fields) = 0;
    virtual std::optional<ListSort> sort(QWidget *parent, const QStringList &fields) = 0;
    // Record numbers from 1: start and end.
    virtual std::optional<QPair<int, int>> printRange(QWidget *parent, int recordCount) = 0;

    // The field dialog on the open list; true when its fields changed (the dataset holds the
    // changed list, not yet written).
    virtual bool editFields(QWidget *parent, DataSet &list, bool modify) = 0;
    // Record entry on the open list, adding or changing the current record; true when a record
    // was stored in the dataset (not yet written).
    virtual bool enterRecords(QWidget *parent, DataSet &list, bool modify) = 0;
    virtual void postalSearch(QWidget *parent) = 0;

    // The send windows; empty when cancelled or nothing was sent.
    virtual std::optional<LabelSendResult> sendToLabels(QWidget *parent, const ManagerSelection &selection) = 0;
    // kind: 1 linear or two-dimensional, 3 postal, 4 logistics (EAN-14).
    virtual std::optional<BarcodeSendResult> makeBarcode(
        QWidget *parent, const ManagerSelection &selection, int kind) = 0;

    virtual void showHelp(QWidget *parent) = 0;
};

} // namespace quill
