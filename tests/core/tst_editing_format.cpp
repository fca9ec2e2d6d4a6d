// Tests of the format tool bar's commands on mixed selections and of the state it shows.
#include "document/StandardProperties.h"
#include "editing/FormatCommands.h"
#include "objects/ZR_Barcode.h"
#include "objects/ZR_GuideLabel.h"
#include "objects/ZR_SerialNumber.h"
#include "objects/ZR_ShapeTable.h"
#include "objects/ZR_TextEdit.h"
#include "objects/ZR_VantorShape.h"
#include "objects/ZR_WordArt.h"

#include <QTest>

using namespace quill;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(FontStyleBit)
Q_DECLARE_METATYPE(std::optional<int>)

namespace {

quint32 styleOf(const LabelObject &object)
{
    return object.value(u"Font.Style"_s).toUInt();
}

void setStyle(LabelObject &object, quint32 style)
{
    object.setValue(u"Font.Style"_s, QVariant::fromValue<quint32>(style));
}

} // namespace

class TestEditingFormat : public QObject {
    Q_OBJECT
private slots:
    void styleFlipsEachObject_data();
    void styleFlipsEachObject();
    void fontSizeSkipsShapes();
    void serialNumberKeepsAutomaticSize();
    void fontNameReachesWordArt();
    void alignmentOfTextBoxAndFieldLabel();
    void whiteFill();
    void lineWidthNoneThenTwo();
    void lineColourOnBarcodeChangesNothing();
    void shapeKind();
    void shapeBoxEnabled();
    void stateOfTextBox_data();
    void stateOfTextBox();
    void stateOfShapeAndOthers();
    void parseFontSize_data();
    void parseFontSize();
};

void TestEditingFormat::styleFlipsEachObject_data()
{
    QTest::addColumn<FontStyleBit>("bit");
    QTest::addColumn<quint32>("mask");
    QTest::newRow("bold") << FontStyleBit::Bold << quint32(fsBold);
    QTest::newRow("italic") << FontStyleBit::Italic << quint32(fsItalic);
    QTest::newRow("underline") << FontStyleBit::Underline << quint32(fsUnderline);
}

void TestEditingFormat::styleFlipsEachObject()
{
    QFETCH(FontStyleBit, bit);
    QFETCH(quint32, mask);
    TZR_TextEdit styled, plain;
    TZR_GuideLabel label;
    TZR_Barcode barcode;
    TZR_VantorShape shape;
    // The other bits stay as they are.
    setStyle(styled, mask | fsStrikeOut);
    setStyle(label, mask);
    const std::vector<LabelObject *> selection{&styled, &plain, &label, &barcode, &shape};
    QCOMPARE(FormatCommands::toggleFontStyle(selection, bit), 4);
    QCOMPARE(styleOf(styled), quint32(fsStrikeOut));
    QCOMPARE(styleOf(plain), mask);
    QCOMPARE(styleOf(label), 0u);
    QCOMPARE(styleOf(barcode), mask);
    // And back.
    QCOMPARE(FormatCommands::toggleFontStyle(selection, bit), 4);
    QCOMPARE(styleOf(styled), mask | fsStrikeOut);
    QCOMPARE(styleOf(plain), 0u);
}

void TestEditingFormat::fontSizeSkipsShapes()
{
    TZR_TextEdit box;
    TZR_GuideLabel label;
    TZR_Barcode barcode;
    TZR_VantorShape shape;
    TZR_ShapeTable table;
    const quint64 shapeRevision = shape.revision();
    const quint64 tableRevision = table.revision();
    const std::vector<LabelObject *> selection{&shape, &box, &label, &barcode, &table};
    QCOMPARE(FormatCommands::setFontSize(selection, 12), 3);
    // The model keeps sizes at 100 %: the nominal and the font's size alike.
    QCOMPARE(box.imsiFontSize(), 12.0);
    QCOMPARE(box.fontSize(), 12);
    QCOMPARE(label.imsiFontSize(), 12.0);
    QCOMPARE(label.fontSize(), 12);
    QCOMPARE(barcode.imsiFontSize(), 12.0);
    QCOMPARE(barcode.value(u"Font.Size"_s).toInt(), 12);
    QCOMPARE(shape.revision(), shapeRevision);
    QCOMPARE(table.revision(), tableRevision);
    // The same size again changes nothing, the font stays inherited where it was.
    QVERIFY(barcode.value(u"ParentFont"_s).isValid());
    const bool parentFont = barcode.value(u"ParentFont"_s).toBool();
    QCOMPARE(FormatCommands::setFontSize(selection, 12), 0);
    QCOMPARE(barcode.value(u"ParentFont"_s).toBool(), parentFont);
}

void TestEditingFormat::serialNumberKeepsAutomaticSize()
{
    TZR_SerialNumber serial;
    serial.setAutoSize(false);
    serial.setBounds(QRect(10, 10, 300, 5));
    QCOMPARE(FormatCommands::setFontSize({&serial}, 20), 1);
    QVERIFY(serial.autoSize());
    QCOMPARE(serial.imsiFontSize(), 20.0);
    QCOMPARE(serial.fontSize(), 20);
    // Sized to its text at the new font: taller than the 5 pixels it had.
    const QRect sized = serial.bounds();
    QVERIFY(sized.height() > 20);
    QCOMPARE(FormatCommands::setFontName({&serial}, u"Arial"_s), 1);
    QVERIFY(serial.autoSize());
    QCOMPARE(serial.fontName(), u"Arial"_s);
    QCOMPARE(serial.bounds().topLeft(), sized.topLeft());
}

void TestEditingFormat::fontNameReachesWordArt()
{
    TZR_WordArt art;
    TZR_TextEdit box;
    TZR_VantorShape shape;
    const quint64 shapeRevision = shape.revision();
    QCOMPARE(FormatCommands::setFontName({&art, &box, &shape}, u"Courier"_s), 2);
    QCOMPARE(art.value(u"Font.Name"_s).toString(), u"Courier"_s);
    QCOMPARE(box.fontName(), u"Courier"_s);
    QCOMPARE(shape.revision(), shapeRevision);
}

void TestEditingFormat::alignmentOfTextBoxAndFieldLabel()
{
    TZR_TextEdit box;
    TZR_GuideLabel label;
    TZR_Barcode barcode;
    QCOMPARE(FormatCommands::setTextAlignment({&box, &label, &barcode}, taCenter), 2);
    QCOMPARE(box.alignMent(), int(taCenter));
    QCOMPARE(label.alignment(), int(taCenter));
    QCOMPARE(FormatCommands::stateOf(box).textAlignment, std::optional<int>(2));
    QCOMPARE(FormatCommands::setTextAlignment({&box, &label}, taRightJustify), 2);
    QCOMPARE(FormatCommands::stateOf(label).textAlignment, std::optional<int>(1));
}

void TestEditingFormat::whiteFill()
{
    TZR_TextEdit box;
    box.setTransparent(false);
    TZR_VantorShape shape;
    shape.setBrushStyle(bsClear);
    QCOMPARE(FormatCommands::setFillColour({&box, &shape}, clWhite), 2);
    QVERIFY(box.transparent());
    QCOMPARE(shape.brushStyle(), int(bsSolid));
    QCOMPARE(shape.brushColor(), clWhite);

    QCOMPARE(FormatCommands::setFillColour({&box}, TColor(0x0000FF)), 1);
    QVERIFY(!box.transparent());
    QCOMPARE(box.brushColor(), TColor(0x0000FF));
}

void TestEditingFormat::lineWidthNoneThenTwo()
{
    TZR_VantorShape shape;
    shape.setPenStyle(psDash);
    QCOMPARE(FormatCommands::setLineWidth({&shape}, 0), 1);
    QCOMPARE(shape.penStyle(), int(psClear));
    QCOMPARE(FormatCommands::setLineWidth({&shape}, 2), 1);
    QCOMPARE(shape.penStyle(), int(psSolid));
    QCOMPARE(shape.penWidth(), 2);
    QCOMPARE(FormatCommands::setLineStyle({&shape}, psDot), 1);
    QCOMPARE(shape.penStyle(), int(psDot));
}

void TestEditingFormat::lineColourOnBarcodeChangesNothing()
{
    TZR_Barcode barcode;
    const quint64 revision = barcode.revision();
    QCOMPARE(FormatCommands::setLineColour({&barcode}, TColor(0x00FF00)), 0);
    QCOMPARE(FormatCommands::setLineWidth({&barcode}, 0), 0);
    QCOMPARE(FormatCommands::setFillColour({&barcode}, clWhite), 0);
    QCOMPARE(barcode.revision(), revision);

    TZR_VantorShape shape;
    QCOMPARE(FormatCommands::setLineColour({&barcode, &shape}, TColor(0x00FF00)), 1);
    QCOMPARE(shape.penColor(), TColor(0x00FF00));
}

void TestEditingFormat::shapeKind()
{
    TZR_VantorShape shape;
    QVERIFY(FormatCommands::setShapeKind(&shape, mstEllipse));
    QCOMPARE(shape.shape(), int(mstEllipse));
    shape.setBrushColor(TColor(0x0000FF));
    QVERIFY(FormatCommands::setShapeKind(&shape, -1));
    QCOMPARE(shape.shape(), int(mstEllipse));
    QCOMPARE(shape.brushColor(), clWhite);
    QCOMPARE(shape.brushStyle(), int(bsClear));

    TZR_GuideLabel label;
    const quint64 revision = label.revision();
    QVERIFY(!FormatCommands::setShapeKind(&label, mstCircle));
    QVERIFY(!FormatCommands::setShapeKind(nullptr, mstCircle));
    QCOMPARE(label.revision(), revision);
}

void TestEditingFormat::shapeBoxEnabled()
{
    TZR_VantorShape a, b;
    TZR_GuideLabel label;
    TZR_ShapeTable table;
    QVERIFY(!FormatCommands::shapeBoxEnabled({}));
    QVERIFY(FormatCommands::shapeBoxEnabled({&a}));
    QVERIFY(FormatCommands::shapeBoxEnabled({&a, &b}));
    QVERIFY(!FormatCommands::shapeBoxEnabled({&a, &label}));
    QVERIFY(!FormatCommands::shapeBoxEnabled({&table}));
}

void TestEditingFormat::stateOfTextBox_data()
{
    QTest::addColumn<double>("imsiFontSize");
    QTest::addColumn<double>("shown");
    // Rounded to hundredths, then cut to a whole number.
    QTest::newRow("whole") << 12.0 << 12.0;
    QTest::newRow("half is cut") << 12.5 << 12.0;
    QTest::newRow("a hair below") << 12.996 << 13.0;
    QTest::newRow("just below") << 12.99 << 12.0;
}

void TestEditingFormat::stateOfTextBox()
{
    QFETCH(double, imsiFontSize);
    QFETCH(double, shown);
    TZR_TextEdit box;
    box.setFontName(u"Courier"_s);
    box.setImsiFontSize(imsiFontSize);
    setStyle(box, fsBold | fsUnderline);
    box.setAlignMent(taRightJustify);
    const FormatState state = FormatCommands::stateOf(box);
    QCOMPARE(state.fontName, std::optional<QString>(u"Courier"_s));
    QCOMPARE(state.fontSize, std::optional<double>(shown));
    QVERIFY(state.bold && !state.italic && state.underline);
    QCOMPARE(state.textAlignment, std::optional<int>(1));
    QVERIFY(!state.fillColour && !state.lineColour && !state.shapeKind);
}

void TestEditingFormat::stateOfShapeAndOthers()
{
    TZR_VantorShape shape;
    shape.setShape(mstRoundRect);
    shape.setBrushColor(TColor(0x00FF00));
    shape.setPenColor(TColor(0x0000FF));
    const FormatState state = FormatCommands::stateOf(shape);
    QCOMPARE(state.fillColour, std::optional<TColor>(TColor(0x00FF00)));
    QCOMPARE(state.lineColour, std::optional<TColor>(TColor(0x0000FF)));
    QCOMPARE(state.shapeKind, std::optional<int>(int(mstRoundRect)));
    QVERIFY(!state.fontName && !state.fontSize && !state.textAlignment);

    TZR_SerialNumber serial;
    serial.setImsiFontSize(9);
    const FormatState serialState = FormatCommands::stateOf(serial);
    QCOMPARE(serialState.fontName, std::optional<QString>(u"굴림"_s));
    QCOMPARE(serialState.fontSize, std::optional<double>(9.0));

    // A barcode shows nothing on the tool bar.
    TZR_Barcode barcode;
    const FormatState barcodeState = FormatCommands::stateOf(barcode);
    QVERIFY(!barcodeState.fontName && !barcodeState.fontSize && !barcodeState.shapeKind);
}

void TestEditingFormat::parseFontSize_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<int>>("expected");
    QTest::newRow("12") << u"12"_s << std::optional<int>(12);
    QTest::newRow("blanks around") << u" 8 "_s << std::optional<int>(8);
    QTest::newRow("smallest") << u"1"_s << std::optional<int>(1);
    QTest::newRow("largest") << u"999"_s << std::optional<int>(999);
    QTest::newRow("zero") << u"0"_s << std::optional<int>();
    QTest::newRow("1000") << u"1000"_s << std::optional<int>();
    QTest::newRow("negative") << u"-5"_s << std::optional<int>();
    QTest::newRow("fraction") << u"12.5"_s << std::optional<int>();
    QTest::newRow("letters") << u"abc"_s << std::optional<int>();
    QTest::newRow("number and letters") << u"12pt"_s << std::optional<int>();
    QTest::newRow("empty") << QString() << std::optional<int>();
    QTest::newRow("blanks only") << u"   "_s << std::optional<int>();
}

void TestEditingFormat::parseFontSize()
{
    QFETCH(QString, text);
    QFETCH(std::optional<int>, expected);
    QCOMPARE(FormatCommands::parseFontSize(text), expected);
}

QTEST_MAIN(TestEditingFormat)
#include "tst_editing_format.moc"
