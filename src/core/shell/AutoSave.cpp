// Auto-save file naming and the temporary name's lifetime.
#include "AutoSave.h"

#include "document/DocumentFile.h"

#include <QDir>
#include <QTime>

namespace quill {

QString AutoSave::fileName(const QString &folder, const QTime &time)
{
    const QString name
        = QStringLiteral("Tmp") + time.toString(QStringLiteral("HHmmss")) + QStringLiteral(".tmp");
    return QDir(folder).filePath(name);
}

QString AutoSave::target(const QString &documentPath, const QString &folder, const QTime &now)
{
    if (!documentPath.isEmpty()) {
        mTempFile.clear();
        return documentPath;
    }
    if (mTempFile.isEmpty())
        mTempFile = fileName(folder, now);
    return mTempFile;
}

QStringList AutoSave::takeObsoleteFiles(const QString &documentPath)
{
    if (documentPath.isEmpty() || mTempFile.isEmpty())
        return {};
    // Saving as the temporary file itself makes it the document: nothing to delete.
    if (QDir::cleanPath(QDir(documentPath).absolutePath())
        == QDir::cleanPath(QDir(mTempFile).absolutePath())) {
        mTempFile.clear();
        return {};
    }
    // Auto-saves never point the document at their merge table copies, so the copies belong to
    // the temporary file alone and go with it.
    const QStringList files {mTempFile, mergeTableCopyPath(mTempFile, QLatin1Char('D')),
        mergeTableCopyPath(mTempFile, QLatin1Char('B'))};
    mTempFile.clear();
    return files;
}

} // namespace quill
