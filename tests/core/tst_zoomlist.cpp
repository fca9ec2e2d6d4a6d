// The zoom box's list: reading typed zooms, stepping in and out, the list and menu values.
#include "editing/ZoomList.h"

#include <QtTest>

using namespace quill;

class TestZoomList : public QObject {
    Q_OBJECT
private slots:
    void parse_data();
    void parse();
    void stepping_data();
    void stepping();
    void listTexts();
};

void TestZoomList::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("zoom"); // 0: refused

    QTest::newRow("list entry") << "150 %" << 150;
    QTest::newRow("bare number") << "150" << 150;
    QTest::newRow("percent without blank") << "150%" << 150;
    QTest::newRow("blanks around") << "  75 %  " << 75;
    QTest::newRow("lowest") << "10" << 10;
    QTest::newRow("highest") << "1000 %" << 1000;
    QTest::newRow("leading zeros") << "0080" << 80;
    QTest::newRow("below range") << "9" << 0;
    QTest::newRow("zero") << "0 %" << 0;
    QTest::newRow("above range") << "1001" << 0;
    QTest::newRow("huge") << "99999999999999" << 0;
    QTest::newRow("negative") << "-50" << 0;
    QTest::newRow("plus sign") << "+50" << 0;
    // Reading only the first characters would take these as 15, 100 and 12.
    QTest::newRow("letter inside") << "15O" << 0;
    QTest::newRow("four characters") << "1005" << 0;
    QTest::newRow("trailing text") << "120 %x" << 0;
    QTest::newRow("decimal") << "150.5" << 0;
    QTest::newRow("two percent signs") << "150 %%" << 0;
    QTest::newRow("percent only") << "%" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("full-width digits") << QStringLiteral("１５０") << 0;
}

void TestZoomList::parse()
{
    QFETCH(QString, text);
    QFETCH(int, zoom);
    const Result<int> result = ZoomList::parse(text);
    QCOMPARE(result.ok(), zoom != 0);
    if (zoom != 0) {
        QCOMPARE(result.value(), zoom);
    } else {
        // The user is told in Korean what is accepted.
        QVERIFY(result.error().message.contains(QStringLiteral("1000")));
        QVERIFY(result.error().message.contains(QStringLiteral("배율")));
    }
}

void TestZoomList::stepping_data()
{
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("in");  // 0: nothing
    QTest::addColumn<int>("out"); // 0: nothing

    QTest::newRow("100") << 100 << 150 << 80;
    QTest::newRow("first entry") << 60 << 80 << 0;
    QTest::newRow("last entry") << 300 << 0 << 250;
    QTest::newRow("menu 140 between entries") << 140 << 150 << 100;
    QTest::newRow("menu 180") << 180 << 200 << 150;
    QTest::newRow("below the list") << 10 << 60 << 0;
    QTest::newRow("above the list") << 1000 << 0 << 300;
    QTest::newRow("just above an entry") << 61 << 80 << 60;
}

void TestZoomList::stepping()
{
    QFETCH(int, current);
    QFETCH(int, in);
    QFETCH(int, out);
    QCOMPARE(ZoomList::zoomIn(current).value_or(0), in);
    QCOMPARE(ZoomList::zoomOut(current).value_or(0), out);
}

void TestZoomList::listTexts()
{
    QCOMPARE(ZoomList::texts(),
             QStringList({QStringLiteral("60 %"), QStringLiteral("80 %"), QStringLiteral("100 %"),
                          QStringLiteral("150 %"), QStringLiteral("200 %"),
                          QStringLiteral("250 %"), QStringLiteral("300 %")}));
    // Every text the box offers and every View menu item reads back as its own zoom.
    QList<int> all = ZoomList::values() + ZoomList::zoomInMenuValues()
        + ZoomList::zoomOutMenuValues();
    for (int zoom : all)
        QCOMPARE(ZoomList::parse(ZoomList::text(zoom)).value(), zoom);
}

QTEST_GUILESS_MAIN(TestZoomList)
#include "tst_zoomlist.moc"
