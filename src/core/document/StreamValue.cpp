// Tag choice and decoding of property stream values.
#include "StreamValue.h"

#include "shell/CaptionFile.h"

#include <QtEndian>
#include <bit>

namespace quill {

namespace {

QByteArray utf16LittleEndian(const QString &text)
{
    QByteArray out(text.size() * 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        qToLittleEndian<quint16>(text.at(i).unicode(), out.data() + 2 * i);
    return out;
}

QString fromUtf16LittleEndian(const QByteArray &bytes)
{
    QString out(bytes.size() / 2, Qt::Uninitialized);
    QChar *dst = out.data();
    for (qsizetype i = 0; i < out.size(); ++i)
        dst[i] = QChar(qFromLittleEndian<quint16>(bytes.constData() + 2 * i));
    return out;
}

// Texts whose code page form is their UTF-8 form go out as tag 6, or 12 when too long for a
// length byte.
std::optional<StreamValue> asCodePageText(const QString &text, const QByteArray &utf8)
{
    const QByteArray codePage = toCp949(text);
    if (codePage != utf8 || fromCp949(codePage) != text)
        return std::nullopt;
    return codePage.size() < 256 ? StreamValue::shortText(codePage)
                                 : StreamValue::longText(codePage);
}

} // namespace

QString streamTagName(StreamTag tag)
{
    static const char16_t *const names[] = {
        u"null",
        u"list",
        u"8-bit integer",
        u"16-bit integer",
        u"32-bit integer",
        u"extended",
        u"short text",
        u"identifier",
        u"false",
        u"true",
        u"binary",
        u"set",
        u"long text",
        u"nil",
        u"collection",
        u"single",
        u"currency",
        u"date",
        u"wide text",
        u"64-bit integer",
        u"UTF-8 text",
    };
    const int index = int(tag);
    return index <= kLastStreamTag ? QString::fromUtf16(names[index])
                                   : QStringLiteral("tag %1").arg(index);
}

StreamValue StreamValue::nil()
{
    return StreamValue(StreamTag::Nil);
}

StreamValue StreamValue::boolean(bool value)
{
    return StreamValue(value ? StreamTag::True : StreamTag::False);
}

StreamValue StreamValue::integer(qint64 value)
{
    if (value >= -128 && value <= 127)
        return integerWithTag(StreamTag::Int8, value);
    if (value >= -32768 && value <= 32767)
        return integerWithTag(StreamTag::Int16, value);
    if (value >= -2147483648LL && value <= 2147483647LL)
        return integerWithTag(StreamTag::Int32, value);
    return integerWithTag(StreamTag::Int64, value);
}

StreamValue StreamValue::namedInteger(IdentTable table, qint64 value)
{
    if (auto name = integerIdent(table, value))
        return ident(*name);
    // Colours are 32-bit patterns; $FF000005 and -16777211 are the same stream integer.
    if (table == IdentTable::Color && value > 2147483647LL && value <= 0xFFFFFFFFLL)
        value = qint64(static_cast<qint32>(quint32(value)));
    return integer(value);
}

StreamValue StreamValue::extended(double value)
{
    return extendedBits(doubleToExtended(value));
}

StreamValue StreamValue::fromText(const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    if (utf8.size() < text.size() * 2) {
        if (auto plain = asCodePageText(text, utf8))
            return *plain;
        return utf8Text(utf8);
    }
    return wideText(text);
}

StreamValue StreamValue::fromLineText(const QString &text)
{
    // The line keeps every character: a character outside the code page would turn into '?'
    // if the line were first narrowed, so anything not plain goes out as UTF-8.
    const QByteArray utf8 = text.toUtf8();
    if (auto plain = asCodePageText(text, utf8))
        return *plain;
    return utf8Text(utf8);
}

StreamValue StreamValue::enumIdent(const QString &name)
{
    if (name.compare(u"False", Qt::CaseInsensitive) == 0)
        return boolean(false);
    if (name.compare(u"True", Qt::CaseInsensitive) == 0)
        return boolean(true);
    if (name.compare(u"nil", Qt::CaseInsensitive) == 0)
        return nil();
    if (name.compare(u"Null", Qt::CaseInsensitive) == 0)
        return null();
    return ident(name);
}

StreamValue StreamValue::ident(const QString &name)
{
    StreamValue v(StreamTag::Ident);
    v.mBytes = toCp949(name);
    return v;
}

StreamValue StreamValue::binary(const QByteArray &bytes)
{
    StreamValue v(StreamTag::Binary);
    v.mBytes = bytes;
    return v;
}

StreamValue StreamValue::set(const QStringList &members)
{
    StreamValue v(StreamTag::Set);
    v.mSet = members;
    return v;
}

StreamValue StreamValue::list(const QList<StreamValue> &elements)
{
    StreamValue v(StreamTag::List);
    v.mList = elements;
    return v;
}

StreamValue StreamValue::collection(const QList<StreamItem> &items)
{
    StreamValue v(StreamTag::Collection);
    v.mItems = items;
    return v;
}

StreamValue StreamValue::integerWithTag(StreamTag tag, qint64 value)
{
    StreamValue v(tag);
    v.mInt = value;
    return v;
}

StreamValue StreamValue::extendedBits(const ExtendedBytes &bytes)
{
    StreamValue v(StreamTag::Extended);
    v.mExtended = bytes;
    return v;
}

StreamValue StreamValue::singleBits(quint32 bits)
{
    StreamValue v(StreamTag::Single);
    v.mInt = bits;
    return v;
}

StreamValue StreamValue::single(float value)
{
    return singleBits(std::bit_cast<quint32>(value));
}

StreamValue StreamValue::currency(qint64 tenThousandths)
{
    StreamValue v(StreamTag::Currency);
    v.mInt = tenThousandths;
    return v;
}

StreamValue StreamValue::date(double value)
{
    StreamValue v(StreamTag::Date);
    v.mInt = std::bit_cast<qint64>(value);
    return v;
}

StreamValue StreamValue::shortText(const QByteArray &codePageBytes)
{
    StreamValue v(StreamTag::String);
    v.mBytes = codePageBytes;
    return v;
}

StreamValue StreamValue::longText(const QByteArray &codePageBytes)
{
    StreamValue v(StreamTag::LString);
    v.mBytes = codePageBytes;
    return v;
}

StreamValue StreamValue::wideText(const QString &text)
{
    StreamValue v(StreamTag::WString);
    v.mBytes = utf16LittleEndian(text);
    return v;
}

StreamValue StreamValue::utf8Text(const QByteArray &utf8Bytes)
{
    StreamValue v(StreamTag::Utf8String);
    v.mBytes = utf8Bytes;
    return v;
}

StreamValue StreamValue::fromPayload(StreamTag tag, const QByteArray &bytes)
{
    StreamValue v(tag);
    v.mBytes = bytes;
    return v;
}

bool StreamValue::isInteger() const
{
    return mTag == StreamTag::Int8 || mTag == StreamTag::Int16 || mTag == StreamTag::Int32
        || mTag == StreamTag::Int64;
}

std::optional<qint64> StreamValue::toNamedInteger(IdentTable table) const
{
    if (isInteger())
        return mInt;
    if (mTag == StreamTag::Ident)
        return integerFromIdent(table, identName());
    return std::nullopt;
}

bool StreamValue::isFloat() const
{
    return mTag == StreamTag::Extended || mTag == StreamTag::Single || mTag == StreamTag::Currency
        || mTag == StreamTag::Date;
}

double StreamValue::toDouble() const
{
    switch (mTag) {
    case StreamTag::Extended:
        return extendedToDouble(mExtended);
    case StreamTag::Single:
        return double(std::bit_cast<float>(quint32(mInt)));
    case StreamTag::Currency:
        return double(mInt) / 10000.0;
    case StreamTag::Date:
        return std::bit_cast<double>(mInt);
    default:
        return isInteger() ? double(mInt) : 0.0;
    }
}

bool StreamValue::isText() const
{
    return mTag == StreamTag::String || mTag == StreamTag::LString || mTag == StreamTag::WString
        || mTag == StreamTag::Utf8String;
}

QString StreamValue::text() const
{
    switch (mTag) {
    case StreamTag::String:
    case StreamTag::LString:
        return fromCp949(mBytes);
    case StreamTag::WString:
        return fromUtf16LittleEndian(mBytes);
    case StreamTag::Utf8String:
        return QString::fromUtf8(mBytes);
    default:
        return {};
    }
}

QString StreamValue::identName() const
{
    switch (mTag) {
    case StreamTag::Ident:
        return fromCp949(mBytes);
    case StreamTag::Null:
        return QStringLiteral("Null");
    case StreamTag::False:
        return QStringLiteral("False");
    case StreamTag::True:
        return QStringLiteral("True");
    case StreamTag::Nil:
        return QStringLiteral("nil");
    default:
        return {};
    }
}

bool StreamValue::operator==(const StreamValue &other) const
{
    return mTag == other.mTag && mInt == other.mInt && mExtended == other.mExtended
        && mBytes == other.mBytes && mSet == other.mSet && mList == other.mList
        && mItems == other.mItems;
}

const StreamValue *StreamRecord::value(const QString &entryName) const
{
    for (const StreamEntry &entry : entries) {
        if (entry.name == entryName)
            return &entry.value;
    }
    return nullptr;
}

bool StreamRecord::operator==(const StreamRecord &other) const
{
    return className == other.className && name == other.name && entries == other.entries
        && children == other.children && prefix == other.prefix
        && childPosition == other.childPosition;
}

} // namespace quill
