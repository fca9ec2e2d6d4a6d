// The Temp folder of this process: shared by the single instance, private to any second process.
#pragma once

#include "Result.h"

#include <QString>

#include <memory>

class QLockFile;

namespace quill {

class AppFolders;

// Undo snapshots and clipboard files of one running editor. The single instance uses the Temp
// folder of the user data folder. Should a second process ever run beside it (the hand-over
// to the first one failed), it works in Temp/<process id>/ instead, so the two never read or
// delete each other's files; that folder is locked while the process runs and removed when
// this object goes. Folders left by second processes that ended abnormally are removed by
// removeAbandoned().
class SessionTempFolder {
public:
    enum class Kind { Shared, Private };

    SessionTempFolder(const AppFolders &folders, Kind kind);
    ~SessionTempFolder();
    SessionTempFolder(const SessionTempFolder &) = delete;
    SessionTempFolder &operator=(const SessionTempFolder &) = delete;

    Kind kind() const { return mKind; }
    QString path() const { return mPath; }
    // Creates the folder (and, for a private one, takes its lock).
    Status prepare();

    // Removes the private folders under Temp whose process is no longer running.
    static void removeAbandoned(const AppFolders &folders);

private:
    Kind mKind;
    QString mPath;
    std::unique_ptr<QLockFile> mLock;
};

} // namespace quill
