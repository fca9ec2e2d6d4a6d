// The user-defined paper: ranges and checks of its fields, the computed cell, its catalogue
// record and the colour's way through the catalogue and back.
#include "catalogue/ProductIndex.h"
#include "catalogue/UserCatalogue.h"
#include "catalogue/UserPaper.h"

#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <limits>

using namespace quill;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(quill::UserPaperField)
Q_DECLARE_METATYPE(quill::UserPaper)

namespace {

UserPaper paperOf(UserPaperSheet sheet, double margins, int columns, int rows, double horiz = 0,
                  double vert = 0)
{
    UserPaper paper;
    paper.setSheet(sheet);
    paper.leftMargin = paper.rightMargin = paper.topMargin = paper.bottomMargin = margins;
    paper.columns = columns;
    paper.rows = rows;
    paper.horizSpace = horiz;
    paper.vertSpace = vert;
    return paper;
}

} // namespace

class TestUserPaper : public QObject {
    Q_OBJECT
private slots:
    void cellSize_data();
    void cellSize();
    void checks_data();
    void checks();
    void setValueKeepsRanges();
    void sheets();
    void record();
    void colourComesBackAsChosen_data();
    void colourComesBackAsChosen();
    void appendedRecordIsFoundByCount();
    void refusedRecordsChangeNothing();
    void preview();
};

void TestUserPaper::cellSize_data()
{
    QTest::addColumn<UserPaper>("paper");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("height");
    QTest::addColumn<int>("count");

    QTest::newRow("A4, margins 10, 2 x 5")
        << paperOf(UserPaperSheet::A4, 10, 2, 5) << u"95"_s << u"55.4"_s << 10;
    QTest::newRow("A4, 3 x 7 with gaps")
        << paperOf(UserPaperSheet::A4, 10, 3, 7, 2.5, 1)
        << u"61.6666666666667"_s << u"38.7142857142857"_s << 21;
    QTest::newRow("B5, 2 x 2, gaps 5")
        << paperOf(UserPaperSheet::B5, 10, 2, 2, 5, 5) << u"78.5"_s << u"116"_s << 4;
    QTest::newRow("A5, one cell") << paperOf(UserPaperSheet::A5, 4, 1, 1) << u"140"_s
                                  << u"202"_s << 1;
    UserPaper other = paperOf(UserPaperSheet::Other, 1, 1, 1);
    other.pageWidth = 100;
    other.pageHeight = 50;
    QTest::newRow("other sheet") << other << u"98"_s << u"48"_s << 1;
    QTest::newRow("no room left")
        << paperOf(UserPaperSheet::A5, 60, 30, 30, 30, 30) << u"-28.0666666666667"_s
        << u"-26"_s << 900;
}

void TestUserPaper::cellSize()
{
    QFETCH(UserPaper, paper);
    QFETCH(QString, width);
    QFETCH(QString, height);
    QFETCH(int, count);
    QCOMPARE(userPaperNumber(paper.labelWidth()), width);
    QCOMPARE(userPaperNumber(paper.labelHeight()), height);
    QCOMPARE(paper.labelsPerSheet(), count);
}

void TestUserPaper::checks_data()
{
    QTest::addColumn<UserPaperField>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("finished");
    QTest::addColumn<QString>("error"); // empty: accepted
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("corrected"); // empty: the text stays

    using F = UserPaperField;
    QTest::newRow("cleared count, left") << F::Columns << u""_s << true << u""_s << 1.0 << u"1"_s;
    QTest::newRow("cleared count, typing") << F::Columns << u""_s << false << u""_s << 1.0 << u""_s;
    QTest::newRow("gap above maximum") << F::HorizSpace << u"45"_s << false << u""_s << 30.0
                                       << u"30"_s;
    QTest::newRow("page above maximum") << F::PageWidth << u"400"_s << false << u""_s << 370.0
                                        << u"370"_s;
    QTest::newRow("margin below minimum, typing")
        << F::LeftMargin << u"0.5"_s << false << u""_s << 1.0 << u""_s;
    QTest::newRow("margin below minimum, left")
        << F::LeftMargin << u"0.5"_s << true << u""_s << 1.0 << u"1"_s;
    QTest::newRow("negative gap, left") << F::VertSpace << u"-5"_s << true << u""_s << 0.0
                                        << u"0"_s;
    QTest::newRow("radius in range") << F::Radius << u" 12.5 "_s << true << u""_s << 12.5
                                     << u""_s;
    QTest::newRow("rows at maximum") << F::Rows << u"30"_s << true << u""_s << 30.0 << u""_s;
    QTest::newRow("fraction of a count")
        << F::Rows << u"2.5"_s << false << u"정수만 입력 가능합니다."_s << 0.0 << u""_s;
    QTest::newRow("letters") << F::TopMargin << u"1O"_s << false << u"숫자만 입력 가능합니다."_s
                             << 0.0 << u""_s;
    QTest::newRow("exponent") << F::PageHeight << u"1e2"_s << false
                              << u"숫자만 입력 가능합니다."_s << 0.0 << u""_s;
    QTest::newRow("infinity") << F::PageHeight << u"inf"_s << false
                              << u"숫자만 입력 가능합니다."_s << 0.0 << u""_s;
    QTest::newRow("comma decimal") << F::Radius << u"2,5"_s << false
                                   << u"숫자만 입력 가능합니다."_s << 0.0 << u""_s;
}

void TestUserPaper::checks()
{
    QFETCH(UserPaperField, field);
    QFETCH(QString, text);
    QFETCH(bool, finished);
    QFETCH(QString, error);
    QFETCH(double, value);
    QFETCH(QString, corrected);
    const Result<CheckedValue> checked = checkUserPaperText(field, text, finished);
    QCOMPARE(checked.ok(), error.isEmpty());
    if (!checked) {
        QCOMPARE(checked.error().message, error);
        return;
    }
    QCOMPARE(checked.value().value, value);
    QCOMPARE(checked.value().corrected, !corrected.isEmpty());
    if (checked.value().corrected)
        QCOMPARE(checked.value().correctedText, corrected);
}

void TestUserPaper::setValueKeepsRanges()
{
    UserPaper paper;
    paper.setValue(UserPaperField::Columns, 45);
    QCOMPARE(paper.columns, 30);
    paper.setValue(UserPaperField::Rows, 2.6);
    QCOMPARE(paper.rows, 3);
    paper.setValue(UserPaperField::BottomMargin, std::numeric_limits<double>::quiet_NaN());
    QCOMPARE(paper.bottomMargin, 1.0);
    paper.setValue(UserPaperField::Radius, -1);
    QCOMPARE(paper.radius, 0.0);
    QCOMPARE(paper.value(UserPaperField::Rows), 3.0);
}

void TestUserPaper::sheets()
{
    UserPaper paper;
    QCOMPARE(paper.paperName(), u"A4"_s);
    QCOMPARE(paper.pageWidth, 210.0);
    paper.setSheet(UserPaperSheet::B5);
    QCOMPARE(std::pair(paper.pageWidth, paper.pageHeight), std::pair(182.0, 257.0));
    paper.setSheet(UserPaperSheet::Other); // keeps the size for the user to change
    QCOMPARE(std::pair(paper.pageWidth, paper.pageHeight), std::pair(182.0, 257.0));
    QCOMPARE(paper.paperName(), u"USER"_s);
    paper.setSheet(UserPaperSheet::A5);
    QCOMPARE(std::pair(paper.pageWidth, paper.pageHeight), std::pair(148.0, 210.0));
    QVERIFY(paper.radiusApplies());
    paper.shape = u"r.rect"_s;
    QVERIFY(paper.radiusApplies());
    paper.shape = u"Circle"_s;
    QVERIFY(!paper.radiusApplies());
}

void TestUserPaper::record()
{
    UserPaper paper = paperOf(UserPaperSheet::A4, 10, 2, 5);
    paper.family = u"사용자 정의"_s;
    paper.code = u"  MY-LABEL-LONG-CODE "_s;
    paper.shape = u"Rectangle"_s;
    const CatalogueRecord record = paper.catalogueRecord();
    const CatalogueRecord expected{
        {u"Code"_s, u"MY-LABEL-L"_s}, {u"Color"_s, u"흰색"_s},     {u"Type"_s, u"SHEET"_s},
        {u"Paper"_s, u"A4"_s},        {u"Product"_s, u"사용자 정의"_s},
        {u"P_Width"_s, u"210"_s},     {u"P_Height"_s, u"297"_s},   {u"L_Columns"_s, u"2"_s},
        {u"L_Rows"_s, u"5"_s},        {u"L_Margin"_s, u"10"_s},    {u"R_Margin"_s, u"10"_s},
        {u"T_Margin"_s, u"10"_s},     {u"B_Margin"_s, u"10"_s},    {u"L_Width"_s, u"95"_s},
        {u"L_Height"_s, u"55.4"_s},   {u"C_Space"_s, u"0"_s},      {u"R_Space"_s, u"0"_s},
        {u"Shape"_s, u"Rectangle"_s}, {u"Radios"_s, u"10"_s},
        {u"Remark"_s, u"잉크젯/레이저 겸용"_s}, {u"C_Code"_s, u"clWhite"_s},
        {u"L_TOTAL"_s, u"10"_s}};
    QCOMPARE(record, expected);
}

void TestUserPaper::colourComesBackAsChosen_data()
{
    QTest::addColumn<quint32>("colour");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("name");
    QTest::newRow("white") << quint32(clWhite) << u"clWhite"_s << u"흰색"_s;
    QTest::newRow("black") << quint32(clBlack) << u"clBlack"_s << u"#000000"_s;
    QTest::newRow("grey") << quint32(clGray) << u"clGray"_s << u"#808080"_s;
    // Red has a name, but one that would turn blue on the way back.
    QTest::newRow("red") << quint32(clRed) << u"$00FF0000"_s << u"#FF0000"_s;
    QTest::newRow("blue") << quint32(clBlue) << u"$000000FF"_s << u"#0000FF"_s;
    QTest::newRow("mixed") << quint32(0x123456) << u"$00563412"_s << u"#563412"_s;
}

void TestUserPaper::colourComesBackAsChosen()
{
    QFETCH(quint32, colour);
    QFETCH(QString, code);
    QFETCH(QString, name);
    UserPaper paper = paperOf(UserPaperSheet::A4, 10, 2, 5);
    paper.family = u"주소라벨"_s;
    paper.colour = colour;
    const CatalogueRecord record = paper.catalogueRecord();
    QCOMPARE(record.value(u"C_Code"_s), code);
    QCOMPARE(record.value(u"Color"_s), name);
    // The new job hand-over turns catalogue colours around; the user's colour survives it.
    const Result<TZR_LabelSize> sheet = PaperCatalogue::labelSize(record, u"파일라벨"_s, true);
    QVERIFY(sheet.ok());
    QCOMPARE(sheet.value().color(), TColor(colour));
}

void TestUserPaper::appendedRecordIsFoundByCount()
{
    QTemporaryDir dir;
    const QString userPath = dir.filePath(u"spec.db"_s);
    PaperCatalogue catalogue;
    UserPaper paper = paperOf(UserPaperSheet::A4, 10, 2, 5);
    paper.family = u"사용자 정의"_s;
    paper.colour = 0x3080C0;
    Result<int> first = addUserProduct(catalogue, paper.catalogueRecord(), userPath);
    QVERIFY(first.ok());
    Result<int> second = addUserProduct(catalogue, paper.catalogueRecord(), userPath);
    QVERIFY(second.ok());
    QCOMPARE(catalogue.text(first.value(), u"Code"_s), u"User"_s);
    QCOMPARE(catalogue.text(second.value(), u"Code"_s), u"User2"_s);
    QCOMPARE(catalogue.text(first.value(), u"L_TOTAL"_s), u"10"_s);

    // Read back from the user's file, as the next start of the program does.
    const Result<PaperCatalogue> loaded = PaperCatalogue::load(userPath);
    QVERIFY(loaded.ok());
    QCOMPARE(loaded.value().productsWithLabelCount(10, u"A4"_s), (QList<int>{0, 1}));
    const ProductIndex index(loaded.value());
    QCOMPARE(index.filter(ProductQuery::ofLabelCount(10, u"A4"_s)), (QList<int>{0, 1}));
    QCOMPARE(index.filter(ProductQuery::ofFamily(u"사용자 정의"_s, u"A4"_s)), (QList<int>{0, 1}));
    const Result<TZR_LabelSize> sheet =
        PaperCatalogue::labelSize(loaded.value().record(0), u"파일라벨"_s, true);
    QVERIFY(sheet.ok());
    QCOMPARE(sheet.value().color(), TColor(0x3080C0));
    QVERIFY(std::abs(sheet.value().width() * 25.4 - 95.0) < 1e-9);
    QVERIFY(std::abs(sheet.value().height() * 25.4 - 55.4) < 1e-9);
    QCOMPARE(sheet.value().shape(), stRoundRect);
}

void TestUserPaper::refusedRecordsChangeNothing()
{
    QTemporaryDir dir;
    const QString userPath = dir.filePath(u"spec.db"_s);
    PaperCatalogue catalogue;
    UserPaper paper = paperOf(UserPaperSheet::A4, 10, 2, 5);
    paper.code = u"MINE"_s;
    QVERIFY(addUserProduct(catalogue, paper.catalogueRecord(), userPath).ok());
    // The same code again, in other letters.
    paper.code = u"mine"_s;
    Result<int> duplicate = addUserProduct(catalogue, paper.catalogueRecord(), userPath);
    QVERIFY(!duplicate.ok());
    QVERIFY(duplicate.error().message.contains(u"이미 있습니다"_s));
    // Margins and gaps that leave no room for a label.
    UserPaper crowded = paperOf(UserPaperSheet::A5, 60, 30, 30, 30, 30);
    crowded.code = u"CROWDED"_s;
    QVERIFY(!addUserProduct(catalogue, crowded.catalogueRecord(), userPath).ok());
    QCOMPARE(catalogue.count(), 1);
    QCOMPARE(PaperCatalogue::load(userPath).value().count(), 1);
}

void TestUserPaper::preview()
{
    UserPaper paper = paperOf(UserPaperSheet::A4, 10, 2, 5, 3, 0);
    paper.colour = clRed;
    paper.family = u"주소라벨"_s;
    SheetPreview sheet = userPaperPreview(paper, {}, u"파일라벨"_s);
    QCOMPARE(sheet.cellWidth, paper.labelWidth());
    QCOMPARE(sheet.cellHeight, 55.4);
    QCOMPARE(sheet.horizSpace, 3.0);
    QCOMPARE(sheet.labelCount(), 10);
    QCOMPARE(sheet.paper, QColor(Qt::red));
    QCOMPARE(sheet.shapeText, u"R.Rect"_s);
    paper.family = u"파일라벨"_s; // the file label is always white
    QCOMPARE(userPaperPreview(paper, {}, u"파일라벨"_s).paper, QColor(Qt::white));
}

QTEST_GUILESS_MAIN(TestUserPaper)
#include "tst_userpaper.moc"
