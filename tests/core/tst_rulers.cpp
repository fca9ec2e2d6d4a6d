// Ruler ticks and the pointer read-out: positions at every zoom and scroll, units and labels.
#include "editing/RulerScale.h"

#include <QtTest>

using namespace quill;
using namespace quill::RulerScale;

namespace {

// The first tick with the given label, or a tick at -1.
Tick labelled(const QList<Tick> &ticks, const QString &label)
{
    for (const Tick &tick : ticks) {
        if (tick.label == label)
            return tick;
    }
    return {-1, 0, {}};
}

} // namespace

class TestRulers : public QObject {
    Q_OBJECT
private slots:
    void labelledTicks_data();
    void labelledTicks();
    void tickLengths();
    void visibleStretchOnly();
    void readout_data();
    void readout();
};

void TestRulers::labelledTicks_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("zoom");
    QTest::addColumn<int>("origin");
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("position");

    // 1 cm is 10 x 96 / 25.4 = 37.8 model pixels.
    QTest::newRow("mm 0 at origin") << int(muMilimeter) << 100 << 0 << "0" << 0;
    QTest::newRow("mm 1 cm at 100") << int(muMilimeter) << 100 << 0 << "1" << 38;
    QTest::newRow("mm 1 cm at 200") << int(muMilimeter) << 200 << 0 << "1" << 76;
    QTest::newRow("mm 5 cm at 60") << int(muMilimeter) << 60 << 0 << "5" << 113;
    QTest::newRow("mm scrolled") << int(muMilimeter) << 200 << -50 << "1" << 26;
    QTest::newRow("mm origin moved right") << int(muMilimeter) << 100 << 7 << "2" << 83;
    QTest::newRow("inch 1 at 100") << int(muInch) << 100 << 0 << "1" << 96;
    QTest::newRow("inch 2 at 100") << int(muInch) << 100 << 0 << "2" << 192;
    QTest::newRow("inch 1 at 200") << int(muInch) << 200 << 0 << "1" << 192;
    QTest::newRow("inch 3 at 300 scrolled") << int(muInch) << 300 << -500 << "3" << 364;
}

void TestRulers::labelledTicks()
{
    QFETCH(int, unit);
    QFETCH(int, zoom);
    QFETCH(int, origin);
    QFETCH(QString, label);
    QFETCH(int, position);
    const QList<Tick> list = ticks(TMeasureUnit(unit), zoom, origin, 0, 2000);
    QCOMPARE(labelled(list, label).position, position);
    // Ticks are in order and never before the visible start.
    for (qsizetype i = 1; i < list.size(); ++i)
        QVERIFY(list.at(i).position >= list.at(i - 1).position);
    QVERIFY(list.first().position >= 0);
}

void TestRulers::tickLengths()
{
    const QList<Tick> mm = ticks(muMilimeter, 100, 0, 0, 60);
    QCOMPARE(mm.at(0).length, 15); // centimetre
    QCOMPARE(mm.at(1).length, 5);  // millimetre
    QCOMPARE(mm.at(5).length, 10); // half centimetre
    QCOMPARE(mm.at(10).length, 15);
    QCOMPARE(mm.at(10).label, QStringLiteral("1"));
    QVERIFY(mm.at(5).label.isEmpty());

    const QList<Tick> inch = ticks(muInch, 100, 0, 0, 200);
    QCOMPARE(inch.at(0).length, 20);
    QVERIFY(inch.at(0).label.isEmpty()); // the inch scale writes no 0
    QCOMPARE(inch.at(1).length, 5);      // twelfth
    QCOMPARE(inch.at(3).length, 10);     // quarter
    QCOMPARE(inch.at(6).length, 15);     // half
    QCOMPARE(inch.at(12).length, 20);    // inch
    QCOMPARE(inch.at(12).position, 96);
    QCOMPARE(inch.at(1).position, 8);
}

void TestRulers::visibleStretchOnly()
{
    // Scrolled far into a big cell at 1000 %: only the stretch asked for is computed, and its
    // ticks agree with those of the whole ruler.
    const QList<Tick> all = ticks(muMilimeter, 1000, -20000, 0, 2000);
    const QList<Tick> part = ticks(muMilimeter, 1000, -20000, 500, 700);
    QVERIFY(!part.isEmpty());
    for (const Tick &tick : part) {
        QVERIFY(tick.position >= 500 && tick.position < 700);
        QVERIFY(std::any_of(all.cbegin(), all.cend(), [&](const Tick &t) {
            return t.position == tick.position && t.length == tick.length && t.label == tick.label;
        }));
    }
    // Nothing left of the cell's zero.
    QVERIFY(ticks(muMilimeter, 100, 300, 0, 200).isEmpty());
}

void TestRulers::readout_data()
{
    QTest::addColumn<QPointF>("cell");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("text");

    QTest::newRow("one inch in mm") << QPointF(96, 0) << int(muMilimeter) << " X : 25.4  Y : 0";
    QTest::newRow("one inch") << QPointF(96, 48) << int(muInch) << " X : 1  Y : 0.5";
    QTest::newRow("three digits") << QPointF(100, 10) << int(muMilimeter)
                                  << " X : 26.5  Y : 2.65";
    QTest::newRow("a third inch") << QPointF(32, 0) << int(muInch) << " X : 0.333  Y : 0";
    QTest::newRow("hundreds of mm") << QPointF(1000, 2000) << int(muMilimeter)
                                    << " X : 265  Y : 529";
    QTest::newRow("left of the cell") << QPointF(-9.6, 0) << int(muMilimeter)
                                      << " X : -2.54  Y : 0";
    QTest::newRow("beyond 1000 mm") << QPointF(4000, 0) << int(muMilimeter)
                                    << " X : 1058  Y : 0";
}

void TestRulers::readout()
{
    QFETCH(QPointF, cell);
    QFETCH(int, unit);
    QFETCH(QString, text);
    QCOMPARE(pointerReadoutText(cell, TMeasureUnit(unit)), text);
}

QTEST_GUILESS_MAIN(TestRulers)
#include "tst_rulers.moc"
