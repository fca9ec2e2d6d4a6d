// The names the Save commands propose and take: "noname" + k, and the document extension.
#include "DocumentNaming.h"

#include <QDir>
#include <QFileInfo>

namespace quill {

QString proposedDocumentName(const QString &folder, const QString &extension)
{
    const QDir dir(folder);
    const auto name = [&](int k) { return QStringLiteral("noname%1.%2").arg(k).arg(extension); };
    for (int k = 1; k <= 100; ++k) {
        if (!QFileInfo::exists(dir.filePath(name(k))))
            return name(k);
    }
    return name(1);
}

QString withDocumentExtension(const QString &name, const QString &extension)
{
    if (extension.isEmpty() || name.endsWith(u'.' + extension, Qt::CaseInsensitive))
        return name;
    return name + u'.' + extension;
}

} // namespace quill
