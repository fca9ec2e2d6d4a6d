// The new job dialog's product filters, list model, lists and sheet preview.
#include "catalogue/NewJobChoices.h"
#include "catalogue/ProductIndex.h"
#include "catalogue/ProductListModel.h"
#include "catalogue/SheetPreview.h"
#include "shell/CaptionFile.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

using namespace quill;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(quill::ProductQuery)

namespace {

struct Product {
    QString code, family, paper;
    int columns, rows;
    QString width, height;
    QString total; // empty: no count
    QString shape = u"Rect"_s;
};

CatalogueRecord recordOf(const Product &p)
{
    return {{u"Code"_s, p.code},         {u"Product"_s, p.family},
            {u"Paper"_s, p.paper},       {u"P_Width"_s, u"210"_s},
            {u"P_Height"_s, u"297"_s},   {u"L_Columns"_s, QString::number(p.columns)},
            {u"L_Rows"_s, QString::number(p.rows)}, {u"L_Margin"_s, u"5"_s},
            {u"R_Margin"_s, u"5"_s},     {u"T_Margin"_s, u"10"_s},
            {u"B_Margin"_s, u"10"_s},    {u"L_Width"_s, p.width},
            {u"L_Height"_s, p.height},   {u"C_Space"_s, u"2"_s},
            {u"R_Space"_s, u"0"_s},      {u"Shape"_s, p.shape},
            {u"Radios"_s, u"2"_s},       {u"C_Code"_s, u"clWhite"_s},
            {u"Color"_s, u"흰색"_s},     {u"Remark"_s, u"레이저 전용"_s},
            {u"L_TOTAL"_s, p.total}};
}

PaperCatalogue sampleCatalogue()
{
    const QList<Product> products{
        {u"AD-21"_s, u"주소라벨"_s, u"일반용지"_s, 3, 7, u"63.5"_s, u"38.1"_s, u"21"_s},
        {u"AD-10"_s, u"주소 라벨"_s, u"일반용지"_s, 2, 5, u"99.1"_s, u"57"_s, u"10"_s},
        {u"AD-8"_s, u"주소라벨"_s, u"레이저전용"_s, 2, 4, u"99.1"_s, u"67.7"_s, u"8"_s},
        {u"AD-L"_s, u"주소라벨 대형"_s, u"일반용지"_s, 1, 2, u"200"_s, u"140"_s, u"2"_s},
        {u"BC-10"_s, u"명함"_s, u"일반용지"_s, 2, 5, u"90"_s, u"50"_s, u"10"_s},
        {u"NOCOUNT"_s, u"주소라벨"_s, u"일반용지"_s, 2, 2, u"63"_s, u"38.6"_s, {}},
        {u"Avery 5160"_s, u"Avery"_s, u"해외 US Letter"_s, 3, 10, u"66.675"_s, u"25.4"_s, u"30"_s},
        {u"AD-21B"_s, u"AddressLabel"_s, u"A4"_s, 3, 7, u"63.5"_s, u"38.1"_s, u"21"_s},
    };
    DataTable table = emptyCatalogueTable();
    for (const Product &p : products)
        table.rows.append(catalogueRow(recordOf(p)).value());
    return PaperCatalogue(table);
}

QStringList codesOf(const ProductIndex &index, const QList<int> &rows)
{
    QStringList codes;
    for (int i : rows)
        codes.append(index.entry(i).code);
    return codes;
}

QStringList columnOf(const ProductListModel &model, int column)
{
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row)
        texts.append(model.data(model.index(row, column)).toString());
    return texts;
}

CaptionFile captionsWith(QTemporaryDir &dir, const QByteArray &utf8)
{
    const QString path = dir.filePath(u"label.dat"_s);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(toCp949(QString::fromUtf8(utf8)));
    file.close();
    return CaptionFile(path);
}

} // namespace

class TestNewJob : public QObject {
    Q_OBJECT
private slots:
    void filters_data();
    void filters();
    void entryTexts();
    void modelSortsByAnyColumn();
    void sortSurvivesQueryChange();
    void familiesFollowPaperKind();
    void initialChoices();
    void countKeys_data();
    void countKeys();
    void previewFitsPanel_data();
    void previewFitsPanel();
    void previewDrawsShapes_data();
    void previewDrawsShapes();
};

void TestNewJob::filters_data()
{
    QTest::addColumn<ProductQuery>("query");
    QTest::addColumn<QStringList>("codes");

    // Ordered by labels per sheet; no count first; blanks and case ignored in families.
    QTest::newRow("family on paper")
        << ProductQuery::ofFamily(u"주소라벨"_s, u"일반용지"_s)
        << QStringList{u"NOCOUNT"_s, u"AD-10"_s, u"AD-21"_s};
    QTest::newRow("family spelled with blanks and case")
        << ProductQuery::ofFamily(u"address label"_s, u"a4"_s) << QStringList{u"AD-21B"_s};
    QTest::newRow("larger family is another family")
        << ProductQuery::ofFamily(u"주소라벨대형"_s, u"일반용지"_s) << QStringList{u"AD-L"_s};
    QTest::newRow("count on paper")
        << ProductQuery::ofLabelCount(10, u"일반용지"_s) << QStringList{u"AD-10"_s, u"BC-10"_s};
    QTest::newRow("count on every paper")
        << ProductQuery::ofLabelCount(21, {}) << QStringList{u"AD-21"_s, u"AD-21B"_s};
    QTest::newRow("count never finds an empty count")
        << ProductQuery::ofLabelCount(4, u"일반용지"_s) << QStringList{};
    QTest::newRow("count on the wrong paper")
        << ProductQuery::ofLabelCount(8, u"일반용지"_s) << QStringList{};

    ProductQuery size;
    size.cellWidth = 63.5;
    size.cellHeight = 38.1;
    QTest::newRow("size exact, default tolerance 0.5")
        << size << QStringList{u"NOCOUNT"_s, u"AD-21"_s, u"AD-21B"_s};
    size.tolerance = 0.0;
    QTest::newRow("size without tolerance") << size << QStringList{u"AD-21"_s, u"AD-21B"_s};
    ProductQuery widthOnly;
    widthOnly.cellWidth = 99.0;
    widthOnly.tolerance = 0.1;
    QTest::newRow("width only, tolerance at the edge")
        << widthOnly << QStringList{u"AD-8"_s, u"AD-10"_s};

    ProductQuery grid;
    grid.columns = 2;
    grid.rows = 5;
    QTest::newRow("columns x rows") << grid << QStringList{u"AD-10"_s, u"BC-10"_s};
    ProductQuery columns;
    columns.columns = 3;
    columns.paper = u"해외 US Letter"_s;
    QTest::newRow("columns on a paper with blanks") << columns << QStringList{u"Avery 5160"_s};

    ProductQuery text;
    text.text = u"ad-2"_s;
    QTest::newRow("text in code") << text << QStringList{u"AD-21"_s, u"AD-21B"_s};
    text.text = u"avery5160"_s;
    QTest::newRow("text ignores blanks") << text << QStringList{u"Avery 5160"_s};
    text.text = u"명함"_s;
    QTest::newRow("text in family") << text << QStringList{u"BC-10"_s};
    text.text = u"주소 라벨"_s;
    text.paper = u"일반용지"_s;
    text.columns = 2;
    QTest::newRow("text with paper and columns")
        << text << QStringList{u"NOCOUNT"_s, u"AD-10"_s};
    text.text = u"\"; drop"_s;
    QTest::newRow("quotes are only text") << text << QStringList{};
    QTest::newRow("empty query lists everything")
        << ProductQuery{}
        << QStringList{u"NOCOUNT"_s, u"AD-L"_s, u"AD-8"_s, u"AD-10"_s, u"BC-10"_s, u"AD-21"_s,
                       u"AD-21B"_s, u"Avery 5160"_s};
}

void TestNewJob::filters()
{
    QFETCH(ProductQuery, query);
    QFETCH(QStringList, codes);
    const ProductIndex index(sampleCatalogue());
    QCOMPARE(codesOf(index, index.filter(query)), codes);
}

void TestNewJob::entryTexts()
{
    const ProductIndex index(sampleCatalogue());
    const ProductEntry &entry = index.entry(0);
    QCOMPARE(entry.countText, u"21칸(3*7)"_s);
    QCOMPARE(entry.sizeText, u"63.5 * 38.1 mm"_s);
    QCOMPARE(entry.remark, u"레이저 전용"_s);
    QCOMPARE(entry.colour, u"흰색"_s);
    QVERIFY(!index.entry(5).total);
}

void TestNewJob::modelSortsByAnyColumn()
{
    ProductListModel model;
    model.setCatalogue(sampleCatalogue());
    model.setQuery(ProductQuery::ofFamily(u"주소라벨"_s, u"일반용지"_s));
    QCOMPARE(model.columnCount(), int(ProductListModel::ColumnCount));
    QCOMPARE(model.headerData(ProductListModel::LabelsColumn, Qt::Horizontal).toString(), u"칸수"_s);
    QCOMPARE(columnOf(model, ProductListModel::CodeColumn),
             (QStringList{u"NOCOUNT"_s, u"AD-10"_s, u"AD-21"_s}));

    // Sizes as numbers: 63 < 63.5 < 99.1 (as text "99.1" < "63" would not hold).
    model.sort(ProductListModel::SizeColumn, Qt::DescendingOrder);
    QCOMPARE(columnOf(model, ProductListModel::CodeColumn),
             (QStringList{u"AD-10"_s, u"AD-21"_s, u"NOCOUNT"_s}));
    // Counts as numbers: 10 before 21 although "21칸" < "4칸" as text; no count first.
    model.sort(ProductListModel::LabelsColumn, Qt::AscendingOrder);
    QCOMPARE(columnOf(model, ProductListModel::CodeColumn),
             (QStringList{u"NOCOUNT"_s, u"AD-10"_s, u"AD-21"_s}));
    model.sort(ProductListModel::CodeColumn, Qt::DescendingOrder);
    QCOMPARE(columnOf(model, ProductListModel::CodeColumn),
             (QStringList{u"NOCOUNT"_s, u"AD-21"_s, u"AD-10"_s}));
    model.sort(-1);
    QCOMPARE(columnOf(model, ProductListModel::CodeColumn),
             (QStringList{u"NOCOUNT"_s, u"AD-10"_s, u"AD-21"_s}));
    QCOMPARE(model.catalogueIndex(1), 1);
    QCOMPARE(model.rowOfCatalogueIndex(0), 2);
    QCOMPARE(model.catalogueIndex(3), -1);
}

void TestNewJob::sortSurvivesQueryChange()
{
    ProductListModel model;
    model.setCatalogue(sampleCatalogue());
    model.sort(ProductListModel::CodeColumn, Qt::AscendingOrder);
    model.setQuery(ProductQuery::ofLabelCount(10, {}));
    QCOMPARE(columnOf(model, ProductListModel::CodeColumn), (QStringList{u"AD-10"_s, u"BC-10"_s}));
    model.sort(ProductListModel::CodeColumn, Qt::DescendingOrder);
    QPersistentModelIndex kept = model.index(1, 0); // AD-10
    model.sort(ProductListModel::CodeColumn, Qt::AscendingOrder);
    QCOMPARE(kept.row(), 0);
    QCOMPARE(kept.data().toString(), u"AD-10"_s);
}

void TestNewJob::familiesFollowPaperKind()
{
    QTemporaryDir dir;
    const CaptionFile captions = captionsWith(
        dir, "[LabelType]\nFileLabel=파일라벨\nItemCount=3\nitem1=주소라벨\nitem2=명함\nitem3=사용자 정의\n");
    const PaperCatalogue catalogue = sampleCatalogue();
    QCOMPARE(captionLabelTypes(captions),
             (QStringList{u"주소라벨"_s, u"명함"_s, u"사용자 정의"_s}));
    // A4 takes the caption file's families, whatever the catalogue holds for A4.
    QCOMPARE(newJobFamilies(catalogue, captions, u"A4"_s), captionLabelTypes(captions));
    QCOMPARE(newJobFamilies(catalogue, captions, u"일반용지"_s),
             (QStringList{u"명함"_s, u"주소 라벨"_s, u"주소라벨"_s, u"주소라벨 대형"_s}));
    QCOMPARE(fileLabelName(captions), u"파일라벨"_s);

    const CaptionFile broken = captionsWith(dir, "[LabelType]\nitemcount=many\n");
    QCOMPARE(captionLabelTypes(broken), QStringList{});
}

void TestNewJob::initialChoices()
{
    QTemporaryDir dir;
    const CaptionFile captions =
        captionsWith(dir, "[LabelType]\nitem1=명함\n[PaperType]\nitemcount=2\nitem1=없는종이\nitem2=일반용지\n");
    QCOMPARE(initialPaperKind({u"B5"_s, u"A4"_s}, captions), u"A4"_s);
    QCOMPARE(initialPaperKind({u"레이저전용"_s, u"일반용지"_s}, captions), u"일반용지"_s);
    QCOMPARE(initialPaperKind({u"해외 A4"_s}, captions), u"해외 A4"_s);
    QCOMPARE(initialPaperKind({}, captions), QString());
    QCOMPARE(initialFamilyRow({u"주소라벨"_s, u"명함"_s}, captions), 1);
    QCOMPARE(initialFamilyRow({u"주소라벨"_s}, captions), 0);
    QCOMPARE(initialFamilyRow({}, captions), -1);
}

void TestNewJob::countKeys_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("count"); // -1: nothing

    QTest::newRow("digit") << u"7"_s << int(CountKey::Accept) << u"21"_s << 21;
    QTest::newRow("backspace") << u"\b"_s << int(CountKey::Accept) << u" 8 "_s << 8;
    QTest::newRow("enter") << u"\r"_s << int(CountKey::Search) << u""_s << -1;
    QTest::newRow("letter") << u"a"_s << int(CountKey::Refuse) << u"2a"_s << -1;
    QTest::newRow("minus") << u"-"_s << int(CountKey::Refuse) << u"-3"_s << -1;
    QTest::newRow("hangul") << u"칸"_s << int(CountKey::Refuse) << u"99999999999"_s << -1;
    QTest::newRow("full-width digit") << u"１"_s << int(CountKey::Refuse) << u"１"_s << -1;
}

void TestNewJob::countKeys()
{
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(int, count);
    QCOMPARE(int(countSearchKey(typed.front())), key);
    QCOMPARE(parseLabelCount(text).value_or(-1), count);
}

void TestNewJob::previewFitsPanel_data()
{
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::addColumn<QRect>("rect");
    // Portrait fills the height less 20 (top 10), landscape the width less 6 (left 3).
    QTest::newRow("A4 portrait") << 210.0 << 297.0 << QRect(37, 10, 110, 155);
    QTest::newRow("A4 landscape") << 297.0 << 210.0 << QRect(3, 24, 179, 127);
    QTest::newRow("square-ish, fits both ways") << 300.0 << 299.0 << QRect(14, 10, 156, 155);
    QTest::newRow("no size") << 0.0 << 297.0 << QRect();
}

void TestNewJob::previewFitsPanel()
{
    QFETCH(double, width);
    QFETCH(double, height);
    QFETCH(QRect, rect);
    QCOMPARE(sheetPreviewRect(QSize(185, 175), width, height), rect);
}

void TestNewJob::previewDrawsShapes_data()
{
    QTest::addColumn<QString>("shape");
    QTest::addColumn<bool>("cornerInk"); // the cell's top-left corner pixel is drawn
    QTest::addColumn<bool>("anyCell");
    QTest::newRow("rect") << u"Rect"_s << true << true;
    QTest::newRow("rectangle") << u"RECTANGLE"_s << true << true;
    QTest::newRow("rounded") << u"r.rect"_s << false << true;
    QTest::newRow("circle") << u"Round"_s << false << true;
    QTest::newRow("unknown draws no cells") << u"Oval"_s << false << false;
}

void TestNewJob::previewDrawsShapes()
{
    QFETCH(QString, shape);
    QFETCH(bool, cornerInk);
    QFETCH(bool, anyCell);
    SheetPreview sheet;
    sheet.pageWidth = 100.0;
    sheet.pageHeight = 100.0;
    sheet.leftMargin = 10.0;
    sheet.topMargin = 10.0;
    sheet.cellWidth = 80.0;
    sheet.cellHeight = 80.0;
    sheet.radius = 20.0;
    sheet.columns = 1;
    sheet.rows = 1;
    sheet.shapeText = shape;
    sheet.paper = Qt::yellow;
    QImage image(120, 120, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintSheetPreview(painter, sheet, image.size());
    painter.end();
    // The panel 120 x 120: the sheet is 100 x 100 at (10, 10), one pixel per mm.
    QCOMPARE(image.pixelColor(12, 12), QColor(Qt::yellow));
    QCOMPARE(image.pixelColor(10, 10), QColor(Qt::black));
    QCOMPARE(image.pixelColor(20, 20) == QColor(Qt::black), cornerInk);
    bool topEdge = false; // the cell's top edge, somewhere near the middle
    for (int x = 55; x <= 65; ++x) {
        for (int y = 18; y <= 22; ++y)
            topEdge = topEdge || image.pixelColor(x, y) == QColor(Qt::black);
    }
    QCOMPARE(topEdge, anyCell);
}

QTEST_GUILESS_MAIN(TestNewJob)
#include "tst_newjob.moc"
