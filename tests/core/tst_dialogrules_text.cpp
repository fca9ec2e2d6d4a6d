// The rules behind the serial number and honorific dialogs: which ranges are refused, what a
// confirmed serial number holds and counts, and which labels an honorific pair reaches.
#include "objects/SerialNumberSettings.h"
#include "objects/ZR_ADDHono.h"
#include "objects/ZR_GuideLabel.h"
#include "objects/ZR_SerialNumber.h"

#include <QtTest>

#include <limits>

using namespace quill;

Q_DECLARE_METATYPE(quill::SerialRangeProblem)
Q_DECLARE_METATYPE(quill::ADDHonoProblem)

namespace {

// The numbers a print run shows: the current one, then one per successful advance (bounded).
QList<qint32> runOf(TZR_SerialNumber &number, int limit = 100)
{
    QList<qint32> shown {number.startNum()};
    while (number.advance() && shown.size() < limit)
        shown << number.startNum();
    return shown;
}

} // namespace

class TestDialogRulesText : public QObject {
    Q_OBJECT
private slots:
    void rangeCheck_data();
    void rangeCheck();
    void acceptedRangesEndTheRun_data();
    void acceptedRangesEndTheRun();
    void everyAcceptedRangeEnds();
    void settingsRestartACountedNumber();
    void honorificCheck_data();
    void honorificCheck();
    void honorificReachesItsFieldOnly();
};

void TestDialogRulesText::rangeCheck_data()
{
    QTest::addColumn<qint32>("start");
    QTest::addColumn<qint32>("end");
    QTest::addColumn<qint32>("step");
    QTest::addColumn<SerialRangeProblem>("problem");
    constexpr qint32 lo = std::numeric_limits<qint32>::min();
    constexpr qint32 hi = std::numeric_limits<qint32>::max();
    QTest::newRow("rising") << 1 << 3 << 1 << SerialRangeProblem::None;
    QTest::newRow("falling") << 10 << 1 << -3 << SerialRangeProblem::None;
    QTest::newRow("single number") << 5 << 5 << 1 << SerialRangeProblem::None;
    QTest::newRow("single number, negative step") << 5 << 5 << -2 << SerialRangeProblem::None;
    QTest::newRow("step 0") << 1 << 3 << 0 << SerialRangeProblem::ZeroStep;
    QTest::newRow("step 0, single number") << 5 << 5 << 0 << SerialRangeProblem::ZeroStep;
    QTest::newRow("rising range, falling step")
        << 1 << 3 << -1 << SerialRangeProblem::StepAwayFromEnd;
    QTest::newRow("falling range, rising step")
        << 10 << 1 << 3 << SerialRangeProblem::StepAwayFromEnd;
    QTest::newRow("whole 32-bit range") << lo << hi << 1000 << SerialRangeProblem::None;
    QTest::newRow("whole range downwards") << hi << lo << -1000 << SerialRangeProblem::None;
}

void TestDialogRulesText::rangeCheck()
{
    QFETCH(qint32, start);
    QFETCH(qint32, end);
    QFETCH(qint32, step);
    QFETCH(SerialRangeProblem, problem);
    QCOMPARE(checkSerialRange(start, end, step), problem);
}

void TestDialogRulesText::acceptedRangesEndTheRun_data()
{
    QTest::addColumn<qint32>("start");
    QTest::addColumn<qint32>("end");
    QTest::addColumn<qint32>("step");
    QTest::addColumn<QList<qint32>>("shown");
    QTest::addColumn<qint32>("after"); // StartNum once the run has ended
    QTest::newRow("1 to 3") << 1 << 3 << 1 << QList<qint32> {1, 2, 3} << 1;
    QTest::newRow("10 to 1 by -3") << 10 << 1 << -3 << QList<qint32> {10, 7, 4, 1} << 10;
    // The step would pass the end: the run ends on 9 and printing resets the number itself.
    QTest::newRow("1 to 10 by 4 stops short") << 1 << 10 << 4 << QList<qint32> {1, 5, 9} << 9;
    QTest::newRow("5 to 5") << 5 << 5 << 1 << QList<qint32> {5} << 5;
    constexpr qint32 hi = std::numeric_limits<qint32>::max();
    QTest::newRow("top of the 32-bit range")
        << hi - 2 << hi << 1000 << QList<qint32> {hi - 2} << hi - 2;
}

// A confirmed range prints its numbers, then the run ends.
void TestDialogRulesText::acceptedRangesEndTheRun()
{
    QFETCH(qint32, start);
    QFETCH(qint32, end);
    QFETCH(qint32, step);
    QFETCH(QList<qint32>, shown);
    QFETCH(qint32, after);
    TZR_SerialNumber number;
    applySerialSettings(number, {QStringLiteral("A-"), QStringLiteral("호"), start, end, step});
    QCOMPARE(number.imsiSerialNum(), start);
    QCOMPARE(number.rising(), start < end);
    QCOMPARE(number.displayText(), QStringLiteral("A-%1호").arg(start));
    QCOMPARE(runOf(number), shown);
    QCOMPARE(number.startNum(), after);
}

// Whatever the dialog lets through ends a print run by itself, and whatever it refuses is what
// printing would refuse too.
void TestDialogRulesText::everyAcceptedRangeEnds()
{
    for (qint32 start = -4; start <= 4; ++start) {
        for (qint32 end = -4; end <= 4; ++end) {
            for (qint32 step = -3; step <= 3; ++step) {
                const QByteArray where
                    = QStringLiteral("%1 to %2 by %3").arg(start).arg(end).arg(step).toUtf8();
                TZR_SerialNumber number;
                applySerialSettings(number, {QString(), QString(), start, end, step});
                const bool accepted
                    = checkSerialRange(start, end, step) == SerialRangeProblem::None;
                if (start != end)
                    QVERIFY2(number.canReachEnd() == accepted, where.constData());
                if (!accepted)
                    continue;
                // Every number of the range that the step meets, and nothing past the end.
                QVERIFY2(
                    runOf(number).size() == qAbs(end - start) / qAbs(step) + 1, where.constData());
            }
        }
    }
}

// Confirming the dialog in the middle of a run starts the range again at the new start.
void TestDialogRulesText::settingsRestartACountedNumber()
{
    TZR_SerialNumber number;
    applySerialSettings(number, {QString(), QString(), 1, 9, 2});
    number.advance();
    number.advance();
    QCOMPARE(number.startNum(), 5);
    SerialNumberSettings s = SerialNumberSettings::of(number);
    QCOMPARE(s.start, 5); // the dialog opens on the current number
    QCOMPARE(s.end, 9);
    QCOMPARE(s.step, 2);
    s.end = 1;
    s.step = -1;
    applySerialSettings(number, s);
    QCOMPARE(number.imsiSerialNum(), 5);
    QVERIFY(!number.rising());
    QCOMPARE(runOf(number), (QList<qint32> {5, 4, 3, 2, 1}));
}

void TestDialogRulesText::honorificCheck_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<ADDHonoProblem>("problem");
    QTest::newRow("both") << "이름"
                          << "님" << ADDHonoProblem::None;
    QTest::newRow("no field") << ""
                              << "님" << ADDHonoProblem::NoField;
    QTest::newRow("no field, no text") << ""
                                       << "" << ADDHonoProblem::NoField;
    QTest::newRow("no text") << "이름"
                             << "" << ADDHonoProblem::EmptyText;
    QTest::newRow("a space is a text") << "이름"
                                       << " " << ADDHonoProblem::None;
}

void TestDialogRulesText::honorificCheck()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(ADDHonoProblem, problem);
    QCOMPARE(checkADDHono({field, text}), problem);
}

void TestDialogRulesText::honorificReachesItsFieldOnly()
{
    TZR_GuideLabel name;
    name.setFieldName(QStringLiteral("이름"));
    TZR_GuideLabel address;
    address.setFieldName(QStringLiteral("주소"));
    address.setAddHono(QStringLiteral("귀하"));
    TZR_GuideLabel unbound;
    TZR_SerialNumber number;
    number.setFieldName(QStringLiteral("이름"));

    const TZR_ADDHono pair {QStringLiteral("이름"), QStringLiteral("님")};
    QVERIFY(applyADDHono(name, pair));
    QVERIFY(!applyADDHono(address, pair));
    QVERIFY(!applyADDHono(unbound, pair));
    QVERIFY(!applyADDHono(unbound, {QString(), QStringLiteral("님")}));
    QVERIFY(applyADDHono(number, pair));
    QCOMPARE(name.addHono(), QStringLiteral("님"));
    QCOMPARE(address.addHono(), QStringLiteral("귀하"));
    QCOMPARE(unbound.addHono(), QString());
    QCOMPARE(number.addHono(), QStringLiteral("님"));
    // The field name is matched as the data list spells it.
    QVERIFY(!applyADDHono(name, {QStringLiteral("NAME"), QStringLiteral("씨")}));
}

QTEST_GUILESS_MAIN(TestDialogRulesText)
#include "tst_dialogrules_text.moc"
