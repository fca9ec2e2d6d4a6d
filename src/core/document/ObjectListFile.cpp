#include "ObjectListFile.h"

#include "ObjectList.h"
#include "PropertyStreamReader.h"
#include "PropertyStreamWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace quill {

namespace {

Error fileError(const QString &what, const QString &path, const QString &detail)
{
    return Error{QStringLiteral("%1: %2").arg(what, detail), path};
}

Status commit(QSaveFile &file, const QByteArray &bytes, const QString &path)
{
    if (!file.open(QIODevice::WriteOnly))
        return fileError(QStringLiteral("파일을 만들 수 없습니다"), path, file.errorString());
    if (file.write(bytes) != bytes.size() || !file.commit())
        return fileError(QStringLiteral("파일을 쓸 수 없습니다"), path, file.errorString());
    return {};
}

Status writeBytes(const QString &path, const QByteArray &bytes)
{
    if (Status made = ensureFolder(QFileInfo(path).absolutePath()); !made)
        return made;
    QSaveFile file(path);
    return commit(file, bytes, path);
}

} // namespace

Status ensureFolder(const QString &folder)
{
    if (QDir(folder).exists() || QDir().mkpath(folder))
        return {};
    return Error{QStringLiteral("폴더를 만들 수 없습니다"), folder};
}

Status writeObjectListFile(const QString &path, const std::vector<const LabelObject *> &objects)
{
    // The list is built in memory first: an object that cannot be encoded fails the write
    // before the file is touched.
    QByteArray bytes;
    {
        PropertyStreamWriter writer(&bytes);
        if (Status s = writeObjectList(writer, objects); !s)
            return Error{s.error().message, path};
    }
    return writeBytes(path, bytes);
}

Status writeEmptyFile(const QString &path)
{
    return writeBytes(path, {});
}

ObjectListFileRead readObjectListFile(const QString &path)
{
    ObjectListFileRead result;
    QFile file(path);
    if (!file.exists())
        return result;
    result.found = true;
    if (!file.open(QIODevice::ReadOnly)) {
        result.status = fileError(QStringLiteral("파일을 열 수 없습니다"), path, file.errorString());
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (bytes.size() < 4)
        return result; // no complete count: an empty list
    PropertyStreamReader reader(bytes);
    if (Status s = readObjectList(reader, result.objects); !s)
        result.status = Error{s.error().message, QStringLiteral("%1, %2").arg(path, s.error().where)};
    return result;
}

} // namespace quill
