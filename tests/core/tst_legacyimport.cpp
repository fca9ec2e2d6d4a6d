// Tests of the import of older single-label documents, on files built here entry by entry.
#include "document/DocumentFile.h"
#include "document/LabelDocument.h"
#include "document/PropertyStreamWriter.h"
#include "document/StandardProperties.h"
#include "objects/ObjectClasses.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace quill;

namespace {

StreamEntry entry(const char16_t *name, const StreamValue &value)
{
    return StreamEntry{QString::fromUtf16(name), value, -1};
}

constexpr TColor kYellow = 0x00FFFF;

StreamValue number(qint64 v) { return StreamValue::integer(v); }
StreamValue ident(const char16_t *name) { return StreamValue::ident(QString::fromUtf16(name)); }
StreamValue text(const QString &t) { return StreamValue::fromText(t); }

StreamValue lines(const QStringList &list)
{
    QList<StreamValue> values;
    for (const QString &line : list)
        values.append(StreamValue::fromLineText(line));
    return StreamValue::list(values);
}

// Left, Top, Width, Height of a legacy visual record.
QList<StreamEntry> bounds(int left, int top, int width, int height)
{
    return {entry(u"Left", number(left)), entry(u"Top", number(top)),
            entry(u"Width", number(width)), entry(u"Height", number(height))};
}

// A legacy document: the marker, the number of entries, then code and record per entry.
class LegacyFile {
public:
    LegacyFile &add(qint32 code, const QString &className, const QList<StreamEntry> &entries)
    {
        PropertyStreamWriter writer(&mEntries);
        writer.writeInt32(code);
        StreamRecord record;
        record.className = className;
        record.entries = entries;
        const Status s = writer.writeRecord(record);
        Q_ASSERT(s.ok());
        ++mCount;
        return *this;
    }
    // An entry code without a record (for codes that end the import).
    LegacyFile &addCode(qint32 code)
    {
        PropertyStreamWriter writer(&mEntries);
        writer.writeInt32(code);
        return *this;
    }
    QByteArray bytes(qint32 marker = 100, std::optional<qint32> count = {}) const
    {
        QByteArray out;
        PropertyStreamWriter writer(&out);
        writer.writeInt32(marker);
        writer.writeInt32(count.value_or(mCount));
        writer.flush();
        return out + mEntries;
    }

private:
    QByteArray mEntries;
    int mCount = 0;
};

QList<StreamEntry> memo(int left, int top, int width, int height, int angle = 0,
                        const QString &color = QStringLiteral("clWhite"))
{
    QList<StreamEntry> e = bounds(left, top, width, height);
    e << entry(u"Alignment", ident(u"taCenter")) << entry(u"Color", StreamValue::ident(color))
      << entry(u"Font.Charset", ident(u"HANGEUL_CHARSET"))
      << entry(u"Font.Height", number(-16)) << entry(u"Font.Name", text(u"굴림"_qs))
      << entry(u"Font.Style", StreamValue::set({QStringLiteral("fsBold")}))
      << entry(u"HelpContext", number(angle))
      << entry(u"Lines.Strings", lines({u"첫 줄"_qs, u"second"_qs}))
      << entry(u"ScrollBars", ident(u"ssNone")); // not used by the import
    return e;
}

QList<StreamEntry> workLabel(int zoom)
{
    QList<StreamEntry> e = bounds(0, 0, 300, 200);
    e << entry(u"ZoomPercent", number(zoom))
      << entry(u"LabelSize.LabelCode", text(u"L-3100"_qs))
      << entry(u"LabelSize.Height", StreamValue::extended(1.5))
      << entry(u"LabelSize.Width", StreamValue::extended(2.5))
      << entry(u"LabelSize.LabelsPerSheet", number(6)) << entry(u"LabelSize.Columns", number(2))
      << entry(u"LabelSize.Rows", number(3))
      << entry(u"LabelSize.LeftMargin", StreamValue::extended(0.25))
      << entry(u"LabelSize.RightMargin", StreamValue::extended(0.5))
      << entry(u"LabelSize.HorizSpace", StreamValue::extended(0.125))
      << entry(u"LabelSize.Shape", ident(u"stRoundRect"))
      << entry(u"LabelSize.Color", ident(u"clYellow"))
      << entry(u"LabelSize.PageWidth", StreamValue::extended(8.5))
      << entry(u"LabelSize.PageHeight", StreamValue::extended(11))
      << entry(u"LabelSize.LabelKindType", text(u"주소라벨"_qs))
      << entry(u"LabelSize.Paper", text(u"A4"_qs));
    return e;
}

} // namespace

class TestLegacyImport : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { registerObjectClasses(); }
    void init() { mDir = std::make_unique<QTemporaryDir>(); }

    void memoBecomesTextBox();
    void memoAngle_data();
    void memoAngle();
    void barcodeTypes_data();
    void barcodeTypes();
    void dataListCopiesBesideTheDocument();
    void imageShapeAndDroppedClasses();
    void shapeKindsBeyondTheSharedOnesKeepTheDefault();
    void sheetValuesAndZoom();
    void unknownCodeAndDamageKeepWhatWasConverted();
    void fileWithoutSheetGetsOneCell();
    void everyTruncationReadsOrFails();

private:
    QString docPath() const { return mDir->filePath(QStringLiteral("old.lbl")); }
    // Reads bytes as the document at docPath(); fails the test on error.
    ReadReport read(LabelDocument &doc, const QByteArray &bytes)
    {
        Result<ReadReport> r = readDocumentBytes(doc, bytes, docPath());
        if (!r)
            qWarning("%s", qPrintable(r.error().message));
        return r ? r.value() : ReadReport{};
    }
    LabelObject *object(const LabelDocument &doc, int index) const
    {
        return doc.cell(1, 1)->object(index);
    }
    std::unique_ptr<QTemporaryDir> mDir;
};

void TestLegacyImport::memoBecomesTextBox()
{
    LegacyFile file;
    file.add(3, u"TMemo"_qs, memo(40, 30, 120, 40));
    LabelDocument doc;
    const ReadReport report = read(doc, file.bytes());
    QVERIFY(report.legacy);
    QVERIFY(report.complete());
    QCOMPARE(doc.fileName(), docPath());
    QCOMPARE(doc.cell(1, 1)->objectCount(), 1);
    const LabelObject *box = object(doc, 0);
    QCOMPARE(box->typeCode(), ObjectTypeCode::TextEdit);
    QCOMPARE(box->bounds(), QRect(25, 15, 120, 40));
    const QStringList expected{u"첫 줄"_qs, u"second"_qs};
    QCOMPARE(box->value(u"WWTMemo.Strings"_qs).toStringList(), expected);
    QCOMPARE(box->value(u"WWFMemo.Strings"_qs).toStringList(), expected);
    QCOMPARE(box->value(u"AlignMent"_qs).toInt(), int(taCenter));
    QCOMPARE(box->intValue(u"Color"_qs), qint64(clWhite));
    QVERIFY(box->boolValue(u"Transparent"_qs));
    QVERIFY(!box->boolValue(u"AutoSize"_qs));
    QCOMPARE(box->textValue(u"Font.Name"_qs), u"굴림"_qs);
    QCOMPARE(box->intValue(u"Font.Height"_qs), -16);
    QCOMPARE(box->intValue(u"Font.Charset"_qs), 129);
    QCOMPARE(box->value(u"Font.Style"_qs).toUInt(), quint32(fsBold));
    QCOMPARE(box->floatValue(u"ImsiFontSize"_qs), 12.0);
    QVERIFY(!box->boolValue(u"ParentFont"_qs)); // the font is written with the box
}

void TestLegacyImport::memoAngle_data()
{
    QTest::addColumn<int>("angle");
    QTest::addColumn<QString>("color");
    QTest::addColumn<QRect>("expected");
    QTest::addColumn<bool>("transparent");
    QTest::newRow("0") << 0 << u"clWhite"_qs << QRect(25, 15, 200, 50) << true;
    QTest::newRow("90 swaps") << 90 << u"clWhite"_qs << QRect(25, 15, 50, 200) << true;
    QTest::newRow("180") << 180 << u"clWhite"_qs << QRect(25, 15, 200, 50) << true;
    QTest::newRow("270 swaps") << 270 << u"clWhite"_qs << QRect(25, 15, 50, 200) << true;
    QTest::newRow("coloured is opaque") << 0 << u"clYellow"_qs << QRect(25, 15, 200, 50) << false;
}

void TestLegacyImport::memoAngle()
{
    QFETCH(int, angle);
    QFETCH(QString, color);
    QFETCH(QRect, expected);
    QFETCH(bool, transparent);
    LegacyFile file;
    file.add(3, u"TMemo"_qs, memo(40, 30, 200, 50, angle, color));
    LabelDocument doc;
    read(doc, file.bytes());
    const LabelObject *box = object(doc, 0);
    QVERIFY(box);
    QCOMPARE(box->bounds(), expected);
    QCOMPARE(box->intValue(u"Angle"_qs), angle);
    QCOMPARE(box->boolValue(u"Transparent"_qs), transparent);
}

void TestLegacyImport::barcodeTypes_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<int>("codeType");
    const QList<QPair<QString, int>> table{
        {u"Interleaved2Of5"_qs, 12}, {u"Code39"_qs, 8},    {u"Code128"_qs, 9},
        {u"EAN128"_qs, 10},          {u"EAN8"_qs, 1},      {u"EAN13"_qs, 0},
        {u"PostnetZip"_qs, 28},      {u"PostnetZipPlus4"_qs, 29}, {u"Postnet11"_qs, 30},
        {u"UPCA"_qs, 19},            {u"UPCE"_qs, 23},     {u"CodaBar"_qs, 16}};
    for (const auto &[name, code] : table)
        QTest::newRow(qPrintable(name)) << name << code;
}

void TestLegacyImport::barcodeTypes()
{
    QFETCH(QString, type);
    QFETCH(int, codeType);
    QList<StreamEntry> e = bounds(100, 50, 150, 60);
    e << entry(u"BarCodeType", StreamValue::ident(type)) << entry(u"Text", text(u"880123"_qs))
      << entry(u"Font.Height", number(-13)) << entry(u"Ratio", StreamValue::extended(2.5));
    LegacyFile file;
    file.add(11, u"TWorkLabel"_qs, workLabel(100)).add(4, u"TBarCode"_qs, e);
    LabelDocument doc;
    const ReadReport report = read(doc, file.bytes());
    const LabelObject *barcode = object(doc, 0);
    QVERIFY(barcode);
    QCOMPARE(barcode->typeCode(), ObjectTypeCode::Barcode);
    QCOMPARE(barcode->bounds(), QRect(85, 35, 150, 60));
    QCOMPARE(barcode->intValue(u"CodeType"_qs), codeType);
    QCOMPARE(barcode->textValue(u"Caption"_qs), u"880123"_qs);
    QCOMPARE(barcode->intValue(u"Font.Height"_qs), -13);
    QVERIFY(barcode->textValue(u"FieldName"_qs).isEmpty());
    // Without a data field no data list is involved.
    QVERIFY(doc.barcodeDataListPath().isEmpty());
    QVERIFY(report.warnings.isEmpty());
}

void TestLegacyImport::dataListCopiesBesideTheDocument()
{
    QList<StreamEntry> bar = bounds(20, 20, 100, 40);
    bar << entry(u"DataField", text(u"우편번호"_qs));
    QList<StreamEntry> label = bounds(20, 80, 100, 20);
    label << entry(u"DataField", text(u"NAME"_qs)) << entry(u"Font.Height", number(-15))
          << entry(u"DataSource", ident(u"DataSource1"));
    LegacyFile file;
    file.add(11, u"TWorkLabel"_qs, workLabel(100)).add(4, u"TBarCode"_qs, bar);
    file.add(4, u"TBarCode"_qs, bar).add(5, u"TDBLabel"_qs, label);
    const QString dataCopy = mDir->filePath(QStringLiteral("old.Dbl"));
    const QString barcodeCopy = mDir->filePath(QStringLiteral("old.Bbl"));

    LabelDocument doc;
    ReadReport report = read(doc, file.bytes());
    QCOMPARE(doc.labelDataListPath(), dataCopy);
    QCOMPARE(doc.barcodeDataListPath(), barcodeCopy);
    // Each missing copy is reported once, with its path.
    QCOMPARE(report.warnings.size(), 2);
    QVERIFY(report.warnings.filter(barcodeCopy).size() == 1);
    QVERIFY(report.warnings.filter(dataCopy).size() == 1);
    const LabelObject *field = object(doc, 2);
    QCOMPARE(field->typeCode(), ObjectTypeCode::GuideLabel);
    QCOMPARE(field->textValue(u"FieldName"_qs), u"NAME"_qs);
    QVERIFY(field->textValue(u"Caption"_qs).isEmpty());
    QCOMPARE(field->floatValue(u"ImsiFontSize"_qs), 11.0); // -15 px is 11 points
    QCOMPARE(object(doc, 0)->textValue(u"FieldName"_qs), u"우편번호"_qs);

    for (const QString &path : {dataCopy, barcodeCopy}) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    LabelDocument again;
    report = read(again, file.bytes());
    QVERIFY(report.warnings.isEmpty());
}

void TestLegacyImport::imageShapeAndDroppedClasses()
{
    const QByteArray picture = QByteArray("\x07TBitmap", 8) + QByteArray(4, '\0');
    QList<StreamEntry> image = bounds(15, 15, 64, 48);
    image << entry(u"Picture.Data", StreamValue::binary(picture));
    QList<StreamEntry> shape = bounds(50, 40, 30, 20);
    shape << entry(u"Brush.Color", ident(u"clRed")) << entry(u"Pen.Color", ident(u"clBlue"))
          << entry(u"Pen.Width", number(3)) << entry(u"Shape", ident(u"mstEllipse"));
    QList<StreamEntry> other = bounds(1, 2, 3, 4);
    other << entry(u"Caption", text(u"x"_qs)) << entry(u"Anything", number(5));
    LegacyFile file;
    file.add(6, u"TSerialNumber"_qs, other).add(1, u"TImage"_qs, image)
        .add(7, u"TDateTimeLabel"_qs, other).add(2, u"TvantorShape"_qs, shape)
        .add(9, u"TArrow"_qs, other).add(10, u"TGuideLabel"_qs, other);
    LabelDocument doc;
    const ReadReport report = read(doc, file.bytes());
    QVERIFY(report.complete());
    QCOMPARE(doc.cell(1, 1)->objectCount(), 2);
    const LabelObject *img = object(doc, 0);
    QCOMPARE(img->typeCode(), ObjectTypeCode::DBImage);
    QCOMPARE(img->bounds(), QRect(0, 0, 64, 48));
    QCOMPARE(img->value(u"Picture.Data"_qs).toByteArray(), picture);
    QVERIFY(img->boolValue(u"Stretch"_qs));
    QVERIFY(!img->boolValue(u"AutoSize"_qs));
    QVERIFY(!img->boolValue(u"Transparent"_qs));
    const LabelObject *s = object(doc, 1);
    QCOMPARE(s->typeCode(), ObjectTypeCode::VantorShape);
    QCOMPARE(s->bounds(), QRect(35, 25, 30, 20));
    QCOMPARE(s->intValue(u"Brush.Color"_qs), qint64(clRed));
    QCOMPARE(s->intValue(u"Pen.Color"_qs), qint64(clBlue));
    QCOMPARE(s->intValue(u"Pen.Width"_qs), 3);
    QCOMPARE(s->value(u"Shape"_qs).toInt(), 7);
}

void TestLegacyImport::shapeKindsBeyondTheSharedOnesKeepTheDefault()
{
    QList<StreamEntry> shape = bounds(50, 40, 30, 20);
    shape << entry(u"Shape", ident(u"mstCross"));
    LegacyFile file;
    file.add(2, u"TvantorShape"_qs, shape);
    LabelDocument doc;
    read(doc, file.bytes());
    const std::unique_ptr<LabelObject> fresh = createObject(ObjectTypeCode::VantorShape);
    QCOMPARE(object(doc, 0)->value(u"Shape"_qs), fresh->value(u"Shape"_qs));
}

void TestLegacyImport::sheetValuesAndZoom()
{
    LegacyFile file;
    // The object comes before the sheet: its position is mapped with the zoom all the same.
    file.add(3, u"TMemo"_qs, memo(215, 115, 200, 100)).add(11, u"TWorkLabel"_qs, workLabel(200));
    LabelDocument doc;
    const ReadReport report = read(doc, file.bytes(50));
    QCOMPARE(report.zoom, 200);
    QCOMPARE(report.format, 50);
    const TZR_LabelSize &s = doc.labelSize();
    QCOMPARE(s.labelCode(), u"L-3100"_qs);
    QCOMPARE(s.height(), 1.5);
    QCOMPARE(s.width(), 2.5);
    QCOMPARE(s.labelsPerSheet(), quint16(6));
    QCOMPARE(s.rows(), quint16(3));
    QCOMPARE(s.columns(), quint16(2));
    QCOMPARE(s.leftMargin(), 0.25f);
    QCOMPARE(s.horizSpace(), 0.125f);
    QCOMPARE(s.rightMargin(), 0.0f); // stays empty
    QCOMPARE(s.shape(), stRoundRect);
    QCOMPARE(s.color(), kYellow);
    QCOMPARE(doc.workLabel().color(), kYellow);
    QCOMPARE(s.pageWidth(), 8.5);
    QCOMPARE(s.labelKindType(), u"주소라벨"_qs);
    QVERIFY(s.paper().isEmpty());
    QCOMPARE(doc.pageCount(), 1);
    QCOMPARE(doc.page(1)->cellCount(), 6);
    QCOMPARE(doc.currentCell(), 1);
    QCOMPARE(object(doc, 0)->bounds(), QRect(100, 50, 100, 50));
}

void TestLegacyImport::unknownCodeAndDamageKeepWhatWasConverted()
{
    LegacyFile file;
    file.add(3, u"TMemo"_qs, memo(40, 30, 120, 40)).addCode(8);
    file.add(3, u"TMemo"_qs, memo(40, 30, 120, 40));
    LabelDocument doc;
    ReadReport report = read(doc, file.bytes());
    QCOMPARE(doc.cell(1, 1)->objectCount(), 1);
    QCOMPARE(report.problems.size(), 1);
    QVERIFY(report.problems.first().message.contains(u"8"_qs));

    // A record cut short: the entries before it stay.
    LegacyFile two;
    two.add(3, u"TMemo"_qs, memo(40, 30, 120, 40)).add(3, u"TMemo"_qs, memo(40, 30, 120, 40));
    const QByteArray bytes = two.bytes();
    LabelDocument cut;
    report = read(cut, bytes.left(bytes.size() - 20));
    QCOMPARE(cut.cell(1, 1)->objectCount(), 1);
    QCOMPARE(report.problems.size(), 1);
    QVERIFY(report.problems.first().where.startsWith(u"entry 2"_qs));
}

void TestLegacyImport::fileWithoutSheetGetsOneCell()
{
    LegacyFile file;
    file.add(3, u"TMemo"_qs, memo(40, 30, 120, 40));
    LabelDocument doc;
    const ReadReport report = read(doc, file.bytes());
    QCOMPARE(doc.cellsPerPage(), 1);
    QCOMPARE(report.warnings.size(), 1);
    const QRect cell = doc.cell(1, 1)->bounds();
    QVERIFY(cell.width() >= 145 && cell.height() >= 55);
}

void TestLegacyImport::everyTruncationReadsOrFails()
{
    LegacyFile file;
    file.add(11, u"TWorkLabel"_qs, workLabel(100)).add(3, u"TMemo"_qs, memo(40, 30, 120, 40));
    file.add(1, u"TImage"_qs, bounds(0, 0, 5, 5));
    const QByteArray bytes = file.bytes();
    for (int size = 0; size < bytes.size(); ++size) {
        LabelDocument doc;
        Result<ReadReport> r = readDocumentBytes(doc, bytes.left(size), docPath());
        if (r) {
            QVERIFY2(!r.value().complete() || size == bytes.size(), qPrintable(QString::number(size)));
            QVERIFY(doc.cell(1, 1));
        }
    }
}

QTEST_MAIN(TestLegacyImport)
#include "tst_legacyimport.moc"
