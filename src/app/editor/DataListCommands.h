// The main window's data list commands: visiting the data list manager, creating a list first,
// and taking what a send hands back: the document's label or barcode data list, and the field
// labels or barcode it creates in the current cell.
#pragma once

#include "datalists/DataListName.h"
#include "shell/AppFolders.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>

class QDialog;

namespace quill {

class CaptionFile;
class CellEditor;
class DBAdminDialogs;
class LabelDocument;
class TDBAdminFrm;

struct DataListServices {
    // The windows the manager opens (the system's when unset).
    std::function<std::unique_ptr<DBAdminDialogs>(QWidget *parent)> dialogs;
    // Runs the manager and the create-table window; true when accepted. Unset: exec().
    // The manager's barcode result (6) counts as accepted.
    std::function<int(QDialog &dialog)> execDialog;
    // Told before the manager opens: in-place text editing ends.
    std::function<void()> beforeVisit;
    // The format tool bar's font name, for the field labels of a send.
    std::function<QString()> fontName;
    // Messages of the editor (a list that cannot be reopened).
    std::function<void(const QString &text)> tell;
};

class DataListCommands : public QObject {
    Q_OBJECT
public:
    DataListCommands(LabelDocument &document, CellEditor &editor, const CaptionFile &captions,
        const AppFolders &folders, DataListServices services, QWidget *window);
    ~DataListCommands() override;

    // "데이터목록 관리": the manager on the document's list.
    void manage();
    // "데이터목록 열기": the manager with its open dialog shown at once.
    void openList();
    // "데이터목록 만들기": the create-table window, then the manager on the new list.
    void makeList();

    // The manager of the visit under way (tests drive it); null between visits.
    TDBAdminFrm *manager() const;

signals:
    // A visit ended: the lists are to be reopened and the bound objects refreshed.
    void visited();

private:
    void visit(const TSendDBName &created, bool openAtOnce);
    void takeLabelSend(const LabelSendResult &send);
    void takeBarcodeSend(const BarcodeSendResult &send);
    QHash<QString, QString> firstRecord(const TSendDBName &list) const;
    int exec(QDialog &dialog) const;

    LabelDocument &mDocument;
    CellEditor &mEditor;
    const CaptionFile &mCaptions;
    AppFolders mFolders;
    DataListServices mServices;
    QPointer<QWidget> mWindow;
    QPointer<TDBAdminFrm> mManager;
};

} // namespace quill
