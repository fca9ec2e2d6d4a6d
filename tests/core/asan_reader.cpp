// Damaged documents through the readers, built with AddressSanitizer and UBSan: every
// truncation and single-byte corruptions of a sample must end in an error or a partial
// document, never in a crash, an overrun, undefined behaviour or a leak.
#include "document/DocumentFile.h"
#include "document/LabelDocument.h"
#include "document/ObjectList.h"
#include "document/PropertyStreamReader.h"
#include "document/PropertyStreamWriter.h"
#include "objects/ObjectClasses.h"

#include <QTest>

using namespace quill;

namespace {

TZR_LabelSize sheet2x2()
{
    TZR_LabelSize sheet;
    sheet.setLabelCode(QStringLiteral("L-2200"));
    sheet.setRows(2);
    sheet.setColumns(2);
    sheet.setWidth(2.0);
    sheet.setHeight(1.0);
    sheet.setPageWidth(4.5);
    sheet.setPageHeight(2.5);
    sheet.setLabelKindType(QStringLiteral("주소라벨"));
    return sheet;
}

// One object of every class, each with a text, a list or binary data where it has them and
// one item in each collection, so that every kind of value is in the sample.
void fillCell(LabelCell &cell)
{
    for (ObjectTypeCode code : ObjectTypeWriteOrder) {
        std::unique_ptr<LabelObject> object = createObject(code);
        if (!object)
            continue;
        object->setBounds(QRect(4, 5, 60, 30));
        const ClassInfo &info = object->classInfo();
        for (int i = 0; i < info.properties.size(); ++i) {
            const PropertyDef &def = info.properties[i];
            if (def.kind == PropKind::Text)
                object->setValue(i, QStringLiteral("값 %1").arg(i));
            else if (def.kind == PropKind::StringList)
                object->setValue(i, QStringList{QStringLiteral("첫 줄"), QStringLiteral("two")});
            else if (def.kind == PropKind::Binary)
                object->setValue(i, QByteArray("\x07TBitmap\x00\x00\x00\x00", 12));
            else if (def.kind == PropKind::Collection && def.itemClass && def.itemClass->create)
                object->collection(i).push_back(def.itemClass->create());
        }
        cell.addObject(std::move(object));
    }
}

QByteArray sampleDocument()
{
    LabelDocument doc;
    if (!doc.newDocument(sheet2x2()).ok())
        qFatal("the sample sheet was refused");
    doc.setLabelDataList(QStringLiteral("/data/주소록.xls"), QStringLiteral("Sheet1"));
    fillCell(*doc.cell(1, 1));
    doc.addPage(); // a second page of empty cells
    Result<QByteArray> bytes = documentBytes(doc, QStringLiteral("/tmp/sample.lbl"));
    if (!bytes.ok())
        qFatal("the sample document cannot be written: %s", qPrintable(bytes.error().message));
    return bytes.value();
}

QByteArray sampleObjectList()
{
    LabelCell cell;
    fillCell(cell);
    QByteArray bytes;
    PropertyStreamWriter writer(&bytes);
    if (!writeObjectList(writer, cell.objects()).ok())
        qFatal("the sample object list cannot be written");
    return bytes;
}

// A legacy document: marker, count, then code and record per entry.
QByteArray sampleLegacy()
{
    QByteArray bytes;
    PropertyStreamWriter writer(&bytes);
    writer.writeInt32(100);
    writer.writeInt32(3);
    const auto record = [&](qint32 code, const QString &cls, const QList<StreamEntry> &entries) {
        writer.writeInt32(code);
        StreamRecord r;
        r.className = cls;
        r.entries = entries;
        if (!writer.writeRecord(r).ok())
            qFatal("a sample legacy record cannot be written");
    };
    const QList<StreamEntry> bounds{{QStringLiteral("Left"), StreamValue::integer(40), -1},
                                    {QStringLiteral("Top"), StreamValue::integer(30), -1},
                                    {QStringLiteral("Width"), StreamValue::integer(90), -1}};
    record(11, QStringLiteral("TWorkLabel"),
           {{QStringLiteral("LabelSize.Rows"), StreamValue::integer(2), -1},
            {QStringLiteral("LabelSize.Columns"), StreamValue::integer(3), -1},
            {QStringLiteral("LabelSize.Width"), StreamValue::extended(1.5), -1}});
    QList<StreamEntry> memo = bounds;
    memo.append({QStringLiteral("Lines.Strings"),
                 StreamValue::list({StreamValue::fromLineText(QStringLiteral("가"))}), -1});
    record(3, QStringLiteral("TMemo"), memo);
    QList<StreamEntry> barcode = bounds;
    barcode.append({QStringLiteral("BarCodeType"), StreamValue::ident(QStringLiteral("EAN13")), -1});
    record(4, QStringLiteral("TBarCode"), barcode);
    return bytes;
}

// Reads the bytes as every reader that could meet them would.
void readAll(const QByteArray &bytes)
{
    LabelDocument doc;
    (void)readDocumentBytes(doc, bytes, QStringLiteral("/tmp/x.lbl"));
    PropertyStreamReader reader(bytes);
    std::vector<std::unique_ptr<LabelObject>> objects;
    (void)readObjectList(reader, objects);
}

// Single-byte changes that steer readers into their edge cases: lengths and counts that
// become huge or negative, tags that change kind, bytes that end lists early.
const quint8 kCorruptions[] = {0x00, 0x80, 0xFF};

} // namespace

class AsanReader : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { registerObjectClasses(); }
    void truncations_data() { samples(); }
    void truncations();
    void corruptions_data() { samples(); }
    void corruptions();

private:
    void samples();
};

void AsanReader::samples()
{
    QTest::addColumn<QByteArray>("sample");
    QTest::newRow("document") << sampleDocument();
    QTest::newRow("object list") << sampleObjectList();
    QTest::newRow("legacy document") << sampleLegacy();
}

void AsanReader::truncations()
{
    QFETCH(QByteArray, sample);
    QVERIFY(sample.size() > 8);
    readAll(sample);
    for (qsizetype size = 0; size < sample.size(); ++size)
        readAll(sample.left(size));
}

void AsanReader::corruptions()
{
    QFETCH(QByteArray, sample);
    for (qsizetype at = 0; at < sample.size(); ++at) {
        for (quint8 value : kCorruptions) {
            if (quint8(sample[at]) == value)
                continue;
            QByteArray damaged = sample;
            damaged[at] = char(value);
            readAll(damaged);
        }
    }
}

QTEST_MAIN(AsanReader)
#include "asan_reader.moc"
