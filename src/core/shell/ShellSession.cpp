// The clean end of a session: nothing is removed before the close is certain.
#include "ShellSession.h"

#include "DocumentRecovery.h"
#include "ZR_HistoryList.h"
#include "document/EditHistory.h"
#include "document/LabelDocument.h"

#include <QSettings>

namespace quill {

ShellSession::ShellSession(EditHistory &history, DocumentRecovery &recovery,
    TZR_HistoryList &recentFiles, QSettings &settings)
    : mHistory(history), mRecovery(recovery), mRecentFiles(recentFiles), mSettings(settings)
{
}

bool ShellSession::close(const std::function<bool()> &askToSave, const LabelDocument *document)
{
    if (askToSave && !askToSave())
        return false;
    mRecentFiles.save(mSettings);
    mSettings.sync();
    mHistory.removeAll();
    // A failure to remove the recovery file only means it is offered once more at the next
    // start, where the user can discard it.
    mRecovery.discard(document);
    return true;
}

} // namespace quill
