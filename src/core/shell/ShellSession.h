// What happens once the main window's close has been accepted.
#pragma once

#include <functional>

class QSettings;

namespace quill {

class DocumentRecovery;
class EditHistory;
class LabelDocument;
class TZR_HistoryList;

// The end of an editing session. close() asks the save question first; only when that lets
// the window close (a successful save or an explicit "no") are the recent files stored, the
// undo snapshots removed and the recovery file discarded. A cancelled close removes nothing,
// so undo keeps working in the window that stays open. None of the references is owned.
class ShellSession {
public:
    ShellSession(EditHistory &history, DocumentRecovery &recovery, TZR_HistoryList &recentFiles,
        QSettings &settings);

    // askToSave: the save question and the save it may lead to; false when the close is
    // cancelled or the save failed. document: the open document, whose data list files must
    // survive the recovery clean-up. Returns whether the window may close.
    bool close(const std::function<bool()> &askToSave, const LabelDocument *document);

private:
    EditHistory &mHistory;
    DocumentRecovery &mRecovery;
    TZR_HistoryList &mRecentFiles;
    QSettings &mSettings;
};

} // namespace quill
