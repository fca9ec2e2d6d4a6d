// Tests of the label sheet: geometry, catalogue fill, orientation and inner cut outline.
#include "document/InnerCutOutline.h"
#include "document/ZR_LabelSize.h"
#include "document/ZR_WorkLabel.h"
#include "shell/CaptionFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace quill;

namespace {

float inchesF(double mm) { return static_cast<float>(mm / 25.4); }

// A complete record of a 2 x 7 sheet on A4.
CatalogueRecord fullRecord()
{
    return {
        {QStringLiteral("code"), QStringLiteral("Q-2107")},
        {QStringLiteral("p_width"), QStringLiteral("210")},
        {QStringLiteral("p_height"), QStringLiteral("297")},
        {QStringLiteral("L_Columns"), QStringLiteral("2")},
        {QStringLiteral("L_Rows"), QStringLiteral("7")},
        {QStringLiteral("l_margin"), QStringLiteral("4.5")},
        {QStringLiteral("r_margin"), QStringLiteral("4")},
        {QStringLiteral("t_margin"), QStringLiteral("15")},
        {QStringLiteral("b_margin"), QStringLiteral("14")},
        {QStringLiteral("l_width"), QStringLiteral("63.5")},
        {QStringLiteral("l_height"), QStringLiteral("38.1")},
        {QStringLiteral("c_space"), QStringLiteral("2.5")},
        {QStringLiteral("r_space"), QStringLiteral("0")},
        {QStringLiteral("product"), QStringLiteral("주소라벨")},
        {QStringLiteral("Paper"), QStringLiteral("A4")},
        {QStringLiteral("c_code"), QStringLiteral("$00FFFFFF")},
        {QStringLiteral("Shape"), QStringLiteral("R.Rect")},
        {QStringLiteral("Radios"), QStringLiteral("2.54")},
    };
}

QString writeCaptionFile(const QTemporaryDir &dir, const QString &text)
{
    const QString path = dir.filePath(QStringLiteral("label.dat"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(toCp949(text));
    return path;
}

} // namespace

class TestLabelSize : public QObject {
    Q_OBJECT
private slots:
    void newSheetValues();
    void screenSize_data();
    void screenSize();
    void devicePixelsHonourMeasureUnit();
    void cellPlacement();
    void fillFromRecord();
    void fillLooksUpFieldNamesExactlyThenIgnoringCase();
    void fillShape_data();
    void fillShape();
    void fillColour_data();
    void fillColour();
    void fillStopsAtBadValue_data();
    void fillStopsAtBadValue();
    void notifiesOnlyOnChange();
    void assignCopiesCellSizeAndNotifies();
    void copyNeverCarriesTheHandler();
    void swapOrientationTwice();
    void emptySheetHasNoCells();
    void innerCutOutline_data();
    void innerCutOutline();
    void workLabelStartValues();
};

void TestLabelSize::newSheetValues()
{
    const TZR_LabelSize sheet;
    QCOMPARE(sheet.measureUnit(), muInches);
    QCOMPARE(sheet.shape(), stRectangle);
    QCOMPARE(sheet.color(), TColor(0));
    QCOMPARE(sheet.rows(), quint16(0));
    QCOMPARE(sheet.width(), 0.0);
    QVERIFY(sheet.labelCode().isEmpty());
    QCOMPARE(TZR_LabelSize::propertyNames().size(), 21);
}

void TestLabelSize::screenSize_data()
{
    QTest::addColumn<double>("inches");
    QTest::addColumn<int>("zoom");
    QTest::addColumn<int>("pixels");
    QTest::newRow("2.5 in at 100") << 2.5 << 100 << 240;
    QTest::newRow("2.5 in at 75") << 2.5 << 75 << 180;
    QTest::newRow("2.5 in at 60") << 2.5 << 60 << 144;
    QTest::newRow("1.5 in at 150") << 1.5 << 150 << 216;
    // 0.5 in x 96 x 25 / 100 = 12; 1/96 in at 50 % is exactly half a pixel: to even, 0.
    QTest::newRow("half pixel to even (0)") << 1.0 / 96 << 50 << 0;
    QTest::newRow("half pixel to even (2)") << 3.0 / 96 << 50 << 2;
}

void TestLabelSize::screenSize()
{
    QFETCH(double, inches);
    QFETCH(int, zoom);
    QFETCH(int, pixels);
    TZR_LabelSize sheet;
    sheet.setWidth(inches);
    QCOMPARE(sheet.cellScreenWidth(zoom), pixels);
}

void TestLabelSize::devicePixelsHonourMeasureUnit()
{
    TZR_LabelSize sheet;
    QCOMPARE(sheet.devicePixels(2.5, 600), 1500);
    sheet.setMeasureUnit(muMillimeters);
    QCOMPARE(sheet.devicePixels(25.4, 600), 600);
    QCOMPARE(sheet.devicePixels(12.7, 300), 150);
}

void TestLabelSize::cellPlacement()
{
    TZR_LabelSize sheet;
    QVERIFY(sheet.fillFromCatalogueRecord(fullRecord(), QStringLiteral("0"), false).ok());
    QCOMPARE(sheet.width(), 2.5);
    QCOMPARE(sheet.horizSpace(), inchesF(2.5));
    QVERIFY(qAbs(sheet.horizSpace() - 0.0984) < 0.0001);
    // Third column: LeftMargin + 2 x (Width + HorizSpace).
    const QPointF origin = sheet.cellOrigin(1, 2);
    QCOMPARE(origin.x(), double(inchesF(4.5)) + 2 * (2.5 + double(inchesF(2.5))));
    QCOMPARE(origin.y(), double(inchesF(15)) + 1.5);
    // At 100 %: W = 240, HS = 9.45..., so column 1 starts at round(249.45) = 249.
    QCOMPARE(sheet.cellRect100(0, 1), QRect(249, 0, 240, 144));
    QCOMPARE(sheet.cellRect100(2, 0), QRect(0, 288, 240, 144));
}

void TestLabelSize::fillFromRecord()
{
    TZR_LabelSize sheet;
    sheet.setLabelsPerSheet(14);
    sheet.setC_Code(QStringLiteral("kept"));
    const Status status = sheet.fillFromCatalogueRecord(fullRecord(), QStringLiteral("0"), false);
    QVERIFY2(status.ok(), qPrintable(status.error().message));
    QCOMPARE(sheet.labelCode(), QStringLiteral("Q-2107"));
    QCOMPARE(sheet.pageWidth(), 210 / 25.4);
    QCOMPARE(sheet.pageHeight(), 297 / 25.4);
    QCOMPARE(sheet.columns(), quint16(2));
    QCOMPARE(sheet.rows(), quint16(7));
    QCOMPARE(sheet.leftMargin(), inchesF(4.5));
    QCOMPARE(sheet.rightMargin(), inchesF(4));
    QCOMPARE(sheet.topMargin(), inchesF(15));
    QCOMPARE(sheet.bottomMargin(), inchesF(14));
    QCOMPARE(sheet.height(), 38.1 / 25.4);
    QCOMPARE(sheet.vertSpace(), 0.0f);
    QCOMPARE(sheet.labelKindType(), QStringLiteral("주소라벨"));
    QCOMPARE(sheet.paper(), QStringLiteral("A4"));
    QCOMPARE(sheet.color(), TColor(0xFFFFFF));
    QCOMPARE(sheet.shape(), stRoundRect);
    QCOMPARE(sheet.rectangleRadius(), 0.1);
    // Never touched by the fill.
    QCOMPARE(sheet.measureUnit(), muInches);
    QCOMPARE(sheet.labelsPerSheet(), quint16(14));
    QCOMPARE(sheet.c_Code(), QStringLiteral("kept"));
}

void TestLabelSize::fillLooksUpFieldNamesExactlyThenIgnoringCase()
{
    CatalogueRecord record = fullRecord();
    record.remove(QStringLiteral("L_Columns"));
    record.insert(QStringLiteral("L_COLUMNS"), QStringLiteral("5"));
    record.insert(QStringLiteral("paper"), QStringLiteral("not this one"));
    TZR_LabelSize sheet;
    QVERIFY(sheet.fillFromCatalogueRecord(record, QStringLiteral("0"), false).ok());
    QCOMPARE(sheet.columns(), quint16(5));
    QCOMPARE(sheet.paper(), QStringLiteral("A4"));
}

void TestLabelSize::fillShape_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");
    QTest::newRow("r.rect") << QStringLiteral("r.rect") << int(stRectangle) << int(stRoundRect);
    QTest::newRow("Rect") << QStringLiteral("Rect") << int(stCircle) << int(stRectangle);
    QTest::newRow("Circle") << QStringLiteral("Circle") << int(stRectangle) << int(stCircle);
    QTest::newRow("ROUND") << QStringLiteral("ROUND") << int(stRectangle) << int(stCircle);
    QTest::newRow("Oval, fresh") << QStringLiteral("Oval") << int(stRectangle) << int(stRectangle);
    QTest::newRow("Oval, kept") << QStringLiteral("Oval") << int(stCircle) << int(stCircle);
    QTest::newRow("empty") << QString() << int(stRoundRect) << int(stRoundRect);
}

void TestLabelSize::fillShape()
{
    QFETCH(QString, text);
    QFETCH(int, before);
    QFETCH(int, after);
    CatalogueRecord record = fullRecord();
    record[QStringLiteral("Shape")] = text;
    TZR_LabelSize sheet;
    sheet.setShape(TShapeType(before));
    QVERIFY(sheet.fillFromCatalogueRecord(record, QStringLiteral("0"), false).ok());
    QCOMPARE(int(sheet.shape()), after);
}

void TestLabelSize::fillColour_data()
{
    QTest::addColumn<QString>("product");
    QTest::addColumn<QString>("cCode");
    QTest::addColumn<bool>("swap");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<quint32>("color");
    const QString file = QStringLiteral("파일라벨");
    QTest::newRow("blue, swapped") << QStringLiteral("x") << QStringLiteral("$000000FF") << true
                                   << true << quint32(0xFF0000);
    QTest::newRow("as stored") << QStringLiteral("x") << QStringLiteral("$000000FF") << false
                               << true << quint32(0x0000FF);
    QTest::newRow("three bytes swapped") << QStringLiteral("x") << QStringLiteral("$00123456")
                                         << true << true << quint32(0x563412);
    QTest::newRow("name swapped") << QStringLiteral("x") << QStringLiteral("clRed") << true << true
                                  << quint32(0xFF0000);
    QTest::newRow("file label is white") << file << QStringLiteral("$000000FF") << true << true
                                         << quint32(0xFFFFFF);
    // The file label never reads c_code, so a broken one does not matter there.
    QTest::newRow("file label, bad c_code") << file << QStringLiteral("tomato") << true << true
                                            << quint32(0xFFFFFF);
    QTest::newRow("bad colour") << QStringLiteral("x") << QStringLiteral("tomato") << true
                                << false << quint32(0);
}

void TestLabelSize::fillColour()
{
    QFETCH(QString, product);
    QFETCH(QString, cCode);
    QFETCH(bool, swap);
    QFETCH(bool, ok);
    QFETCH(quint32, color);
    CatalogueRecord record = fullRecord();
    record[QStringLiteral("product")] = product;
    record[QStringLiteral("c_code")] = cCode;
    TZR_LabelSize sheet;
    const Status status = sheet.fillFromCatalogueRecord(record, QStringLiteral("파일라벨"), swap);
    QCOMPARE(status.ok(), ok);
    QCOMPARE(sheet.color(), TColor(color));
    if (!ok) {
        QCOMPARE(status.error().message, QStringLiteral("'tomato' is not a valid color value"));
        QCOMPARE(sheet.labelKindType(), product); // filled before the colour
        QCOMPARE(sheet.shape(), stRectangle);     // after it: untouched
        QCOMPARE(sheet.rectangleRadius(), 0.0);
    }
}

void TestLabelSize::fillStopsAtBadValue_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("filledBefore");
    QTest::newRow("empty record value") << QStringLiteral("p_width") << QString()
                                        << QStringLiteral("'' is not a valid floating point value")
                                        << QStringList{QStringLiteral("code")};
    QTest::newRow("l_width")
        << QStringLiteral("l_width") << QStringLiteral("6,35")
        << QStringLiteral("'6,35' is not a valid floating point value")
        << QStringList{QStringLiteral("code"), QStringLiteral("p_height"),
                       QStringLiteral("L_Rows"), QStringLiteral("b_margin")};
    QTest::newRow("rows not whole") << QStringLiteral("L_Rows") << QStringLiteral("2.5")
                                    << QStringLiteral("'2.5' is not a valid integer value")
                                    << QStringList{QStringLiteral("L_Columns")};
    QTest::newRow("negative columns") << QStringLiteral("L_Columns") << QStringLiteral("-1")
                                      << QStringLiteral("'-1' is not a valid integer value")
                                      << QStringList{QStringLiteral("p_height")};
    QTest::newRow("radius last") << QStringLiteral("Radios") << QStringLiteral("abc")
                                 << QStringLiteral("'abc' is not a valid floating point value")
                                 << QStringList{QStringLiteral("Shape"), QStringLiteral("c_code")};
}

void TestLabelSize::fillStopsAtBadValue()
{
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(QString, message);
    QFETCH(QStringList, filledBefore);
    CatalogueRecord record = fullRecord();
    record[field] = value;
    TZR_LabelSize sheet;
    const Status status = sheet.fillFromCatalogueRecord(record, QStringLiteral("0"), false);
    QVERIFY(!status.ok());
    QCOMPARE(status.error().message, message);
    QCOMPARE(status.error().where, field);

    // Fields before the failing one keep their new values; the failing one and later are 0.
    const bool sizeStep = field != QLatin1String("Radios");
    QCOMPARE(sheet.labelCode(), QStringLiteral("Q-2107"));
    if (filledBefore.contains(QLatin1String("p_height")))
        QCOMPARE(sheet.pageHeight(), 297 / 25.4);
    if (filledBefore.contains(QLatin1String("L_Columns")))
        QCOMPARE(sheet.columns(), quint16(2));
    if (filledBefore.contains(QLatin1String("L_Rows")))
        QCOMPARE(sheet.rows(), quint16(7));
    if (filledBefore.contains(QLatin1String("b_margin")))
        QCOMPARE(sheet.bottomMargin(), inchesF(14));
    if (filledBefore.contains(QLatin1String("Shape")))
        QCOMPARE(sheet.shape(), stRoundRect);
    if (field == QLatin1String("L_Rows") || field == QLatin1String("L_Columns"))
        QCOMPARE(sheet.rows(), quint16(0));
    if (sizeStep) {
        QCOMPARE(sheet.width(), 0.0);
        QCOMPARE(sheet.height(), 0.0);
        QCOMPARE(sheet.horizSpace(), 0.0f);
        QVERIFY(sheet.paper().isEmpty());
    } else {
        QCOMPARE(sheet.rectangleRadius(), 0.0);
    }
}

void TestLabelSize::notifiesOnlyOnChange()
{
    TZR_LabelSize sheet;
    int calls = 0;
    sheet.setChangeHandler([&calls](TZR_LabelSize &) { ++calls; });
    sheet.setHeight(1.5);
    sheet.setHeight(1.5);
    QCOMPARE(calls, 1);
    sheet.setWidth(2.5);
    sheet.setPageWidth(8.27);
    sheet.setPageHeight(11.69);
    sheet.setPageHeight(11.69);
    QCOMPARE(calls, 4);
    sheet.setColumns(3); // plain fields notify nobody
    sheet.setLeftMargin(0.5f);
    sheet.setColor(clRed);
    QCOMPARE(calls, 4);

    // The fill goes through the notifying setters: four changed sizes, four calls.
    TZR_LabelSize filled;
    int fillCalls = 0;
    filled.setChangeHandler([&fillCalls](TZR_LabelSize &) { ++fillCalls; });
    QVERIFY(filled.fillFromCatalogueRecord(fullRecord(), QStringLiteral("0"), false).ok());
    QCOMPARE(fillCalls, 4);
    QVERIFY(filled.fillFromCatalogueRecord(fullRecord(), QStringLiteral("0"), false).ok());
    QCOMPARE(fillCalls, 4);
}

void TestLabelSize::assignCopiesCellSizeAndNotifies()
{
    TZR_LabelSize source;
    QVERIFY(source.fillFromCatalogueRecord(fullRecord(), QStringLiteral("0"), false).ok());
    TZR_LabelSize target;
    target.setRows(3);
    int calls = 0;
    target.setChangeHandler([&calls](TZR_LabelSize &s) {
        ++calls;
        QCOMPARE(s.width(), 2.5);
    });
    target.assign(source);
    QCOMPARE(calls, 1);
    QCOMPARE(target.width(), source.width());
    QCOMPARE(target.height(), source.height());
    QCOMPARE(target.rows(), quint16(3));
    QCOMPARE(target.pageWidth(), 0.0);
    QVERIFY(target.labelCode().isEmpty());
}

void TestLabelSize::copyNeverCarriesTheHandler()
{
    int firstCalls = 0;
    int secondCalls = 0;
    TZR_LabelSize first;
    first.setChangeHandler([&firstCalls](TZR_LabelSize &) { ++firstCalls; });
    TZR_LabelSize copy = first;
    copy.setHeight(2.0);
    QCOMPARE(firstCalls, 0);

    TZR_LabelSize second;
    second.setChangeHandler([&secondCalls](TZR_LabelSize &) { ++secondCalls; });
    second = copy; // takes the values, keeps its own handler, fires nothing
    QCOMPARE(secondCalls, 0);
    QCOMPARE(second, copy);
    second.setHeight(3.0);
    QCOMPARE(secondCalls, 1);
    QCOMPARE(firstCalls, 0);
}

void TestLabelSize::swapOrientationTwice()
{
    TZR_LabelSize sheet;
    QVERIFY(sheet.fillFromCatalogueRecord(fullRecord(), QStringLiteral("0"), false).ok());
    sheet.setLeftMargin(inchesF(10));
    sheet.setRightMargin(0.0f);
    sheet.setTopMargin(inchesF(12));
    sheet.setBottomMargin(inchesF(8));
    sheet.setVertSpace(inchesF(1));
    const TZR_LabelSize original = sheet;
    InnerCutOutline outline{true, 1, 2, 3, 4, 5, 6};
    int calls = 0;
    sheet.setChangeHandler([&calls](TZR_LabelSize &) { ++calls; });

    sheet.swapOrientation(&outline);
    QCOMPARE(calls, 1);
    QCOMPARE(sheet.columns(), original.rows());
    QCOMPARE(sheet.width(), original.height());
    QCOMPARE(sheet.pageWidth(), original.pageHeight());
    QCOMPARE(sheet.horizSpace(), original.vertSpace());
    QCOMPARE(sheet.leftMargin(), inchesF(12));
    QCOMPARE(sheet.rightMargin(), inchesF(8));
    QCOMPARE(sheet.topMargin(), inchesF(10));
    QCOMPARE(sheet.bottomMargin(), inchesF(10));
    QCOMPARE(outline, (InnerCutOutline{true, 2, 1, 4, 3, 5, 6}));

    // The turn back undoes the first turn: the sheet prints where it did before.
    sheet.swapOrientation(&outline, OrientationTurn::ToLandscape);
    QCOMPARE(calls, 2);
    QCOMPARE(sheet.leftMargin(), inchesF(10));
    QCOMPARE(sheet.topMargin(), inchesF(12));
    QCOMPARE(sheet.bottomMargin(), inchesF(8));
    // The unknown right margin comes back as the left margin that stood in for it.
    QCOMPARE(sheet.rightMargin(), inchesF(10));
    TZR_LabelSize rightRestored = sheet;
    rightRestored.setRightMargin(original.rightMargin());
    QCOMPARE(rightRestored, original);
    QCOMPARE(outline, (InnerCutOutline{true, 1, 2, 3, 4, 5, 6}));
}

void TestLabelSize::emptySheetHasNoCells()
{
    TZR_LabelSize sheet;
    sheet.setColumns(3);
    QCOMPARE(sheet.cellCount(), qint64(0));
    QVERIFY(!sheet.cellPosition(1));
    sheet.setRows(2);
    sheet.setColumns(0);
    QCOMPARE(sheet.cellCount(), qint64(0));
    QVERIFY(!sheet.cellPosition(1)); // no division by zero columns
    sheet.setColumns(2);
    QCOMPARE(sheet.cellPosition(3), (CellPosition{1, 0}));
    QVERIFY(!sheet.cellPosition(5));
    QVERIFY(!sheet.cellPosition(0));
}

void TestLabelSize::innerCutOutline_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<bool>("present");
    QTest::addColumn<QString>("message");
    QTest::newRow("listed") << QStringLiteral("IA-10") << true << true << QString();
    QTest::newRow("not listed") << QStringLiteral("Q-2107") << true << false << QString();
    QTest::newRow("prefix of a listed code") << QStringLiteral("IA-1") << true << false
                                             << QString();
    QTest::newRow("short list") << QStringLiteral("IA-20") << false << false
                                << QStringLiteral("'' is not a valid floating point value");
    QTest::newRow("bad number") << QStringLiteral("IA-30") << false << false
                                << QStringLiteral("'x' is not a valid floating point value");
    // A listed code without its key reads "0": one number, then empty texts.
    QTest::newRow("listed, no entry") << QStringLiteral("IA-40") << false << false
                                      << QStringLiteral("'' is not a valid floating point value");
}

void TestLabelSize::innerCutOutline()
{
    QFETCH(QString, code);
    QFETCH(bool, ok);
    QFETCH(bool, present);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString path = writeCaptionFile(dir, QStringLiteral(
        "[IndexAudioLabel]\r\n"
        "IndexAudioLabel=,IA-10,IA-20,IA-30,IA-40,\r\n"
        "IA-10=5, 6.5,40,20,3,0.5\r\n"
        "IA-20=5,6.5,40\r\n"
        "IA-30=5,x,40,20,3,1\r\n"));
    const CaptionFile captions(path);
    const Result<InnerCutOutline> outline = loadInnerCutOutline(captions, code);
    QCOMPARE(outline.ok(), ok);
    if (!ok) {
        QCOMPARE(outline.error().message, message);
        return;
    }
    QCOMPARE(outline.value().present, present);
    if (present) {
        QCOMPARE(outline.value(), (InnerCutOutline{true, 5, 6.5, 40, 20, 3, 0.5}));
        QVERIFY(outline.value().hasSecondBox());
    }
}

void TestLabelSize::workLabelStartValues()
{
    TZR_WorkLabel label;
    QCOMPARE(label.zoomPercent(), quint16(100));
    QCOMPARE(label.color(), clWhite);
    QCOMPARE(label.gridColor(), clBlack);
    QCOMPARE(TZR_WorkLabel::DeclaredDefault::GridColor, clGray);
    QCOMPARE(label.gridWidth(), 3.0);
    QVERIFY(label.shadowFlag());
    QVERIFY(!label.innerCutOutline().present);
    QVERIFY(!label.setZoomPercent(0));
    QCOMPARE(label.zoomPercent(), quint16(100));

    label.setFromLabel(7);
    QCOMPARE(label.fromLabel(), quint16(7));
    QCOMPARE(label.startColumn(), quint16(7));
    QCOMPARE(label.startRow(), quint16(1));

    // A 2.5 x 1.5 in cell: 240 x 144 plus a shadow of round(3.6) = 4 at 100 %.
    label.labelSize().setWidth(2.5);
    label.labelSize().setHeight(1.5);
    label.fitToCell();
    QCOMPARE(QSize(label.width(), label.height()), QSize(244, 148));
    QVERIFY(label.setZoomPercent(60));
    QCOMPARE(label.shadowWidth(), 2); // round(2.16), and at least 2 anyway
    QCOMPARE(TZR_WorkLabel::shadowWidthFor(50), 2);
    label.setShadowFlag(false);
    label.fitToCell();
    QCOMPARE(QSize(label.width(), label.height()), QSize(144, 86));
}

QTEST_GUILESS_MAIN(TestLabelSize)
#include "tst_labelsize.moc"
