// Shared and per-process Temp folders and the removal of abandoned ones.
#include "SessionTempFolder.h"

#include "AppFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QLockFile>
#include <QRegularExpression>

namespace quill {

namespace {

const QString LockName = QStringLiteral("owner.lock");

bool isPrivateFolderName(const QString &name)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    return digits.match(name).hasMatch();
}

} // namespace

SessionTempFolder::SessionTempFolder(const AppFolders &folders, Kind kind) : mKind(kind)
{
    mPath = kind == Kind::Shared
        ? folders.tempDir()
        : QDir(folders.tempDir()).filePath(QString::number(QCoreApplication::applicationPid()));
}

SessionTempFolder::~SessionTempFolder()
{
    if (mKind != Kind::Private || !mLock)
        return;
    mLock->unlock();
    mLock.reset();
    QDir(mPath).removeRecursively();
}

Status SessionTempFolder::prepare()
{
    if (!QDir().mkpath(mPath))
        return Error {QStringLiteral("임시 폴더를 만들 수 없습니다."), mPath};
    if (mKind == Kind::Shared || mLock)
        return Status::success();
    auto lock = std::make_unique<QLockFile>(QDir(mPath).filePath(LockName));
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return Error {QStringLiteral("임시 폴더를 사용할 수 없습니다."), mPath};
    mLock = std::move(lock);
    return Status::success();
}

void SessionTempFolder::removeAbandoned(const AppFolders &folders)
{
    const QDir temp(folders.tempDir());
    const QStringList names = temp.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &name : names) {
        if (!isPrivateFolderName(name))
            continue;
        QLockFile lock(QDir(temp.filePath(name)).filePath(LockName));
        lock.setStaleLockTime(0);
        if (!lock.tryLock(0))
            continue; // its process still runs
        lock.unlock();
        QDir(temp.filePath(name)).removeRecursively();
    }
}

} // namespace quill
