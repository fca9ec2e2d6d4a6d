// Decoding of property stream records into generic records, with every count checked.
#include "PropertyStreamReader.h"

#include "shell/CaptionFile.h"

#include <QIODevice>
#include <QtEndian>
#include <bit>
#include <cstring>

namespace quill {

namespace {

const QString kInvalidFormat = QStringLiteral("Invalid stream format");
const QString kReadError = QStringLiteral("Stream read error");
const QString kInvalidValue = QStringLiteral("Invalid property value");

// A sequential device cannot say how much is left, so large payloads are taken in chunks:
// memory grows only with data that has actually arrived.
constexpr qint64 kChunk = 1 << 16;

bool isIntegerTag(quint8 tag)
{
    return tag == quint8(StreamTag::Int8) || tag == quint8(StreamTag::Int16)
        || tag == quint8(StreamTag::Int32);
}

} // namespace

PropertyStreamReader::PropertyStreamReader(QIODevice *device) : mDevice(device) { }

PropertyStreamReader::PropertyStreamReader(const QByteArray &data, qint64 offset)
    : mData(data), mPos(qBound<qint64>(0, offset, data.size()))
{
}

void PropertyStreamReader::setClassCheck(std::function<bool(const QString &)> isRegistered)
{
    mClassCheck = std::move(isRegistered);
}

Result<StreamRecord> PropertyStreamReader::readRecord()
{
    StreamRecord record;
    const Status status = readRecord(record);
    if (!status)
        return status.error();
    return record;
}

Status PropertyStreamReader::readRecord(StreamRecord &record)
{
    record = StreamRecord();
    mErrorOffset = -1;
    record.offset = pos();
    char signature[4];
    if (!readRaw(signature, 4))
        return mError;
    if (QByteArrayView(signature, 4) != QByteArrayView("TPF0")) {
        fail(kInvalidFormat, record.offset);
        return mError;
    }
    if (!readHeader(record) || !readBody(record, 0))
        return mError;
    return Status::success();
}

Result<qint32> PropertyStreamReader::readInt32()
{
    qint64 value = 0;
    if (!readInt(4, value))
        return mError;
    return qint32(value);
}

qint64 PropertyStreamReader::pos() const
{
    if (!mDevice)
        return mPos;
    // A sequential device has no position of its own; count what this reader took from it.
    return mDevice->isSequential() ? mPos : mDevice->pos();
}

bool PropertyStreamReader::seek(qint64 pos)
{
    if (mDevice)
        return !mDevice->isSequential() && mDevice->seek(pos);
    if (pos < 0 || pos > mData.size())
        return false;
    mPos = pos;
    return true;
}

bool PropertyStreamReader::atEnd() const
{
    return mDevice ? mDevice->atEnd() : mPos >= mData.size();
}

bool PropertyStreamReader::readHeader(StreamRecord &record)
{
    quint8 next = 0;
    if (!peekByte(next))
        return false;
    if ((next & 0xF0) == 0xF0) {
        const qint64 at = pos();
        readByte(next);
        record.prefix = quint8(next & 0x0F);
        if (next & 2) {
            quint8 tag = 0;
            if (!peekByte(tag))
                return false;
            if (!isIntegerTag(tag))
                return fail(kInvalidFormat, at);
            if (!readValue(record.childPosition, 0))
                return false;
        }
    }
    const qint64 classAt = pos();
    if (!readName(record.className) || !readName(record.name))
        return false;
    if (mClassCheck && !mClassCheck(record.className))
        return fail(QStringLiteral("Class %1 not found").arg(record.className), classAt);
    return true;
}

bool PropertyStreamReader::readBody(StreamRecord &record, int depth)
{
    const QString owner = record.name.isEmpty() ? record.className : record.name;
    if (!readEntries(record.entries, owner, depth))
        return false;
    for (;;) {
        quint8 next = 0;
        if (!peekByte(next))
            return false;
        if (next == 0)
            break;
        if (depth + 1 >= kMaxDepth)
            return fail(kInvalidFormat, pos());
        StreamRecord &child = record.children.emplaceBack();
        child.offset = pos();
        if (!readHeader(child) || !readBody(child, depth + 1))
            return false;
    }
    quint8 end = 0;
    readByte(end); // the 0 ending the child list, already seen
    record.endOffset = pos();
    return true;
}

bool PropertyStreamReader::readEntries(QList<StreamEntry> &entries, const QString &owner, int depth)
{
    for (;;) {
        StreamEntry entry;
        entry.offset = pos();
        QByteArray name;
        if (!readShortString(name))
            return false;
        if (name.isEmpty())
            return true;
        entry.name = fromCp949(name);
        if (!readValue(entry.value, depth)) {
            mError.message = QStringLiteral("Error reading %1%2%3: %4")
                                 .arg(owner, QStringLiteral("."), entry.name, mError.message);
            return false;
        }
        entries.append(std::move(entry));
    }
}

bool PropertyStreamReader::readValue(StreamValue &value, int depth)
{
    const qint64 at = pos();
    quint8 tag = 0;
    if (!readByte(tag))
        return false;
    if (tag > kLastStreamTag)
        return fail(kInvalidValue, at);
    bool ok = false;
    switch (StreamTag(tag)) {
    case StreamTag::List:
        ok = depth + 1 < kMaxDepth ? readList(value, depth + 1) : fail(kInvalidFormat, at);
        break;
    case StreamTag::Collection:
        ok = depth + 1 < kMaxDepth ? readCollection(value, depth + 1) : fail(kInvalidFormat, at);
        break;
    case StreamTag::Set:
        ok = readSet(value);
        break;
    case StreamTag::String:
    case StreamTag::Ident:
    case StreamTag::Binary:
    case StreamTag::LString:
    case StreamTag::WString:
    case StreamTag::Utf8String:
        ok = readTextual(StreamTag(tag), value);
        break;
    default:
        ok = readScalar(StreamTag(tag), value);
        break;
    }
    value.setOffset(at);
    // A failure in a plain value is reported at its tag; lists and collections keep the
    // offset of the inner element that failed.
    if (!ok && tag != quint8(StreamTag::List) && tag != quint8(StreamTag::Collection))
        fail(mError.message, at);
    return ok;
}

bool PropertyStreamReader::readScalar(StreamTag tag, StreamValue &value)
{
    qint64 number = 0;
    switch (tag) {
    case StreamTag::Null:
        value = StreamValue::null();
        return true;
    case StreamTag::False:
    case StreamTag::True:
        value = StreamValue::boolean(tag == StreamTag::True);
        return true;
    case StreamTag::Nil:
        value = StreamValue::nil();
        return true;
    case StreamTag::Int8:
    case StreamTag::Int16:
    case StreamTag::Int32:
    case StreamTag::Int64:
        return readInteger(tag, value);
    case StreamTag::Extended: {
        ExtendedBytes bytes {};
        if (!readRaw(reinterpret_cast<char *>(bytes.data()), 10))
            return false;
        value = StreamValue::extendedBits(bytes);
        return true;
    }
    case StreamTag::Single:
        if (!readInt(4, number))
            return false;
        value = StreamValue::singleBits(quint32(number));
        return true;
    case StreamTag::Currency:
    case StreamTag::Date:
        if (!readInt(8, number))
            return false;
        value = tag == StreamTag::Currency ? StreamValue::currency(number)
                                           : StreamValue::date(std::bit_cast<double>(number));
        return true;
    default:
        return fail(kInvalidValue, pos() - 1);
    }
}

bool PropertyStreamReader::readInteger(StreamTag tag, StreamValue &value)
{
    const int size = tag == StreamTag::Int8 ? 1
        : tag == StreamTag::Int16           ? 2
        : tag == StreamTag::Int32           ? 4
                                            : 8;
    qint64 number = 0;
    if (!readInt(size, number))
        return false;
    value = StreamValue::integerWithTag(tag, number);
    return true;
}

bool PropertyStreamReader::readTextual(StreamTag tag, StreamValue &value)
{
    QByteArray bytes;
    if (tag == StreamTag::String || tag == StreamTag::Ident) {
        if (!readShortString(bytes))
            return false;
    } else {
        const qint64 unit = tag == StreamTag::WString ? 2 : 1;
        qint64 count = 0;
        if (!readCount(unit, count) || !readBytes(count * unit, bytes))
            return false;
    }
    value = StreamValue::fromPayload(tag, bytes);
    return true;
}

bool PropertyStreamReader::readSet(StreamValue &value)
{
    QStringList members;
    for (;;) {
        QByteArray name;
        if (!readShortString(name))
            return false;
        if (name.isEmpty())
            break;
        members.append(fromCp949(name));
    }
    value = StreamValue::set(members);
    return true;
}

bool PropertyStreamReader::readList(StreamValue &value, int depth)
{
    QList<StreamValue> elements;
    for (;;) {
        quint8 next = 0;
        if (!peekByte(next))
            return false;
        if (next == 0)
            break;
        StreamValue element;
        if (!readValue(element, depth))
            return false;
        elements.append(std::move(element));
    }
    quint8 end = 0;
    readByte(end); // the 0 ending the list, already seen
    value = StreamValue::list(elements);
    return true;
}

bool PropertyStreamReader::readCollection(StreamValue &value, int depth)
{
    QList<StreamItem> items;
    for (;;) {
        quint8 next = 0;
        if (!peekByte(next))
            return false;
        if (next == 0)
            break;
        StreamItem item;
        item.offset = pos();
        if (isIntegerTag(next) && !readValue(item.index, depth))
            return false;
        const qint64 listAt = pos();
        if (!readByte(next))
            return false;
        if (next != quint8(StreamTag::List))
            return fail(kInvalidValue, listAt);
        if (!readItemEntries(item.entries, depth))
            return false;
        items.append(std::move(item));
    }
    quint8 end = 0;
    readByte(end);
    value = StreamValue::collection(items);
    return true;
}

bool PropertyStreamReader::readItemEntries(QList<StreamEntry> &entries, int depth)
{
    for (;;) {
        StreamEntry entry;
        entry.offset = pos();
        QByteArray name;
        if (!readShortString(name))
            return false;
        if (name.isEmpty())
            return true;
        entry.name = fromCp949(name);
        if (!readValue(entry.value, depth))
            return false;
        entries.append(std::move(entry));
    }
}

bool PropertyStreamReader::readRaw(char *data, qint64 size)
{
    const qint64 at = pos();
    if (mDevice) {
        const qint64 got = mDevice->read(data, size);
        mPos += qMax<qint64>(0, got);
        if (got != size)
            return fail(kReadError, at);
        return true;
    }
    if (size > mData.size() - mPos)
        return fail(kReadError, at);
    memcpy(data, mData.constData() + mPos, size_t(size));
    mPos += size;
    return true;
}

bool PropertyStreamReader::readBytes(qint64 size, QByteArray &out)
{
    const qint64 at = pos();
    const qint64 left = remaining();
    if (left >= 0 && size > left)
        return fail(kReadError, at);
    if (!mDevice) {
        out = mData.mid(mPos, size);
        mPos += size;
        return true;
    }
    out.clear();
    while (out.size() < size) {
        const qint64 part = qMin(kChunk, size - out.size());
        const QByteArray chunk = mDevice->read(part);
        mPos += chunk.size();
        if (chunk.size() != part)
            return fail(kReadError, at);
        out.append(chunk);
    }
    return true;
}

bool PropertyStreamReader::readByte(quint8 &byte)
{
    return readRaw(reinterpret_cast<char *>(&byte), 1);
}

bool PropertyStreamReader::peekByte(quint8 &byte)
{
    if (mDevice) {
        char c = 0;
        if (mDevice->peek(&c, 1) != 1)
            return fail(kReadError, pos());
        byte = quint8(c);
        return true;
    }
    if (mPos >= mData.size())
        return fail(kReadError, mPos);
    byte = quint8(mData.at(mPos));
    return true;
}

bool PropertyStreamReader::readInt(int size, qint64 &value)
{
    char bytes[8] = {};
    if (!readRaw(bytes, size))
        return false;
    // Sign-extend from the stored width.
    const quint64 raw = qFromLittleEndian<quint64>(bytes);
    const int unused = 64 - 8 * size;
    value = qint64(raw << unused) >> unused;
    return true;
}

bool PropertyStreamReader::readCount(qint64 unitSize, qint64 &count)
{
    const qint64 at = pos();
    if (!readInt(4, count))
        return false;
    if (count < 0)
        return fail(kInvalidValue, at);
    const qint64 left = remaining();
    if (left >= 0 && count * unitSize > left)
        return fail(kReadError, at);
    return true;
}

bool PropertyStreamReader::readShortString(QByteArray &bytes)
{
    const qint64 at = pos();
    quint8 length = 0;
    if (readByte(length) && readBytes(length, bytes))
        return true;
    return fail(mError.message, at);
}

bool PropertyStreamReader::readName(QString &name)
{
    QByteArray bytes;
    if (!readShortString(bytes))
        return false;
    name = fromCp949(bytes);
    return true;
}

qint64 PropertyStreamReader::remaining() const
{
    if (!mDevice)
        return mData.size() - mPos;
    if (mDevice->isSequential())
        return -1;
    return qMax<qint64>(0, mDevice->size() - mDevice->pos());
}

bool PropertyStreamReader::fail(const QString &message, qint64 offset)
{
    mError = Error {message, QStringLiteral("offset %1").arg(offset)};
    mErrorOffset = offset;
    return false;
}

} // namespace quill
