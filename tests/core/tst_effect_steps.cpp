// Tests of the list effects run in steps: same pictures as the one-piece run, progress counts
// and stopping between steps.
#include "imaging/EffectSteps.h"
#include "imaging/PixelEffects.h"

#include <QTest>

using namespace quill;

namespace {

QImage numbered(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB888);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x)
            image.setPixelColor(x, y, QColor(x * 13 % 256, y * 7 % 256, (x * y) % 256));
    }
    return image;
}

} // namespace

class TestEffectSteps : public QObject {
    Q_OBJECT
private slots:
    void sameAsOnePieceRun_data();
    void sameAsOnePieceRun();
    void stopsBetweenSteps();
};

void TestEffectSteps::sameAsOnePieceRun_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<int>("p");
    QTest::addColumn<int>("steps");
    const QStringList &entries = effectListEntries();
    for (int entry = 0; entry < entries.size(); ++entry) {
        if (entries[entry].contains(QLatin1String("Noise")))
            continue; // drawn at random: compared by the noise tests themselves
        const int p = 23;
        const bool repeated = entries[entry] == QLatin1String("Antialias")
            || entries[entry] == QLatin1String("Emboss");
        const int steps = entries[entry] == QLatin1String("Gaussian Blur") ? p + 1
            : repeated ? p : 1;
        QTest::addRow("%s", qPrintable(entries[entry])) << entry << p << steps;
    }
    QTest::newRow("outside the list") << 99 << 5 << 1;
}

void TestEffectSteps::sameAsOnePieceRun()
{
    QFETCH(int, entry);
    QFETCH(int, p);
    QFETCH(int, steps);
    QCOMPARE(listEffectSteps(entry, p), steps);

    QImage whole = numbered(37, 29).convertToFormat(QImage::Format_RGB32);
    QImage stepped = whole;
    applyListEffect(whole, entry, p);
    QList<int> seen;
    QVERIFY(applyListEffectInSteps(stepped, entry, p, [&](int done, int total) {
        seen.append(done);
        return total == steps;
    }));
    QCOMPARE(stepped.format(), whole.format());
    QCOMPARE(stepped, whole);
    QCOMPARE(seen.size(), steps);
    QCOMPARE(seen.last(), steps);
}

void TestEffectSteps::stopsBetweenSteps()
{
    // Emboss 40 times, stopped after the third: exactly three embosses were applied.
    const int entry = int(effectListEntries().indexOf(QStringLiteral("Emboss")));
    QImage picture = numbered(20, 20);
    QImage threeTimes = picture;
    for (int i = 0; i < 3; ++i)
        Effect_Emboss(threeTimes);
    int calls = 0;
    QVERIFY(!applyListEffectInSteps(picture, entry, 40, [&](int done, int) {
        ++calls;
        return done < 3;
    }));
    QCOMPARE(calls, 3);
    QCOMPARE(picture, threeTimes);
}

QTEST_GUILESS_MAIN(TestEffectSteps)
#include "tst_effect_steps.moc"
