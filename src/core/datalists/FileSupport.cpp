// Small helpers shared by the table file readers and writers: code pages and atomic writes.
#include "FileSupport.h"

#include "shell/CaptionFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cstdio>

namespace quill {

QByteArray cp949Cut(const QString &text, int maxBytes)
{
    QByteArray bytes = toCp949(text);
    if (bytes.size() <= maxBytes)
        return bytes;
    // Lead bytes of CP949 double-byte characters are 0x81..0xFE; everything below is one byte.
    int end = 0;
    while (end < bytes.size()) {
        const int step = quint8(bytes.at(end)) >= 0x81 ? 2 : 1;
        if (end + step > maxBytes)
            break;
        end += step;
    }
    bytes.truncate(end);
    return bytes;
}

int cp949Length(const QString &text)
{
    int length = 0;
    for (const QChar c : text)
        length += c.unicode() < 0x80 ? 1 : (c.isLowSurrogate() ? 0 : 2);
    return length;
}

AtomicPath::AtomicPath(const QString &target, const QString &wantedSuffix) : mTarget(target)
{
    const QFileInfo info(target);
    // The temporary name keeps the extension: some libraries replace any other one.
    const QString ext = wantedSuffix.isEmpty() ? info.suffix() : wantedSuffix;
    const QString suffix = ext.isEmpty() ? QString() : u'.' + ext;
    QTemporaryFile temp(info.absolutePath() + QStringLiteral("/.") + info.completeBaseName()
                        + QStringLiteral(".XXXXXX") + suffix);
    temp.setAutoRemove(false);
    if (temp.open()) {
        mTemp = temp.fileName();
        temp.close();
        // The libraries create their files themselves; an empty file in the way may confuse them.
        QFile::remove(mTemp);
    }
}

AtomicPath::~AtomicPath()
{
    if (!mTemp.isEmpty())
        QFile::remove(mTemp);
}

QByteArray AtomicPath::tempPathBytes() const
{
    return QFile::encodeName(mTemp);
}

Status AtomicPath::commit()
{
    if (mTemp.isEmpty() || !QFileInfo::exists(mTemp))
        return fileError(mTarget, QStringLiteral("the table could not be written"));
    QFile::setPermissions(mTemp, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup
                                     | QFile::ReadOther);
    if (std::rename(QFile::encodeName(mTemp).constData(), QFile::encodeName(mTarget).constData())
        != 0)
        return fileError(mTarget, QStringLiteral("the file could not be replaced"));
    mTemp.clear();
    return Status::success();
}

Error fileError(const QString &path, const QString &message)
{
    return Error(QFileInfo(path).fileName() + QStringLiteral(": ") + message, path);
}

} // namespace quill
