// The data list grid's row selection: click sequences, select all, the print range, keeping
// rows in step with deletions, and what a send makes of the selection.
#include "datalists/RowSelection.h"

#include <QtTest>

using namespace quill;
using namespace Qt::StringLiterals;

namespace {

// A click sequence as text: tokens separated by blanks, each a record number (1-based) with
// optional prefixes c (Ctrl), s (Shift), m (middle button), r (right button).
void play(RowSelection &selection, const QString &clicks)
{
    const QStringList tokens = clicks.split(u' ', Qt::SkipEmptyParts);
    for (const QString &token : tokens) {
        Qt::KeyboardModifiers modifiers;
        RowSelection::Button button = RowSelection::Button::Left;
        int i = 0;
        for (; i < token.size() && token.at(i).isLetter(); ++i) {
            switch (token.at(i).unicode()) {
            case 'c': modifiers |= Qt::ControlModifier; break;
            case 's': modifiers |= Qt::ShiftModifier; break;
            case 'm': button = RowSelection::Button::Middle; break;
            case 'r': button = RowSelection::Button::Right; break;
            default: QFAIL(qPrintable(QStringLiteral("bad token ") + token));
            }
        }
        selection.click(token.mid(i).toInt() - 1, modifiers, button);
    }
}

// Selected rows as 1-based record numbers.
QList<int> records(const RowSelection &selection)
{
    QList<int> out;
    for (int row : selection.rows())
        out.append(row + 1);
    return out;
}

DataTable people(int count)
{
    DataTable t;
    t.fields = {{QStringLiteral("이름"), FieldType::Text, 10}, {QStringLiteral("Code"), FieldType::Text, 13}};
    for (int i = 0; i < count; ++i)
        t.rows.append({QStringLiteral("사람%1").arg(i + 1), QStringLiteral("880123456789%1").arg(i % 10)});
    return t;
}

} // namespace

class TestRowSelection : public QObject {
    Q_OBJECT
private slots:
    void clickSequences_data();
    void clickSequences();
    void printRange_data();
    void printRange();
    void selectAllAndClear();
    void followsDeletedAndInsertedRows();
    void sendTakesWholeListOrMergeTable();
};

void TestRowSelection::clickSequences_data()
{
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<int>("anchor"); // record number, 0 for none

    QTest::newRow("nothing") << QString() << QList<int>{} << 0;
    QTest::newRow("plain click") << u"4"_s << QList<int>{4} << 4;
    QTest::newRow("plain click replaces") << u"4 c6 2"_s << QList<int>{2} << 2;
    QTest::newRow("middle click is plain") << u"4 m9"_s << QList<int>{9} << 9;
    QTest::newRow("right click changes nothing") << u"4 c5 r8"_s << QList<int>{4, 5} << 4;
    QTest::newRow("ctrl adds single rows") << u"2 c5 c9"_s << QList<int>{2, 5, 9} << 2;
    QTest::newRow("ctrl toggles off") << u"2 c5 c2"_s << QList<int>{5} << 2;
    QTest::newRow("ctrl first click keeps no anchor") << u"c5"_s << QList<int>{5} << 0;
    QTest::newRow("shift backwards from anchor") << u"7 s3"_s << QList<int>{3, 4, 5, 6, 7} << 7;
    QTest::newRow("shift forwards from anchor") << u"3 s6"_s << QList<int>{3, 4, 5, 6} << 3;
    QTest::newRow("shift on the anchor") << u"5 s5"_s << QList<int>{5} << 5;
    QTest::newRow("shift drops ctrl picks") << u"2 c9 s4"_s << QList<int>{2, 3, 4} << 2;
    QTest::newRow("shift again from same anchor") << u"5 s8 s3"_s << QList<int>{3, 4, 5} << 5;
    QTest::newRow("ctrl does not move anchor") << u"5 c9 s7"_s << QList<int>{5, 6, 7} << 5;
    QTest::newRow("ctrl-shift adds a range") << u"5 c1 cs7"_s << QList<int>{1, 5, 6, 7} << 5;
    QTest::newRow("shift without anchor is plain") << u"s6 s8"_s << QList<int>{6, 7, 8} << 6;
}

void TestRowSelection::clickSequences()
{
    QFETCH(QString, clicks);
    QFETCH(QList<int>, selected);
    QFETCH(int, anchor);
    RowSelection selection;
    play(selection, clicks);
    QCOMPARE(records(selection), selected);
    QCOMPARE(selection.anchor() + 1, anchor);
    QCOMPARE(selection.count(), int(selected.size()));
    for (int record : selected)
        QVERIFY(selection.isSelected(record - 1));
}

void TestRowSelection::printRange_data()
{
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<int>("added");

    // The list has 10 records.
    QTest::newRow("5 to 5") << QString() << 5 << 5 << QList<int>{5} << 1;
    QTest::newRow("3 to 6") << QString() << 3 << 6 << QList<int>{3, 4, 5, 6} << 4;
    QTest::newRow("whole list") << QString() << 1 << 10 << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10} << 10;
    QTest::newRow("end past the last record") << QString() << 8 << 99 << QList<int>{8, 9, 10} << 3;
    QTest::newRow("start beyond last") << u"2"_s << 11 << 12 << QList<int>{2} << 0;
    QTest::newRow("end below start") << QString() << 6 << 2 << QList<int>{6} << 1;
    QTest::newRow("earlier rows stay") << u"1 c9"_s << 4 << 5 << QList<int>{1, 4, 5, 9} << 2;
    QTest::newRow("overlap counts new rows only") << u"4 s6"_s << 5 << 8 << QList<int>{4, 5, 6, 7, 8} << 2;
}

void TestRowSelection::printRange()
{
    QFETCH(QString, clicks);
    QFETCH(int, start);
    QFETCH(int, end);
    QFETCH(QList<int>, selected);
    QFETCH(int, added);
    RowSelection selection;
    play(selection, clicks);
    const int anchor = selection.anchor();
    QCOMPARE(selection.selectPrintRange(start, end, 10), added);
    QCOMPARE(records(selection), selected);
    QCOMPARE(selection.anchor(), anchor);
}

void TestRowSelection::selectAllAndClear()
{
    RowSelection selection;
    play(selection, u"3 c5"_s);
    selection.selectAll(6);
    QCOMPARE(records(selection), (QList<int>{1, 2, 3, 4, 5, 6}));
    QVERIFY(selection.coversAll(6));
    QVERIFY(!selection.coversAll(7));

    selection.clear(); // paste clears the selection but not the last plain click
    QVERIFY(selection.isEmpty());
    QCOMPARE(selection.anchor(), 2);
    play(selection, u"s4"_s);
    QCOMPARE(records(selection), (QList<int>{3, 4}));

    selection.reset(); // a new dataset
    QVERIFY(selection.isEmpty());
    QCOMPARE(selection.anchor(), -1);

    // Rows selected outside the list do not count as "all".
    selection.select(0);
    selection.select(7);
    QVERIFY(!selection.coversAll(2));
    QVERIFY(!RowSelection().coversAll(0));
}

void TestRowSelection::followsDeletedAndInsertedRows()
{
    RowSelection selection;
    play(selection, u"3 c5 c6 c9"_s); // rows 2, 4, 5, 8; anchor row 2
    selection.rowsRemoved(4, 2);        // records 5 and 6 go
    QCOMPARE(records(selection), (QList<int>{3, 7}));
    QCOMPARE(selection.anchor(), 2);

    selection.rowsInserted(0, 1);
    QCOMPARE(records(selection), (QList<int>{4, 8}));
    QCOMPARE(selection.anchor(), 3);

    selection.rowsRemoved(3, 1); // the anchor record goes
    QCOMPARE(records(selection), (QList<int>{7}));
    QCOMPARE(selection.anchor(), -1);
}

void TestRowSelection::sendTakesWholeListOrMergeTable()
{
    const DataTable list = people(5);
    RowSelection selection;
    play(selection, u"4 c2"_s);

    auto label = labelMergeForSelection(list, selection, {QStringLiteral("이름")}, false);
    QVERIFY(label);
    QVERIFY(!label.value().wholeList);
    QCOMPARE(label.value().table.rowCount(), 2);
    QCOMPARE(label.value().table.text(0, 0), u"사람2"_s); // record order, not click order
    QCOMPARE(label.value().table.text(1, 0), u"사람4"_s);

    auto bad = labelMergeForSelection(list, selection, {QStringLiteral("없음")}, false);
    QVERIFY(!bad);

    selection.clear(); // nothing selected still makes an (empty) merge table
    label = labelMergeForSelection(list, selection, {QStringLiteral("이름")}, false);
    QVERIFY(label && !label.value().wholeList);
    QCOMPARE(label.value().table.rowCount(), 0);
    QCOMPARE(label.value().table.columnCount(), 1);

    selection.selectAll(list.rowCount());
    label = labelMergeForSelection(list, selection, {QStringLiteral("이름")}, false);
    QVERIFY(label && label.value().wholeList);
    auto barcode = barcodeMergeForSelection(list, selection, QStringLiteral("Code"));
    QVERIFY(barcode && barcode.value().wholeList);

    // A logistics barcode always needs its expanded table.
    DataTable stock = list;
    stock.fields.append({QStringLiteral("Qty"), FieldType::Integer, 0});
    for (QVariantList &row : stock.rows)
        row.append(2);
    barcode = barcodeMergeForSelection(stock, selection, QStringLiteral("Code"),
                                       Ean14Expansion{1, QStringLiteral("Qty")});
    QVERIFY(barcode);
    QVERIFY(!barcode.value().wholeList);
    QCOMPARE(barcode.value().table.rowCount(), 10);
}

QTEST_GUILESS_MAIN(TestRowSelection)
#include "tst_row_selection.moc"
