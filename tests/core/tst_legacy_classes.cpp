// Tests of the object classes of older documents: codes, tables and tolerant reading.
#include "document/ObjectStream.h"
#include "document/PropertyStreamReader.h"
#include "document/PropertyStreamWriter.h"
#include "objects/LegacyClasses.h"
#include "objects/ObjectClasses.h"
#include "objects/ZR_Gradient.h"

#include <QTest>

using namespace quill;

namespace {

StreamEntry entry(const char *name, const StreamValue &value)
{
    return StreamEntry {QString::fromLatin1(name), value};
}

// Entries every legacy record may carry that the tables do not hold: event bindings, a data
// source reference, a nested value of an unknown class, an unknown enumeration name.
QList<StreamEntry> strangers()
{
    return {entry("OnClick", StreamValue::ident(QStringLiteral("Form1.ObjClick"))),
        entry("DataSource", StreamValue::ident(QStringLiteral("DataModule1.DS"))),
        entry("Margins.Left", StreamValue::integer(3)),
        entry("Tag", StreamValue::fromText(QStringLiteral("not a number"))),
        entry(
            "Lines.Strings", StreamValue::list({StreamValue::fromLineText(QStringLiteral("x"))}))};
}

// Writes code and record as an older document does and reads them back the way the import does.
Result<std::unique_ptr<PersistentObject>> readLegacy(
    LegacyCode code, const QString &className, const QList<StreamEntry> &entries)
{
    StreamRecord record;
    record.className = className;
    record.entries = entries;
    QByteArray bytes;
    {
        PropertyStreamWriter writer(&bytes);
        writer.writeInt32(qint32(code));
        writer.writeRecord(record);
        writer.writeInt32(12345);
    }
    PropertyStreamReader reader(bytes);
    Result<qint32> value = reader.readInt32();
    if (!value || legacyCodeFromValue(value.value()) != code)
        return Error {QStringLiteral("code")};
    std::unique_ptr<PersistentObject> object = createLegacyObject(code);
    if (Status s = readObjectInto(reader, *object); !s)
        return s.error();
    if (reader.readInt32().value() != 12345)
        return Error {QStringLiteral("the record was not read to its end")};
    return object;
}

} // namespace

class TestLegacyClasses : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void codes_data();
    void codes();
    void unknownEntriesAreSkipped_data();
    void unknownEntriesAreSkipped();
    void memoValues();
    void imagePictureKeptByteForByte();
    void barcodeAndShapeEnumerations_data();
    void barcodeAndShapeEnumerations();
    void sheetValues();
    void currentClassesStayStrict();
    void registriesAreApart();
};

void TestLegacyClasses::initTestCase()
{
    registerObjectClasses();
    registerLegacyClasses();
}

void TestLegacyClasses::codes_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("className");
    const std::pair<int, const char *> known[] = {{1, "TImage"}, {2, "TvantorShape"}, {3, "TMemo"},
        {4, "TBarCode"}, {5, "TDBLabel"}, {6, "TSerialNumber"}, {7, "TDateTimeLabel"},
        {9, "TArrow"}, {10, "TGuideLabel"}, {11, "TWorkLabel"}};
    for (const auto &[value, name] : known)
        QTest::newRow(name) << value << QString::fromLatin1(name);
    for (int unknown : {0, 8, 12, 22, -1})
        QTest::newRow(qPrintable(QString::number(unknown))) << unknown << QString();
}

void TestLegacyClasses::codes()
{
    QFETCH(int, value);
    QFETCH(QString, className);
    const std::optional<LegacyCode> code = legacyCodeFromValue(value);
    QCOMPARE(code.has_value(), !className.isEmpty());
    if (!code)
        return;
    QCOMPARE(legacyClassName(*code), className);
    QCOMPARE(createLegacyObject(*code)->className(), className);
    QCOMPARE(legacyClassInfo(*code).indexOf(QStringLiteral("Left")), 0);
    QVERIFY(legacyClassInfo(*code).acceptsUnknown);
}

void TestLegacyClasses::unknownEntriesAreSkipped_data()
{
    QTest::addColumn<int>("code");
    for (LegacyCode code :
        {LegacyCode::Image, LegacyCode::VantorShape, LegacyCode::Memo, LegacyCode::BarCode,
            LegacyCode::DBLabel, LegacyCode::SerialNumber, LegacyCode::DateTimeLabel,
            LegacyCode::Arrow, LegacyCode::GuideLabel, LegacyCode::WorkLabel})
        QTest::newRow(qPrintable(legacyClassName(code))) << int(code);
}

void TestLegacyClasses::unknownEntriesAreSkipped()
{
    QFETCH(int, code);
    const LegacyCode legacy = LegacyCode(code);
    QList<StreamEntry> entries {
        entry("Left", StreamValue::integer(40)), entry("Top", StreamValue::integer(30))};
    entries += strangers();
    entries
        += {entry("Width", StreamValue::integer(200)), entry("Height", StreamValue::integer(50))};
    Result<std::unique_ptr<PersistentObject>> read
        = readLegacy(legacy, legacyClassName(legacy), entries);
    QVERIFY2(read, qPrintable(read.error().message));
    const PersistentObject &object = *read.value();
    QCOMPARE(object.intValue(QStringLiteral("Left")), 40);
    QCOMPARE(object.intValue(QStringLiteral("Top")), 30);
    QCOMPARE(object.intValue(QStringLiteral("Width")), 200);
    QCOMPARE(object.intValue(QStringLiteral("Height")), 50);
}

void TestLegacyClasses::memoValues()
{
    const QStringList lines {QStringLiteral("첫째 줄"), QStringLiteral("second")};
    QList<StreamValue> lineValues;
    for (const QString &line : lines)
        lineValues.append(StreamValue::fromLineText(line));
    Result<std::unique_ptr<PersistentObject>> read = readLegacy(LegacyCode::Memo,
        QStringLiteral("TMemo"),
        {entry("Left", StreamValue::integer(40)), entry("HelpContext", StreamValue::integer(90)),
            entry("Alignment", StreamValue::ident(QStringLiteral("taCenter"))),
            entry("Color", StreamValue::ident(QStringLiteral("clWhite"))),
            entry("Font.Charset", StreamValue::ident(QStringLiteral("HANGEUL_CHARSET"))),
            entry("Font.Height", StreamValue::integer(-16)),
            entry("Font.Name", StreamValue::fromText(QStringLiteral("굴림"))),
            entry("Font.Style", StreamValue::set({QStringLiteral("fsBold")})),
            entry("Lines.Strings", StreamValue::list(lineValues)),
            entry("ScrollBars", StreamValue::ident(QStringLiteral("ssVertical")))});
    QVERIFY2(read, qPrintable(read.error().message));
    const PersistentObject &memo = *read.value();
    QCOMPARE(memo.value(QStringLiteral("Lines.Strings")).toStringList(), lines);
    QCOMPARE(memo.intValue(QStringLiteral("HelpContext")), 90);
    QCOMPARE(memo.value(QStringLiteral("Alignment")).toInt(), 2);
    QCOMPARE(memo.intValue(QStringLiteral("Color")), qint64(clWhite));
    QCOMPARE(memo.intValue(QStringLiteral("Font.Charset")), 129);
    QCOMPARE(memo.intValue(QStringLiteral("Font.Size")), 12);
    QCOMPARE(memo.textValue(QStringLiteral("Font.Name")), QStringLiteral("굴림"));
    QCOMPARE(memo.value(QStringLiteral("Font.Style")).toUInt(), 1u);
    QVERIFY(!memo.boolValue(QStringLiteral("ParentFont"))); // the record had a font

    Result<std::unique_ptr<PersistentObject>> plain
        = readLegacy(LegacyCode::Memo, QStringLiteral("TMemo"), {});
    QVERIFY(plain);
    QVERIFY(plain.value()->boolValue(QStringLiteral("ParentFont")));
    QCOMPARE(plain.value()->intValue(QStringLiteral("Color")), qint64(clWindow));
}

void TestLegacyClasses::imagePictureKeptByteForByte()
{
    const QByteArray payload = QByteArray("\x07TBitmap\x00\x00\x00\x00", 12);
    Result<std::unique_ptr<PersistentObject>> read
        = readLegacy(LegacyCode::Image, QStringLiteral("TImage"),
            {entry("Picture.Data", StreamValue::binary(payload)),
                entry("Stretch", StreamValue::boolean(true))});
    QVERIFY2(read, qPrintable(read.error().message));
    QCOMPARE(read.value()->value(QStringLiteral("Picture.Data")).toByteArray(), payload);
    QVERIFY(read.value()->boolValue(QStringLiteral("Stretch")));
}

void TestLegacyClasses::barcodeAndShapeEnumerations_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QString>("ident");
    QTest::addColumn<int>("ordinal");
    const int barcode = int(LegacyCode::BarCode);
    const int shape = int(LegacyCode::VantorShape);
    QTest::newRow("EAN13") << barcode << QStringLiteral("BarCodeType") << QStringLiteral("EAN13")
                           << 5;
    QTest::newRow("CodaBar") << barcode << QStringLiteral("BarCodeType")
                             << QStringLiteral("CodaBar") << 11;
    QTest::newRow("unknown symbology keeps the start")
        << barcode << QStringLiteral("BarCodeType") << QStringLiteral("bcPharma") << 0;
    QTest::newRow("triangle") << shape << QStringLiteral("Shape")
                              << QStringLiteral("mstTriAngleLean") << 10;
    QTest::newRow("cross") << shape << QStringLiteral("Shape") << QStringLiteral("mstCross") << 17;
    QTest::newRow("unknown kind keeps the start")
        << shape << QStringLiteral("Shape") << QStringLiteral("mstStar") << 0;
}

void TestLegacyClasses::barcodeAndShapeEnumerations()
{
    QFETCH(int, code);
    QFETCH(QString, property);
    QFETCH(QString, ident);
    QFETCH(int, ordinal);
    const LegacyCode legacy = LegacyCode(code);
    Result<std::unique_ptr<PersistentObject>> read = readLegacy(legacy, legacyClassName(legacy),
        {StreamEntry {property, StreamValue::ident(ident)},
            entry("DataField", StreamValue::fromText(QStringLiteral("우편번호")))});
    QVERIFY2(read, qPrintable(read.error().message));
    QCOMPARE(read.value()->value(property).toInt(), ordinal);
}

void TestLegacyClasses::sheetValues()
{
    Result<std::unique_ptr<PersistentObject>> read = readLegacy(LegacyCode::WorkLabel,
        QStringLiteral("TWorkLabel"),
        {entry("ZoomPercent", StreamValue::integer(150)),
            entry("LabelSize.LabelCode", StreamValue::fromText(QStringLiteral("L-3100"))),
            entry("LabelSize.Height", StreamValue::extended(1.5)),
            entry("LabelSize.Columns", StreamValue::integer(2)),
            entry("LabelSize.Rows", StreamValue::integer(3)),
            entry("LabelSize.LeftMargin", StreamValue::extended(0.25)),
            entry("LabelSize.Shape", StreamValue::ident(QStringLiteral("stRoundRect"))),
            entry("LabelSize.Color", StreamValue::ident(QStringLiteral("clWhite"))),
            entry("LabelSize.Unknown", StreamValue::integer(1)),
            entry("LabelSize.LabelKindType", StreamValue::fromText(QStringLiteral("주소라벨")))});
    QVERIFY2(read, qPrintable(read.error().message));
    const PersistentObject &work = *read.value();
    QCOMPARE(work.intValue(QStringLiteral("ZoomPercent")), 150);
    QCOMPARE(work.textValue(QStringLiteral("LabelSize.LabelCode")), QStringLiteral("L-3100"));
    QCOMPARE(work.floatValue(QStringLiteral("LabelSize.Height")), 1.5);
    QCOMPARE(work.intValue(QStringLiteral("LabelSize.Columns")), 2);
    QCOMPARE(work.intValue(QStringLiteral("LabelSize.Rows")), 3);
    QCOMPARE(work.floatValue(QStringLiteral("LabelSize.LeftMargin")), 0.25);
    QCOMPARE(work.value(QStringLiteral("LabelSize.Shape")).toInt(), 2);
    QCOMPARE(work.intValue(QStringLiteral("LabelSize.Color")), qint64(clWhite));
    QCOMPARE(work.textValue(QStringLiteral("LabelSize.LabelKindType")), QStringLiteral("주소라벨"));
}

void TestLegacyClasses::currentClassesStayStrict()
{
    StreamRecord record;
    record.className = QStringLiteral("TZR_Gradient");
    record.entries
        = {entry("Left", StreamValue::integer(1)), entry("Lines.Strings", StreamValue::list({}))};
    TZR_Gradient gradient;
    Status s = applyRecord(gradient, record);
    QVERIFY(!s);
    QCOMPARE(s.error().message,
        QStringLiteral("Error reading TZR_Gradient.Lines.Strings: Invalid property path"));

    record.entries = {entry("LayOutStyle", StreamValue::ident(QStringLiteral("lsSomething")))};
    s = applyRecord(gradient, record);
    QVERIFY(!s);
    QVERIFY(s.error().message.endsWith(QStringLiteral("Invalid property value")));
}

void TestLegacyClasses::registriesAreApart()
{
    // A current document naming an older class cannot create it, and the other way round.
    QVERIFY(!ClassRegistry::instance().find(QStringLiteral("TMemo")));
    QVERIFY(!ClassRegistry::instance().find(QStringLiteral("TWorkLabel")));
    QVERIFY(legacyClassRegistry().find(QStringLiteral("tmemo")));
    QVERIFY(!legacyClassRegistry().find(QStringLiteral("TZR_TextEdit")));
    QCOMPARE(legacyClassRegistry().names().size(), 10);
    StreamRecord record;
    record.className = QStringLiteral("TMemo");
    QVERIFY(!objectFromRecord(record));
}

QTEST_GUILESS_MAIN(TestLegacyClasses)
#include "tst_legacy_classes.moc"
