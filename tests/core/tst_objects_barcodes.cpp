// Tests of the persisted data of the one- and two-dimensional barcodes and the postal code
// barcode.
#include "ObjectRoundTrip.h"

#include "objects/ObjectClasses.h"
#include "objects/ZR_2DBarcode.h"
#include "objects/ZR_Barcode.h"
#include "objects/ZR_ZipBarcode.h"

#include <QTest>

using namespace quill;
using namespace quill::testing;

namespace {

QStringList split(const char *names)
{
    return QString::fromUtf8(names).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

QByteArray shortString(const QByteArray &s)
{
    return char(s.size()) + s;
}

std::unique_ptr<PersistentObject> create(const QString &className)
{
    return ClassRegistry::instance().find(className)->create();
}

} // namespace

class TestObjectsBarcodes : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { registerObjectClasses(); }

    void newRecordEntries_data();
    void newRecordEntries();
    void newRecordBytes_data();
    void newRecordBytes();
    void creationValues();
    void everyPropertyRoundTrips_data();
    void everyPropertyRoundTrips();
    void wordFieldsKeepLowBits_data();
    void wordFieldsKeepLowBits();
    void fontIsWrittenOnceOwn_data();
    void fontIsWrittenOnceOwn();
    void colorWrittenWhenNotWindowColour();
};

void TestObjectsBarcodes::newRecordEntries_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("1D") << QStringLiteral("TZR_Barcode")
                        << split("Left Top Width Height CodeType ShowAsterisk Caption Orientation");
    QTest::newRow("2D") << QStringLiteral("TZR_2DBarcode")
                        << split("Left Top Width Height CodeType Caption Mode BackColor ForeColor "
                                 "UseEnhanced Transparent Orientation ImageHeight ImageWidth");
    QTest::newRow("zip") << QStringLiteral("TZR_ZipBarcode")
                         << split("Left Top Width Height BarWidth bStartPoint");
}

void TestObjectsBarcodes::newRecordEntries()
{
    QFETCH(QString, className);
    QFETCH(QStringList, names);
    QCOMPARE(entryNames(*create(className)), names);
}

void TestObjectsBarcodes::newRecordBytes_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QByteArray>("entry");
    const QString one = QStringLiteral("TZR_Barcode");
    const QString two = QStringLiteral("TZR_2DBarcode");
    const QString zip = QStringLiteral("TZR_ZipBarcode");
    QTest::newRow("1D code type") << one << shortString("CodeType") + QByteArray("\x02\x08", 2);
    QTest::newRow("1D asterisk") << one << shortString("ShowAsterisk") + QByteArray("\x02\x01", 2);
    QTest::newRow("1D caption") << one << shortString("Caption") + '\x06' + shortString("12345678");
    QTest::newRow("2D caption") << two
                                << shortString("Caption") + '\x06'
            + shortString("Quilllabel 2D Barcode");
    QTest::newRow("2D back colour")
        << two << shortString("BackColor") + '\x07' + shortString("clWhite");
    QTest::newRow("2D fore colour")
        << two << shortString("ForeColor") + '\x07' + shortString("clBlack");
    QTest::newRow("2D enhanced") << two << shortString("UseEnhanced") + '\x09';
    QTest::newRow("2D transparent") << two << shortString("Transparent") + '\x08';
    QTest::newRow("2D image height 30")
        << two
        << shortString("ImageHeight") + '\x05' + QByteArray::fromHex("000000000000 00f0 0340");
    QTest::newRow("zip bar width 1")
        << zip << shortString("BarWidth") + '\x05' + QByteArray::fromHex("0000000000000080ff3f");
    QTest::newRow("zip start") << zip << shortString("bStartPoint") + QByteArray("\x02\x02", 2);
}

void TestObjectsBarcodes::newRecordBytes()
{
    QFETCH(QString, className);
    QFETCH(QByteArray, entry);
    const QByteArray bytes = recordBytes(*create(className));
    QVERIFY2(bytes.contains(entry), bytes.toHex(' ').constData());
}

void TestObjectsBarcodes::creationValues()
{
    TZR_Barcode one;
    QCOMPARE(one.pixelsPerInch(), quint16(96));
    QCOMPARE(one.codeType(), quint16(TZR_Barcode::Code39));
    QVERIFY(one.autoParity() && one.showCheckDigit() && one.showText());
    QVERIFY(!one.showLightMargins() && !one.lockFlag());
    QCOMPARE(one.showAsterisk(), quint16(1));
    QCOMPARE(one.caption(), QStringLiteral("12345678"));
    QCOMPARE(one.color(), clWindow);
    QCOMPARE(one.typeCode(), ObjectTypeCode::Barcode);

    TZR_2DBarcode two;
    QCOMPARE(two.caption(), QStringLiteral("Quilllabel 2D Barcode"));
    QCOMPARE(two.backColor(), clWhite);
    QCOMPARE(two.foreColor(), clBlack);
    QVERIFY(two.useEnhanced() && !two.transparent());
    QCOMPARE(two.imageHeight(), 30.0);
    QCOMPARE(two.imageWidth(), 30.0);
    QCOMPARE(two.typeCode(), ObjectTypeCode::Barcode2D);

    TZR_ZipBarcode zip;
    QCOMPARE(zip.barWidth(), 1.0);
    QCOMPARE(zip.bStartPoint(), quint16(2));
    QVERIFY(!zip.autoSize());
    QVERIFY(zip.text().isEmpty());
    QCOMPARE(zip.typeCode(), ObjectTypeCode::ZipBarcode);
}

void TestObjectsBarcodes::everyPropertyRoundTrips_data()
{
    QTest::addColumn<QString>("className");
    QTest::newRow("1D") << QStringLiteral("TZR_Barcode");
    QTest::newRow("2D") << QStringLiteral("TZR_2DBarcode");
    QTest::newRow("zip") << QStringLiteral("TZR_ZipBarcode");
}

void TestObjectsBarcodes::everyPropertyRoundTrips()
{
    QFETCH(QString, className);
    std::unique_ptr<PersistentObject> object = create(className);
    changeEveryProperty(*object);
    const std::unique_ptr<PersistentObject> fresh = create(className);
    const ClassInfo &info = object->classInfo();
    for (int i = 0; i < info.properties.size(); ++i)
        QVERIFY2(object->value(i) != fresh->value(i), qPrintable(info.properties[i].name));

    QString problem;
    std::unique_ptr<PersistentObject> read = streamRoundTrip(*object, &problem);
    QVERIFY2(read, qPrintable(problem));
    QCOMPARE(firstDifference(*object, *read, true), QString());
    QCOMPARE(recordBytes(*read), recordBytes(*object));

    std::unique_ptr<PersistentObject> fromJson = jsonRoundTrip(*object, &problem);
    QVERIFY2(fromJson, qPrintable(problem));
    QCOMPARE(firstDifference(*object, *fromJson, false), QString());
}

void TestObjectsBarcodes::wordFieldsKeepLowBits_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("property");
    QTest::addColumn<qint64>("assigned");
    QTest::addColumn<qint64>("stored");
    const QString one = QStringLiteral("TZR_Barcode");
    const QString two = QStringLiteral("TZR_2DBarcode");
    QTest::newRow("1D code type 65536") << one << QStringLiteral("CodeType") << 65536LL << 0LL;
    QTest::newRow("1D code type 70000") << one << QStringLiteral("CodeType") << 70000LL << 4464LL;
    QTest::newRow("1D justify -1") << one << QStringLiteral("JustifyText") << -1LL << 65535LL;
    QTest::newRow("1D resolution") << one << QStringLiteral("PixelsPerInch") << 65632LL << 96LL;
    QTest::newRow("1D orientation") << one << QStringLiteral("Orientation") << 90LL << 90LL;
    QTest::newRow("2D mode") << two << QStringLiteral("Mode") << 65537LL << 1LL;
    QTest::newRow("2D code type") << two << QStringLiteral("CodeType") << -2LL << 65534LL;
    QTest::newRow("zip start") << QStringLiteral("TZR_ZipBarcode") << QStringLiteral("bStartPoint")
                               << 65539LL << 3LL;
}

void TestObjectsBarcodes::wordFieldsKeepLowBits()
{
    QFETCH(QString, className);
    QFETCH(QString, property);
    QFETCH(qint64, assigned);
    QFETCH(qint64, stored);
    std::unique_ptr<PersistentObject> object = create(className);
    QVERIFY(object->setValue(property, QVariant::fromValue(assigned)));
    QCOMPARE(object->intValue(property), stored);

    // A record holding the wider value reads the same way.
    StreamRecord record;
    record.className = className;
    record.entries = {{property, StreamValue::integer(assigned)}};
    Result<std::unique_ptr<PersistentObject>> read = objectFromRecord(record);
    QVERIFY2(read, qPrintable(read.error().message));
    QCOMPARE(read.value()->intValue(property), stored);
}

void TestObjectsBarcodes::fontIsWrittenOnceOwn_data()
{
    everyPropertyRoundTrips_data();
}

void TestObjectsBarcodes::fontIsWrittenOnceOwn()
{
    QFETCH(QString, className);
    std::unique_ptr<PersistentObject> object = create(className);
    QVERIFY(object->boolValue(QStringLiteral("ParentFont")));
    QVERIFY(!entryNames(*object).contains(QStringLiteral("Font.Name")));
    QVERIFY(!entryNames(*object).contains(QStringLiteral("ParentFont")));

    object->setValue(QStringLiteral("Font.Size"), 10);
    QVERIFY(!object->boolValue(QStringLiteral("ParentFont")));
    const QStringList names = entryNames(*object);
    QCOMPARE(names.mid(4, 5), split("Font.Charset Font.Color Font.Height Font.Name Font.Style"));
    QVERIFY(!names.contains(QStringLiteral("ParentFont")));

    QString problem;
    std::unique_ptr<PersistentObject> read = streamRoundTrip(*object, &problem);
    QVERIFY2(read, qPrintable(problem));
    QVERIFY(!read->boolValue(QStringLiteral("ParentFont")));
    QCOMPARE(read->intValue(QStringLiteral("Font.Height")), -13);
}

void TestObjectsBarcodes::colorWrittenWhenNotWindowColour()
{
    TZR_ZipBarcode zip;
    QVERIFY(!entryNames(zip).contains(QStringLiteral("Color")));
    zip.setColor(clBlack); // what the placement tool does
    QVERIFY(recordBytes(zip).contains(shortString("Color") + '\x07' + shortString("clBlack")));
    QString problem;
    std::unique_ptr<PersistentObject> read = streamRoundTrip(zip, &problem);
    QVERIFY2(read, qPrintable(problem));
    QCOMPARE(static_cast<TZR_ZipBarcode &>(*read).color(), clBlack);
}

QTEST_GUILESS_MAIN(TestObjectsBarcodes)
#include "tst_objects_barcodes.moc"
