// Naming, side files and the start-up scan of auto-saved recovery files.
#include "RecoveryFiles.h"

#include "document/DocumentFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>
#include <QTime>

#include <algorithm>

namespace quill {

namespace {

// The recovery file's path with its ".tmp" replaced by another extension.
QString withExtension(const QString &recoveryFile, const QString &extension)
{
    const QFileInfo info(recoveryFile);
    return info.dir().filePath(info.completeBaseName() + extension);
}

QString readSideFile(const QString &recoveryFile)
{
    QFile file(RecoveryFiles::sideFilePath(recoveryFile));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QJsonDocument json = QJsonDocument::fromJson(file.read(64 * 1024));
    return json.object().value(QStringLiteral("document")).toString();
}

// True when a running process holds the recovery file's lock. A lock left by a process that
// ended is stale and taken over (and released again) here.
bool lockedByRunningProcess(const QString &recoveryFile)
{
    QLockFile lock(RecoveryFiles::lockFilePath(recoveryFile));
    lock.setStaleLockTime(0); // only a dead owner makes a lock stale, never its age
    if (lock.tryLock(0)) {
        lock.unlock();
        return false;
    }
    return lock.error() == QLockFile::LockFailedError;
}

} // namespace

QString RecoveryEntry::displayName() const
{
    return QFileInfo(isUnnamed() ? recoveryFile : documentPath).fileName();
}

namespace RecoveryFiles {

QString sideFilePath(const QString &recoveryFile)
{
    return withExtension(recoveryFile, QStringLiteral(".json"));
}

QString lockFilePath(const QString &recoveryFile)
{
    return withExtension(recoveryFile, QStringLiteral(".lock"));
}

QStringList mergeCopyPaths(const QString &recoveryFile)
{
    return {mergeTableCopyPath(recoveryFile, QLatin1Char('D')),
        mergeTableCopyPath(recoveryFile, QLatin1Char('B'))};
}

bool isRecoveryFileName(const QString &fileName)
{
    static const QRegularExpression pattern(
        QStringLiteral("^tmp[0-9]{6}\\.tmp$"), QRegularExpression::CaseInsensitiveOption);
    return pattern.match(fileName).hasMatch();
}

QString freeFileName(const QString &folder, const QTime &time)
{
    const QDir dir(folder);
    constexpr int SecondsPerDay = 24 * 60 * 60;
    for (int step = 0; step < SecondsPerDay; ++step) {
        const QString name = QStringLiteral("Tmp")
            + time.addSecs(step).toString(QStringLiteral("HHmmss")) + QStringLiteral(".tmp");
        const QString path = dir.absoluteFilePath(name);
        // A side or lock file alone also marks the name as taken: its owner may be writing.
        if (!QFileInfo::exists(path) && !QFileInfo::exists(sideFilePath(path))
            && !QFileInfo::exists(lockFilePath(path)))
            return path;
    }
    return {};
}

Status writeSideFile(const QString &recoveryFile, const QString &documentPath)
{
    QJsonObject object;
    object.insert(QStringLiteral("document"), documentPath);
    QSaveFile file(sideFilePath(recoveryFile));
    if (!file.open(QIODevice::WriteOnly) || file.write(QJsonDocument(object).toJson()) < 0
        || !file.commit())
        return Error {
            QStringLiteral("자동 저장 정보 파일을 쓸 수 없습니다: %1").arg(file.errorString()),
            sideFilePath(recoveryFile)};
    return Status::success();
}

QList<RecoveryEntry> scan(const QStringList &folders)
{
    QList<RecoveryEntry> entries;
    QSet<QString> seen;
    for (const QString &folder : folders) {
        const QDir dir(folder);
        const QString canonical = dir.canonicalPath();
        if (folder.isEmpty() || canonical.isEmpty() || seen.contains(canonical))
            continue;
        seen.insert(canonical);
        const QFileInfoList files = dir.entryInfoList({QStringLiteral("*")}, QDir::Files);
        for (const QFileInfo &info : files) {
            if (!isRecoveryFileName(info.fileName()))
                continue;
            const QString path = info.absoluteFilePath();
            if (lockedByRunningProcess(path))
                continue;
            entries.append({path, readSideFile(path), info.lastModified()});
        }
    }
    std::stable_sort(entries.begin(), entries.end(),
        [](const RecoveryEntry &a, const RecoveryEntry &b) { return a.savedAt > b.savedAt; });
    return entries;
}

Status remove(const QString &recoveryFile, const QStringList &keep)
{
    QStringList files {recoveryFile, sideFilePath(recoveryFile)};
    files += mergeCopyPaths(recoveryFile);
    QStringList kept;
    for (const QString &path : keep)
        kept << QFileInfo(path).absoluteFilePath();
    QString failed;
    for (const QString &path : std::as_const(files)) {
        if (kept.contains(QFileInfo(path).absoluteFilePath()) || !QFileInfo::exists(path))
            continue;
        if (!QFile::remove(path) && failed.isEmpty())
            failed = path;
    }
    // The lock file of a file in use is its owner's to remove; a stale one goes here.
    if (!lockedByRunningProcess(recoveryFile))
        QFile::remove(lockFilePath(recoveryFile));
    if (!failed.isEmpty())
        return Error {QStringLiteral("자동 저장 파일을 지울 수 없습니다."), failed};
    return Status::success();
}

} // namespace RecoveryFiles

} // namespace quill
