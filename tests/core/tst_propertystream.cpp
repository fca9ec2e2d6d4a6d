// Tests the binary property stream: value encodings, generic records, and damaged input.
#include "document/ExtendedFloat.h"
#include "document/PropertyStreamReader.h"
#include "document/PropertyStreamWriter.h"
#include "document/StreamIdents.h"
#include "document/StreamListing.h"
#include "document/StreamValue.h"

#include <QBuffer>
#include <QTest>
#include <QtEndian>
#include <cstring>

using namespace Qt::StringLiterals;
using namespace quill;

Q_DECLARE_METATYPE(quill::StreamValue)

namespace {

QByteArray hex(const char *digits)
{
    return QByteArray::fromHex(digits);
}

ExtendedBytes extendedFromHex(const char *digits)
{
    const QByteArray raw = hex(digits);
    ExtendedBytes out {};
    std::memcpy(out.data(), raw.constData(), 10);
    return out;
}

// Header "TPF0", class "T", no name, property "P": the value's bytes follow.
constexpr int kEntryHeader = 4 + 2 + 1 + 2;

QByteArray recordWith(const StreamValue &value)
{
    QByteArray out;
    PropertyStreamWriter writer(&out);
    writer.beginRecord(u"T"_s);
    writer.writeEntry(u"P"_s, value);
    const Status status = writer.endRecord();
    return status ? out : QByteArray();
}

// The encoded value alone, without the record around it.
QByteArray encoded(const StreamValue &value)
{
    const QByteArray record = recordWith(value);
    return record.isEmpty() ? QByteArray()
                            : record.mid(kEntryHeader, record.size() - kEntryHeader - 2);
}

StreamValue readBack(const QByteArray &record)
{
    PropertyStreamReader reader(record);
    const Result<StreamRecord> read = reader.readRecord();
    if (!read || read.value().entries.size() != 1)
        return StreamValue::nil();
    return read.value().entries.first().value;
}

// A sequential device over fixed bytes: it cannot tell its size or seek back.
class SequentialBuffer : public QIODevice {
public:
    explicit SequentialBuffer(const QByteArray &data) : mData(data) { open(ReadOnly); }
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override
    {
        return mData.size() - mPos + QIODevice::bytesAvailable();
    }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        const qint64 n = qMin(maxSize, mData.size() - mPos);
        if (n > 0)
            std::memcpy(data, mData.constData() + mPos, size_t(n));
        mPos += n;
        return n;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray mData;
    qint64 mPos = 0;
};

// Records every write so block sizes can be checked.
class RecordingDevice : public QIODevice {
public:
    RecordingDevice() { open(WriteOnly); }
    QList<qint64> writes;
    QByteArray data;

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *d, qint64 size) override
    {
        writes.append(size);
        data.append(d, size);
        return size;
    }
};

StreamItem item(QList<StreamEntry> entries, StreamValue index = {})
{
    StreamItem it;
    it.entries = std::move(entries);
    it.index = index;
    return it;
}

// A record holding every kind of value and a nested child, used for round trips and damage.
StreamRecord sampleRecord()
{
    StreamRecord child;
    child.className = u"TPanel"_s;
    child.name = u"Cell1"_s;
    child.entries
        = {{u"Left"_s, StreamValue::integer(12)}, {u"TabOrder"_s, StreamValue::integer(-1)}};

    StreamRecord r;
    r.className = u"TZR_TextEdit"_s;
    r.entries = {
        {u"Left"_s, StreamValue::integer(-5)},
        {u"Width"_s, StreamValue::integer(300)},
        {u"Tag"_s, StreamValue::integer(70000)},
        {u"Big"_s, StreamValue::integer(Q_INT64_C(5000000000))},
        {u"Ratio"_s, StreamValue::extended(25.4)},
        {u"Caption"_s, StreamValue::fromText(u"Page_1"_s)},
        {u"Hangul"_s, StreamValue::fromText(u"가나다"_s)},
        {u"Mixed"_s, StreamValue::fromText(u"abcdef가"_s)},
        {u"Long"_s, StreamValue::fromText(QString(300, u'x'))},
        {u"Color"_s, StreamValue::namedInteger(IdentTable::Color, 0xFFFFFF)},
        {u"Visible"_s, StreamValue::boolean(false)},
        {u"Shown"_s, StreamValue::boolean(true)},
        {u"Picture.Data"_s, StreamValue::binary(hex("0754426974 6d6170 0400000042 4d0000"))},
        {u"Font.Style"_s, StreamValue::set({u"fsBold"_s, u"fsUnderline"_s})},
        {u"Lines.Strings"_s,
            StreamValue::list(
                {StreamValue::fromLineText(u"one"_s), StreamValue::fromLineText(u"둘"_s)})},
        {u"Ref"_s, StreamValue::nil()},
        {u"Items"_s,
            StreamValue::collection({item({{u"Text"_s, StreamValue::fromText(u"a"_s)}}),
                item({}, StreamValue::integer(3))})},
        {u"Single"_s, StreamValue::single(1.5f)},
        {u"Money"_s, StreamValue::currency(12345)},
        {u"When"_s, StreamValue::date(45000.25)},
        {u"Nothing"_s, StreamValue::null()},
    };
    r.children = {child};
    return r;
}

QByteArray sampleBytes()
{
    QByteArray out;
    PropertyStreamWriter writer(&out);
    return writer.writeRecord(sampleRecord()) ? out : QByteArray();
}

} // namespace

class TestPropertyStream : public QObject {
    Q_OBJECT

private slots:

    void valueEncodings_data();
    void valueEncodings();
    void integerWidth_data();
    void integerWidth();
    void namedIntegers_data();
    void namedIntegers();
    void textTagChoice_data();
    void textTagChoice();
    void pageRecordIsByteExact();

    void roundTripEveryKind();
    void readerKeepsBytesForRewrite();
    void prefixIsSkipped_data();
    void prefixIsSkipped();
    void nestedChildren();
    void positionAfterRecord_data();
    void positionAfterRecord();
    void largePayloadFromSequentialDevice();

    void readErrors_data();
    void readErrors();
    void classCheck();
    void nestingIsCapped_data();
    void nestingIsCapped();
    void truncationSweep();
    void corruptionSweep();

    void writerRejectsWhatCannotBeRead_data();
    void writerRejectsWhatCannotBeRead();
    void writerBuffersInBlocks();

    void listing();
};

void TestPropertyStream::valueEncodings_data()
{
    QTest::addColumn<StreamValue>("value");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("0 null") << StreamValue::null() << hex("00");
    QTest::newRow("1 list") << StreamValue::list(
        {StreamValue::integer(1), StreamValue::fromText(u"a"_s)})
                            << hex("01 0201 060161 00");
    QTest::newRow("2 int8") << StreamValue::integer(-1) << hex("02ff");
    QTest::newRow("3 int16") << StreamValue::integer(200) << hex("03c800");
    QTest::newRow("4 int32") << StreamValue::integer(70000) << hex("0470110100");
    QTest::newRow("5 extended") << StreamValue::extended(1.0) << hex("05 0000000000000080ff3f");
    QTest::newRow("6 short text") << StreamValue::fromText(u"Page_1"_s) << hex("0606 506167655f31");
    QTest::newRow("7 identifier") << StreamValue::ident(u"clWhite"_s) << hex("0707 636c5768697465");
    QTest::newRow("8 false") << StreamValue::boolean(false) << hex("08");
    QTest::newRow("9 true") << StreamValue::boolean(true) << hex("09");
    QTest::newRow("10 binary") << StreamValue::binary("BM") << hex("0a 02000000 424d");
    QTest::newRow("11 set") << StreamValue::set({u"fsBold"_s, u"fsItalic"_s})
                            << hex("0b 06667342 6f6c64 08667349 74616c69 63 00");
    QTest::newRow("11 empty set") << StreamValue::set({}) << hex("0b00");
    QTest::newRow("12 long text") << StreamValue::longText("abc") << hex("0c 03000000 616263");
    QTest::newRow("13 nil") << StreamValue::nil() << hex("0d");
    QTest::newRow("14 collection") << StreamValue::collection(
        {item({{u"X"_s, StreamValue::integer(1)}}), item({}, StreamValue::integer(5))})
                                   << hex("0e 01 0158 0201 00 0205 01 00 00");
    QTest::newRow("14 empty collection") << StreamValue::collection({}) << hex("0e00");
    QTest::newRow("15 single") << StreamValue::single(1.5f) << hex("0f 0000c03f");
    QTest::newRow("16 currency") << StreamValue::currency(12345) << hex("10 3930000000000000");
    QTest::newRow("17 date") << StreamValue::date(1.0) << hex("11 000000000000f03f");
    QTest::newRow("18 wide text") << StreamValue::fromText(u"가"_s) << hex("12 01000000 00ac");
    QTest::newRow("19 int64") << StreamValue::integer(Q_INT64_C(0x100000000))
                              << hex("13 0000000001000000");
    QTest::newRow("20 utf8 text") << StreamValue::utf8Text(u"a가"_s.toUtf8())
                                  << hex("14 04000000 61eab080");
    QTest::newRow("enum False") << StreamValue::enumIdent(u"False"_s) << hex("08");
    QTest::newRow("enum True") << StreamValue::enumIdent(u"True"_s) << hex("09");
    QTest::newRow("enum nil") << StreamValue::enumIdent(u"nil"_s) << hex("0d");
    QTest::newRow("enum Null") << StreamValue::enumIdent(u"Null"_s) << hex("00");
    QTest::newRow("enum other") << StreamValue::enumIdent(u"taCenter"_s)
                                << hex("0708 7461436 56e746572");
}

void TestPropertyStream::valueEncodings()
{
    QFETCH(StreamValue, value);
    QFETCH(QByteArray, bytes);
    const QByteArray record = recordWith(value);
    QCOMPARE(encoded(value).toHex(' '), bytes.toHex(' '));
    const StreamValue back = readBack(record);
    QVERIFY(back == value);
    QCOMPARE(back.offset(), qint64(kEntryHeader));
}

void TestPropertyStream::integerWidth_data()
{
    QTest::addColumn<qint64>("value");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("0") << qint64(0) << hex("0200");
    QTest::newRow("-1") << qint64(-1) << hex("02ff");
    QTest::newRow("127") << qint64(127) << hex("027f");
    QTest::newRow("128") << qint64(128) << hex("038000");
    QTest::newRow("-128") << qint64(-128) << hex("0280");
    QTest::newRow("-129") << qint64(-129) << hex("037fff");
    QTest::newRow("200") << qint64(200) << hex("03c800");
    QTest::newRow("32767") << qint64(32767) << hex("03ff7f");
    QTest::newRow("-32768") << qint64(-32768) << hex("030080");
    QTest::newRow("32768") << qint64(32768) << hex("0400800000");
    QTest::newRow("70000") << qint64(70000) << hex("0470110100");
    QTest::newRow("int32 min") << qint64(-2147483648LL) << hex("0400000080");
    QTest::newRow("int32 max") << qint64(2147483647LL) << hex("04ffffff7f");
    QTest::newRow("above int32") << qint64(2147483648LL) << hex("130000008000000000");
    QTest::newRow("below int32") << qint64(-2147483649LL) << hex("13ffffff7fffffffff");
}

void TestPropertyStream::integerWidth()
{
    QFETCH(qint64, value);
    QFETCH(QByteArray, bytes);
    QCOMPARE(encoded(StreamValue::integer(value)).toHex(' '), bytes.toHex(' '));
    const StreamValue back = readBack(recordWith(StreamValue::integer(value)));
    QVERIFY(back.isInteger());
    QCOMPARE(back.toInteger(), value);
}

void TestPropertyStream::namedIntegers_data()
{
    QTest::addColumn<int>("table");
    QTest::addColumn<qint64>("value");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qint64>("readValue");
    const int color = int(IdentTable::Color);
    const int charset = int(IdentTable::Charset);
    const int cursor = int(IdentTable::Cursor);
    QTest::newRow("clWhite") << color << qint64(0xFFFFFF) << hex("0707 636c5768697465")
                             << qint64(0xFFFFFF);
    QTest::newRow("unnamed colour")
        << color << qint64(0xFFFFFE) << hex("04feffff00") << qint64(0xFFFFFE);
    QTest::newRow("clWindow") << color << qint64(0xFF000005) << hex("0708 636c57696e646f77")
                              << qint64(-16777211);
    QTest::newRow("unnamed system colour")
        << color << qint64(0xFF000019) << hex("04190000ff") << qint64(-16777191);
    QTest::newRow("clNone") << color << qint64(0x1FFFFFFF) << hex("0706 636c4e6f6e65")
                            << qint64(0x1FFFFFFF);
    QTest::newRow("hangeul") << charset << qint64(129) << hex("070f 48414e4745554c5f43484152534554")
                             << qint64(129);
    QTest::newRow("unnamed charset") << charset << qint64(3) << hex("0203") << qint64(3);
    QTest::newRow("crSizeAll") << cursor << qint64(-22) << hex("0709 637253697a65416c6c")
                               << qint64(-22);
    QTest::newRow("unnamed cursor") << cursor << qint64(-1) << hex("02ff") << qint64(-1);
}

void TestPropertyStream::namedIntegers()
{
    QFETCH(int, table);
    QFETCH(qint64, value);
    QFETCH(QByteArray, bytes);
    QFETCH(qint64, readValue);
    const StreamValue v = StreamValue::namedInteger(IdentTable(table), value);
    QCOMPARE(encoded(v).toHex(' '), bytes.toHex(' '));
    const std::optional<qint64> back = readBack(recordWith(v)).toNamedInteger(IdentTable(table));
    QVERIFY(back.has_value());
    QCOMPARE(*back, readValue);
}

void TestPropertyStream::textTagChoice_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("propertyTag");
    QTest::addColumn<int>("lineTag");
    QTest::newRow("ascii") << u"Page_1"_s << 6 << 6;
    QTest::newRow("255 ascii") << QString(255, u'a') << 6 << 6;
    QTest::newRow("256 ascii") << QString(256, u'a') << 12 << 12;
    QTest::newRow("korean") << u"가나다"_s << 18 << 20;
    QTest::newRow("mostly ascii") << u"abcdef가"_s << 20 << 20;
    QTest::newRow("half ascii") << u"ab가"_s << 20 << 20; // 5 UTF-8 bytes against 6
    QTest::newRow("ascii + korean tie") << u"a가"_s << 18 << 20; // 4 against 4
    QTest::newRow("latin-1") << u"é"_s << 18 << 20;
    QTest::newRow("latin-1 with ascii") << u"aé"_s << 20 << 20;
    QTest::newRow("not in code page") << u"😀"_s << 18 << 20;
    QTest::newRow("korean in 300 ascii") << QString(300, u'a') + u"가"_s << 20 << 20;
}

void TestPropertyStream::textTagChoice()
{
    QFETCH(QString, text);
    QFETCH(int, propertyTag);
    QFETCH(int, lineTag);
    const StreamValue property = StreamValue::fromText(text);
    const StreamValue line = StreamValue::fromLineText(text);
    QCOMPARE(int(property.tag()), propertyTag);
    QCOMPARE(int(line.tag()), lineTag);
    QCOMPARE(readBack(recordWith(property)).text(), text);
    QCOMPARE(readBack(recordWith(line)).text(), text);
    if (propertyTag == 18) {
        const QByteArray bytes = encoded(property);
        QCOMPARE(qFromLittleEndian<qint32>(bytes.constData() + 1), qint32(text.size()));
    }
}

void TestPropertyStream::pageRecordIsByteExact()
{
    QByteArray out = "prev";
    PropertyStreamWriter writer(&out);
    writer.beginRecord(u"TTabSheet"_s);
    writer.writeEntry(u"Caption"_s, StreamValue::fromText(u"Page_1"_s));
    QVERIFY(writer.endRecord());
    const QByteArray expected = "prev" + hex("54504630") + "\x09TTabSheet" + hex("00")
        + "\x07"
          "Caption"
        + hex("0606") + "Page_1" + hex("0000");
    QCOMPARE(out.size(), 4 + 33);
    QCOMPARE(out, expected);

    PropertyStreamReader reader(out, 4);
    const Result<StreamRecord> read = reader.readRecord();
    QVERIFY(read);
    QCOMPARE(read.value().className, u"TTabSheet"_s);
    QCOMPARE(read.value().name, QString());
    QCOMPARE(read.value().value(u"Caption"_s)->text(), u"Page_1"_s);
    QCOMPARE(read.value().offset, qint64(4));
    QCOMPARE(read.value().endOffset, qint64(37));
    QCOMPARE(reader.pos(), qint64(37));
}

void TestPropertyStream::roundTripEveryKind()
{
    const StreamRecord record = sampleRecord();
    const QByteArray bytes = sampleBytes();
    QVERIFY(!bytes.isEmpty());
    PropertyStreamReader reader(bytes);
    const Result<StreamRecord> read = reader.readRecord();
    QVERIFY2(read, qPrintable(read.error().message));
    QVERIFY(read.value() == record);
    QCOMPARE(reader.pos(), bytes.size());

    const StreamRecord &r = read.value();
    QCOMPARE(r.value(u"Big"_s)->tag(), StreamTag::Int64);
    QCOMPARE(r.value(u"Ratio"_s)->toDouble(), 25.4);
    QCOMPARE(r.value(u"Hangul"_s)->text(), u"가나다"_s);
    QCOMPARE(r.value(u"Long"_s)->tag(), StreamTag::LString);
    QCOMPARE(r.value(u"Color"_s)->identName(), u"clWhite"_s);
    QCOMPARE(r.value(u"Lines.Strings"_s)->elements().at(1).text(), u"둘"_s);
    QCOMPARE(r.value(u"Items"_s)->items().size(), 2);
    QCOMPARE(r.value(u"Items"_s)->items().at(1).index.toInteger(), qint64(3));
    QCOMPARE(r.value(u"Single"_s)->toDouble(), 1.5);
    QCOMPARE(r.value(u"Money"_s)->toDouble(), 1.2345);
    QCOMPARE(r.value(u"When"_s)->toDouble(), 45000.25);
    QCOMPARE(r.children.size(), 1);
    QCOMPARE(r.children.first().name, u"Cell1"_s);

    // Writing what was read gives the same bytes again.
    QByteArray again;
    PropertyStreamWriter writer(&again);
    QVERIFY(writer.writeRecord(r));
    QCOMPARE(again, bytes);
}

void TestPropertyStream::readerKeepsBytesForRewrite()
{
    // Encodings the writer's rules would not choose: a wide integer tag for a small number,
    // an extended value no double holds, a Korean short text in the code page, a 2-byte
    // character as UTF-8, and a collection index in a 32-bit tag.
    const QByteArray record = hex("54504630 0154 00"
                                  "0141 0405000000"
                                  "0142 05 abaaaaaaaaaaaaaafd3f"
                                  "0143 0604 b0a1b3aa"
                                  "0144 1402000000 c3a9"
                                  "0145 0e 0407000000 01 00 00"
                                  "00 00");
    PropertyStreamReader reader(record);
    const Result<StreamRecord> read = reader.readRecord();
    QVERIFY2(read, qPrintable(read.error().message));
    const StreamRecord &r = read.value();
    QCOMPARE(r.value(u"A"_s)->toInteger(), qint64(5));
    QCOMPARE(r.value(u"B"_s)->toDouble(), 1.0 / 3.0);
    QCOMPARE(r.value(u"C"_s)->text(), u"가나"_s);
    QCOMPARE(r.value(u"D"_s)->text(), u"é"_s);
    QByteArray again;
    PropertyStreamWriter writer(&again);
    QVERIFY(writer.writeRecord(r));
    QCOMPARE(again.toHex(' '), record.toHex(' '));
}

void TestPropertyStream::prefixIsSkipped_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("flags");
    QTest::addColumn<qint64>("position");
    const QByteArray tail = "\x01T" + hex("00 0150 0201 00 00");
    QTest::newRow("inherited") << hex("54504630 f1") + tail << 1 << qint64(-1);
    QTest::newRow("inline") << hex("54504630 f4") + tail << 4 << qint64(-1);
    QTest::newRow("position int8") << hex("54504630 f2 0203") + tail << 2 << qint64(3);
    QTest::newRow("position int16") << hex("54504630 f3 030001") + tail << 3 << qint64(256);
    QTest::newRow("position int32") << hex("54504630 f6 0400000100") + tail << 6 << qint64(65536);
}

void TestPropertyStream::prefixIsSkipped()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, flags);
    QFETCH(qint64, position);
    PropertyStreamReader reader(bytes + "next");
    const Result<StreamRecord> read = reader.readRecord();
    QVERIFY2(read, qPrintable(read.error().message));
    QCOMPARE(read.value().className, u"T"_s);
    QCOMPARE(int(*read.value().prefix), flags);
    QCOMPARE(read.value().childPosition.isInteger() ? read.value().childPosition.toInteger() : -1,
        position);
    QCOMPARE(read.value().value(u"P"_s)->toInteger(), qint64(1));
    QCOMPARE(reader.pos(), bytes.size());

    // Flag 2 with anything but an integer after it is no record.
    QByteArray broken = bytes;
    broken[4] = char(0xF2);
    broken.insert(5, "\x06");
    PropertyStreamReader bad(broken);
    const Result<StreamRecord> failed = bad.readRecord();
    QVERIFY(!failed);
    QCOMPARE(failed.error().message, u"Invalid stream format"_s);
}

void TestPropertyStream::nestedChildren()
{
    // A page with two panels; the second has a prefixed child of its own.
    const QByteArray bytes = hex("54504630 0554506167 65 00 0143 0201 00"
                                 "  06 5450616e656c 02 6331 014c 0205 00 00"
                                 "  06 5450616e656c 00 00"
                                 "    f2 0201 06544c6162656c 00 00 00"
                                 "  00"
                                 "00");
    PropertyStreamReader reader(bytes + "ABCD");
    const Result<StreamRecord> read = reader.readRecord();
    QVERIFY2(read, qPrintable(read.error().message));
    const StreamRecord &r = read.value();
    QCOMPARE(r.className, u"TPage"_s);
    QCOMPARE(r.children.size(), 2);
    QCOMPARE(r.children[0].name, u"c1"_s);
    QCOMPARE(r.children[0].value(u"L"_s)->toInteger(), qint64(5));
    QCOMPARE(r.children[0].offset, qint64(16));
    QCOMPARE(r.children[1].children.size(), 1);
    QCOMPARE(r.children[1].children[0].className, u"TLabel"_s);
    QCOMPARE(r.children[1].children[0].childPosition.toInteger(), qint64(1));
    QCOMPARE(reader.pos(), bytes.size());

    QByteArray again;
    PropertyStreamWriter writer(&again);
    QVERIFY(writer.writeRecord(r));
    QCOMPARE(again.toHex(' '), bytes.toHex(' '));
}

void TestPropertyStream::positionAfterRecord_data()
{
    QTest::addColumn<int>("source"); // 0 array, 1 random-access device, 2 sequential device
    QTest::newRow("array") << 0;
    QTest::newRow("buffer") << 1;
    QTest::newRow("sequential") << 2;
}

void TestPropertyStream::positionAfterRecord()
{
    QFETCH(int, source);
    const QByteArray record = sampleBytes();
    QByteArray data;
    {
        PropertyStreamWriter writer(&data);
        writer.writeInt32(1100);
        QVERIFY(writer.writeRecord(sampleRecord()));
        writer.writeInt32(-1);
        QVERIFY(writer.writeRecord(sampleRecord()));
        writer.writeInt32(1000);
    }
    QCOMPARE(data.size(), 2 * record.size() + 12);

    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    SequentialBuffer sequential(data);
    PropertyStreamReader reader = source == 0 ? PropertyStreamReader(data)
        : source == 1                         ? PropertyStreamReader(&buffer)
                                              : PropertyStreamReader(&sequential);
    QCOMPARE(reader.readInt32().value(), 1100);
    QVERIFY(reader.readRecord());
    QCOMPARE(reader.pos(), qint64(4 + record.size()));
    if (source == 2)
        QCOMPARE(sequential.peek(4), hex("ffffffff")); // nothing was read ahead
    QCOMPARE(reader.readInt32().value(), -1);
    const Result<StreamRecord> second = reader.readRecord();
    QVERIFY(second);
    QVERIFY(second.value() == sampleRecord());
    QCOMPARE(reader.readInt32().value(), 1000);
    QVERIFY(reader.atEnd());
    QVERIFY(!reader.readInt32());
}

void TestPropertyStream::largePayloadFromSequentialDevice()
{
    QByteArray payload(300000, Qt::Uninitialized);
    for (int i = 0; i < payload.size(); ++i)
        payload[i] = char(i * 7);
    const QByteArray bytes = recordWith(StreamValue::binary(payload));
    SequentialBuffer whole(bytes + "rest");
    PropertyStreamReader reader(&whole);
    const Result<StreamRecord> read = reader.readRecord();
    QVERIFY(read);
    QCOMPARE(read.value().value(u"P"_s)->bytes(), payload);
    QCOMPARE(whole.readAll(), QByteArray("rest"));

    // A count larger than what arrives fails once the data runs out.
    SequentialBuffer cut(bytes.left(100000));
    PropertyStreamReader cutReader(&cut);
    const Result<StreamRecord> failed = cutReader.readRecord();
    QVERIFY(!failed);
    QCOMPARE(failed.error().message, u"Error reading T.P: Stream read error"_s);
}

void TestPropertyStream::readErrors_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    QTest::addColumn<qint64>("offset");
    const QByteArray head = hex("54504630 0c545a525f54657874456469 74 00 0743617074696f6e");
    const QByteArray named = hex("54504630 0154 064c6162656c31 0143");
    QTest::newRow("no signature") << hex("54504631 0154 00 00 00") << u"Invalid stream format"_s
                                  << qint64(0);
    QTest::newRow("empty") << QByteArray() << u"Stream read error"_s << qint64(0);
    QTest::newRow("cut in class name")
        << hex("54504630 0554 5041") << u"Stream read error"_s << qint64(4);
    QTest::newRow("unknown tag") << head + hex("15")
                                 << u"Error reading TZR_TextEdit.Caption: Invalid property value"_s
                                 << qint64(26);
    QTest::newRow("named component")
        << named + hex("ff") << u"Error reading Label1.C: Invalid property value"_s << qint64(15);
    QTest::newRow("cut short text")
        << head + hex("0605 4142") << u"Error reading TZR_TextEdit.Caption: Stream read error"_s
        << qint64(26);
    QTest::newRow("huge binary count")
        << head + hex("0a ffffff7f 00")
        << u"Error reading TZR_TextEdit.Caption: Stream read error"_s << qint64(26);
    QTest::newRow("huge wide count")
        << head + hex("12 00000040 4100")
        << u"Error reading TZR_TextEdit.Caption: Stream read error"_s << qint64(26);
    QTest::newRow("negative count")
        << head + hex("0c ffffffff 00 00")
        << u"Error reading TZR_TextEdit.Caption: Invalid property value"_s << qint64(26);
    QTest::newRow("collection item without list")
        << head + hex("0e 06014100")
        << u"Error reading TZR_TextEdit.Caption: Invalid property value"_s << qint64(27);
    QTest::newRow("list never ends")
        << head + hex("01 0201 0202") << u"Error reading TZR_TextEdit.Caption: Stream read error"_s
        << qint64(31);
    QTest::newRow("no end of children")
        << hex("54504630 0154 00 00") << u"Stream read error"_s << qint64(8);
    QTest::newRow("prefix then nothing")
        << hex("54504630 f2") << u"Stream read error"_s << qint64(5);
}

void TestPropertyStream::readErrors()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    QFETCH(qint64, offset);
    PropertyStreamReader reader(bytes);
    const Result<StreamRecord> read = reader.readRecord();
    QVERIFY(!read);
    QCOMPARE(read.error().message, message);
    QCOMPARE(reader.errorOffset(), offset);
    QCOMPARE(read.error().where, u"offset %1"_s.arg(offset));
}

void TestPropertyStream::classCheck()
{
    QByteArray bytes = sampleBytes();
    PropertyStreamReader reader(bytes);
    reader.setClassCheck([](const QString &name) { return name != u"TPanel"_s; });
    const Result<StreamRecord> read = reader.readRecord();
    QVERIFY(!read);
    QCOMPARE(read.error().message, u"Class TPanel not found"_s);

    PropertyStreamReader top(bytes);
    top.setClassCheck([](const QString &) { return false; });
    QCOMPARE(top.readRecord().error().message, u"Class TZR_TextEdit not found"_s);
    QCOMPARE(top.errorOffset(), qint64(4));
}

void TestPropertyStream::nestingIsCapped_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray head = hex("54504630 0154 00 0150");
    QTest::newRow("lists") << head + QByteArray(100000, '\x01');
    QTest::newRow("collections") << head
            + QByteArray(100000, '\x0e').replace("\x0e\x0e", "\x0e\x01");
    QByteArray items = head;
    for (int i = 0; i < 5000; ++i)
        items += hex("0e 01 0149");
    QTest::newRow("collection items") << items;
    QByteArray children = hex("54504630 0154 00 00");
    for (int i = 0; i < 5000; ++i)
        children += hex("0154 00 00");
    QTest::newRow("children") << children;
}

void TestPropertyStream::nestingIsCapped()
{
    QFETCH(QByteArray, bytes);
    PropertyStreamReader reader(bytes);
    const Result<StreamRecord> read = reader.readRecord();
    QVERIFY(!read);
    QVERIFY2(read.error().message.endsWith(u"Invalid stream format"_s),
        qPrintable(read.error().message));
    QVERIFY(reader.pos() < 1000);
}

void TestPropertyStream::truncationSweep()
{
    const QByteArray bytes = sampleBytes();
    for (int length = 0; length < bytes.size(); ++length) {
        const QByteArray cut = bytes.left(length);
        PropertyStreamReader reader(cut);
        StreamRecord partial;
        const Status status = reader.readRecord(partial);
        QVERIFY2(!status, qPrintable(u"cut at %1 was read"_s.arg(length)));
        QVERIFY(reader.errorOffset() >= 0 && reader.errorOffset() <= length);
        QVERIFY(reader.pos() <= length);
        QVERIFY(!listStream(cut).isEmpty());

        QBuffer buffer;
        buffer.setData(cut);
        buffer.open(QIODevice::ReadOnly);
        PropertyStreamReader deviceReader(&buffer);
        QVERIFY(!deviceReader.readRecord());
        SequentialBuffer sequential(cut);
        PropertyStreamReader sequentialReader(&sequential);
        QVERIFY(!sequentialReader.readRecord());
        QVERIFY(sequentialReader.pos() <= length);
    }
}

void TestPropertyStream::corruptionSweep()
{
    // Every byte replaced by a set of telling values: the reader gives a record or an error,
    // never reads past the data (checked by AddressSanitizer runs) and never hangs.
    const QByteArray bytes = sampleBytes();
    const quint8 replacements[]
        = {0x00, 0x01, 0x02, 0x06, 0x0a, 0x0e, 0x12, 0x14, 0x15, 0x7f, 0x80, 0xf2, 0xfe, 0xff};
    int failures = 0;
    for (int i = 0; i < bytes.size(); ++i) {
        QList<quint8> values(std::begin(replacements), std::end(replacements));
        values.append(quint8(bytes[i]) ^ 0x01);
        values.append(quint8(bytes[i]) ^ 0x80);
        for (const quint8 v : values) {
            if (quint8(bytes[i]) == v)
                continue;
            QByteArray damaged = bytes;
            damaged[i] = char(v);
            PropertyStreamReader reader(damaged);
            StreamRecord partial;
            const Status status = reader.readRecord(partial);
            QVERIFY(reader.pos() <= damaged.size());
            if (!status) {
                ++failures;
                QVERIFY(!status.error().message.isEmpty());
                QVERIFY(reader.errorOffset() >= 0 && reader.errorOffset() <= damaged.size());
            }
            QVERIFY(!listStream(damaged).isEmpty());
        }
    }
    QVERIFY(failures > 0);
}

void TestPropertyStream::writerRejectsWhatCannotBeRead_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("entryName");
    QTest::addColumn<StreamValue>("value");
    const StreamValue one = StreamValue::integer(1);
    QTest::newRow("empty class name") << QString() << u"P"_s << one;
    QTest::newRow("class name read as prefix") << QString(240, u'T') << u"P"_s << one;
    QTest::newRow("class name outside code page") << u"T😀"_s << u"P"_s << one;
    QTest::newRow("empty property name") << u"T"_s << QString() << one;
    QTest::newRow("property name of 256 bytes") << u"T"_s << QString(256, u'P') << one;
    QTest::newRow("int8 out of range")
        << u"T"_s << u"P"_s << StreamValue::integerWithTag(StreamTag::Int8, 300);
    QTest::newRow("int16 out of range")
        << u"T"_s << u"P"_s << StreamValue::integerWithTag(StreamTag::Int16, -40000);
    QTest::newRow("short text of 256")
        << u"T"_s << u"P"_s << StreamValue::shortText(QByteArray(256, 'a'));
    QTest::newRow("identifier of 256")
        << u"T"_s << u"P"_s << StreamValue::ident(QString(256, u'a'));
    QTest::newRow("null in list") << u"T"_s << u"P"_s
                                  << StreamValue::list({one, StreamValue::null()});
    QTest::newRow("empty set member") << u"T"_s << u"P"_s << StreamValue::set({u"a"_s, QString()});
    QTest::newRow("text as item index")
        << u"T"_s << u"P"_s << StreamValue::collection({item({}, StreamValue::fromText(u"x"_s))});
    QTest::newRow("empty item property name")
        << u"T"_s << u"P"_s << StreamValue::collection({item({{QString(), one}})});
}

void TestPropertyStream::writerRejectsWhatCannotBeRead()
{
    QFETCH(QString, className);
    QFETCH(QString, entryName);
    QFETCH(StreamValue, value);
    QByteArray out;
    PropertyStreamWriter writer(&out);
    writer.writeInt32(7);
    QVERIFY(writer.writeRecord(sampleRecord()));
    const QByteArray before = out;
    writer.beginRecord(className);
    writer.writeEntry(entryName, value);
    const Status status = writer.endRecord();
    QVERIFY(!status);
    QVERIFY(!status.error().message.isEmpty());
    QCOMPARE(out, before); // the failed record left nothing behind
    QVERIFY(!writer.writeRecord(sampleRecord())); // and the writer stays failed
}

void TestPropertyStream::writerBuffersInBlocks()
{
    RecordingDevice device;
    PropertyStreamWriter writer(&device);
    writer.writeInt32(2005);
    StreamRecord big;
    big.className = u"TZR_DBImage"_s;
    big.entries = {{u"Picture.Data"_s, StreamValue::binary(QByteArray(10000, 'x'))},
        {u"Left"_s, StreamValue::integer(1)}};
    QVERIFY(writer.writeRecord(big));
    QVERIFY(!device.writes.isEmpty());
    for (int i = 0; i + 1 < device.writes.size(); ++i)
        QCOMPARE(device.writes[i] % PropertyStreamWriter::kBlockSize, 0);
    PropertyStreamReader reader(device.data);
    QCOMPARE(reader.readInt32().value(), 2005);
    const Result<StreamRecord> read = reader.readRecord();
    QVERIFY(read);
    QVERIFY(read.value() == big);
    QVERIFY(reader.atEnd());
}

void TestPropertyStream::listing()
{
    QByteArray data;
    {
        PropertyStreamWriter writer(&data);
        writer.writeInt32(1100);
        writer.beginRecord(u"TTabSheet"_s);
        writer.writeEntry(u"Caption"_s, StreamValue::fromText(u"Page_1"_s));
        writer.writeEntry(
            u"Lines.Strings"_s, StreamValue::list({StreamValue::fromLineText(u"가"_s)}));
        QVERIFY(writer.endRecord());
        writer.writeInt32(-1);
    }
    const QStringList lines = listStream(data).split(u'\n', Qt::SkipEmptyParts);
    const QStringList expected = {
        u"00000000  integer 1100"_s,
        u"00000004  TPF0 TTabSheet \"\""_s,
        u"00000013    Caption = 6 short text \"Page_1\""_s,
        u"00000023    Lines.Strings = 1 list of 1"_s,
        u"00000032      20 UTF-8 text \"가\""_s,
        u"0000003D  end"_s,
        u"0000003D  integer -1"_s,
    };
    QCOMPARE(lines, expected);

    const QString damaged = listStream(data.left(54));
    QVERIFY2(damaged.contains(
                 u"error at offset 50: Error reading TTabSheet.Lines.Strings: Stream read error"_s),
        qPrintable(damaged));
    QVERIFY(damaged.contains(u"Caption = 6 short text \"Page_1\""_s));
    QCOMPARE(describeValue(StreamValue::currency(-12345)), u"-1.2345"_s);
    QCOMPARE(describeValue(StreamValue::set({u"akLeft"_s, u"akTop"_s})), u"[akLeft, akTop]"_s);
    QVERIFY(describeValue(StreamValue::extendedBits(extendedFromHex("abaaaaaaaaaaaaaafd3f")))
                .contains(u"rounded"_s));
}

QTEST_GUILESS_MAIN(TestPropertyStream)
#include "tst_propertystream.moc"
