// The objects a data-list send creates in the current cell, and the choices of the send and
// make-barcode windows.
#include "document/PaintContext.h"
#include "document/StandardProperties.h"
#include "editing/SendToLabels.h"
#include "objects/ZR_2DBarcode.h"
#include "objects/ZR_Barcode.h"
#include "objects/ZR_GuideLabel.h"
#include "objects/ZR_SerialNumber.h"
#include "objects/ZR_TextEdit.h"
#include "objects/ZR_ZipBarcode.h"

#include <QtTest>

using namespace quill;
using namespace Qt::StringLiterals;

namespace {

QStringList fieldsNamed(int count)
{
    QStringList fields;
    for (int i = 0; i < count; ++i)
        fields.append(u"F%1"_s.arg(i));
    return fields;
}

const TZR_GuideLabel &asGuideLabel(const std::unique_ptr<LabelObject> &object)
{
    const auto *label = dynamic_cast<const TZR_GuideLabel *>(object.get());
    if (!label)
        qFatal("not a field label");
    return *label;
}

} // namespace

class TestSendToLabels : public QObject {
    Q_OBJECT
private slots:
    void labelBounds_data();
    void labelBounds();
    void labelSettings();
    void bindingAndHonorific_data();
    void bindingAndHonorific();
    void boundLabelShowsRecordWithHonorific();
    void sendListEditing();
    void wholeListOrMergeTable();
    void barcodeChoices_data();
    void barcodeChoices();
    void sentBarcodes_data();
    void sentBarcodes();
    void fieldRadios();
    void unusedLists_data();
    void unusedLists();
    void managerPreset();
    void serialNumberForCell();
    void refreshBoundObjects();
};

// The labels sit in model pixels: the same bounds whatever zoom the work area shows.
void TestSendToLabels::labelBounds_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QSize>("cell");
    QTest::addColumn<int>("width");

    for (int count : {1, 3, 8}) {
        QTest::addRow("%d fields, small cell", count) << count << QSize(120, 80) << 80;
        QTest::addRow("%d fields, large cell", count) << count << QSize(760, 1100) << 720;
    }
    // Narrower than the margins: still a label one can grab.
    QTest::addRow("3 fields, cell narrower than margins") << 3 << QSize(30, 30) << 5;
}

void TestSendToLabels::labelBounds()
{
    QFETCH(int, count);
    QFETCH(QSize, cell);
    QFETCH(int, width);

    SendToLabels::LabelSendContext context;
    context.cellSize = cell;
    const LabelObjectList labels = SendToLabels::fieldLabels(fieldsNamed(count), {}, context);
    QCOMPARE(int(labels.size()), count);
    for (int i = 0; i < count; ++i) {
        QCOMPARE(labels[size_t(i)]->bounds(), QRect(20, 10 + 20 * i, width, 20));
        QCOMPARE(SendToLabels::fieldLabelRect(i, cell), labels[size_t(i)]->bounds());
    }
}

void TestSendToLabels::labelSettings()
{
    SendToLabels::LabelSendContext context;
    context.cellSize = QSize(300, 200);
    context.fontName = u"바탕"_s;
    const LabelObjectList labels = SendToLabels::fieldLabels({u"Name"_s}, {}, context);
    const TZR_GuideLabel &label = asGuideLabel(labels.front());
    QVERIFY(label.transparent());
    QCOMPARE(label.alignment(), int(taLeftJustify));
    QVERIFY(!label.indexGuide());
    QVERIFY(!label.autoSize()); // keeps the 20-pixel line whatever the font
    QCOMPARE(label.fontName(), u"바탕"_s);
    QCOMPARE(label.fontSize(), 10);
    QCOMPARE(label.imsiFontSize(), 10.0);
}

void TestSendToLabels::bindingAndHonorific_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("addHono");
    QTest::addColumn<QString>("caption");

    QTest::newRow("plain field") << u"Company"_s << QString() << u"Acme"_s;
    QTest::newRow("honorific field") << u"Name"_s << u" 님"_s << u"홍길동 님"_s;
    QTest::newRow("empty plain field shows dbnull") << u"Empty"_s << QString() << u"<null>"_s;
    QTest::newRow("field missing from record") << u"Other"_s << QString() << u"<null>"_s;
    QTest::newRow("record key in other case") << u"City"_s << QString() << u"Seoul"_s;
}

void TestSendToLabels::bindingAndHonorific()
{
    QFETCH(QString, field);
    QFETCH(QString, addHono);
    QFETCH(QString, caption);

    SendToLabels::LabelSendContext context;
    context.cellSize = QSize(300, 200);
    context.emptyFieldText = u"<null>"_s;
    context.record = {{u"Company"_s, u"Acme"_s}, {u"Name"_s, u"홍길동"_s}, {u"Empty"_s, QString()},
        {u"CITY"_s, u"Seoul"_s}};
    const TZR_ADDHono honorific {u"Name"_s, u" 님"_s};

    const LabelObjectList labels = SendToLabels::fieldLabels({field}, honorific, context);
    const TZR_GuideLabel &label = asGuideLabel(labels.front());
    QCOMPARE(label.fieldName(), field);
    QCOMPARE(label.addHono(), addHono);
    QCOMPARE(label.caption(), caption);
}

// Two fields with an honorific for the second: 20 pixels apart, and the bound label shows the
// record's value with the honorific when the record changes.
void TestSendToLabels::boundLabelShowsRecordWithHonorific()
{
    SendToLabels::LabelSendContext context;
    context.cellSize = QSize(400, 300);
    context.record = {{u"A"_s, u"1"_s}, {u"B"_s, u"김"_s}};
    const LabelObjectList labels
        = SendToLabels::fieldLabels({u"A"_s, u"B"_s}, {u"B"_s, u"귀하"_s}, context);
    QCOMPARE(labels.size(), size_t(2));
    QCOMPARE(labels[1]->bounds().top() - labels[0]->bounds().top(), 20);
    QCOMPARE(asGuideLabel(labels[1]).caption(), u"김귀하"_s);

    const QHash<QString, QString> next {{u"A"_s, u"2"_s}, {u"B"_s, u"이"_s}};
    PaintContext paint;
    paint.labelRecord = &next;
    QCOMPARE(asGuideLabel(labels[0]).shownText(paint), u"2"_s);
    QCOMPARE(asGuideLabel(labels[1]).shownText(paint), u"이귀하"_s);
}

void TestSendToLabels::sendListEditing()
{
    using namespace SendToLabels;
    const QStringList send {u"B"_s, u"D"_s};
    QCOMPARE(withFieldsAdded(send, {u"A"_s, u"D"_s, u"C"_s}),
        QStringList({u"B"_s, u"D"_s, u"A"_s, u"C"_s}));
    QCOMPARE(withFieldsAdded({}, {u"A"_s, u"A"_s}), QStringList({u"A"_s}));
    QCOMPARE(withFieldsRemoved({u"A"_s, u"B"_s, u"C"_s}, {u"C"_s, u"A"_s, u"X"_s}),
        QStringList({u"B"_s}));
}

void TestSendToLabels::wholeListOrMergeTable()
{
    using namespace SendToLabels;
    QVERIFY(sendsListItself(5, 5));
    QVERIFY(!sendsListItself(4, 5));
    QVERIFY(!sendsListItself(0, 5)); // no row still builds an empty merge table
    QVERIFY(!sendsListItself(5, 5, true)); // logistics rows are repeated
    QCOMPARE(mergeTablePath(u"/opt/app"_s, false), u"/opt/app/label.tmp"_s);
    QCOMPARE(mergeTablePath(u"/opt/app/"_s, true), u"/opt/app/barcode.tmp"_s);
}

void TestSendToLabels::barcodeChoices_data()
{
    QTest::addColumn<int>("windowKind");
    QTest::addColumn<int>("choiceIndex");
    QTest::addColumn<int>("codeType");
    QTest::addColumn<bool>("choosable");
    QTest::addColumn<QString>("dimension");

    QTest::newRow("linear") << 1 << 0 << 8 << true << u"1D"_s;
    QTest::newRow("two-dimensional") << 1 << 1 << 0 << true << u"2D"_s;
    QTest::newRow("postal") << 3 << 0 << 51 << false << u"1D"_s;
    QTest::newRow("logistics") << 4 << 0 << 12 << false << u"1D"_s;
}

void TestSendToLabels::barcodeChoices()
{
    QFETCH(int, windowKind);
    QFETCH(int, choiceIndex);
    QFETCH(int, codeType);
    QFETCH(bool, choosable);
    QFETCH(QString, dimension);

    const QList<SendToLabels::BarcodeChoice> choices = SendToLabels::visibleChoices(windowKind);
    QVERIFY(choiceIndex < choices.size());
    const SendToLabels::BarcodeChoice choice = choices.at(choiceIndex);
    QCOMPARE(SendToLabels::defaultCodeType(choice), codeType);
    QCOMPARE(SendToLabels::codeTypeChoosable(choice), choosable);
    QCOMPARE(SendToLabels::dimensionText(choice), dimension);
    // The preselected index must exist in the list the window shows.
    const QStringList names = SendToLabels::codeTypeNames(choice);
    QVERIFY2(codeType < names.size(), qPrintable(u"%1 names"_s.arg(names.size())));
    QVERIFY(!names.contains(QString()));
}

void TestSendToLabels::sentBarcodes_data()
{
    QTest::addColumn<QString>("dimension");
    QTest::addColumn<int>("codeType");
    QTest::addColumn<QRect>("bounds");

    QTest::newRow("1D code 39") << u"1D"_s << 8 << QRect(30, 30, 100, 50);
    QTest::newRow("1D postal") << u"1D"_s << 51 << QRect(30, 30, 100, 50);
    QTest::newRow("1D logistics") << u"1D"_s << 12 << QRect(30, 30, 100, 50);
    QTest::newRow("2D") << u"2D"_s << 3 << QRect(50, 50, 60, 60);
}

void TestSendToLabels::sentBarcodes()
{
    QFETCH(QString, dimension);
    QFETCH(int, codeType);
    QFETCH(QRect, bounds);

    const std::unique_ptr<LabelObject> object
        = SendToLabels::sentBarcode(dimension, codeType, u"Code"_s, u"1234567890128"_s);
    QVERIFY(object);
    QCOMPARE(object->bounds(), bounds);
    if (dimension == u"2D"_s) {
        const auto *barcode = dynamic_cast<const TZR_2DBarcode *>(object.get());
        QVERIFY(barcode);
        QCOMPARE(int(barcode->codeType()), codeType);
        QCOMPARE(barcode->fieldName(), u"Code"_s);
        QCOMPARE(barcode->caption(), u"1234567890128"_s);
        return;
    }
    const auto *barcode = dynamic_cast<const TZR_Barcode *>(object.get());
    QVERIFY(barcode);
    QCOMPARE(int(barcode->codeType()), codeType);
    QCOMPARE(barcode->fieldName(), u"Code"_s);
    QCOMPARE(barcode->caption(), u"1234567890128"_s);
    QVERIFY(barcode->autoParity());
    QVERIFY(barcode->showCheckDigit());
    QCOMPARE(int(barcode->justifyText()), 0);
    QVERIFY(barcode->showText());
    QCOMPARE(int(barcode->showAsterisk()), 0);
    QVERIFY(!barcode->showLightMargins());
    QCOMPARE(barcode->marginSize(), 0.0);
}

void TestSendToLabels::fieldRadios()
{
    QCOMPARE(SendToLabels::fieldRadioRect(0, 40, 17), QRect(15, 5, 70, 17));
    QCOMPARE(SendToLabels::fieldRadioRect(2, 10, 17), QRect(15, 55, 40, 17));
    QVERIFY(SendToLabels::visibleChoices(2).isEmpty());
}

void TestSendToLabels::unusedLists_data()
{
    QTest::addColumn<QList<int>>("codes");
    QTest::addColumn<bool>("labelUnused");
    QTest::addColumn<bool>("barcodeUnused");

    const auto code = [](ObjectTypeCode c) { return int(c); };
    QTest::newRow("empty cell") << QList<int>() << true << true;
    QTest::newRow("text and postal barcode only") << QList<int> {code(ObjectTypeCode::TextEdit),
        code(ObjectTypeCode::ZipBarcode)} << true << true;
    QTest::newRow("field label") << QList<int> {code(ObjectTypeCode::GuideLabel)} << false << true;
    QTest::newRow("serial number")
        << QList<int> {code(ObjectTypeCode::SerialNumber)} << false << true;
    QTest::newRow("linear barcode") << QList<int> {code(ObjectTypeCode::Barcode)} << true << false;
    QTest::newRow("2D barcode and field label")
        << QList<int> {code(ObjectTypeCode::Barcode2D), code(ObjectTypeCode::GuideLabel)} << false
        << false;
}

void TestSendToLabels::unusedLists()
{
    QFETCH(QList<int>, codes);
    QFETCH(bool, labelUnused);
    QFETCH(bool, barcodeUnused);

    LabelObjectList owned;
    std::vector<const LabelObject *> objects;
    for (int code : codes) {
        switch (ObjectTypeCode(code)) {
        case ObjectTypeCode::TextEdit:
            owned.push_back(std::make_unique<TZR_TextEdit>());
            break;
        case ObjectTypeCode::ZipBarcode:
            owned.push_back(std::make_unique<TZR_ZipBarcode>());
            break;
        case ObjectTypeCode::GuideLabel:
            owned.push_back(std::make_unique<TZR_GuideLabel>());
            break;
        case ObjectTypeCode::SerialNumber:
            owned.push_back(std::make_unique<TZR_SerialNumber>());
            break;
        case ObjectTypeCode::Barcode:
            owned.push_back(std::make_unique<TZR_Barcode>());
            break;
        case ObjectTypeCode::Barcode2D:
            owned.push_back(std::make_unique<TZR_2DBarcode>());
            break;
        default:
            QFAIL("code not made here");
        }
        objects.push_back(owned.back().get());
    }
    const SendToLabels::UnusedLists unused = SendToLabels::unusedLists(objects);
    QCOMPARE(unused.labelList, labelUnused);
    QCOMPARE(unused.barcodeList, barcodeUnused);
}

void TestSendToLabels::managerPreset()
{
    using SendToLabels::managerPreset;
    QCOMPARE(managerPreset(u"new.db"_s, u"l.xls"_s, u"b.dbf"_s), u"new.db"_s);
    QCOMPARE(managerPreset({}, u"l.xls"_s, u"b.dbf"_s), u"l.xls"_s);
    QCOMPARE(managerPreset({}, {}, u"b.dbf"_s), u"b.dbf"_s);
    QCOMPARE(managerPreset({}, {}, {}), QString());
}

void TestSendToLabels::serialNumberForCell()
{
    using SendToLabels::serialNumberForCell;
    QCOMPARE(serialNumberForCell(3, 4, 1, 1, 1), 1);
    QCOMPARE(serialNumberForCell(3, 4, 2, 1, 1), 13);
    QCOMPARE(serialNumberForCell(3, 4, 3, -3, 100), 28);
}

void TestSendToLabels::refreshBoundObjects()
{
    auto label = std::make_unique<TZR_GuideLabel>();
    label->setFieldName(u"Name"_s);
    label->setAddHono(u" 님"_s);
    auto emptyLabel = std::make_unique<TZR_GuideLabel>();
    emptyLabel->setFieldName(u"Missing"_s);
    auto unbound = std::make_unique<TZR_GuideLabel>();
    unbound->setCaption(u"fixed"_s);
    auto number = std::make_unique<TZR_SerialNumber>();
    number->setImsiSerialNum(5);
    number->setIncNum(2);
    const auto startBefore = number->startNum();
    auto barcode = std::make_unique<TZR_Barcode>();
    barcode->setFieldName(u"Code"_s);
    barcode->setCaption(u"old"_s);
    auto barcode2D = std::make_unique<TZR_2DBarcode>();
    barcode2D->setFieldName(u"Code"_s);
    barcode2D->setCaption(u"old"_s);

    const QHash<QString, QString> labelRecord {{u"Name"_s, u"홍길동"_s}};
    SendToLabels::BoundRefresh refresh;
    refresh.labelRecord = &labelRecord;
    refresh.emptyFieldText = u"<null>"_s;
    refresh.columns = 2;
    refresh.rows = 5;
    refresh.cellNumber = 3;
    const std::vector<LabelObject *> objects {
        label.get(), emptyLabel.get(), unbound.get(), number.get(), barcode.get(), barcode2D.get()};
    SendToLabels::refreshBoundObjects(objects, refresh);
    QCOMPARE(label->caption(), u"홍길동 님"_s);
    QCOMPARE(emptyLabel->caption(), u"<null>"_s);
    QCOMPARE(unbound->caption(), u"fixed"_s);
    QCOMPARE(number->startNum(), startBefore); // a refresh never rewrites StartNum
    QCOMPARE(barcode->caption(), u"old"_s); // the barcode list is closed

    const QHash<QString, QString> barcodeRecord {{u"code"_s, u"880123"_s}};
    refresh.barcodeRecord = &barcodeRecord;
    SendToLabels::refreshBoundObjects(objects, refresh);
    QCOMPARE(barcode->caption(), u"880123"_s);
    QCOMPARE(barcode2D->caption(), u"880123"_s);
}

QTEST_GUILESS_MAIN(TestSendToLabels)
#include "tst_send_to_labels.moc"
