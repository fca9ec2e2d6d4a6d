// The data list manager's tests: a fake of the windows it opens (answers scripted by the test,
// calls recorded), a small list written for each test, and mouse clicks on the grid's rows.
#pragma once

#include "datalists/DBAdminDialogs.h"
#include "datalists/DataListFile.h"
#include "datalists/DataSet.h"

#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QProcess>
#include <QTableView>
#include <QTemporaryDir>

#include <algorithm>
#include <functional>
#include <optional>
#include <unistd.h>

namespace quilltest {

using namespace quill;
using namespace Qt::StringLiterals;

inline const QString kProfiles = QStringLiteral(QUILL_SHARED_FIXTURES_DIR "/excel/profiles.xls");
inline const QString kNwind = QStringLiteral(QUILL_SHARED_FIXTURES_DIR "/access/nwind.mdb");

// Records answers scripted by a test and what the manager asked.
class FakeDialogs : public DBAdminDialogs {
public:
    QStringList informed; // "caption|text"
    QStringList asked;
    QMessageBox::StandardButton answer = QMessageBox::Yes;
    TSendDBName listToOpen;
    QString filterSeen;
    int chooseListCalls = 0;
    TSendDBName exportTarget;
    std::optional<ListSearch> searchAnswer;
    std::optional<ListSort> sortAnswer;
    std::optional<QPair<int, int>> rangeAnswer;
    std::function<bool(DataSet &, bool)> onEnter;
    std::function<bool(DataSet &, bool)> onFields;
    int entryCalls = 0;
    int fieldCalls = 0;
    std::optional<LabelSendResult> labelAnswer;
    std::optional<BarcodeSendResult> barcodeAnswer;
    std::optional<ManagerSelection> sent;
    int barcodeKind = 0;

    void inform(QWidget *, const QString &caption, const QString &text) override
    {
        informed.append(caption + u'|' + text);
    }
    QMessageBox::StandardButton ask(QWidget *, const QString &caption, const QString &text,
        QMessageBox::StandardButtons) override
    {
        asked.append(caption + u'|' + text);
        return answer;
    }
    TSendDBName chooseList(QWidget *, const QString &filter) override
    {
        ++chooseListCalls;
        filterSeen = filter;
        return listToOpen;
    }
    TSendDBName chooseExport(QWidget *, const DataTable &) override { return exportTarget; }
    std::optional<ListSearch> search(QWidget *, const QStringList &) override
    {
        return searchAnswer;
    }
    std::optional<ListSort> sort(QWidget *, const QStringList &) override { return sortAnswer; }
    std::optional<QPair<int, int>> printRange(QWidget *, int) override { return rangeAnswer; }
    bool editFields(QWidget *, DataSet &list, bool modify) override
    {
        ++fieldCalls;
        return onFields && onFields(list, modify);
    }
    bool enterRecords(QWidget *, DataSet &list, bool modify) override
    {
        ++entryCalls;
        return onEnter && onEnter(list, modify);
    }
    void postalSearch(QWidget *) override { }
    std::optional<LabelSendResult> sendToLabels(
        QWidget *, const ManagerSelection &selection) override
    {
        sent = selection;
        return labelAnswer;
    }
    std::optional<BarcodeSendResult> makeBarcode(
        QWidget *, const ManagerSelection &selection, int kind) override
    {
        sent = selection;
        barcodeKind = kind;
        return barcodeAnswer;
    }
    void showHelp(QWidget *) override { }
};

// Ten records: No 1..10, names with a few containing "kim".
inline QString writeList(const QTemporaryDir &dir, const QString &name)
{
    DataTable table;
    table.fields = {{u"No"_s, FieldType::Text, 10}, {u"Name"_s, FieldType::Text, 20}};
    const QStringList names = {u"lee"_s, u"kim a"_s, u"park"_s, u"choi"_s, u"kim b"_s, u"jung"_s,
        u"kang"_s, u"cho"_s, u"kim c"_s, u"yoon"_s};
    for (int i = 0; i < names.size(); ++i)
        table.rows.append({QString::number(i + 1), names.at(i)});
    const QString path = dir.filePath(name);
    return writeDataList(path, table) ? path : QString();
}

inline QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void sendMouse(QWidget *w, QEvent::Type type, QPoint at, Qt::MouseButton button,
    Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    QMouseEvent event(type, QPointF(at), QPointF(w->mapToGlobal(at)), button, buttons, modifiers);
    QApplication::sendEvent(w, &event);
}

// A click on a grid row (0-based) with the given button and keys.
inline void clickRow(QTableView *view, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
    Qt::MouseButton button = Qt::LeftButton)
{
    const QPoint at = view->visualRect(view->model()->index(row, 0)).center();
    sendMouse(view->viewport(), QEvent::MouseButtonPress, at, button, button, modifiers);
    sendMouse(view->viewport(), QEvent::MouseButtonRelease, at, button, Qt::NoButton, modifiers);
}

inline QList<int> viewSelectedRows(QTableView *view)
{
    QList<int> rows;
    for (const QModelIndex &index : view->selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

// Makes a folder refuse new files, also for root (whom permissions do not stop).
inline bool lockFolder(const QString &folder, bool locked)
{
    if (geteuid() != 0)
        return QFile::setPermissions(folder,
            locked ? QFile::ReadOwner | QFile::ExeOwner
                   : QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return QProcess::execute(u"chattr"_s, {locked ? u"+i"_s : u"-i"_s, folder}) == 0;
}

} // namespace quilltest
