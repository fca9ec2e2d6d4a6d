// Printing each record as many times as its quantity field says.
#include "printing/PrintJob.h"
#include "printing/QuantityField.h"

#include <QtTest>

using namespace quill;

namespace {

DataTable listOf(const QList<QVariant> &quantities, FieldType type = FieldType::Text)
{
    DataTable table;
    table.fields << DataField {QStringLiteral("NAME"), FieldType::Text, 10}
                 << DataField {QStringLiteral("Qty"), type, 5};
    int i = 0;
    for (const QVariant &q : quantities)
        table.rows << QVariantList {QStringLiteral("R%1").arg(++i), q};
    return table;
}

QStringList names(const DataTable &table)
{
    QStringList out;
    for (int r = 0; r < table.rowCount(); ++r)
        out << table.text(r, 0);
    return out;
}

QStringList words(const char *text)
{
    return QString::fromLatin1(text).split(u' ', Qt::SkipEmptyParts);
}

} // namespace

class TestQuantityField : public QObject {
    Q_OBJECT
private slots:
    void expansion_data();
    void expansion();
    void runawayTotalIsRefused();
    void candidates();
    void appliesToTheListsHoldingTheField();
};

void TestQuantityField::expansion_data()
{
    QTest::addColumn<QVariantList>("quantities");
    QTest::addColumn<QStringList>("expected"); // empty with error set: refused
    QTest::addColumn<QString>("error");        // part of the message naming the record
    const auto v = [](auto... values) { return QVariantList {QVariant(values)...}; };
    QTest::newRow("copies in record order")
        << v(QStringLiteral("2"), QStringLiteral("0"), QStringLiteral(" 1 "))
        << words("R1 R1 R3") << QString();
    QTest::newRow("a number field's 3.0") << v(3.0) << words("R1 R1 R1") << QString();
    QTest::newRow("all zero prints nothing") << v(0, 0) << QStringList {} << QString();
    QTest::newRow("letters") << v(QStringLiteral("1"), QStringLiteral("two")) << QStringList {}
                             << QStringLiteral("2번째 자료");
    QTest::newRow("fraction") << v(QStringLiteral("1.5")) << QStringList {} << QStringLiteral("1번째 자료");
    QTest::newRow("negative") << v(QStringLiteral("-1")) << QStringList {} << QStringLiteral("1번째 자료");
    QTest::newRow("empty") << v(QStringLiteral("1"), QString()) << QStringList {}
                           << QStringLiteral("2번째 자료");
}

void TestQuantityField::expansion()
{
    QFETCH(QVariantList, quantities);
    QFETCH(QStringList, expected);
    QFETCH(QString, error);
    const Result<DataTable> expanded = expandByQuantity(listOf(quantities), QStringLiteral("QTY"));
    if (!error.isEmpty()) {
        QVERIFY(!expanded);
        QVERIFY2(expanded.error().message.contains(error), qPrintable(expanded.error().message));
        return;
    }
    QVERIFY2(expanded, qPrintable(expanded.error().message));
    QCOMPARE(names(expanded.value()), expected);
    QCOMPARE(expanded.value().fields.size(), 2);
}

void TestQuantityField::runawayTotalIsRefused()
{
    const Result<DataTable> expanded = expandByQuantity(
        listOf({QStringLiteral("10"), QString::number(MaxQuantityRecords)}), QStringLiteral("Qty"));
    QVERIFY(!expanded);
    QVERIFY(expanded.error().message.contains(QStringLiteral("2번째 자료")));
}

void TestQuantityField::candidates()
{
    DataTable table = listOf({QStringLiteral("1"), QString(), QStringLiteral("12")});
    table.fields << DataField {QStringLiteral("Count"), FieldType::Integer, 0}
                 << DataField {QStringLiteral("Code"), FieldType::Text, 5};
    table.rows[0] << 1 << QStringLiteral("A1");
    table.rows[1] << 2 << QStringLiteral("7");
    table.rows[2] << 3 << QStringLiteral("9");
    // NAME and Code hold letters; Qty holds whole numbers and a blank.
    QCOMPARE(quantityFieldCandidates(table), words("Qty Count"));
}

void TestQuantityField::appliesToTheListsHoldingTheField()
{
    PrintDataLists lists;
    lists.label = PrintDataList(listOf({QStringLiteral("2"), QStringLiteral("1")}), false);
    DataTable codes;
    codes.fields << DataField {QStringLiteral("CODE"), FieldType::Text, 13};
    codes.rows << QVariantList {QStringLiteral("1")};
    lists.barcode = PrintDataList(codes, false);
    QVERIFY(applyQuantityField(lists, QStringLiteral("qty")));
    QCOMPARE(lists.label.recordCount(), 3);
    QCOMPARE(lists.barcode.recordCount(), 1);
    QCOMPARE(lists.label.recordNumber(), 1);

    const Status missing = applyQuantityField(lists, QStringLiteral("NOPE"));
    QVERIFY(!missing);
    QVERIFY(missing.error().message.contains(QStringLiteral("NOPE")));
}

QTEST_GUILESS_MAIN(TestQuantityField)
#include "tst_quantity_field.moc"
