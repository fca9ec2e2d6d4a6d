// The windows the data list manager opens, as the program shows them: the real dialogs, run
// modally, and the system's message boxes.
#pragma once

#include "datalists/DBAdminDialogs.h"
#include "shell/AppFolders.h"

#include <functional>

class QDialog;

namespace quill {

class CaptionFile;

class StandardDBAdminDialogs : public DBAdminDialogs {
public:
    StandardDBAdminDialogs(const CaptionFile &captions, const AppFolders &folders);

    // Runs every window; true when accepted. Unset: exec().
    void setExecDialog(std::function<bool(QDialog &)> exec) { mExec = std::move(exec); }

    void inform(QWidget *parent, const QString &caption, const QString &text) override;
    QMessageBox::StandardButton ask(QWidget *parent, const QString &caption, const QString &text,
        QMessageBox::StandardButtons buttons) override;
    TSendDBName chooseList(QWidget *parent, const QString &filter) override;
    TSendDBName chooseExport(QWidget *parent, const DataTable &list) override;
    std::optional<ListSearch> search(QWidget *parent, const QStringList &fields) override;
    std::optional<ListSort> sort(QWidget *parent, const QStringList &fields) override;
    std::optional<QPair<int, int>> printRange(QWidget *parent, int recordCount) override;
    bool editFields(QWidget *parent, DataSet &list, bool modify) override;
    bool enterRecords(QWidget *parent, DataSet &list, bool modify) override;
    void postalSearch(QWidget *parent) override;
    std::optional<LabelSendResult> sendToLabels(QWidget *parent, const ManagerSelection &selection) override;
    std::optional<BarcodeSendResult> makeBarcode(
        QWidget *parent, const ManagerSelection &selection, int kind) override;
    void showHelp(QWidget *parent) override;

private:
    bool run(QDialog &dialog) const;

    const CaptionFile &mCaptions;
    AppFolders mFolders;
    std::function<bool(QDialog &)> mExec;
};

} // namespace quill
