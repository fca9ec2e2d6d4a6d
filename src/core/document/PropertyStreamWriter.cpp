// Encoding of generic records into the property stream's bytes.
#include "PropertyStreamWriter.h"

#include "shell/CaptionFile.h"

#include <QIODevice>
#include <QtEndian>

namespace quill {

namespace {

const char kSignature[4] = {'T', 'P', 'F', '0'};

// A class name whose length byte were F0 or above would be read back as a prefix byte.
constexpr qsizetype kMaxClassNameBytes = 0xEF;

bool fitsTag(StreamTag tag, qint64 value)
{
    switch (tag) {
    case StreamTag::Int8:
        return value >= -128 && value <= 127;
    case StreamTag::Int16:
        return value >= -32768 && value <= 32767;
    case StreamTag::Int32:
        return value >= -2147483648LL && value <= 2147483647LL;
    default:
        return true;
    }
}

int payloadSize(StreamTag tag)
{
    switch (tag) {
    case StreamTag::Int8:
        return 1;
    case StreamTag::Int16:
        return 2;
    case StreamTag::Int32:
    case StreamTag::Single:
        return 4;
    default:
        return 8; // Int64, Currency, Date
    }
}

} // namespace

PropertyStreamWriter::PropertyStreamWriter(QIODevice *device) : mDevice(device) { }

PropertyStreamWriter::PropertyStreamWriter(QByteArray *target)
    : mTarget(target), mFlushed(target->size())
{
}

PropertyStreamWriter::~PropertyStreamWriter()
{
    flush();
}

Status PropertyStreamWriter::writeRecord(const StreamRecord &record)
{
    mRecordStart = mFlushed + mBuffer.size();
    mOwner = record.name.isEmpty() ? record.className : record.name;
    put(kSignature, 4);
    writeHeader(record);
    writeBody(record);
    return endOfRecord();
}

void PropertyStreamWriter::beginRecord(const QString &className, const QString &name)
{
    StreamRecord header;
    header.className = className;
    header.name = name;
    mRecordStart = mFlushed + mBuffer.size();
    mOwner = name.isEmpty() ? className : name;
    put(kSignature, 4);
    writeHeader(header);
}

void PropertyStreamWriter::writeEntry(const QString &name, const StreamValue &value)
{
    writeEntries({StreamEntry {name, value}}, mOwner);
}

Status PropertyStreamWriter::endRecord()
{
    putByte(0); // end of properties
    putByte(0); // no children
    return endOfRecord();
}

Status PropertyStreamWriter::endOfRecord()
{
    mRecordStart = -1;
    if (!mStatus.ok())
        return mStatus;
    return flushBlocks(true);
}

void PropertyStreamWriter::writeInt32(qint32 value)
{
    putInt(value, 4);
    flushBlocks(false);
}

Status PropertyStreamWriter::flush()
{
    return flushBlocks(true);
}

void PropertyStreamWriter::writeHeader(const StreamRecord &record)
{
    if (record.prefix) {
        putByte(*record.prefix | 0xF0);
        if (*record.prefix & 2) {
            QString problem;
            if (!record.childPosition.isInteger() || !writeValue(record.childPosition, &problem))
                fail(QStringLiteral("Invalid stream format (child position)"));
        }
    }
    const QByteArray className = toCp949(record.className);
    if (className.isEmpty() || className.size() > kMaxClassNameBytes
        || !fitsCp949(record.className)) {
        fail(QStringLiteral("Invalid class name \"%1\"").arg(record.className));
        return;
    }
    putByte(quint8(className.size()));
    put(className.constData(), className.size());
    QString problem;
    if (!writeName(record.name, &problem))
        fail(QStringLiteral("Invalid component name \"%1\"").arg(record.name));
}

void PropertyStreamWriter::writeBody(const StreamRecord &record)
{
    writeEntries(record.entries, record.name.isEmpty() ? record.className : record.name);
    putByte(0);
    for (const StreamRecord &child : record.children) {
        writeHeader(child);
        writeBody(child);
    }
    putByte(0);
}

void PropertyStreamWriter::writeEntries(const QList<StreamEntry> &entries, const QString &owner)
{
    for (const StreamEntry &entry : entries) {
        if (!mStatus.ok())
            return;
        QString problem;
        if (entry.name.isEmpty() || !writeName(entry.name, &problem)) {
            fail(QStringLiteral("Error writing %1.%2: Invalid property name")
                     .arg(owner, entry.name));
            return;
        }
        if (!writeValue(entry.value, &problem)) {
            fail(QStringLiteral("Error writing %1.%2: Invalid property value (%3)")
                     .arg(owner, entry.name, problem));
            return;
        }
        flushBlocks(false);
    }
}

bool PropertyStreamWriter::writeValue(const StreamValue &value, QString *problem)
{
    const StreamTag tag = value.tag();
    putByte(quint8(tag));
    switch (tag) {
    case StreamTag::Null:
    case StreamTag::False:
    case StreamTag::True:
    case StreamTag::Nil:
        return true;
    case StreamTag::Int8:
    case StreamTag::Int16:
    case StreamTag::Int32:
    case StreamTag::Int64:
        if (!fitsTag(tag, value.toInteger())) {
            *problem = QStringLiteral("%1 out of range for %2")
                           .arg(value.toInteger())
                           .arg(streamTagName(tag));
            return false;
        }
        putInt(value.toInteger(), payloadSize(tag));
        return true;
    case StreamTag::Single:
    case StreamTag::Currency:
    case StreamTag::Date:
        putInt(value.currencyValue(), payloadSize(tag)); // the raw bits in every case
        return true;
    case StreamTag::Extended:
        put(reinterpret_cast<const char *>(value.extendedBytes().data()), 10);
        return true;
    default:
        return writeCompound(value, problem);
    }
}

bool PropertyStreamWriter::writeCompound(const StreamValue &value, QString *problem)
{
    switch (value.tag()) {
    case StreamTag::String:
    case StreamTag::Ident:
        return writeShortBytes(value.bytes(), problem);
    case StreamTag::Binary:
    case StreamTag::LString:
    case StreamTag::Utf8String:
        writeCounted(value.bytes());
        return true;
    case StreamTag::WString:
        putInt(value.bytes().size() / 2, 4);
        put(value.bytes().constData(), value.bytes().size() / 2 * 2);
        return true;
    case StreamTag::Set:
        for (const QString &member : value.setMembers()) {
            if (member.isEmpty() || !writeName(member, problem)) {
                *problem = QStringLiteral("set member \"%1\"").arg(member);
                return false;
            }
        }
        putByte(0);
        return true;
    case StreamTag::List:
        return writeList(value.elements(), problem);
    case StreamTag::Collection:
        return writeCollection(value.items(), problem);
    default:
        *problem = QStringLiteral("unknown tag %1").arg(int(value.tag()));
        return false;
    }
}

bool PropertyStreamWriter::writeList(const QList<StreamValue> &elements, QString *problem)
{
    for (const StreamValue &element : elements) {
        // A tag-0 element would end the list early and shift everything after it.
        if (element.tag() == StreamTag::Null) {
            *problem = QStringLiteral("null inside a list");
            return false;
        }
        if (!writeValue(element, problem))
            return false;
    }
    putByte(0);
    return true;
}

bool PropertyStreamWriter::writeCollection(const QList<StreamItem> &items, QString *problem)
{
    for (const StreamItem &item : items) {
        if (item.index.tag() != StreamTag::Null) {
            if (!item.index.isInteger() || !writeValue(item.index, problem)) {
                *problem = QStringLiteral("collection item index");
                return false;
            }
        }
        putByte(quint8(StreamTag::List));
        for (const StreamEntry &entry : item.entries) {
            if (entry.name.isEmpty() || !writeName(entry.name, problem)) {
                *problem = QStringLiteral("item property name \"%1\"").arg(entry.name);
                return false;
            }
            if (!writeValue(entry.value, problem))
                return false;
        }
        putByte(0);
    }
    putByte(0);
    return true;
}

bool PropertyStreamWriter::writeName(const QString &name, QString *problem)
{
    if (!fitsCp949(name)) {
        *problem = QStringLiteral("name outside the code page");
        return false;
    }
    return writeShortBytes(toCp949(name), problem);
}

bool PropertyStreamWriter::writeShortBytes(const QByteArray &bytes, QString *problem)
{
    if (bytes.size() > 255) {
        *problem = QStringLiteral("short string of %1 bytes").arg(bytes.size());
        return false;
    }
    putByte(quint8(bytes.size()));
    put(bytes.constData(), bytes.size());
    return true;
}

void PropertyStreamWriter::writeCounted(const QByteArray &bytes)
{
    if (bytes.size() > 0x7FFFFFFF) {
        fail(QStringLiteral("Invalid property value (more than 2 GiB)"));
        return;
    }
    putInt(bytes.size(), 4);
    put(bytes.constData(), bytes.size());
}

void PropertyStreamWriter::put(const char *data, qsizetype size)
{
    if (mStatus.ok())
        mBuffer.append(data, size);
}

void PropertyStreamWriter::putByte(quint8 byte)
{
    if (mStatus.ok())
        mBuffer.append(char(byte));
}

void PropertyStreamWriter::putInt(qint64 value, int size)
{
    char bytes[8];
    qToLittleEndian<qint64>(value, bytes);
    put(bytes, size);
}

void PropertyStreamWriter::fail(const QString &message)
{
    if (!mStatus.ok())
        return;
    mStatus = Error {message, {}};
    if (mRecordStart < 0)
        return;
    // Take back what the failed record left behind, as far as it is still ours.
    if (mRecordStart >= mFlushed) {
        mBuffer.truncate(mRecordStart - mFlushed);
        flushBlocks(true);
    } else {
        if (mTarget)
            mTarget->truncate(mRecordStart);
        mBuffer.clear();
    }
}

Status PropertyStreamWriter::flushBlocks(bool all)
{
    // An array sees every byte at once; a device gets whole blocks until the record ends.
    const bool everything = all || mTarget;
    const qsizetype size = everything ? mBuffer.size() : mBuffer.size() / kBlockSize * kBlockSize;
    if (size == 0)
        return mStatus;
    if (mTarget) {
        mTarget->append(mBuffer.constData(), size);
    } else if (mDevice->write(mBuffer.constData(), size) != size) {
        const QString reason = mDevice->errorString();
        mBuffer.clear();
        mRecordStart = -1;
        mStatus = Error {QStringLiteral("Stream write error: %1").arg(reason), {}};
        return mStatus;
    }
    mFlushed += size;
    mBuffer.remove(0, size);
    return mStatus;
}

} // namespace quill
