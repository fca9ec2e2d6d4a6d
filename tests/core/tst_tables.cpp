// Table grid operations and drawing: building, rescaling, counts, merging and splitting cells.
#include "document/StandardProperties.h"
#include "objects/ZR_ShapeTable.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

using namespace quill;

namespace {

std::unique_ptr<TZR_ShapeTable> makeTable(int width, int height, int columns = 3, int rows = 3)
{
    auto table = std::make_unique<TZR_ShapeTable>();
    table->setBounds(QRect(0, 0, width, height));
    table->setColumns(columns);
    table->setRows(rows);
    table->buildGrid();
    return table;
}

QList<int> widths(const TZR_ShapeTable &t)
{
    QList<int> out;
    for (qsizetype k = 0; k < qsizetype(t.columnsCnt().size()); ++k)
        out << TZR_ShapeTable::item(t.columnsCnt(), k)->width();
    return out;
}

QList<int> heights(const TZR_ShapeTable &t)
{
    QList<int> out;
    for (qsizetype k = 0; k < qsizetype(t.rowsCnt().size()); ++k)
        out << TZR_ShapeTable::item(t.rowsCnt(), k)->height();
    return out;
}

const TGridInfoItem &cell(const TZR_ShapeTable &t, int row, int column)
{
    return *TZR_ShapeTable::item(t.cellDatas(), qsizetype(row) * t.columns() + column);
}

// The invariants every grid operation keeps; an empty string when they hold.
QString brokenInvariant(const TZR_ShapeTable &t)
{
    if (!t.gridReady())
        return QStringLiteral("list lengths");
    int x = 1;
    for (int c = 0; c < t.columns(); ++c) {
        const TGridInfoItem &col = *TZR_ShapeTable::item(t.columnsCnt(), c);
        if (col.left() != x || col.column() != c)
            return QStringLiteral("column %1 at %2").arg(c).arg(col.left());
        x += col.width();
    }
    int y = 1;
    for (int r = 0; r < t.rows(); ++r) {
        const TGridInfoItem &row = *TZR_ShapeTable::item(t.rowsCnt(), r);
        if (row.top() != y || row.row() != r)
            return QStringLiteral("row %1 at %2").arg(r).arg(row.top());
        y += row.height();
    }
    for (int r = 0; r < t.rows(); ++r) {
        for (int c = 0; c < t.columns(); ++c) {
            const TGridInfoItem &k = cell(t, r, c);
            if (!k.useFlag())
                continue;
            int w = 0, h = 0;
            for (int i = 0; i < k.columnCnt(); ++i)
                w += TZR_ShapeTable::item(t.columnsCnt(), c + i)->width();
            for (int i = 0; i < k.rowCnt(); ++i)
                h += TZR_ShapeTable::item(t.rowsCnt(), r + i)->height();
            const TGridInfoItem &col = *TZR_ShapeTable::item(t.columnsCnt(), c);
            const TGridInfoItem &row = *TZR_ShapeTable::item(t.rowsCnt(), r);
            if (k.left() != col.left() || k.top() != row.top() || k.width() != w
                || k.height() != h || k.row() != r || k.column() != c)
                return QStringLiteral("cell %1,%2").arg(r).arg(c);
        }
    }
    return QString();
}

QImage draw(const TZR_ShapeTable &t)
{
    QImage image(t.bounds().width(), t.bounds().height(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    t.paint(painter, PaintContext());
    return image;
}

bool dark(const QImage &image, int x, int y)
{
    return qGray(image.pixel(x, y)) < 100;
}

} // namespace

class TestTables : public QObject {
    Q_OBJECT

private slots:
    void buildTilesInnerArea_data();
    void buildTilesInnerArea();
    void frameAndLines();
    void innerLinesSolidWhateverThePen();
    void selectedCellsHighlighted();
    void paintBuildsWithoutChangingTheObject();
    void rescaleOnResize();
    void zeroWidthRescaleRebuilds();
    void changeCounts_data();
    void changeCounts();
    void selectionKinds_data();
    void selectionKinds();
    void mergeHidesInnerLines();
    void splitRestoresCells();
    void shrinkingCutsMergedCells();
    void damagedListsAreRebuilt();
};

void TestTables::buildTilesInnerArea_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("columns");
    QTest::addColumn<QList<int>>("expected");
    QTest::newRow("152 / 3") << 152 << 3 << QList<int>{50, 50, 50};
    QTest::newRow("101 / 3") << 101 << 3 << QList<int>{33, 33, 33};
    QTest::newRow("102 / 3 spreads remainder") << 102 << 3 << QList<int>{33, 33, 34};
    QTest::newRow("9 / 4") << 9 << 4 << QList<int>{1, 2, 2, 2};
    QTest::newRow("narrower than the margins") << 1 << 2 << QList<int>{0, 0};
}

void TestTables::buildTilesInnerArea()
{
    QFETCH(int, width);
    QFETCH(int, columns);
    QFETCH(QList<int>, expected);
    auto t = makeTable(width, 62, columns, 3);
    QCOMPARE(widths(*t), expected);
    QCOMPARE(heights(*t), (QList<int>{20, 20, 20}));
    QCOMPARE(brokenInvariant(*t), QString());
    QCOMPARE(qsizetype(t->cellDatas().size()), qsizetype(columns) * 3);
    QCOMPARE(cell(*t, 2, columns - 1).rowCnt(), 1);
    QCOMPARE(cell(*t, 2, columns - 1).columnCnt(), 1);
}

void TestTables::frameAndLines()
{
    auto t = makeTable(152, 92);
    const QImage image = draw(*t);
    // The frame runs from (1, 1) to (151, 91), its right and bottom exclusive.
    QVERIFY(dark(image, 1, 45) && dark(image, 150, 45) && dark(image, 75, 1) && dark(image, 75, 90));
    QVERIFY(!dark(image, 0, 45) && !dark(image, 151, 45) && !dark(image, 75, 0));
    // Inner lines at the columns' and rows' edges; none elsewhere.
    QVERIFY(dark(image, 51, 45) && dark(image, 101, 45));
    QVERIFY(dark(image, 75, 31) && dark(image, 75, 61));
    QVERIFY(!dark(image, 75, 45) && !dark(image, 40, 15));
}

void TestTables::innerLinesSolidWhateverThePen()
{
    auto t = makeTable(152, 92);
    t->setPenStyle(psDash);
    const QImage image = draw(*t);
    int frameGaps = 0;
    for (int x = 2; x < 150; ++x)
        frameGaps += dark(image, x, 1) ? 0 : 1;
    QVERIFY(frameGaps > 10);
    for (int y = 2; y < 90; ++y)
        QVERIFY(dark(image, 51, y));
}

void TestTables::selectedCellsHighlighted()
{
    auto t = makeTable(152, 92);
    t->selectCells(QRect(1, 1, 1, 1));
    const QImage image = draw(*t);
    QCOMPARE(QColor(image.pixel(75, 45)), QColor(0xA6, 0xCA, 0xF0));
    QVERIFY(dark(image, 51, 45) && dark(image, 75, 31)); // the lines stay
    QCOMPARE(QColor(image.pixel(25, 15)), QColor(Qt::white));
    t->clearSelection();
    QCOMPARE(QColor(draw(*t).pixel(75, 45)), QColor(Qt::white));
}

void TestTables::paintBuildsWithoutChangingTheObject()
{
    TZR_ShapeTable t;
    t.setBounds(QRect(0, 0, 152, 92));
    const QImage image = draw(t);
    QVERIFY(dark(image, 51, 45));
    QVERIFY(t.columnsCnt().empty() && t.rowsCnt().empty() && t.cellDatas().empty());
}

void TestTables::rescaleOnResize()
{
    auto t = makeTable(152, 62);
    t->setBounds(QRect(10, 10, 302, 62));
    QCOMPARE(widths(*t), (QList<int>{100, 100, 100}));
    QCOMPARE(heights(*t), (QList<int>{20, 20, 20}));
    QCOMPARE(brokenInvariant(*t), QString());
    // Truncation may leave the last column short of the border, never past it.
    t->setBounds(QRect(10, 10, 302, 31));
    QCOMPARE(heights(*t), (QList<int>{9, 9, 9}));
    t->setBounds(QRect(10, 10, 200, 31));
    QCOMPARE(widths(*t), (QList<int>{66, 66, 66}));
    QCOMPARE(brokenInvariant(*t), QString());
}

void TestTables::zeroWidthRescaleRebuilds()
{
    auto t = makeTable(152, 62);
    t->setBounds(QRect(0, 0, 2, 62));
    QCOMPARE(widths(*t), (QList<int>{0, 0, 0}));
    t->setBounds(QRect(0, 0, 152, 62));
    QCOMPARE(widths(*t), (QList<int>{50, 50, 50}));
    QCOMPARE(brokenInvariant(*t), QString());
    t->setBounds(QRect(0, 0, 152, 1));
    t->setBounds(QRect(0, 0, 152, 32));
    QCOMPARE(heights(*t), (QList<int>{10, 10, 10}));
}

void TestTables::changeCounts_data()
{
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QList<int>>("widths");
    QTest::addColumn<QList<int>>("heights");
    // 152 x 62, 3 x 3 to start with: columns 50 wide, rows 20 high.
    QTest::newRow("5 columns split the last") << 5 << 3 << QList<int>{50, 50, 16, 16, 16}
                                              << QList<int>{20, 20, 20};
    QTest::newRow("0 columns means 1") << 0 << 3 << QList<int>{150} << QList<int>{20, 20, 20};
    QTest::newRow("2 columns stretch") << 2 << 3 << QList<int>{75, 75} << QList<int>{20, 20, 20};
    QTest::newRow("4 rows") << 3 << 4 << QList<int>{50, 50, 50} << QList<int>{20, 20, 10, 10};
    QTest::newRow("1 row") << 3 << 1 << QList<int>{50, 50, 50} << QList<int>{60};
    QTest::newRow("both grow") << 4 << 5 << QList<int>{50, 50, 25, 25}
                               << QList<int>{20, 20, 6, 6, 6};
}

void TestTables::changeCounts()
{
    QFETCH(int, columns);
    QFETCH(int, rows);
    QFETCH(QList<int>, widths);
    QFETCH(QList<int>, heights);
    auto t = makeTable(152, 62);
    t->changeColumns(columns);
    t->changeRows(rows);
    QCOMPARE(::widths(*t), widths);
    QCOMPARE(::heights(*t), heights);
    QCOMPARE(t->columns(), int(widths.size()));
    QCOMPARE(t->rows(), int(heights.size()));
    QCOMPARE(brokenInvariant(*t), QString());
    for (const auto &c : t->cellDatas())
        QVERIFY(static_cast<const TGridInfoItem &>(*c).useFlag());
}

void TestTables::selectionKinds_data()
{
    QTest::addColumn<QRect>("range");
    QTest::addColumn<int>("flag");
    QTest::addColumn<int>("selected");
    QTest::newRow("one cell") << QRect(1, 1, 1, 1) << int(wdDivide) << 1;
    QTest::newRow("two by two") << QRect(0, 0, 2, 2) << int(wdWeld) << 4;
    QTest::newRow("whole merged cell") << QRect(0, 2, 2, 1) << int(wdDivide) << 1;
    QTest::newRow("merged cell and a neighbour") << QRect(0, 2, 3, 1) << int(wdWeld) << 2;
    QTest::newRow("cuts through a merged cell") << QRect(1, 1, 1, 2) << int(wdNone) << 2;
    QTest::newRow("outside") << QRect(5, 5, 1, 1) << int(wdNone) << 0;
}

void TestTables::selectionKinds()
{
    QFETCH(QRect, range);
    QFETCH(int, flag);
    QFETCH(int, selected);
    auto t = makeTable(152, 62);
    t->selectCells(QRect(0, 2, 2, 1)); // merge the first two cells of the last row
    QVERIFY(t->mergeSelectedCells());
    t->selectCells(range);
    QCOMPARE(t->weldDivideFlag(), flag);
    int count = 0;
    for (const auto &c : t->cellDatas())
        count += static_cast<const TGridInfoItem &>(*c).selected() ? 1 : 0;
    QCOMPARE(count, selected);
}

void TestTables::mergeHidesInnerLines()
{
    auto t = makeTable(152, 92);
    t->selectCells(QRect(0, 0, 2, 2));
    QCOMPARE(t->weldDivideFlag(), int(wdWeld));
    QVERIFY(t->mergeSelectedCells());
    QCOMPARE(cell(*t, 0, 0).columnCnt(), 2);
    QCOMPARE(cell(*t, 0, 0).rowCnt(), 2);
    QCOMPARE(cell(*t, 0, 0).width(), 100);
    QCOMPARE(cell(*t, 0, 0).height(), 60);
    QVERIFY(!cell(*t, 0, 1).useFlag() && !cell(*t, 1, 0).useFlag() && !cell(*t, 1, 1).useFlag());
    QCOMPARE(brokenInvariant(*t), QString());
    t->clearSelection();
    const QImage image = draw(*t);
    QVERIFY(!dark(image, 51, 15) && !dark(image, 51, 45)); // no line between merged columns
    QVERIFY(!dark(image, 25, 31) && !dark(image, 75, 31)); // nor between merged rows
    QVERIFY(dark(image, 101, 15) && dark(image, 51, 75) && dark(image, 25, 61));
    QVERIFY(dark(image, 125, 31));
    // A second merge of the same cell is refused.
    QVERIFY(!t->mergeSelectedCells());
}

void TestTables::splitRestoresCells()
{
    auto t = makeTable(152, 92);
    t->selectCells(QRect(1, 0, 2, 3));
    QVERIFY(t->mergeSelectedCells());
    QCOMPARE(t->weldDivideFlag(), int(wdDivide));
    QVERIFY(t->splitSelectedCells());
    for (const auto &c : t->cellDatas()) {
        const auto &k = static_cast<const TGridInfoItem &>(*c);
        QVERIFY(k.useFlag() && k.columnCnt() == 1 && k.rowCnt() == 1);
    }
    QCOMPARE(t->weldDivideFlag(), int(wdWeld));
    QCOMPARE(brokenInvariant(*t), QString());
    t->clearSelection();
    QVERIFY(dark(draw(*t), 101, 45));
    QVERIFY(!t->splitSelectedCells());
}

void TestTables::shrinkingCutsMergedCells()
{
    auto t = makeTable(152, 92);
    t->selectCells(QRect(0, 0, 3, 3));
    QVERIFY(t->mergeSelectedCells());
    t->changeColumns(2);
    t->changeRows(1);
    QCOMPARE(cell(*t, 0, 0).columnCnt(), 2);
    QCOMPARE(cell(*t, 0, 0).rowCnt(), 1);
    QVERIFY(!cell(*t, 0, 1).useFlag());
    QCOMPARE(brokenInvariant(*t), QString());
    // Growing again adds plain cells beside the merged one.
    t->changeColumns(3);
    QVERIFY(cell(*t, 0, 2).useFlag());
    QCOMPARE(brokenInvariant(*t), QString());
}

void TestTables::damagedListsAreRebuilt()
{
    auto t = makeTable(152, 62);
    t->columnsCnt().pop_back(); // as a damaged document might bring it
    t->cellDatas().pop_back();
    QVERIFY(!t->gridReady());
    const QImage image = draw(*t); // draws a whole grid instead of reading past the lists
    QVERIFY(dark(image, 101, 10));
    t->buildGrid();
    QCOMPARE(widths(*t), (QList<int>{50, 50, 50}));
    QCOMPARE(brokenInvariant(*t), QString());
}

QTEST_MAIN(TestTables)
#include "tst_tables.moc"
