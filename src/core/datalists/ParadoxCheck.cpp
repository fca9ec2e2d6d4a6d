// The sanity check of a Paradox table's header made before pxlib is given the file.
#include "ParadoxCheck.h"

#include <QList>

extern "C" {
#include <paradox.h>
}

namespace quill {
namespace {

// The header as pxlib reads it: a fixed part, a data part in tables of version 4 and later,
// then the field types and sizes, pointers, the table name and the field names.
constexpr int FixedHeaderSize = 0x58;
constexpr int DataHeaderSize = 0x20;
constexpr int BlockHeaderSize = 6;
constexpr int MaxFields = 255;
constexpr int MaxNameLength = 298; // pxlib cuts longer names and reads the rest as the next

int u8(const QByteArray &d, int at)
{
    return quint8(d.at(at));
}

int le16(const QByteArray &d, int at)
{
    return u8(d, at) | u8(d, at + 1) << 8;
}

quint32 le32(const QByteArray &d, int at)
{
    return quint32(le16(d, at)) | quint32(le16(d, at + 2)) << 16;
}

// The only width each fixed-size type may have (pxlib reads that many bytes whatever the header
// says); 0 for types of any width from 1 to 255.
int fixedWidth(int type)
{
    switch (type) {
    case pxfShort: return 2;
    case pxfDate: case pxfLong: case pxfTime: case pxfAutoInc: return 4;
    case pxfCurrency: case pxfNumber: case pxfTimestamp: return 8;
    case pxfLogical: return 1;
    default: return 0;
    }
}

bool knownType(int type)
{
    return (type >= pxfAlpha && type <= pxfNumber) || type == pxfLogical
           || (type >= pxfMemoBLOb && type <= pxfGraphic) || (type >= pxfTime && type <= pxfBytes);
}

// The record width the field types add up to, or -1 for an unknown type or a wrong width.
int fieldsWidth(const QByteArray &head, int at, int fields)
{
    int width = 0;
    for (int i = 0; i < fields; ++i, at += 2) {
        const int type = u8(head, at), size = u8(head, at + 1);
        if (!knownType(type))
            return -1;
        if (type == pxfBCD) { // the size byte is the count of decimals; the value takes 17
            if (size > 32)
                return -1;
            width += 17;
            continue;
        }
        const int fixed = fixedWidth(type);
        if (size == 0 || (fixed && size != fixed))
            return -1;
        width += size;
    }
    return width;
}

// True when count zero-terminated names, none too long, start at at and end before end.
bool namesFit(const QByteArray &head, int at, int end, int count)
{
    for (int i = 0; i < count; ++i) {
        const qsizetype zero = head.indexOf('\0', at);
        if (zero < 0 || zero >= end || zero - at > MaxNameLength)
            return false;
        at = int(zero) + 1;
    }
    return true;
}

// pxlib follows the data blocks from the first by their "next" numbers (as signed numbers; one
// below 1 ends the chain) until the chain ends, whatever the block count says.
bool chainEnds(QIODevice &file, int first, int headerSize, int blockSize, int fileBlocks)
{
    QList<bool> seen(fileBlocks + 1, false);
    for (int block = first, steps = 0; block > 0; ++steps) {
        if (block > fileBlocks || seen.at(block) || steps >= fileBlocks)
            return false;
        seen[block] = true;
        QByteArray head;
        if (!file.seek(headerSize + qint64(block - 1) * blockSize)
            || (head = file.read(BlockHeaderSize)).size() < BlockHeaderSize)
            return false;
        block = qint16(le16(head, 0));
    }
    return true;
}

QString blocksProblem(QIODevice &file, const QByteArray &head, int headerSize, int recordSize)
{
    const int blockSize = u8(head, 5) * 0x400;
    if (recordSize > blockSize - BlockHeaderSize)
        return QStringLiteral("a record is larger than a block");
    const qint64 blocksInFile = (file.size() - headerSize + blockSize - 1) / blockSize;
    const int fileBlocks = le16(head, 0x0C);
    if (fileBlocks > blocksInFile || le16(head, 0x10) > fileBlocks)
        return QStringLiteral("the table is cut short (it lists %1 blocks)").arg(fileBlocks);
    const qint64 records = qint32(le32(head, 6));
    if (records < 0 || records > qint64(fileBlocks) * ((blockSize - BlockHeaderSize) / recordSize))
        return QStringLiteral("the record count %1 does not fit the table").arg(records);
    if (!chainEnds(file, qint16(le16(head, 0x0E)), headerSize, blockSize, fileBlocks))
        return QStringLiteral("the chain of data blocks is damaged");
    return {};
}

quint32 encryption(const QByteArray &head, bool dataHeader)
{
    const quint32 first = le32(head, 0x25);
    if (first != 0xFF00FF00u)
        return first;
    return dataHeader ? le32(head, 0x5C) : first;
}

} // namespace

QString paradoxFileProblem(QIODevice &file)
{
    if (!file.seek(0))
        return QStringLiteral("the file cannot be read");
    const QByteArray head = file.read(0xFFFF); // the largest header there can be
    if (head.size() < FixedHeaderSize)
        return QStringLiteral("the file is too short");
    const int type = u8(head, 4), version = u8(head, 0x39), tableSize = u8(head, 5);
    if (type != pxfFileTypIndexDB && type != pxfFileTypNonIndexDB)
        return QStringLiteral("not a Paradox table");
    if (version < 3 || version > 15 || tableSize < 1 || tableSize > 32)
        return QStringLiteral("unknown Paradox version");
    const bool dataHeader = version >= 5 && version <= 12;
    if (encryption(head, dataHeader) != 0)
        return QStringLiteral("the table is password-protected");
    const int headerSize = le16(head, 2), recordSize = le16(head, 0), fields = qint16(le16(head, 0x21));
    if (headerSize > head.size())
        return QStringLiteral("the header is cut short");
    if (fields < 1 || fields > MaxFields)
        return QStringLiteral("the field count %1 is out of range").arg(fields);
    const int fieldsAt = FixedHeaderSize + (dataHeader ? DataHeaderSize : 0);
    const int tableNameAt = fieldsAt + fields * 2 + 4 + fields * 4;
    const int namesAt = tableNameAt + (version == 12 ? 261 : 79);
    if (namesAt > headerSize || head.left(namesAt).indexOf('\0', tableNameAt) < 0
        || !namesFit(head, namesAt, headerSize, fields))
        return QStringLiteral("the field list does not fit the header");
    const int width = fieldsWidth(head, fieldsAt, fields);
    if (width < 0 || recordSize < 1 || width > recordSize)
        return QStringLiteral("the field types or sizes are damaged");
    return blocksProblem(file, head, headerSize, recordSize);
}

} // namespace quill
