// Tagged values and generic records of the binary property stream.
#pragma once

#include "ExtendedFloat.h"
#include "StreamIdents.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace quill {

// The tag byte in front of every value.
enum class StreamTag : quint8 {
    Null = 0, // also ends lists
    List = 1,
    Int8 = 2,
    Int16 = 3,
    Int32 = 4,
    Extended = 5,
    String = 6, // 1-byte length + code page bytes
    Ident = 7,
    False = 8,
    True = 9,
    Binary = 10,
    Set = 11,
    LString = 12, // 32-bit length + code page bytes
    Nil = 13,
    Collection = 14,
    Single = 15,
    Currency = 16,
    Date = 17,
    WString = 18, // 32-bit count of UTF-16 units
    Int64 = 19,
    Utf8String = 20,
};
constexpr int kLastStreamTag = 20;

// "short text", "identifier", ...: the tag's meaning for listings.
QString streamTagName(StreamTag tag);

struct StreamItem;

// One value as stored in a record. The value keeps the tag it was read with (or the tag the
// writer's rules chose), so writing it again reproduces the same bytes.
class StreamValue {
public:
    StreamValue() = default; // tag 0, the identifier Null

    // Factories that apply the writer's choice of tag.
    static StreamValue null() { return {}; }
    static StreamValue nil();
    static StreamValue boolean(bool value);
    // Tag 2, 3 or 4, the smallest that holds value; tag 19 beyond the 32-bit range.
    static StreamValue integer(qint64 value);
    // An identifier when value has a name in table, otherwise integer(value).
    static StreamValue namedInteger(IdentTable table, qint64 value);
    static StreamValue extended(double value);
    // A text property: tag 6/12 for ASCII when UTF-8 is shorter than UTF-16, tag 20 for other
    // such texts, tag 18 when UTF-8 is not shorter (Korean text).
    static StreamValue fromText(const QString &text);
    // A string list line or a character: tag 6/12 for ASCII, tag 20 for anything else.
    static StreamValue fromLineText(const QString &text);
    // An enumeration name: False/True/nil/Null become tags 8/9/13/0, others identifiers.
    static StreamValue enumIdent(const QString &name);
    static StreamValue ident(const QString &name);
    static StreamValue binary(const QByteArray &bytes);
    static StreamValue set(const QStringList &members);
    static StreamValue list(const QList<StreamValue> &elements);
    static StreamValue collection(const QList<StreamItem> &items);

    // Factories with an explicit tag, for reproducing what was read. Range checks are the
    // writer's: a value that does not fit its tag fails there.
    static StreamValue integerWithTag(StreamTag tag, qint64 value);
    static StreamValue extendedBits(const ExtendedBytes &bytes);
    static StreamValue singleBits(quint32 bits);
    static StreamValue single(float value);
    static StreamValue currency(qint64 tenThousandths);
    static StreamValue date(double value);
    static StreamValue shortText(const QByteArray &codePageBytes);
    static StreamValue longText(const QByteArray &codePageBytes);
    static StreamValue wideText(const QString &text);
    static StreamValue utf8Text(const QByteArray &utf8Bytes);
    // Tags 6, 7, 10, 12, 18 and 20 from their payload bytes as stored (UTF-16LE for 18).
    static StreamValue fromPayload(StreamTag tag, const QByteArray &bytes);

    StreamTag tag() const { return mTag; }

    bool isInteger() const; // tags 2, 3, 4, 19
    qint64 toInteger() const { return mInt; }
    // An integer tag, or an identifier named in table; nothing otherwise or for unknown names.
    std::optional<qint64> toNamedInteger(IdentTable table) const;

    bool isFloat() const; // tags 5, 15, 16, 17
    // Extended, single, currency and date as a double; integers as their value; else 0.
    double toDouble() const;
    const ExtendedBytes &extendedBytes() const { return mExtended; }
    quint32 singleBitsValue() const { return quint32(mInt); }
    qint64 currencyValue() const { return mInt; }

    bool isText() const; // tags 6, 12, 18, 20
    QString text() const; // the text of a text tag, decoded by its tag; empty otherwise
    QString identName() const; // tag 7, and the names of tags 0, 8, 9, 13
    bool isBoolean() const { return mTag == StreamTag::False || mTag == StreamTag::True; }
    bool toBool() const { return mTag == StreamTag::True; }

    // Payload bytes of tags 6, 7, 10, 12 and 20; UTF-16LE units of tag 18.
    const QByteArray &bytes() const { return mBytes; }
    const QStringList &setMembers() const { return mSet; }
    const QList<StreamValue> &elements() const { return mList; }
    const QList<StreamItem> &items() const { return mItems; }

    // Where the tag byte was read, or -1 for a value that was not read.
    qint64 offset() const { return mOffset; }
    void setOffset(qint64 offset) { mOffset = offset; }

    // Same tag and payload; offsets do not count.
    bool operator==(const StreamValue &other) const;

private:
    explicit StreamValue(StreamTag tag) : mTag(tag) { }

    StreamTag mTag = StreamTag::Null;
    qint64 mInt = 0; // integers, currency, single and date bits
    ExtendedBytes mExtended {};
    QByteArray mBytes;
    QStringList mSet;
    QList<StreamValue> mList;
    QList<StreamItem> mItems;
    qint64 mOffset = -1;
};

// A property entry: name (dotted for nested values, "Font.Name") and value.
struct StreamEntry {
    QString name;
    StreamValue value;
    qint64 offset = -1; // where the name was read

    bool operator==(const StreamEntry &other) const
    {
        return name == other.name && value == other.value;
    }
};

// One item of a collection value: its property entries, and the item index integer that some
// writers put before the item (tag 0 when there is none; a reader ignores its value).
struct StreamItem {
    QList<StreamEntry> entries;
    StreamValue index;
    qint64 offset = -1;

    bool operator==(const StreamItem &other) const
    {
        return entries == other.entries && index == other.index;
    }
};

// A component record without any knowledge of the class: class name, component name,
// ordered entries and nested child records.
struct StreamRecord {
    QString className;
    QString name;
    QList<StreamEntry> entries;
    QList<StreamRecord> children;
    std::optional<quint8> prefix; // the F0..FF byte when one was read; writers leave it empty
    StreamValue childPosition; // the integer after a prefix with flag 2, else tag 0
    qint64 offset = -1; // first byte of the record (the signature at top level)
    qint64 endOffset = -1; // just after the record's last byte

    // The first entry of that name, or null.
    const StreamValue *value(const QString &entryName) const;

    bool operator==(const StreamRecord &other) const;
};

} // namespace quill
