// Writing, adopting and removing the open document's recovery file.
#include "DocumentRecovery.h"

#include "document/DocumentFile.h"
#include "document/LabelDocument.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>

namespace quill {

DocumentRecovery::DocumentRecovery() = default;

DocumentRecovery::~DocumentRecovery()
{
    release();
}

Result<bool> DocumentRecovery::autoSave(
    const LabelDocument &document, const QString &folder, const QTime &now)
{
    if (!document.isModified())
        return false;
    if (mFile.isEmpty()) {
        if (folder.isEmpty() || !QDir().mkpath(folder))
            return Error {QStringLiteral("자동 저장 폴더를 만들 수 없습니다."), folder};
        const QString file = RecoveryFiles::freeFileName(folder, now);
        if (file.isEmpty())
            return Error {QStringLiteral("자동 저장 파일의 이름을 정할 수 없습니다."), folder};
        if (Status claimed = claim(file); !claimed)
            return claimed.error();
    }
    // The side file first: a recovery file must never exist without its owner being known.
    if (Status side = RecoveryFiles::writeSideFile(mFile, document.fileName()); !side)
        return side.error();
    WriteOptions options;
    options.autoSave = true; // merge table copies beside the file, the document is not renamed
    if (Status written = writeDocument(document, mFile, options); !written)
        return written.error();
    return true;
}

Status DocumentRecovery::adopt(const RecoveryEntry &entry)
{
    release();
    mFile.clear();
    return claim(entry.recoveryFile);
}

Result<ReadReport> DocumentRecovery::recover(LabelDocument &document, const RecoveryEntry &entry)
{
    // Claimed first: a file another process works on must not be read half written.
    DocumentRecovery claimed;
    if (Status c = claimed.claim(entry.recoveryFile); !c)
        return c.error();
    Result<ReadReport> read = readDocument(document, entry.recoveryFile);
    if (!read)
        return read;
    document.setFileName(entry.documentPath);
    document.setModified(true);
    release();
    mFile = claimed.mFile;
    mLock = std::move(claimed.mLock);
    claimed.mFile.clear();
    return read;
}

Status DocumentRecovery::discard(const LabelDocument *document)
{
    if (mFile.isEmpty())
        return Status::success();
    const QString file = mFile;
    release();
    mFile.clear();
    QStringList keep;
    if (document)
        keep << document->labelDataListPath() << document->barcodeDataListPath();
    return RecoveryFiles::remove(file, keep);
}

Status DocumentRecovery::claim(const QString &file)
{
    auto lock = std::make_unique<QLockFile>(RecoveryFiles::lockFilePath(file));
    lock->setStaleLockTime(0); // the lock lives as long as the document, however long that is
    if (!lock->tryLock(0))
        return Error {QStringLiteral("다른 프로그램이 자동 저장 파일을 쓰고 있습니다."), file};
    mLock = std::move(lock);
    mFile = QFileInfo(file).absoluteFilePath();
    return Status::success();
}

void DocumentRecovery::release()
{
    if (mLock)
        mLock->unlock();
    mLock.reset();
}

} // namespace quill
