// "라벨보내기": the fields of the list shown in the data list manager that become field labels,
// and the merge table of the chosen rows.
#pragma once

#include "datalists/DBAdminDialogs.h"
#include "datalists/DataListName.h"

#include <QDialog>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class QListWidget;

namespace quill {

class CaptionFile;
class SendProgress;

// Lsb_Fields ("필드명", every field of the list) and Lsb_SendFields ("보낼필드명"), both with
// multiple selection. "->" (Btn_Add), a double click in Lsb_Fields or a drag from either list
// onto Lsb_SendFields adds the selected fields not yet sent, in list order; "<-" (Btn_Remove)
// removes the selected send fields; "All" (Btn_All) sends every field. "존칭추가" (Btn_Hono)
// asks for the honorific of one send field; "보내기" (Btn_Send) sends, "취소" (Btn_Cancel)
// closes. Captions from the caption file's [MakeLabelFrm]. The selection's table must outlive
// the window.
class TMakeLabelFrm : public QDialog {
    Q_OBJECT
public:
    TMakeLabelFrm(const CaptionFile &captions, const ManagerSelection &selection,
        const QString &mergeTablePath, QWidget *parent = nullptr);
    ~TMakeLabelFrm() override;

    // After 보내기 closed the window: the list to bind to (the list itself when every record
    // was chosen, otherwise the merge table written at mergeTablePath), the send fields in
    // send order and the honorific. Empty otherwise.
    std::optional<LabelSendResult> result() const { return mResult; }

    // Runs the honorific dialog; true when it was closed with OK (default: exec()).
    void setExecDialog(std::function<bool(QDialog &)> exec) { mExec = std::move(exec); }

    QStringList sendFields() const;

private:
    void addFields(const QStringList &fields);
    void setSendFields(const QStringList &fields);
    void removeSelected();
    void addHonorific();
    void send();
    void inform(const QString &text);

    const CaptionFile &mCaptions;
    ManagerSelection mSelection;
    QString mMergeTablePath;
    QString mCaption;
    std::function<bool(QDialog &)> mExec;
    std::optional<LabelSendResult> mResult;
    TZR_ADDHono mHonorific;
    QListWidget *mFields = nullptr;
    QListWidget *mSendFields = nullptr;
    std::unique_ptr<SendProgress> mProgress;
};

} // namespace quill
