// Walking the RIFF chunks of an animated cursor to its first frame.
#include "AniCursor.h"

#include <QList>
#include <QtEndian>

#include <algorithm>

namespace quill {

namespace {

struct Chunk {
    QByteArray id;
    qsizetype data = 0; // offset of the chunk's data
    qsizetype size = 0;
};

Error damagedAni(const QString &why)
{
    return Error {QStringLiteral("Damaged animated cursor: %1").arg(why)};
}

// The chunks between `from` and `end`; fails on one that runs past `end`.
Result<QList<Chunk>> chunksIn(const QByteArray &b, qsizetype from, qsizetype end)
{
    QList<Chunk> chunks;
    qsizetype at = from;
    while (at + 8 <= end) {
        const quint32 size = qFromLittleEndian<quint32>(b.constData() + at + 4);
        if (qint64(size) > end - at - 8)
            return damagedAni(QStringLiteral("a chunk runs past the end"));
        chunks.append(Chunk {b.mid(at, 4), at + 8, qsizetype(size)});
        at += 8 + qsizetype(size) + (size & 1); // chunks are padded to even lengths
    }
    return chunks;
}

} // namespace

Result<QByteArray> firstAniFrame(const QByteArray &riff)
{
    if (riff.size() < 12 || !riff.startsWith("RIFF") || riff.mid(8, 4) != "ACON")
        return damagedAni(QStringLiteral("no RIFF ACON header"));
    const qint64 declared = 8 + qint64(qFromLittleEndian<quint32>(riff.constData() + 4));
    const qsizetype end = qsizetype(std::min<qint64>(declared, riff.size()));
    Result<QList<Chunk>> top = chunksIn(riff, 12, end);
    if (!top)
        return top.error();
    bool iconFrames = true;
    for (const Chunk &c : top.value()) {
        if (c.id == "anih" && c.size >= 36) // flags at 32: bit 0 set when frames are icons
            iconFrames = (qFromLittleEndian<quint32>(riff.constData() + c.data + 32) & 1) != 0;
    }
    for (const Chunk &c : top.value()) {
        if (c.id != "LIST" || c.size < 4 || riff.mid(c.data, 4) != "fram")
            continue;
        if (!iconFrames)
            return damagedAni(QStringLiteral("its frames are not icons"));
        Result<QList<Chunk>> frames = chunksIn(riff, c.data + 4, c.data + c.size);
        if (!frames)
            return frames.error();
        for (const Chunk &f : frames.value()) {
            if (f.id == "icon")
                return riff.mid(f.data, f.size);
        }
    }
    return damagedAni(QStringLiteral("no frame"));
}

} // namespace quill
