// Reads members of a zip archive (the container of .xlsx and .ods files) through zlib.
#pragma once

#include "Result.h"

#include <QByteArray>
#include <QHash>
#include <QString>

namespace quill {

class ZipArchive {
public:
    // Reads the archive's directory; the whole file is kept in memory.
    static Result<ZipArchive> open(const QString &path);

    bool contains(const QString &member) const { return mEntries.contains(member); }
    // The member's uncompressed bytes (stored or deflated members).
    Result<QByteArray> read(const QString &member) const;

private:
    struct Entry {
        qint64 localOffset = 0;
        qint64 compressedSize = 0;
        qint64 size = 0;
        int method = 0;
    };
    QString mPath;
    QByteArray mData;
    QHash<QString, Entry> mEntries;
};

} // namespace quill
