// Tests of the persisted data of the gradient, the word art and the image object, and of the
// picture payloads the image object carries.
#include "ObjectRoundTrip.h"

#include "document/ExtendedFloat.h"
#include "imaging/PictureData.h"
#include "objects/ObjectClasses.h"
#include "objects/ZR_DBImage.h"
#include "objects/ZR_Gradient.h"
#include "objects/ZR_VantorLabel.h"
#include "objects/ZR_WordArt.h"

#include <QTest>
#include <QtEndian>

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

QByteArray le32(quint32 v)
{
    QByteArray out(4, '\0');
    qToLittleEndian<quint32>(v, out.data());
    return out;
}

QByteArray le16(quint16 v)
{
    QByteArray out(2, '\0');
    qToLittleEndian<quint16>(v, out.data());
    return out;
}

// A 1 x 1 24-bit BMP file.
QByteArray bmpFile()
{
    QByteArray info = le32(40) + le32(1) + le32(1) + le16(1) + le16(24) + le32(0) + le32(4)
        + le32(0) + le32(0) + le32(0) + le32(0);
    QByteArray pixels("\x10\x20\x30\x00", 4);
    return "BM" + le32(14 + 40 + 4) + le32(0) + le32(14 + 40) + info + pixels;
}

QByteArray jpegFile()
{
    return QByteArray("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00"
                      "\xFF\xD9",
        22);
}

QByteArray gifFile()
{
    return QByteArray("GIF89a\x01\x00\x01\x00\x00\x00\x00;", 14);
}

QByteArray icoFile()
{
    const QByteArray image(40, '\x11');
    const QByteArray entry = QByteArray("\x01\x01\x00\x00", 4) + le16(1) + le16(32)
        + le32(image.size()) + le32(6 + 16);
    return le16(0) + le16(1) + le16(1) + entry + image;
}

QByteArray emfFile()
{
    QByteArray header = le32(1) + le32(88);
    header += QByteArray(32, '\0'); // bounds and frame
    header += le32(0x464D4520); // " EMF"
    header += le32(0x10000) + le32(88 + 20) + le32(2) + QByteArray(88 - 56, '\0');
    const QByteArray eof = le32(14) + le32(20) + le32(0) + le32(16) + le32(20);
    return header + eof;
}

QByteArray wmfFile()
{
    const QByteArray placeable
        = le32(0x9AC6CDD7) + le16(0) + QByteArray(8, '\0') + le16(1440) + le32(0) + le16(0);
    const QByteArray header
        = le16(1) + le16(9) + le16(0x300) + le32(12) + le16(0) + le32(3) + le16(0);
    return placeable + header + le32(3) + le16(0); // the end record
}

QByteArray aniFile()
{
    const QByteArray body = "ACON" + QByteArray("anih") + le32(4) + le32(36);
    return "RIFF" + le32(body.size()) + body;
}

} // namespace

class TestObjectsGraphics : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { registerObjectClasses(); }

    void newRecordEntries_data();
    void newRecordEntries();
    void newRecordBytes();
    void creationValues();
    void everyPropertyRoundTrips_data();
    void everyPropertyRoundTrips();
    void wordArtLayOutStyleRoundTrips_data();
    void wordArtLayOutStyleRoundTrips();
    void angleIsNormalised_data();
    void angleIsNormalised();
    void imageAngleIsStoredAsGiven();
    void codesCreateTheirClasses();
    void arcTextLabelIsReadable();

    void pictureFilesWrap_data();
    void pictureFilesWrap();
    void pictureRoundTripsUnchanged();
    void wrappingRejectsWrongFiles_data();
    void wrappingRejectsWrongFiles();
    void damagedPayloadsFail_data();
    void damagedPayloadsFail();
    void everyTruncationFailsOrReads();
    void emptyBitmap();
};

void TestObjectsGraphics::newRecordEntries_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("gradient") << QStringLiteral("TZR_Gradient")
                              << split("Left Top Width Height GradientStartColor GradientEndColor "
                                       "GradBevelUpColor GradBevelDownColor");
    QTest::newRow("word art") << QStringLiteral("TZR_WordArt")
                              << split("Left Top Width Height GradientStartColor GradientEndColor "
                                       "LayOutStyle GradBevelUpColor GradBevelDownColor Caption "
                                       "Font.Charset Font.Color Font.Height Font.Name Font.Style");
    QTest::newRow("image") << QStringLiteral("TZR_DBImage")
                           << split("Left Top Width Height ClipStyle WRoundClip HRoundClip");
}

void TestObjectsGraphics::newRecordEntries()
{
    QFETCH(QString, className);
    QFETCH(QStringList, names);
    const ClassInfo *info = ClassRegistry::instance().find(className);
    QVERIFY(info);
    QCOMPARE(entryNames(*info->create()), names);
}

void TestObjectsGraphics::newRecordBytes()
{
    // Word art: named colours as identifiers, the Korean caption as wide text, the Hangul
    // character set by name and 12 points as a height of -16 pixels.
    const QByteArray art = recordBytes(TZR_WordArt());
    const QString caption = QStringLiteral("워드아트 ");
    QByteArray wide;
    for (QChar c : caption)
        wide += le16(c.unicode());
    for (const QByteArray &entry :
        {shortString("GradientStartColor") + '\x07' + shortString("clBlue"),
            shortString("GradientEndColor") + '\x07' + shortString("clYellow"),
            shortString("LayOutStyle") + '\x07' + shortString("lsGradient"),
            shortString("Caption") + '\x12' + le32(5) + wide,
            shortString("Font.Charset") + '\x07' + shortString("HANGEUL_CHARSET"),
            shortString("Font.Height") + QByteArray("\x02\xF0", 2),
            shortString("Font.Style") + QByteArray("\x0B\x00", 2)})
        QVERIFY2(art.contains(entry), entry.toHex(' ').constData());

    // Image: the clip style always, the corner sizes as extended floats (2.0).
    const QByteArray image = recordBytes(TZR_DBImage());
    QVERIFY(image.contains(shortString("ClipStyle") + '\x07' + shortString("csNone")));
    QVERIFY(image.contains(
        shortString("WRoundClip") + '\x05' + QByteArray::fromHex("00000000000000800040")));
    QCOMPARE(image.left(4 + 1 + 11 + 1), "TPF0" + shortString("TZR_DBImage") + '\0');
}

void TestObjectsGraphics::creationValues()
{
    TZR_WordArt art;
    QCOMPARE(art.caption(), QStringLiteral("워드아트 "));
    QCOMPARE(art.gradientStartColor(), TColor(0xFF0000));
    QCOMPARE(art.gradientEndColor(), TColor(0x00FFFF));
    QCOMPARE(art.layOutStyle(), lsGradient);
    QCOMPARE(art.gradientStyle(), gsTopToBottom);
    QCOMPARE(art.bounds(), QRect(0, 0, 105, 105));
    QCOMPARE(art.textValue(QStringLiteral("Font.Name")), QStringLiteral("돋움"));
    QCOMPARE(art.intValue(QStringLiteral("Font.Size")), 12);
    QCOMPARE(art.typeCode(), ObjectTypeCode::WordArt);

    TZR_DBImage image;
    QVERIFY(!image.stretch());
    QCOMPARE(image.clipStyle(), csNone);
    QCOMPARE(image.wRoundClip(), 2.0);
    image.applyPlacementSettings();
    QVERIFY(image.stretch() && !image.autoSize() && !image.transparent());
    QVERIFY(entryNames(image).contains(QStringLiteral("Stretch")));
}

void TestObjectsGraphics::everyPropertyRoundTrips_data()
{
    QTest::addColumn<QString>("className");
    QTest::newRow("gradient") << QStringLiteral("TZR_Gradient");
    QTest::newRow("word art") << QStringLiteral("TZR_WordArt");
    QTest::newRow("image") << QStringLiteral("TZR_DBImage");
    QTest::newRow("arc text") << QStringLiteral("TZR_VantorLabel");
}

void TestObjectsGraphics::everyPropertyRoundTrips()
{
    QFETCH(QString, className);
    const ClassInfo *info = ClassRegistry::instance().find(className);
    QVERIFY(info);
    std::unique_ptr<PersistentObject> object = info->create();
    changeEveryProperty(*object);
    const std::unique_ptr<PersistentObject> fresh = info->create();
    // Every value but the font height (the helper's fixed -16 is the word art's 12 points).
    for (int i = 0; i < info->properties.size(); ++i) {
        const QString &name = info->properties[i].name;
        if (!name.startsWith(QLatin1String("Font.Height")) && name != u"Font.Size")
            QVERIFY2(object->value(i) != fresh->value(i), qPrintable(name));
    }

    QString problem;
    std::unique_ptr<PersistentObject> read = streamRoundTrip(*object, &problem);
    QVERIFY2(read, qPrintable(problem));
    QCOMPARE(firstDifference(*object, *read, true), QString());
    QCOMPARE(recordBytes(*read), recordBytes(*object));

    std::unique_ptr<PersistentObject> fromJson = jsonRoundTrip(*object, &problem);
    QVERIFY2(fromJson, qPrintable(problem));
    QCOMPARE(firstDifference(*object, *fromJson, false), QString());
}

void TestObjectsGraphics::wordArtLayOutStyleRoundTrips_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("written");
    QTest::newRow("word art none") << QStringLiteral("TZR_WordArt") << int(lsNone) << true;
    QTest::newRow("word art gradient") << QStringLiteral("TZR_WordArt") << int(lsGradient) << true;
    QTest::newRow("word art auto") << QStringLiteral("TZR_WordArt") << int(lsAutoGradient) << true;
    QTest::newRow("gradient none") << QStringLiteral("TZR_Gradient") << int(lsNone) << false;
    QTest::newRow("gradient auto") << QStringLiteral("TZR_Gradient") << int(lsAutoGradient) << true;
}

void TestObjectsGraphics::wordArtLayOutStyleRoundTrips()
{
    QFETCH(QString, className);
    QFETCH(int, style);
    QFETCH(bool, written);
    std::unique_ptr<PersistentObject> object = ClassRegistry::instance().find(className)->create();
    static_cast<TZR_Gradient &>(*object).setLayOutStyle(TLayOutStyle(style));
    QCOMPARE(entryNames(*object).contains(QStringLiteral("LayOutStyle")), written);
    QString problem;
    std::unique_ptr<PersistentObject> read = streamRoundTrip(*object, &problem);
    QVERIFY2(read, qPrintable(problem));
    QCOMPARE(static_cast<TZR_Gradient &>(*read).layOutStyle(), TLayOutStyle(style));
}

void TestObjectsGraphics::angleIsNormalised_data()
{
    QTest::addColumn<int>("assigned");
    QTest::addColumn<int>("stored");
    QTest::newRow("-90") << -90 << 270;
    QTest::newRow("450") << 450 << 90;
    QTest::newRow("360") << 360 << 0;
    QTest::newRow("359") << 359 << 359;
    QTest::newRow("-1") << -1 << 359;
    QTest::newRow("-360") << -360 << 0;
    QTest::newRow("-450 is a quarter turn back") << -450 << 270;
}

void TestObjectsGraphics::angleIsNormalised()
{
    QFETCH(int, assigned);
    QFETCH(int, stored);
    TZR_Gradient gradient;
    gradient.setAngle(assigned);
    QCOMPARE(gradient.angle(), stored);
    TZR_WordArt art;
    art.setAngle(assigned);
    QCOMPARE(art.angle(), stored);

    // A stored value goes through the same rule when read.
    StreamRecord record = recordFromObject(TZR_WordArt());
    record.entries.append({QStringLiteral("Angle"), StreamValue::integer(assigned)});
    TZR_WordArt read;
    QVERIFY(applyRecord(read, record));
    QCOMPARE(read.angle(), stored);
}

void TestObjectsGraphics::imageAngleIsStoredAsGiven()
{
    TZR_DBImage image;
    image.setAngle(450);
    QCOMPARE(image.angle(), 450);
    image.setAngle(-90);
    QCOMPARE(image.angle(), -90);
}

void TestObjectsGraphics::codesCreateTheirClasses()
{
    for (ObjectTypeCode code :
        {ObjectTypeCode::Gradient, ObjectTypeCode::WordArt, ObjectTypeCode::DBImage,
            ObjectTypeCode::Barcode, ObjectTypeCode::Barcode2D, ObjectTypeCode::ZipBarcode}) {
        std::unique_ptr<LabelObject> object = createObject(code);
        QVERIFY(object);
        QCOMPARE(object->typeCode(), code);
        QCOMPARE(object->className(), objectClassName(code));
        QCOMPARE(object->clone()->className(), object->className());
    }
    // 31 is read as word art.
    QCOMPARE(createObject(*objectTypeCodeFromValue(LegacyWordArtCode))->className(),
        QStringLiteral("TZR_WordArt"));
}

void TestObjectsGraphics::arcTextLabelIsReadable()
{
    QVERIFY(ClassRegistry::instance().find(QStringLiteral("TZR_VantorLabel")));
    StreamRecord record;
    record.className = QStringLiteral("TZR_VantorLabel");
    record.entries = {{QStringLiteral("Left"), StreamValue::integer(10)},
        {QStringLiteral("Caption"), StreamValue::fromText(QStringLiteral("원호"))},
        {QStringLiteral("Font.Name"), StreamValue::fromText(QStringLiteral("Arial"))},
        {QStringLiteral("StartAngle"), StreamValue::integer(45)},
        {QStringLiteral("Radius.Outer"), StreamValue::extended(1.5)}};
    Result<std::unique_ptr<PersistentObject>> read = objectFromRecord(record);
    QVERIFY2(read, qPrintable(read.error().message));
    const auto &label = static_cast<const TZR_VantorLabel &>(*read.value());
    QCOMPARE(label.caption(), QStringLiteral("원호"));
    QCOMPARE(label.intValue(QStringLiteral("Left")), 10);
    QVERIFY(!label.boolValue(QStringLiteral("ParentFont")));
}

void TestObjectsGraphics::pictureFilesWrap_data()
{
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("className");
    QTest::addColumn<bool>("sized");
    QTest::addColumn<QString>("backAs");
    QTest::newRow("bmp") << QStringLiteral("bmp") << bmpFile() << QStringLiteral("TBitmap") << true
                         << QStringLiteral("bmp");
    QTest::newRow("JPG in capitals")
        << QStringLiteral(".JPG") << jpegFile() << QStringLiteral("TJPEGImage") << true
        << QStringLiteral("jpg");
    QTest::newRow("jpeg") << QStringLiteral("jpeg") << jpegFile() << QStringLiteral("TJPEGImage")
                          << true << QStringLiteral("jpg");
    QTest::newRow("gif") << QStringLiteral("gif") << gifFile() << QStringLiteral("TJvGIFImage")
                         << true << QStringLiteral("gif");
    QTest::newRow("ico") << QStringLiteral(".Ico") << icoFile() << QStringLiteral("TIcon") << false
                         << QStringLiteral("ico");
    QTest::newRow("emf") << QStringLiteral("emf") << emfFile() << QStringLiteral("TMetafile")
                         << true << QStringLiteral("emf");
    QTest::newRow("wmf") << QStringLiteral("wmf") << wmfFile() << QStringLiteral("TMetafile")
                         << true << QStringLiteral("wmf");
    QTest::newRow("ani") << QStringLiteral("ani") << aniFile() << QStringLiteral("TJvAni") << false
                         << QStringLiteral("ani");
}

void TestObjectsGraphics::pictureFilesWrap()
{
    QFETCH(QString, extension);
    QFETCH(QByteArray, file);
    QFETCH(QString, className);
    QFETCH(bool, sized);
    QFETCH(QString, backAs);
    Result<QByteArray> payload = pictureDataFromFile(file, extension);
    QVERIFY2(payload, qPrintable(payload.error().message));
    const QByteArray expected = shortString(className.toLatin1())
        + (sized ? le32(quint32(file.size())) : QByteArray()) + file;
    QCOMPARE(payload.value().toHex(' '), expected.toHex(' '));

    Result<PictureData> parts = splitPictureData(payload.value());
    QVERIFY(parts);
    QCOMPARE(parts.value().className, className);

    Result<PictureFile> back = pictureFileFromData(payload.value());
    QVERIFY2(back, qPrintable(back.error().message));
    QCOMPARE(back.value().extension, backAs);
    QCOMPARE(back.value().bytes, file);
}

void TestObjectsGraphics::pictureRoundTripsUnchanged()
{
    const QByteArray picture = pictureDataFromFile(bmpFile(), QStringLiteral("bmp")).value();
    // A payload as another program might have written it: bytes after the bitmap stay.
    const QByteArray source = pictureDataFromFile(jpegFile(), QStringLiteral("jpg")).value()
        + QByteArray("\x00\x01trailing", 10);
    TZR_DBImage image;
    image.setPictureData(picture);
    image.setSrcImageData(source);
    const QByteArray bytes = recordBytes(image);
    QVERIFY(bytes.contains(
        shortString("Picture.Data") + '\x0A' + le32(quint32(picture.size())) + picture));
    QString problem;
    std::unique_ptr<PersistentObject> read = streamRoundTrip(image, &problem);
    QVERIFY2(read, qPrintable(problem));
    const auto &readImage = static_cast<const TZR_DBImage &>(*read);
    QCOMPARE(readImage.pictureData(), picture);
    QCOMPARE(readImage.srcImageData(), source);
    QCOMPARE(pictureFileFromData(readImage.srcImageData()).value().bytes, jpegFile());
}

void TestObjectsGraphics::wrappingRejectsWrongFiles_data()
{
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("unknown extension") << QStringLiteral("png") << bmpFile();
    QTest::newRow("jpeg named bmp") << QStringLiteral("bmp") << jpegFile();
    QTest::newRow("empty bmp file") << QStringLiteral("bmp") << QByteArray();
    QTest::newRow("bmp header past end") << QStringLiteral("bmp") << bmpFile().left(30);
    QTest::newRow("gif named jpg") << QStringLiteral("jpg") << gifFile();
    QTest::newRow("icon image past end") << QStringLiteral("ico") << icoFile().left(50);
    QTest::newRow("icon without images") << QStringLiteral("ico") << le16(0) + le16(1) + le16(0);
    QTest::newRow("wmf without placeable header") << QStringLiteral("wmf") << wmfFile().mid(22);
    QTest::newRow("ani too short") << QStringLiteral("ani") << aniFile().left(aniFile().size() - 1);
}

void TestObjectsGraphics::wrappingRejectsWrongFiles()
{
    QFETCH(QString, extension);
    QFETCH(QByteArray, file);
    QVERIFY(!pictureDataFromFile(file, extension));
}

void TestObjectsGraphics::damagedPayloadsFail_data()
{
    QTest::addColumn<QByteArray>("payload");
    const QByteArray bitmap = shortString("TBitmap");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("empty class name") << QByteArray(1, '\0');
    QTest::newRow("class name of 64") << QByteArray(1, char(64)) + QByteArray(64, 'T');
    QTest::newRow("class name past end") << QByteArray("\x07TBit", 5);
    QTest::newRow("unknown class") << shortString("TPngImage") + le32(0);
    QTest::newRow("size missing") << bitmap + QByteArray(2, '\0');
    QTest::newRow("size past end") << bitmap + le32(100) + bmpFile();
    QTest::newRow("negative size") << bitmap + le32(0xFFFFFFFF) + bmpFile();
    QTest::newRow("not a bitmap") << bitmap + le32(3) + QByteArray("BMx");
    QTest::newRow("icon image past end") << shortString("TIcon") + icoFile().left(40);
    QTest::newRow("riff past end") << shortString("TJvAni") + aniFile().left(14);
    QTest::newRow("metafile garbage") << shortString("TMetafile") + le32(50) + QByteArray(50, 'x');
    QTest::newRow("gif without size field is short")
        << shortString("TGIFImage") + gifFile().left(10);
}

void TestObjectsGraphics::damagedPayloadsFail()
{
    QFETCH(QByteArray, payload);
    Result<PictureFile> file = pictureFileFromData(payload);
    QVERIFY(!file);
    QVERIFY(!file.error().message.isEmpty());
}

void TestObjectsGraphics::everyTruncationFailsOrReads()
{
    // Every prefix of every payload: an Error or a file that lies inside the prefix.
    for (const auto &[ext, file] :
        {std::pair {"bmp", bmpFile()}, std::pair {"jpg", jpegFile()}, std::pair {"gif", gifFile()},
            std::pair {"ico", icoFile()}, std::pair {"emf", emfFile()},
            std::pair {"wmf", wmfFile()}, std::pair {"ani", aniFile()}}) {
        const QByteArray payload = pictureDataFromFile(file, QString::fromLatin1(ext)).value();
        for (qsizetype n = 0; n < payload.size(); ++n) {
            Result<PictureFile> read = pictureFileFromData(payload.left(n));
            if (read)
                QVERIFY(read.value().bytes.size() < payload.size());
        }
    }
}

void TestObjectsGraphics::emptyBitmap()
{
    Result<PictureFile> file = pictureFileFromData(shortString("TBitmap") + le32(0));
    QVERIFY(file);
    QCOMPARE(file.value().extension, QStringLiteral("bmp"));
    QVERIFY(file.value().bytes.isEmpty());
    QVERIFY(!joinPictureData(QString(64, QLatin1Char('T')), {}));
    QCOMPARE(joinPictureData(QStringLiteral("TIcon"), "xy").value(), QByteArray("\x05TIconxy"));
}

QTEST_GUILESS_MAIN(TestObjectsGraphics)
#include "tst_objects_graphics.moc"
