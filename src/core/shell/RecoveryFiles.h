// Recovery files left in the auto-save folder: their names, their side files and the scan at
// start-up.
#pragma once

#include "Result.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

class QTime;

namespace quill {

// One auto-saved copy of a document that was never saved or closed cleanly afterwards.
// Auto-save writes a recovery file "Tmp" + HHMMSS + ".tmp" into the auto-save folder (never the
// user's own document), the merge table copies beside it (".Dmp", ".Bmp") and a side file
// "Tmp" + HHMMSS + ".json" that records which document the copy belongs to. While the writing
// process runs it holds "Tmp" + HHMMSS + ".lock", so a scan never offers a file in use.
struct RecoveryEntry {
    QString recoveryFile; // absolute path of the Tmp*.tmp file
    QString documentPath; // the document it is a copy of; empty for a document without a name
    QDateTime savedAt; // when the recovery file was last written

    bool isUnnamed() const { return documentPath.isEmpty(); }
    // The file name shown to the user: the document's, or the recovery file's for an unnamed one.
    QString displayName() const;
};

namespace RecoveryFiles {

// The side file, the lock file and the two merge table copies of a recovery file.
QString sideFilePath(const QString &recoveryFile);
QString lockFilePath(const QString &recoveryFile);
QStringList mergeCopyPaths(const QString &recoveryFile);

// True for names auto-save makes: "Tmp" + six digits + ".tmp", in any letter case.
bool isRecoveryFileName(const QString &fileName);

// A recovery file name in folder that no file uses yet: "Tmp" + the time as HHMMSS + ".tmp",
// the following seconds when that name is taken (a file left by an earlier crash at the same
// time of day is never overwritten). Empty when every second of the day is taken.
QString freeFileName(const QString &folder, const QTime &time);

// Records documentPath as the owner of recoveryFile (atomically).
Status writeSideFile(const QString &recoveryFile, const QString &documentPath);

// Recovery files of the folders, newest first. Files whose lock is held by a running process
// are left out (that process is still working on them); a recovery file without a readable
// side file belongs to an unnamed document. A folder listed twice is scanned once.
QList<RecoveryEntry> scan(const QStringList &folders);

// Removes the recovery file, its side file, lock file and merge table copies, except the
// paths listed in keep (files an open document still refers to). An Error names a file that
// exists but could not be removed; the others are removed all the same.
Status remove(const QString &recoveryFile, const QStringList &keep = {});

} // namespace RecoveryFiles

} // namespace quill
