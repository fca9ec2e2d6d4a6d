// Reads generic property stream records from a device or a byte array, defensively.
#pragma once

#include "Result.h"
#include "StreamValue.h"

#include <QByteArray>
#include <functional>

class QIODevice;

namespace quill {

// Reads one record at a time and leaves the source positioned exactly after the record's last
// byte: nothing is read ahead from a device.
//
// The reader trusts nothing it reads: every length and count is checked against what the
// source still holds (for a sequential device, data is taken in bounded chunks as it arrives),
// every loop consumes at least one byte per turn, and lists, collections and child records
// nest at most kMaxDepth deep. Failures carry the toolkit's messages: "Invalid stream format"
// (no signature, bad prefix, nesting too deep), "Stream read error" (the data ends early),
// "Class %s not found" (with a class check set) and, for anything inside a property value,
// "Error reading <name or class>.<property>: <message>" around "Invalid property value" or
// "Stream read error". Error::where holds "offset N", N being where the failing read began.
class PropertyStreamReader {
public:
    explicit PropertyStreamReader(QIODevice *device);
    explicit PropertyStreamReader(const QByteArray &data, qint64 offset = 0);

    // With a check set, a record or child whose class it rejects fails with "Class %s not found".
    void setClassCheck(std::function<bool(const QString &)> isRegistered);

    Result<StreamRecord> readRecord();
    // As above; on failure record keeps what was read up to the failure (for listings).
    Status readRecord(StreamRecord &record);
    // A plain little-endian 32-bit integer, as documents put between records.
    Result<qint32> readInt32();

    // The device's position; for a sequential device, the bytes this reader has taken from it.
    qint64 pos() const;
    bool seek(qint64 pos);
    bool atEnd() const;
    // Where the last failure happened, or -1.
    qint64 errorOffset() const { return mErrorOffset; }

    static constexpr int kMaxDepth = 32;

private:
    bool readHeader(StreamRecord &record);
    bool readBody(StreamRecord &record, int depth);
    bool readEntries(QList<StreamEntry> &entries, const QString &owner, int depth);
    bool readValue(StreamValue &value, int depth);
    bool readScalar(StreamTag tag, StreamValue &value);
    bool readInteger(StreamTag tag, StreamValue &value);
    bool readTextual(StreamTag tag, StreamValue &value);
    bool readSet(StreamValue &value);
    bool readList(StreamValue &value, int depth);
    bool readCollection(StreamValue &value, int depth);
    bool readItemEntries(QList<StreamEntry> &entries, int depth);

    bool readRaw(char *data, qint64 size);
    bool readBytes(qint64 size, QByteArray &out);
    bool readByte(quint8 &byte);
    bool peekByte(quint8 &byte);
    bool readInt(int size, qint64 &value);
    bool readCount(qint64 unitSize, qint64 &count);
    bool readShortString(QByteArray &bytes);
    bool readName(QString &name);
    qint64 remaining() const; // -1 when a sequential device cannot tell
    bool fail(const QString &message, qint64 offset);

    QIODevice *mDevice = nullptr;
    QByteArray mData;
    qint64 mPos = 0; // in mData, or bytes taken from a sequential device
    std::function<bool(const QString &)> mClassCheck;
    Error mError;
    qint64 mErrorOffset = -1;
};

} // namespace quill
