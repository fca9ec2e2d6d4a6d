// The manager's search and sort over a list's rows: what a search finds, how each kind of field
// orders (numbers, text holding numbers, dates, Korean text), ties, direction and empty cells,
// and sorting a search's result.
#include "datalists/RowOrder.h"

#include <QCollator>
#include <QRandomGenerator>
#include <QtTest>

using namespace quill;
using namespace Qt::StringLiterals;

namespace {

// A list of one field (plus a row number field, so that rows stay told apart).
DataTable column(FieldType type, const QVariantList &values)
{
    DataTable t;
    t.fields = {{u"값"_s, type, 20}, {u"No"_s, FieldType::Integer, 0}};
    for (int i = 0; i < values.size(); ++i)
        t.rows.append({values.at(i), i});
    return t;
}

QVariantList texts(const QString &joined)
{
    QVariantList out;
    for (const QString &text : joined.split(u'|'))
        out.append(text.isEmpty() ? QVariant() : QVariant(text));
    return out;
}

} // namespace

class TestRowOrder : public QObject {
    Q_OBJECT
private slots:
    void search_data();
    void search();
    void searchOutOfRangeFieldFindsNothing();
    void sort_data();
    void sort();
    void sortsGivenRowsOnly();
    void textOrderAgreesWithCollator_data();
    void textOrderAgreesWithCollator();
};

void TestRowOrder::search_data()
{
    QTest::addColumn<QString>("values");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("found");

    QTest::newRow("contains anywhere") << u"A12|312|1x2|12"_s << u"12"_s << QList<int>{0, 1, 3};
    QTest::newRow("letter case ignored") << u"Seoul|SEOUL-gu|busan|seoULs"_s << u"seoul"_s
                                         << QList<int>{0, 1, 3};
    QTest::newRow("Korean part of a word") << u"서울 강남구|부산 해운대구|강남대로"_s << u"강남"_s
                                           << QList<int>{0, 2};
    QTest::newRow("empty text gives every row") << u"a||c"_s << QString() << QList<int>{0, 1, 2};
    QTest::newRow("no match") << u"a|b"_s << u"z"_s << QList<int>{};
    QTest::newRow("taken literally, no wildcards") << u"100%|1000|a_b|ab"_s << u"0%"_s << QList<int>{0};
}

void TestRowOrder::search()
{
    QFETCH(QString, values);
    QFETCH(QString, text);
    QFETCH(QList<int>, found);
    QCOMPARE(searchRows(column(FieldType::Text, texts(values)), 0, text), found);
}

void TestRowOrder::searchOutOfRangeFieldFindsNothing()
{
    const DataTable t = column(FieldType::Text, texts(u"a|b"_s));
    QVERIFY(searchRows(t, 5, u"a"_s).isEmpty());
    QVERIFY(searchRows(t, -1, QString()).isEmpty());
}

void TestRowOrder::sort_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QVariantList>("values");
    QTest::addColumn<bool>("descending");
    QTest::addColumn<QList<int>>("order");

    const int text = int(FieldType::Text);
    QTest::newRow("text holding numbers: 2 before 10")
        << text << texts(u"10|2|-1|1.5|100"_s) << false << QList<int>{2, 3, 1, 0, 4};
    QTest::newRow("text holding numbers, blanks first")
        << text << texts(u"10||2| 3 "_s) << false << QList<int>{1, 2, 3, 0};
    QTest::newRow("mixed text: digits inside read as numbers")
        << text << texts(u"a10|a2|A1|b"_s) << false << QList<int>{2, 1, 0, 3};
    QTest::newRow("Korean dictionary order")
        << text << texts(u"하늘|가방|나무|다리|강"_s) << false << QList<int>{1, 4, 2, 3, 0};
    QTest::newRow("Korean descending")
        << text << texts(u"하늘|가방|나무"_s) << true << QList<int>{0, 2, 1};
    QTest::newRow("ties keep file order ascending")
        << text << texts(u"b|a|b|a|b"_s) << false << QList<int>{1, 3, 0, 2, 4};
    QTest::newRow("ties keep file order descending")
        << text << texts(u"b|a|b|a|b"_s) << true << QList<int>{0, 2, 4, 1, 3};
    QTest::newRow("letter case alone is a tie")
        << text << texts(u"B|a|b|A"_s) << false << QList<int>{1, 3, 0, 2};
    QTest::newRow("empties first ascending")
        << text << texts(u"나||가|"_s) << false << QList<int>{1, 3, 2, 0};
    QTest::newRow("empties last descending")
        << text << texts(u"나||가|"_s) << true << QList<int>{0, 2, 1, 3};
    QTest::newRow("integer field")
        << int(FieldType::Integer) << QVariantList{30, QVariant(), -5, 4, 30} << false
        << QList<int>{1, 2, 3, 0, 4};
    QTest::newRow("integer field descending, ties in order")
        << int(FieldType::Integer) << QVariantList{30, QVariant(), -5, 4, 30} << true
        << QList<int>{0, 4, 3, 2, 1};
    QTest::newRow("float field given as text")
        << int(FieldType::Float) << QVariantList{u"2.5"_s, u"10"_s, 0.25} << false << QList<int>{2, 0, 1};
    QTest::newRow("dates chronologically, not as text")
        << int(FieldType::Date)
        << QVariantList{QDate(2024, 3, 1), QDate(2023, 12, 31), QVariant(), QDate(2024, 2, 29)} << false
        << QList<int>{2, 1, 3, 0};
    QTest::newRow("date-times with times of one day")
        << int(FieldType::DateTime)
        << QVariantList{QDateTime(QDate(2024, 1, 1), QTime(13, 5)), QDateTime(QDate(2024, 1, 1), QTime(9, 0)),
               u"2023-06-01T00:00:00"_s}
        << false << QList<int>{2, 1, 0};
}

void TestRowOrder::sort()
{
    QFETCH(int, type);
    QFETCH(QVariantList, values);
    QFETCH(bool, descending);
    QFETCH(QList<int>, order);
    QCOMPARE(sortedRows(column(FieldType(type), values), 0, descending, {}), order);
}

void TestRowOrder::sortsGivenRowsOnly()
{
    const DataTable t = column(FieldType::Text, texts(u"다|가|라|나|마"_s));
    // A search's rows sorted: only those, rows out of range dropped.
    QCOMPARE(sortedRows(t, 0, false, {4, 0, 3, 99}), (QList<int>{3, 0, 4}));
    // Every row when none are given.
    QCOMPARE(sortedRows(t, 0, false, {}), (QList<int>{1, 3, 0, 2, 4}));
    // An unknown field leaves the rows as given.
    QCOMPARE(sortedRows(t, 7, false, {2, 1}), (QList<int>{2, 1}));
    // Whether text holds numbers is judged on the rows sorted: rows 1 and 3 are numbers.
    const DataTable mixed = column(FieldType::Text, texts(u"x|10|y|9"_s));
    QCOMPARE(sortedRows(mixed, 0, false, {1, 3}), (QList<int>{3, 1}));
}

void TestRowOrder::textOrderAgreesWithCollator_data()
{
    QTest::addColumn<QString>("alphabet");
    QTest::addColumn<bool>("descending");
    // Hangul with and without final letters, digits with leading zeros, letters of both cases,
    // blanks: the texts most lists hold.
    const QString plain = u" 0019aBzZ가각갂나하힣뷁까아"_s;
    QTest::newRow("Hangul, letters, digits") << plain << false;
    QTest::newRow("Hangul, letters, digits, descending") << plain << true;
    QTest::newRow("with punctuation and other scripts") << plain + u"-.,()é漢ア"_s << false;
}

// Random texts sorted must come out in the Korean collator's order (numbers by value, case
// ignored), ties in file order.
void TestRowOrder::textOrderAgreesWithCollator()
{
    QFETCH(QString, alphabet);
    QFETCH(bool, descending);
    QRandomGenerator random(20240501);
    QVariantList values;
    for (int i = 0; i < 3000; ++i) {
        QString text;
        const int length = random.bounded(7);
        for (int c = 0; c < length; ++c)
            text += alphabet.at(random.bounded(int(alphabet.size())));
        values.append(text.isEmpty() ? QVariant() : QVariant(text));
    }
    const DataTable t = column(FieldType::Text, values);
    const QList<int> order = sortedRows(t, 0, descending, {});
    QCOMPARE(order.size(), values.size());
    QCollator collator(QLocale(QLocale::Korean, QLocale::SouthKorea));
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    for (int i = 1; i < order.size(); ++i) {
        const QString before = t.text(order.at(i - 1), 0);
        const QString after = t.text(order.at(i), 0);
        int cmp = before.isEmpty() || after.isEmpty() ? int(!before.isEmpty()) - int(!after.isEmpty())
                                                      : collator.compare(before, after);
        if (descending)
            cmp = -cmp;
        QVERIFY2(cmp <= 0, qPrintable(u"[%1] before [%2]"_s.arg(before, after)));
        if (cmp == 0)
            QVERIFY2(order.at(i - 1) < order.at(i), qPrintable(u"tie [%1] [%2] out of file order"_s.arg(before, after)));
    }
}

QTEST_GUILESS_MAIN(TestRowOrder)
#include "tst_row_order.moc"
