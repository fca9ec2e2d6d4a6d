// Tests of the persisted data of the text box, field label and serial number, the shared
// format operations and the country character set.
#include "ObjectRoundTrip.h"

#include "document/ObjectList.h"
#include "document/StandardProperties.h"
#include "objects/CountryCharset.h"
#include "objects/FormatOperations.h"
#include "objects/ObjectClasses.h"
#include "objects/ZR_GuideLabel.h"
#include "objects/ZR_SerialNumber.h"
#include "objects/ZR_ShapeTable.h"
#include "objects/ZR_TextEdit.h"
#include "objects/ZR_VantorShape.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace quill;
using namespace quill::testing;

namespace {

std::unique_ptr<LabelObject> objectOf(const QString &className)
{
    const ClassInfo *info = ClassRegistry::instance().find(className);
    if (!info)
        return nullptr;
    std::unique_ptr<PersistentObject> o = info->create();
    return std::unique_ptr<LabelObject>(static_cast<LabelObject *>(o.release()));
}

QStringList split(const char *names)
{
    return QString::fromUtf8(names).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// A short string as the stream writes names.
QByteArray shortString(const QByteArray &s)
{
    return char(s.size()) + s;
}

// A class the format operations do not know: it has a pen but is left alone.
class OtherObject : public LabelObject {
public:
    static const ClassInfo &info()
    {
        static const ClassInfo i = [] {
            ClassBuilder b(QStringLiteral("TOtherObject"));
            addBounds(b, 10, 10);
            addPen(b);
            addBrush(b);
            return b.build();
        }();
        return i;
    }
    OtherObject() : LabelObject(info()) {}
    ObjectTypeCode typeCode() const override { return ObjectTypeCode::Barcode; }
    std::unique_ptr<LabelObject> clone() const override
    {
        return std::make_unique<OtherObject>(*this);
    }
};

} // namespace

class TestObjectsText : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { registerObjectClasses(); }

    void newRecordEntries_data();
    void newRecordEntries();
    void newRecordBytes_data();
    void newRecordBytes();
    void creationValues_data();
    void creationValues();
    void charsetOfNewObjects();
    void everyPropertyRoundTrips_data();
    void everyPropertyRoundTrips();
    void valuesKeptAgainstDeclaredDefaults_data();
    void valuesKeptAgainstDeclaredDefaults();
    void angleNormalised_data();
    void angleNormalised();
    void bevelMirrorsPen_data();
    void bevelMirrorsPen();
    void toolkitRules();
    void serialAdvance_data();
    void serialAdvance();
    void serialDisplayText();
    void serialWrittenFixedSizeAndDirectionKept();
    void formatOperations_data();
    void formatOperations();
    void countryCharset_data();
    void countryCharset();
};

void TestObjectsText::newRecordEntries_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("text box") << QStringLiteral("TZR_TextEdit")
                              << split("Left Top Width Height Angle BevelWidth BevelColor TextCopy "
                                       "Font.Charset Font.Color Font.Height Font.Name Font.Style "
                                       "ParentFont LeftPosition TopPosition ImsiZoom RowGap");
    QTest::newRow("field label")
        << QStringLiteral("TZR_GuideLabel")
        << split("Left Top Width Height Escapement ImsiFontSize IndexGuide IndexTop IndexLeft "
                 "AutoSize Color Font.Charset Font.Color Font.Height Font.Name Font.Style "
                 "ParentColor ParentFont");
    QTest::newRow("serial number")
        << QStringLiteral("TZR_SerialNumber")
        << split("Left Top Width Height Escapement ImsiFontSize IndexGuide IndexTop IndexLeft "
                 "Caption Color Font.Charset Font.Color Font.Height Font.Name Font.Style "
                 "ParentColor ParentFont StartNum ImsiSerialNum EndNum IncNum");
}

void TestObjectsText::newRecordEntries()
{
    QFETCH(QString, className);
    QFETCH(QStringList, names);
    std::unique_ptr<LabelObject> object = objectOf(className);
    QVERIFY(object);
    QCOMPARE(entryNames(*object), names);
}

void TestObjectsText::newRecordBytes_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QByteArray>("entry"); // name as a short string, then the value
    QTest::newRow("bevel width 1") << QStringLiteral("TZR_TextEdit")
                                   << shortString("BevelWidth") + QByteArray("\x02\x01", 2);
    QTest::newRow("bevel colour clBlack")
        << QStringLiteral("TZR_TextEdit") << shortString("BevelColor") + '\x07' + shortString("clBlack");
    QTest::newRow("zoom 50") << QStringLiteral("TZR_TextEdit")
                             << shortString("ImsiZoom") + QByteArray("\x02\x32", 2);
    QTest::newRow("angle 0") << QStringLiteral("TZR_TextEdit")
                             << shortString("Angle") + QByteArray("\x02\x00", 2);
    QTest::newRow("parent font False") << QStringLiteral("TZR_TextEdit")
                                       << shortString("ParentFont") + '\x08';
    QTest::newRow("font Arial") << QStringLiteral("TZR_TextEdit")
                                << shortString("Font.Name") + '\x06' + shortString("Arial");
    QTest::newRow("empty style") << QStringLiteral("TZR_TextEdit")
                                 << shortString("Font.Style") + QByteArray("\x0b\x00", 2);
    QTest::newRow("white field label")
        << QStringLiteral("TZR_GuideLabel") << shortString("Color") + '\x07' + shortString("clWhite");
    QTest::newRow("font size 10 in points")
        << QStringLiteral("TZR_GuideLabel")
        << shortString("ImsiFontSize") + QByteArray("\x05\x00\x00\x00\x00\x00\x00\x00\xa0\x02\x40", 11);
    QTest::newRow("Gulim as wide text")
        << QStringLiteral("TZR_SerialNumber")
        << shortString("Font.Name") + QByteArray("\x12\x02\x00\x00\x00", 5)
               + QByteArray("\x74\xad\xbc\xb9", 4);
    QTest::newRow("caption Null") << QStringLiteral("TZR_SerialNumber")
                                  << shortString("Caption") + '\x06' + shortString("Null");
    QTest::newRow("font height 10 pt") << QStringLiteral("TZR_SerialNumber")
                                       << shortString("Font.Height") + QByteArray("\x02\xf3", 2);
}

void TestObjectsText::newRecordBytes()
{
    QFETCH(QString, className);
    QFETCH(QByteArray, entry);
    std::unique_ptr<LabelObject> object = objectOf(className);
    const QByteArray bytes = recordBytes(*object);
    QVERIFY2(bytes.startsWith("TPF0" + shortString(className.toLatin1()) + '\0'), bytes.toHex(' '));
    QVERIFY2(bytes.contains(entry), bytes.toHex(' '));
}

void TestObjectsText::creationValues_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QVariant>("expected");
    const QString text = QStringLiteral("TZR_TextEdit");
    const QString guide = QStringLiteral("TZR_GuideLabel");
    const QString serial = QStringLiteral("TZR_SerialNumber");
    QTest::newRow("text width") << text << QStringLiteral("Width") << QVariant(100);
    QTest::newRow("text height") << text << QStringLiteral("Height") << QVariant(100);
    QTest::newRow("text transparent") << text << QStringLiteral("Transparent") << QVariant(true);
    QTest::newRow("text colour") << text << QStringLiteral("Color") << QVariant(0xFF000005LL);
    QTest::newRow("text parent colour") << text << QStringLiteral("ParentColor") << QVariant(true);
    QTest::newRow("text word wrap") << text << QStringLiteral("WordWrap") << QVariant(true);
    QTest::newRow("text lines") << text << QStringLiteral("WWTMemo") << QVariant(QStringList());
    QTest::newRow("guide width") << guide << QStringLiteral("Width") << QVariant(65);
    QTest::newRow("guide height") << guide << QStringLiteral("Height") << QVariant(17);
    QTest::newRow("guide opaque") << guide << QStringLiteral("Transparent") << QVariant(false);
    QTest::newRow("guide fixed size") << guide << QStringLiteral("AutoSize") << QVariant(false);
    QTest::newRow("guide accel") << guide << QStringLiteral("ShowAccelChar") << QVariant(true);
    QTest::newRow("guide font size") << guide << QStringLiteral("ImsiFontSize") << QVariant(10.0);
    QTest::newRow("serial font") << serial << QStringLiteral("Font.Name")
                                 << QVariant(QStringLiteral("굴림"));
    QTest::newRow("serial size") << serial << QStringLiteral("Font.Size") << QVariant(10);
    QTest::newRow("serial start") << serial << QStringLiteral("StartNum") << QVariant(1);
    QTest::newRow("serial step") << serial << QStringLiteral("IncNum") << QVariant(1);
}

void TestObjectsText::creationValues()
{
    QFETCH(QString, className);
    QFETCH(QString, property);
    QFETCH(QVariant, expected);
    std::unique_ptr<LabelObject> object = objectOf(className);
    const int index = object->classInfo().indexOf(property) >= 0
                          ? object->classInfo().indexOf(property)
                          : object->classInfo().indexOf(property + QStringLiteral(".Strings"));
    QVERIFY(index >= 0);
    QVariant actual = object->value(index);
    if (expected.typeId() != QMetaType::QStringList && expected.typeId() != QMetaType::QString)
        QVERIFY(actual.convert(expected.metaType()));
    QCOMPARE(actual, expected);
}

void TestObjectsText::charsetOfNewObjects()
{
    setDefaultObjectCharset(DefaultCharset);
    const TZR_TextEdit text;
    const TZR_GuideLabel guide;
    const TZR_SerialNumber serial;
    setDefaultObjectCharset(HangeulCharset);
    QCOMPARE(text.fontCharset(), DefaultCharset);
    QCOMPARE(guide.fontCharset(), DefaultCharset);
    QCOMPARE(serial.fontCharset(), DefaultCharset);
    QCOMPARE(TZR_TextEdit().fontCharset(), HangeulCharset);
    QVERIFY(!text.value(QStringLiteral("ParentFont")).toBool());
}

void TestObjectsText::everyPropertyRoundTrips_data()
{
    QTest::addColumn<QString>("className");
    QTest::newRow("text box") << QStringLiteral("TZR_TextEdit");
    QTest::newRow("field label") << QStringLiteral("TZR_GuideLabel");
    QTest::newRow("serial number") << QStringLiteral("TZR_SerialNumber");
}

void TestObjectsText::everyPropertyRoundTrips()
{
    QFETCH(QString, className);
    std::unique_ptr<LabelObject> object = objectOf(className);
    changeEveryProperty(*object);
    // Every property left its start value, except those tied to another one.
    std::unique_ptr<LabelObject> fresh = objectOf(className);
    for (int i = 0; i < object->classInfo().properties.size(); ++i) {
        const QString &name = object->classInfo().properties[i].name;
        if (name != QLatin1String("ParentFont") && name != QLatin1String("ParentColor"))
            QVERIFY2(object->value(i) != fresh->value(i), qPrintable(name));
    }

    QString problem;
    std::unique_ptr<PersistentObject> read = streamRoundTrip(*object, &problem);
    QVERIFY2(read, qPrintable(problem));
    QCOMPARE(firstDifference(*object, *read, true), QString());
    // A second write gives the same bytes.
    QCOMPARE(recordBytes(*read), recordBytes(*object));

    std::unique_ptr<PersistentObject> fromJson = jsonRoundTrip(*object, &problem);
    QVERIFY2(fromJson, qPrintable(problem));
    QCOMPARE(firstDifference(*object, *fromJson, false), QString());
}

void TestObjectsText::valuesKeptAgainstDeclaredDefaults_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("property");
    QTest::addColumn<bool>("value");
    for (bool v : {true, false}) {
        const char *tag = v ? "True" : "False";
        QTest::addRow("text ParentFont %s", tag) << QStringLiteral("TZR_TextEdit")
                                                 << QStringLiteral("ParentFont") << v;
        QTest::addRow("guide AutoSize %s", tag) << QStringLiteral("TZR_GuideLabel")
                                                << QStringLiteral("AutoSize") << v;
        QTest::addRow("guide ParentColor %s", tag) << QStringLiteral("TZR_GuideLabel")
                                                   << QStringLiteral("ParentColor") << v;
        QTest::addRow("guide ParentFont %s", tag) << QStringLiteral("TZR_GuideLabel")
                                                  << QStringLiteral("ParentFont") << v;
        QTest::addRow("serial AutoSize %s", tag) << QStringLiteral("TZR_SerialNumber")
                                                 << QStringLiteral("AutoSize") << v;
        QTest::addRow("serial ParentFont %s", tag) << QStringLiteral("TZR_SerialNumber")
                                                   << QStringLiteral("ParentFont") << v;
    }
}

void TestObjectsText::valuesKeptAgainstDeclaredDefaults()
{
    QFETCH(QString, className);
    QFETCH(QString, property);
    QFETCH(bool, value);
    std::unique_ptr<LabelObject> object = objectOf(className);
    object->setValue(property, value);
    QString problem;
    std::unique_ptr<PersistentObject> read = streamRoundTrip(*object, &problem);
    QVERIFY2(read, qPrintable(problem));
    QCOMPARE(read->value(property).toBool(), value);
}

void TestObjectsText::angleNormalised_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("property");
    QTest::addColumn<int>("assigned");
    QTest::addColumn<int>("stored");
    const struct {
        const char *cls;
        const char *prop;
    } targets[] = {{"TZR_TextEdit", "Angle"},
                   {"TZR_GuideLabel", "Escapement"},
                   {"TZR_SerialNumber", "Escapement"}};
    const int cases[][2] = {{-90, 270}, {450, 90}, {720, 0}, {360, 0}, {359, 359},
                            {-360, 0},  {-450, 270}, {-500, 220}, {90, 90}};
    for (const auto &t : targets) {
        for (const auto &c : cases) {
            QTest::addRow("%s %d", t.cls, c[0])
                << QString::fromLatin1(t.cls) << QString::fromLatin1(t.prop) << c[0] << c[1];
        }
    }
}

void TestObjectsText::angleNormalised()
{
    QFETCH(QString, className);
    QFETCH(QString, property);
    QFETCH(int, assigned);
    QFETCH(int, stored);
    std::unique_ptr<LabelObject> object = objectOf(className);
    object->setValue(property, assigned);
    QCOMPARE(object->intValue(property), stored);
    // The stream brings the same rule to a value read from a record.
    StreamRecord record;
    record.className = className;
    record.entries.append({property, StreamValue::integer(assigned)});
    std::unique_ptr<LabelObject> read = objectOf(className);
    QVERIFY(applyRecord(*read, record).ok());
    QCOMPARE(read->intValue(property), stored);
}

void TestObjectsText::bevelMirrorsPen_data()
{
    QTest::addColumn<QString>("property");
    QTest::addColumn<qint64>("value");
    QTest::addColumn<qint64>("penWidth");
    QTest::addColumn<qint64>("penColor");
    QTest::newRow("pen width 3") << QStringLiteral("Pen.Width") << 3LL << 3LL << 0LL;
    QTest::newRow("pen width 0") << QStringLiteral("Pen.Width") << 0LL << 0LL << 0LL;
    QTest::newRow("bevel width 5") << QStringLiteral("BevelWidth") << 5LL << 5LL << 0LL;
    QTest::newRow("pen colour") << QStringLiteral("Pen.Color") << 0xFFLL << 1LL << 0xFFLL;
    QTest::newRow("bevel colour") << QStringLiteral("BevelColor") << 0xFF00LL << 1LL << 0xFF00LL;
}

void TestObjectsText::bevelMirrorsPen()
{
    QFETCH(QString, property);
    QFETCH(qint64, value);
    QFETCH(qint64, penWidth);
    QFETCH(qint64, penColor);
    TZR_TextEdit box;
    box.setValue(property, value);
    QCOMPARE(box.penWidth(), penWidth);
    QCOMPARE(box.bevelWidth(), penWidth);
    QCOMPARE(qint64(box.penColor()), penColor);
    QCOMPARE(qint64(box.bevelColor()), penColor);
    // The pair survives a save and load, including a pen width of 0 (BevelWidth 0 is at its
    // declared default and not written).
    QString problem;
    std::unique_ptr<PersistentObject> read = streamRoundTrip(box, &problem);
    QVERIFY2(read, qPrintable(problem));
    QCOMPARE(read->intValue(QStringLiteral("Pen.Width")), penWidth);
    QCOMPARE(read->intValue(QStringLiteral("BevelWidth")), penWidth);
    QCOMPARE(read->intValue(QStringLiteral("BevelColor")), penColor);
}

void TestObjectsText::toolkitRules()
{
    TZR_TextEdit box;
    QVERIFY(box.value(QStringLiteral("ParentColor")).toBool());
    QVERIFY(!entryNames(box).contains(QStringLiteral("Color")));
    box.setColor(clWhite);
    QVERIFY(!box.value(QStringLiteral("ParentColor")).toBool());
    QVERIFY(entryNames(box).contains(QStringLiteral("Color")));

    box.setBrushStyle(bsClear);
    box.setBrushColor(box.brushColor()); // the same colour still makes the brush solid
    QCOMPARE(box.brushStyle(), int(bsSolid));
    box.setBrushStyle(bsClear);
    box.setValue(QStringLiteral("Brush.Color"), qint64(clRed));
    QCOMPARE(box.brushStyle(), int(bsSolid));

    TZR_GuideLabel guide;
    guide.setValue(QStringLiteral("ParentFont"), true);
    QVERIFY(!entryNames(guide).contains(QStringLiteral("Font.Name")));
    guide.setFontName(QStringLiteral("돋움"));
    QVERIFY(!guide.value(QStringLiteral("ParentFont")).toBool());
}

void TestObjectsText::serialAdvance_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::addColumn<int>("step");
    QTest::addColumn<bool>("rising");
    QTest::addColumn<QList<int>>("printed");
    QTest::addColumn<int>("after"); // StartNum after Advance returned False
    QTest::newRow("1 to 3") << 1 << 3 << 1 << true << QList<int>{1, 2, 3} << 1;
    QTest::newRow("10 to 1 by -3") << 10 << 1 << -3 << false << QList<int>{10, 7, 4, 1} << 10;
    QTest::newRow("5 to 5") << 5 << 5 << 1 << true << QList<int>{5} << 5;
    QTest::newRow("1 to 4 by 2 stops short") << 1 << 4 << 2 << true << QList<int>{1, 3} << 3;
    QTest::newRow("falling range counted rising") << 10 << 1 << -3 << true << QList<int>{10} << 10;
    QTest::newRow("step 0 ends") << 1 << 5 << 0 << true << QList<int>{1} << 1;
    QTest::newRow("step away from the end") << 1 << 5 << -1 << true << QList<int>{1} << 1;
    QTest::newRow("falling step away") << 5 << 1 << 2 << false << QList<int>{5} << 5;
}

void TestObjectsText::serialAdvance()
{
    QFETCH(int, start);
    QFETCH(int, end);
    QFETCH(int, step);
    QFETCH(bool, rising);
    QFETCH(QList<int>, printed);
    QFETCH(int, after);
    TZR_SerialNumber serial;
    serial.setStartNum(start);
    serial.setImsiSerialNum(start);
    serial.setEndNum(end);
    serial.setIncNum(step);
    serial.setRising(rising);
    QList<int> labels;
    for (int guard = 0; guard < 100; ++guard) {
        labels.append(serial.startNum());
        if (!serial.advance())
            break;
    }
    QCOMPARE(labels, printed);
    QCOMPARE(serial.startNum(), after);
}

void TestObjectsText::serialDisplayText()
{
    TZR_SerialNumber serial;
    serial.setPrefix(QStringLiteral("A-"));
    serial.setPostfix(QStringLiteral("호"));
    serial.setStartNum(7);
    QCOMPARE(serial.displayText(), QStringLiteral("A-7호"));
    QCOMPARE(serial.labelText(), QStringLiteral("A-7호"));
    QCOMPARE(serial.caption(), QStringLiteral("Null"));
    TZR_GuideLabel guide;
    guide.setCaption(QStringLiteral("홍길동"));
    QCOMPARE(guide.labelText(), QStringLiteral("홍길동"));
}

void TestObjectsText::serialWrittenFixedSizeAndDirectionKept()
{
    TZR_SerialNumber serial;
    serial.setAutoSize(true);
    serial.setStartNum(7);
    serial.setImsiSerialNum(10);
    serial.setEndNum(1);
    serial.setIncNum(-3);
    serial.setRising(false);
    QByteArray bytes;
    PropertyStreamWriter writer(&bytes);
    std::vector<const LabelObject *> list{&serial};
    QVERIFY(writeObjectList(writer, list).ok());
    QVERIFY(writer.flush().ok());
    QVERIFY(!bytes.contains(shortString("AutoSize")));
    QVERIFY(serial.autoSize());

    PropertyStreamReader reader(bytes);
    std::vector<std::unique_ptr<LabelObject>> out;
    QVERIFY(readObjectList(reader, out).ok());
    QCOMPARE(out.size(), size_t(1));
    auto *read = dynamic_cast<TZR_SerialNumber *>(out.front().get());
    QVERIFY(read);
    QVERIFY(read->autoSize());
    // A falling run saved half-way goes on falling after loading.
    QVERIFY(!read->rising());
    QVERIFY(read->advance());
    QCOMPARE(read->startNum(), 4);
}

void TestObjectsText::formatOperations_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("operation");
    QTest::addColumn<qint64>("argument");
    QTest::addColumn<QVariantMap>("before");
    QTest::addColumn<QVariantMap>("after");
    const QString text = QStringLiteral("TZR_TextEdit");
    const QString guide = QStringLiteral("TZR_GuideLabel");
    const QString serial = QStringLiteral("TZR_SerialNumber");
    const QString shape = QStringLiteral("TZR_VantorShape");
    const QString table = QStringLiteral("TZR_ShapeTable");
    const QString fill = QStringLiteral("fill");
    const QString penColor = QStringLiteral("pen colour");
    const QString penStyle = QStringLiteral("pen style");
    const QString penWidth = QStringLiteral("pen width");
    auto m = [](std::initializer_list<std::pair<const char *, QVariant>> l) {
        QVariantMap map;
        for (const auto &[k, v] : l)
            map.insert(QString::fromLatin1(k), v);
        return map;
    };
    const QVariant clear = int(bsClear);
    const QVariant solid = int(bsSolid);
    QTest::newRow("text white fill") << text << fill << qint64(clWhite) << m({{"Transparent", false}})
                                     << m({{"Transparent", true}, {"Brush.Color", clWhite}});
    QTest::newRow("text red fill") << text << fill << qint64(clRed) << QVariantMap()
                                   << m({{"Transparent", false}, {"Brush.Color", clRed}});
    QTest::newRow("guide red fill") << guide << fill << qint64(clRed) << QVariantMap()
                                    << m({{"GuideLine", true}, {"Color", clRed}});
    QTest::newRow("guide white fill") << guide << fill << qint64(clWhite) << m({{"GuideLine", true}})
                                      << m({{"GuideLine", false}, {"Color", clWhite}});
    QTest::newRow("serial red fill") << serial << fill << qint64(clRed) << QVariantMap()
                                     << m({{"GuideLine", true}, {"Color", clRed}});
    QTest::newRow("shape red fill") << shape << fill << qint64(clRed) << m({{"Brush.Style", clear}})
                                    << m({{"Brush.Style", solid}, {"Brush.Color", clRed}});
    QTest::newRow("shape same colour fill")
        << shape << fill << qint64(clWhite) << m({{"Brush.Style", clear}})
        << m({{"Brush.Style", solid}, {"Brush.Color", clWhite}});
    QTest::newRow("table red fill") << table << fill << qint64(clRed) << QVariantMap()
                                    << m({{"Brush.Color", clRed}, {"Brush.Style", solid}});
    for (const QString &cls : {text, guide, serial, shape, table}) {
        QTest::addRow("%s pen colour", qPrintable(cls))
            << cls << penColor << qint64(clBlue) << QVariantMap() << m({{"Pen.Color", clBlue}});
        QTest::addRow("%s pen style", qPrintable(cls))
            << cls << penStyle << qint64(psDash) << QVariantMap() << m({{"Pen.Style", int(psDash)}});
        QTest::addRow("%s width 0", qPrintable(cls))
            << cls << penWidth << 0LL << QVariantMap()
            << m({{"Pen.Style", int(psClear)}, {"Pen.Width", 0}});
        QTest::addRow("%s width 3 on clear pen", qPrintable(cls))
            << cls << penWidth << 3LL << m({{"Pen.Style", int(psClear)}})
            << m({{"Pen.Style", int(psSolid)}, {"Pen.Width", 3}});
        QTest::addRow("%s width 3 keeps dashes", qPrintable(cls))
            << cls << penWidth << 3LL << m({{"Pen.Style", int(psDash)}})
            << m({{"Pen.Style", int(psDash)}, {"Pen.Width", 3}});
    }
    QTest::newRow("text width 4 moves bevel") << text << penWidth << 4LL << QVariantMap()
                                              << m({{"BevelWidth", 4}});
    QTest::newRow("other class fill") << QString() << fill << qint64(clRed) << QVariantMap()
                                      << m({{"Brush.Color", clWhite}});
    QTest::newRow("other class width 0") << QString() << penWidth << 0LL << QVariantMap()
                                         << m({{"Pen.Style", int(psSolid)}, {"Pen.Width", 1}});
}

void TestObjectsText::formatOperations()
{
    QFETCH(QString, className);
    QFETCH(QString, operation);
    QFETCH(qint64, argument);
    QFETCH(QVariantMap, before);
    QFETCH(QVariantMap, after);
    std::unique_ptr<LabelObject> object =
        className.isEmpty() ? std::make_unique<OtherObject>() : objectOf(className);
    for (auto it = before.cbegin(); it != before.cend(); ++it)
        QVERIFY(object->setValue(it.key(), it.value()));
    if (operation == QLatin1String("fill"))
        SetObjectFillColor(*object, TColor(argument));
    else if (operation == QLatin1String("pen colour"))
        SetObjectPenColor(*object, TColor(argument));
    else if (operation == QLatin1String("pen style"))
        SetObjectPenStyle(*object, int(argument));
    else
        SetObjectPenWidth(*object, int(argument));
    for (auto it = after.cbegin(); it != after.cend(); ++it)
        QCOMPARE(object->value(it.key()).toLongLong(), it.value().toLongLong());
}

void TestObjectsText::countryCharset_data()
{
    QTest::addColumn<QVariant>("country"); // invalid: no entry
    QTest::addColumn<int>("charset");
    QTest::newRow("missing") << QVariant() << 129;
    QTest::newRow("Kor") << QVariant(QStringLiteral("Kor")) << 129;
    QTest::newRow("KOR") << QVariant(QStringLiteral("KOR")) << 129;
    QTest::newRow("eng") << QVariant(QStringLiteral("eng")) << 1;
    QTest::newRow("Eng") << QVariant(QStringLiteral("Eng")) << 1;
    QTest::newRow("empty") << QVariant(QString()) << 0;
    QTest::newRow("jpn") << QVariant(QStringLiteral("jpn")) << 0;
    QTest::newRow("kor with space") << QVariant(QStringLiteral("kor ")) << 0;
}

void TestObjectsText::countryCharset()
{
    QFETCH(QVariant, country);
    QFETCH(int, charset);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QSettings settings(dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    settings.setValue(QStringLiteral("Other/CountryName"), QStringLiteral("eng"));
    if (country.isValid())
        settings.setValue(QStringLiteral("ZRCountry/CountryName"), country);
    QCOMPARE(CountryCharset(settings), charset);
}

QTEST_GUILESS_MAIN(TestObjectsText)
#include "tst_objects_text.moc"
