// Reads members of a zip archive (the container of .xlsx and .ods files) through zlib.
#include "ZipArchive.h"

#include "FileSupport.h"

#include <QFile>

#include <zlib.h>

namespace quill {
namespace {

quint32 le32(const QByteArray &d, qint64 at)
{
    return quint32(quint8(d[at])) | quint32(quint8(d[at + 1])) << 8
           | quint32(quint8(d[at + 2])) << 16 | quint32(quint8(d[at + 3])) << 24;
}

quint16 le16(const QByteArray &d, qint64 at)
{
    return quint16(quint8(d[at]) | quint8(d[at + 1]) << 8);
}

constexpr qint64 MaxMemberSize = qint64(512) * 1024 * 1024;
// Deflate makes at most about 1032 bytes of one: a member claiming more than that is damaged,
// and its claimed size is not allocated.
constexpr qint64 MaxDeflateRatio = 1032;

} // namespace

Result<ZipArchive> ZipArchive::open(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fileError(path, QStringLiteral("file not found or not readable"));
    ZipArchive zip;
    zip.mPath = path;
    zip.mData = file.readAll();
    const QByteArray &d = zip.mData;
    const Error damaged = fileError(path, QStringLiteral("not a readable workbook (damaged zip archive)"));
    // The end-of-directory record sits in the last 64 KiB + 22 bytes.
    qint64 eocd = -1;
    for (qint64 at = d.size() - 22; at >= 0 && at >= d.size() - 65557; --at) {
        if (le32(d, at) == 0x06054b50) {
            eocd = at;
            break;
        }
    }
    if (eocd < 0)
        return damaged;
    const int count = le16(d, eocd + 10);
    qint64 at = le32(d, eocd + 16);
    for (int i = 0; i < count; ++i) {
        if (at + 46 > d.size() || le32(d, at) != 0x02014b50)
            return damaged;
        Entry e;
        e.method = le16(d, at + 10);
        e.compressedSize = le32(d, at + 20);
        e.size = le32(d, at + 24);
        const int nameLength = le16(d, at + 28);
        const int extra = le16(d, at + 30);
        const int comment = le16(d, at + 32);
        e.localOffset = le32(d, at + 42);
        if (at + 46 + nameLength > d.size())
            return damaged;
        zip.mEntries.insert(QString::fromUtf8(d.mid(at + 46, nameLength)), e);
        at += 46 + nameLength + extra + comment;
    }
    return zip;
}

Result<QByteArray> ZipArchive::read(const QString &member) const
{
    const Error damaged = fileError(mPath, QStringLiteral("the member %1 is damaged").arg(member));
    const auto it = mEntries.constFind(member);
    if (it == mEntries.constEnd())
        return fileError(mPath, QStringLiteral("the member %1 is missing").arg(member));
    const Entry &e = *it;
    const qint64 header = e.localOffset;
    if (header + 30 > mData.size() || le32(mData, header) != 0x04034b50)
        return damaged;
    const qint64 start = header + 30 + le16(mData, header + 26) + le16(mData, header + 28);
    if (start + e.compressedSize > mData.size() || e.size > MaxMemberSize)
        return damaged;
    if (e.method == 0)
        return mData.mid(start, e.compressedSize);
    if (e.method != 8)
        return fileError(mPath, QStringLiteral("unsupported compression in %1").arg(member));
    if (e.size > e.compressedSize * MaxDeflateRatio + 1024)
        return damaged;
    QByteArray out(e.size, Qt::Uninitialized);
    z_stream zs{};
    if (inflateInit2(&zs, -MAX_WBITS) != Z_OK)
        return damaged;
    zs.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(mData.constData() + start));
    zs.avail_in = uInt(e.compressedSize);
    zs.next_out = reinterpret_cast<Bytef *>(out.data());
    zs.avail_out = uInt(out.size());
    const int rc = inflate(&zs, Z_FINISH);
    const bool complete = rc == Z_STREAM_END && zs.total_out == uLong(e.size);
    inflateEnd(&zs);
    if (!complete)
        return damaged;
    return out;
}

} // namespace quill
