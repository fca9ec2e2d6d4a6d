#include "SaveTableDialog.h"

#include "SaveTableNameFrm.h"
#include "datalists/AccessFile.h"
#include "datalists/DataListFile.h"
#include "datalists/NewTableRules.h"

#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace quill {

namespace {

bool execModal(QDialog &dialog)
{
    return dialog.exec() == QDialog::Accepted;
}

} // namespace

TZR_SaveTableDialog::TZR_SaveTableDialog(QWidget *parent) : mParent(parent), mExecDialog(execModal)
{
}

QString TZR_SaveTableDialog::exportFilter()
{
    return QStringLiteral("Excel(*.xlsx)|*.xlsx|Excel 97-2003(*.xls)|*.xls|CSV(*.csv)|*.csv|"
                          "dBASE(*.dbf)|*.dbf|Paradox(*.db)|*.db|SQLite(*.sqlite)|*.sqlite|"
                          "Access(*.mdb)|*.mdb");
}

QString TZR_SaveTableDialog::createFilter()
{
    return QStringLiteral("Excel(*.xlsx)|*.xlsx|CSV(*.csv)|*.csv|dBASE(*.dbf)|*.dbf|"
                          "Paradox(*.db)|*.db|SQLite(*.sqlite)|*.sqlite");
}

QString TZR_SaveTableDialog::choosePath()
{
    const QStringList filters = qtNameFilters(mFilter);
    const QString joined = filters.join(QStringLiteral(";;"));
    QString selected = filters.value(qMax(1, mFilterIndex) - 1);
    // The overwrite question is ours (in the user's words), not the file dialog's.
    const QString path = mChooseFile
        ? mChooseFile(mParent, joined, &selected)
        : QFileDialog::getSaveFileName(mParent, QStringLiteral("파일저장"), mFileName, joined,
                                       &selected, QFileDialog::DontConfirmOverwrite);
    if (path.isEmpty())
        return {};
    // The filter chosen last is offered first next time.
    if (const int index = int(filters.indexOf(selected)); index >= 0)
        mFilterIndex = index + 1;
    mFileName = withFilterExtension(path, selected.isEmpty() ? filters.value(0) : selected);
    return mFileName;
}

TSendDBName TZR_SaveTableDialog::execute()
{
    return confirm(choosePath());
}

TSendDBName TZR_SaveTableDialog::confirm(const QString &path)
{
    if (path.isEmpty())
        return {};
    TSendDBName result {path, {}};
    if (dataListFormat(path) == DataListFormat::Sqlite) {
        if (!askTableName(path, &result.table))
            return {};
    } else if (QFileInfo::exists(path) && !confirmOverwrite(path)) {
        return {};
    }
    return result;
}

bool TZR_SaveTableDialog::confirmOverwrite(const QString &) const
{
    return QMessageBox::question(mParent, QStringLiteral("파일저장"),
               QStringLiteral("같은 파일이 존재합니다. 덮어 쓰겠습니까?"),
               QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel)
           == QMessageBox::Ok;
}

bool TZR_SaveTableDialog::askTableName(const QString &path, QString *name) const
{
    QStringList tables;
    if (QFileInfo::exists(path)) {
        const Result<QStringList> listed = dataListTables(path);
        if (!listed) {
            QMessageBox::warning(mParent, QStringLiteral("파일저장"), listed.error().message);
            return false;
        }
        tables = listed.value();
    }
    TZR_SaveTableNameFrm window(tables, mParent);
    if (!(mExecDialog ? mExecDialog(window) : execModal(window)))
        return false;
    *name = window.tableName();
    return !name->isEmpty();
}

TSendDBName TZR_SaveTableDialog::chooseExport(QWidget *parent, const DataTable &list)
{
    TZR_SaveTableDialog dialog(parent);
    return dialog.exportChoice(list);
}

TSendDBName TZR_SaveTableDialog::exportChoice(const DataTable &list)
{
    setFilter(exportFilter());
    setFilterIndex(1);
    if (!list.name.isEmpty())
        setFileName(QFileInfo(list.name).completeBaseName());
    const QString path = choosePath();
    if (!path.isEmpty() && dataListFormat(path) == DataListFormat::Access) {
        QMessageBox::information(mParent, QStringLiteral("파일저장"), accessWriteMessage());
        return {};
    }
    return confirm(path);
}

} // namespace quill
