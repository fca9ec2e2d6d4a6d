// Writes generic property stream records (class name, name, entries) into a device or array.
#pragma once

#include "Result.h"
#include "StreamValue.h"

#include <QByteArray>

class QIODevice;

namespace quill {

// Appends records at the target's current end (array) or position (device). A device gets
// the output in blocks of 4096 bytes and the rest when a record is complete; an array gets
// every byte as soon as it is written.
//
// Records come either whole (writeRecord) or piecewise for class tables:
//     writer.beginRecord(u"TTabSheet"_s);
//     writer.writeEntry(u"Caption"_s, StreamValue::fromText(caption));
//     Status s = writer.endRecord();
// No prefix byte is written unless a record read with one is written back; the child list is
// whatever the record holds (empty for every record the program builds itself).
//
// A name or value that cannot be encoded faithfully (an empty property name, a name longer
// than 255 code page bytes or with characters outside the code page, a tag-0 value inside a
// list, an integer too large for its tag, ...) fails the record instead of writing bytes that
// would read back differently. After a failure the writer stays failed; bytes of the failed
// record that are still buffered are dropped (an array target is cut back to where the record
// began), so callers writing a file should discard it.
class PropertyStreamWriter {
public:
    explicit PropertyStreamWriter(QIODevice *device);
    explicit PropertyStreamWriter(QByteArray *target);
    ~PropertyStreamWriter(); // flushes what is buffered
    PropertyStreamWriter(const PropertyStreamWriter &) = delete;
    PropertyStreamWriter &operator=(const PropertyStreamWriter &) = delete;

    Status writeRecord(const StreamRecord &record);

    void beginRecord(const QString &className, const QString &name = {});
    void writeEntry(const QString &name, const StreamValue &value);
    Status endRecord();

    // A plain little-endian 32-bit integer, as documents put between records.
    void writeInt32(qint32 value);
    Status flush();
    Status status() const { return mStatus; }

    static constexpr qsizetype kBlockSize = 4096;

private:
    Status endOfRecord();
    void writeHeader(const StreamRecord &record);
    void writeBody(const StreamRecord &record);
    void writeEntries(const QList<StreamEntry> &entries, const QString &owner);
    bool writeValue(const StreamValue &value, QString *problem);
    bool writeCompound(const StreamValue &value, QString *problem);
    bool writeList(const QList<StreamValue> &elements, QString *problem);
    bool writeCollection(const QList<StreamItem> &items, QString *problem);
    bool writeName(const QString &name, QString *problem);
    bool writeShortBytes(const QByteArray &bytes, QString *problem);
    void writeCounted(const QByteArray &bytes);
    void put(const char *data, qsizetype size);
    void putByte(quint8 byte);
    void putInt(qint64 value, int size);
    void fail(const QString &message);
    Status flushBlocks(bool all);

    QIODevice *mDevice = nullptr;
    QByteArray *mTarget = nullptr;
    QByteArray mBuffer;
    qint64 mFlushed = 0; // bytes handed on so far (an array target counts its old content)
    qint64 mRecordStart = -1; // where the current record began, counted like mFlushed
    QString mOwner; // name (or class name) of the record being written
    Status mStatus;
};

} // namespace quill
