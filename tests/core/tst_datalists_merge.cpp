// Merge tables: label.tmp and barcode.tmp from selected rows, logistics expansion, copies
// beside documents, and reopening a document's lists from their names.
#include "datalists/DataListFile.h"
#include "datalists/MergeTables.h"
#include "document/DocumentFile.h"

#include <QDate>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace quill;

namespace {

DataTable products()
{
    DataTable t;
    t.fields = {{QStringLiteral("상품"), FieldType::Text, 0},
                {QStringLiteral("Code"), FieldType::Text, 14},
                {QStringLiteral("Qty"), FieldType::Integer, 0},
                {QStringLiteral("Made"), FieldType::Date, 0}};
    t.rows = {{QStringLiteral("사과"), QStringLiteral("8801234567890"), 3, QDate(2024, 5, 1)},
              {QString(), QStringLiteral("880123456789"), 0, QVariant()},
              {QStringLiteral("아주 긴 상품 이름입니다"), QStringLiteral("8801234567891"), 2, QVariant()}};
    return t;
}

} // namespace

class TestDataListMerge : public QObject {
    Q_OBJECT
private slots:
    void labelMergeKeepsSelectionAndWidths();
    void labelMergeWritesAndReopens();
    void barcodeMergeExpandsLogistics_data();
    void barcodeMergeExpandsLogistics();
    void mergeCopiesBesideDocuments();
    void reopenFollowsTheStoredName();
};

void TestDataListMerge::labelMergeKeepsSelectionAndWidths()
{
    const DataTable source = products();
    auto merged = labelMergeTable(source, {2, 1}, {QStringLiteral("Made"), QStringLiteral("상품"), QStringLiteral("qty")}, true);
    QVERIFY(merged.ok());
    const DataTable &t = merged.value();
    QCOMPARE(t.fields.at(0).name, QStringLiteral("Made"));
    QCOMPARE(t.fields.at(0).size, 10);     // dates get room for yyyy-MM-dd
    QCOMPARE(t.fields.at(1).size, 13);     // a text field without size: its widest value
    QCOMPARE(t.fields.at(2).size, 20);     // numbers
    QCOMPARE(t.text(0, 1), QStringLiteral("아주 긴 상품 이름입니다"));
    QCOMPARE(t.text(1, 1), QStringLiteral(" ")); // provider lists send empty text as one blank
    QCOMPARE(t.text(1, 2), QStringLiteral("0"));
    auto plain = labelMergeTable(source, {0, 1}, {QStringLiteral("상품"), QStringLiteral("Made")}, false);
    QCOMPARE(plain.value().text(1, 0), QString());
    QCOMPARE(plain.value().text(0, 1), QStringLiteral("2024-05-01"));
    auto none = labelMergeTable(source, {}, {QStringLiteral("상품")}, false);
    QVERIFY(none.ok());
    QCOMPARE(none.value().rowCount(), 0);
    QCOMPARE(none.value().fields.size(), 1);
    QVERIFY(!labelMergeTable(source, {0}, {QStringLiteral("nope")}, false).ok());
}

void TestDataListMerge::labelMergeWritesAndReopens()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("label.tmp"));
    auto merged = labelMergeTable(products(), {0, 1, 2}, {QStringLiteral("상품"), QStringLiteral("Made")}, true);
    QVERIFY(writeDataList(path, merged.value()).ok());
    auto read = readDataList(path);
    QVERIFY(read.ok());
    QCOMPARE(read.value().rowCount(), 3);
    QCOMPARE(read.value().text(0, 0), QStringLiteral("사과"));
    QCOMPARE(read.value().text(0, 1), QStringLiteral("2024-05-01"));
}

void TestDataListMerge::barcodeMergeExpandsLogistics_data()
{
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<int>("indicator");
    QTest::addColumn<QStringList>("codes"); // empty list with ok=false: the build fails
    QTest::addColumn<bool>("ok");
    QTest::newRow("13 digits x3") << QList<int>{0} << 1 << QStringList(3, QStringLiteral("1880123456789")) << true;
    QTest::newRow("12 digits, quantity 0") << QList<int>{1} << 5 << QStringList{} << true;
    QTest::newRow("two rows") << QList<int>{2, 0} << 0
                              << QStringList{QStringLiteral("0880123456789"), QStringLiteral("0880123456789"),
                                             QStringLiteral("0880123456789"), QStringLiteral("0880123456789"),
                                             QStringLiteral("0880123456789")}
                              << true;
}

void TestDataListMerge::barcodeMergeExpandsLogistics()
{
    QFETCH(QList<int>, rows);
    QFETCH(int, indicator);
    QFETCH(QStringList, codes);
    QFETCH(bool, ok);
    auto merged = barcodeMergeTable(products(), rows, QStringLiteral("Code"), Ean14Expansion{indicator, QStringLiteral("Qty")});
    QCOMPARE(merged.ok(), ok);
    QStringList values;
    for (int r = 0; r < merged.value().rowCount(); ++r)
        values.append(merged.value().text(r, 0));
    QCOMPARE(values, codes);
}

void TestDataListMerge::mergeCopiesBesideDocuments()
{
    DataTable bad = products();
    bad.rows[0][1] = QStringLiteral("88012345678901"); // 14 digits
    auto failed = barcodeMergeTable(bad, {1, 0}, QStringLiteral("Code"), Ean14Expansion{1, QStringLiteral("Qty")});
    QVERIFY(!failed.ok());
    QCOMPARE(failed.error().message, ean14FailureMessage());
    bad.rows[0][1] = QStringLiteral("8801234567890");
    bad.rows[0][2] = QStringLiteral("three");
    QVERIFY(!barcodeMergeTable(bad, {0}, QStringLiteral("Code"), Ean14Expansion{1, QStringLiteral("Qty")}).ok());
    auto plain = barcodeMergeTable(products(), {1}, QStringLiteral("code"));
    QCOMPARE(plain.value().text(0, 0), QStringLiteral("880123456789"));

    // The name documents store for their copies (x.Dbl), whatever the extension's case.
    QCOMPARE(mergeCopyPath(QStringLiteral("/x/주소.lbl"), false), QStringLiteral("/x/주소.Dbl"));
    QCOMPARE(mergeCopyPath(QStringLiteral("/x/a.lbl"), true), QStringLiteral("/x/a.Bbl"));
    QCOMPARE(mergeCopyPath(QStringLiteral("/x/a.lbl"), true), mergeTableCopyPath(QStringLiteral("/x/a.lbl"), u'B'));
    QTemporaryDir dir;
    const QString merge = dir.filePath(QStringLiteral("barcode.tmp"));
    QVERIFY(writeDataList(merge, plain.value()).ok());
    auto copy = copyMergeTable(merge, dir.filePath(QStringLiteral("doc.lbl")), true);
    QVERIFY(copy.ok());
    QCOMPARE(copy.value(), dir.filePath(QStringLiteral("doc.Bbl")));
    QCOMPARE(readDataList(copy.value()).value().text(0, 0), QStringLiteral("880123456789"));
}

void TestDataListMerge::reopenFollowsTheStoredName()
{
    QTemporaryDir dir;
    const QString list = dir.filePath(QStringLiteral("list.DBF"));
    QVERIFY(writeDataList(list, products()).ok());
    QCOMPARE(reopenDataList(QString(), QString(), QString()).outcome, ReopenOutcome::Nothing);
    const ReopenedList opened = reopenDataList(list, QString(), QString());
    QCOMPARE(opened.outcome, ReopenOutcome::Opened);
    QCOMPARE(opened.table.rowCount(), 3);
    const QString missing = dir.filePath(QStringLiteral("gone.db"));
    const ReopenedList reported = reopenDataList(missing, QString(), dir.filePath(QStringLiteral("unsaved.lbl")));
    QCOMPARE(reported.outcome, ReopenOutcome::MissingReported);
    QCOMPARE(reported.message, missing + QStringLiteral(" 파일을 찾을 수 없습니다."));
    const QString document = dir.filePath(QStringLiteral("saved.lbl"));
    QFile f(document);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    QCOMPARE(reopenDataList(missing, QString(), document).outcome, ReopenOutcome::MissingSilent);
}

QTEST_GUILESS_MAIN(TestDataListMerge)
#include "tst_datalists_merge.moc"
