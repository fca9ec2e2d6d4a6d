// Builds a zip archive in memory (the container of .xlsx and .ods files), stored or deflated.
#include "ZipWriter.h"

#include <zlib.h>

namespace quill {
namespace {

void put16(QByteArray &out, quint32 v)
{
    out.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF));
}

void put32(QByteArray &out, quint32 v)
{
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

QByteArray rawDeflate(const QByteArray &data)
{
    z_stream zs{};
    if (deflateInit2(&zs, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        return {};
    QByteArray out(qsizetype(deflateBound(&zs, uLong(data.size()))), '\0');
    zs.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.constData()));
    zs.avail_in = uInt(data.size());
    zs.next_out = reinterpret_cast<Bytef *>(out.data());
    zs.avail_out = uInt(out.size());
    deflate(&zs, Z_FINISH);
    out.truncate(qsizetype(zs.total_out));
    deflateEnd(&zs);
    return out;
}

} // namespace

QByteArray zipArchive(const QList<ZipMember> &members)
{
    QByteArray zip, directory;
    for (const ZipMember &m : members) {
        const QByteArray stored = !m.storedAs.isEmpty() ? m.storedAs : m.deflated ? rawDeflate(m.data) : m.data;
        const quint32 crc = quint32(crc32(0, reinterpret_cast<const Bytef *>(m.data.constData()), uInt(m.data.size())));
        const quint32 offset = quint32(zip.size());
        auto common = [&](QByteArray &out) {
            put16(out, 20);     // version needed: 2.0
            put16(out, 0x0800); // names in UTF-8
            put16(out, m.deflated ? 8 : 0);
            put16(out, 0);      // time
            put16(out, 0x21);   // date: 1 January 1980
            put32(out, crc);
            put32(out, quint32(stored.size()));
            put32(out, quint32(m.data.size()));
            put16(out, quint32(m.name.size()));
            put16(out, 0);      // extra field
        };
        put32(zip, 0x04034b50);
        common(zip);
        zip += m.name + stored;
        put32(directory, 0x02014b50);
        put16(directory, 20); // made by
        common(directory);
        put16(directory, 0);  // comment
        put16(directory, 0);  // disk
        put16(directory, 0);  // internal attributes
        put32(directory, 0);  // external attributes
        put32(directory, offset);
        directory += m.name;
    }
    const quint32 directoryOffset = quint32(zip.size());
    zip += directory;
    put32(zip, 0x06054b50);
    put16(zip, 0);
    put16(zip, 0);
    put16(zip, quint32(members.size()));
    put16(zip, quint32(members.size()));
    put32(zip, quint32(directory.size()));
    put32(zip, directoryOffset);
    put16(zip, 0); // comment
    return zip;
}

} // namespace quill
