// The data list grid's model: counts and values of a CSV list, rows handed out in batches on a
// long list, in-place edits that reach the dataset but not the file, and following the dataset.
#include "datalists/DataListModel.h"
#include "datalists/DataSet.h"

#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

using namespace quill;
using namespace Qt::StringLiterals;

namespace {

QString writeCsv(const QTemporaryDir &dir, const QString &name, const QByteArray &text)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(text);
    return path;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QByteArray kSmallList = "이름,주소,우편번호\n홍길동,서울 종로구,03154\n김철수,부산 해운대구,48094\n이영희,,61452\n";

} // namespace

class TestDataListModel : public QObject {
    Q_OBJECT
private slots:
    void showsCountsHeadersAndValues();
    void fetchesLongListInBatches();
    void viewDoesNotPullWholeList();
    void editsReachDataSetNotFile();
    void editsFollowFieldTypes_data();
    void editsFollowFieldTypes();
    void followsDataSetChanges();
    void rowOrderMapsViewToDataSet();
    void rowOrderFetchesInBatches();
    void rowOrderDroppedWhenRecordsChange_data();
    void rowOrderDroppedWhenRecordsChange();
};

void TestDataListModel::showsCountsHeadersAndValues()
{
    QTemporaryDir dir;
    DataSet set;
    QVERIFY(set.open(writeCsv(dir, u"small.csv"_s, kSmallList)));
    DataListModel model(&set);

    QCOMPARE(model.rowCount(), 3);
    QCOMPARE(model.columnCount(), 3);
    QVERIFY(!model.canFetchMore());
    QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), u"이름"_s);
    QCOMPARE(model.headerData(2, Qt::Horizontal).toString(), u"우편번호"_s);
    QCOMPARE(model.headerData(1, Qt::Vertical).toInt(), 2); // record numbers count from 1
    QCOMPARE(model.data(model.index(1, 1)).toString(), u"부산 해운대구"_s);
    QCOMPARE(model.data(model.index(0, 2), Qt::EditRole).toString(), u"03154"_s); // text keeps the zero
    QVERIFY(model.data(model.index(2, 1)).toString().isEmpty());
    QVERIFY(model.flags(model.index(0, 0)).testFlag(Qt::ItemIsEditable));
    QVERIFY(!model.data(model.index(3, 0)).isValid());

    DataSet closed;
    DataListModel empty(&closed);
    QCOMPARE(empty.rowCount(), 0);
    QCOMPARE(empty.columnCount(), 0);
    QVERIFY(!empty.canFetchMore());
}

void TestDataListModel::fetchesLongListInBatches()
{
    const int records = 100000;
    QByteArray csv = "No,Name\n";
    csv.reserve(records * 16);
    for (int i = 1; i <= records; ++i)
        csv += QByteArray::number(i) + ",name" + QByteArray::number(i) + '\n';
    QTemporaryDir dir;
    DataSet set;
    QVERIFY(set.open(writeCsv(dir, u"long.csv"_s, csv)));
    QCOMPARE(set.recordCount(), records);

    DataListModel model(&set);
    const int batch = model.batchSize();
    QVERIFY(batch > 0 && batch < records);
    QCOMPARE(model.rowCount(), batch);
    QVERIFY(model.canFetchMore());

    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    model.fetchMore();
    QCOMPARE(model.rowCount(), 2 * batch);
    QCOMPARE(inserted.size(), 1);
    QCOMPARE(inserted.at(0).at(1).toInt(), batch);
    QCOMPARE(inserted.at(0).at(2).toInt(), 2 * batch - 1);
    QCOMPARE(model.data(model.index(2 * batch - 1, 0)).toString(), QString::number(2 * batch));

    int fetches = 1;
    while (model.canFetchMore()) {
        const int before = model.rowCount();
        model.fetchMore();
        QVERIFY(model.rowCount() > before);
        ++fetches;
    }
    QCOMPARE(model.rowCount(), records);
    QCOMPARE(fetches, (records + batch - 1) / batch - 1);
    QCOMPARE(model.data(model.index(records - 1, 1)).toString(), u"name100000"_s);
    model.fetchMore(); // nothing more to fetch
    QCOMPARE(model.rowCount(), records);
}

void TestDataListModel::viewDoesNotPullWholeList()
{
    DataTable table;
    table.fields = {{u"No"_s, FieldType::Integer, 0}};
    for (int i = 0; i < 100000; ++i)
        table.rows.append(QVariantList{i + 1});
    DataSet set;
    set.setTable(table);
    DataListModel model(&set);
    QTableView view;
    view.resize(400, 300);
    view.setModel(&model);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QCoreApplication::processEvents();
    QVERIFY(model.rowCount() < 100000);
    QVERIFY(model.canFetchMore());
}

void TestDataListModel::editsReachDataSetNotFile()
{
    QTemporaryDir dir;
    const QString path = writeCsv(dir, u"edit.csv"_s, kSmallList);
    DataSet set;
    QVERIFY(set.open(path));
    DataListModel model(&set);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);

    const QModelIndex cell = model.index(1, 1);
    QVERIFY(model.setData(cell, u"대구 중구"_s));
    QCOMPARE(model.data(cell).toString(), u"대구 중구"_s);
    QCOMPARE(set.table().text(1, 1), u"대구 중구"_s);
    QCOMPARE(set.state(), DataSet::State::Browse); // posted
    QCOMPARE(set.recNo(), 2);                      // the dataset moved to the edited record
    QVERIFY(!changed.isEmpty());
    QCOMPARE(fileBytes(path), kSmallList);          // the file waits for an explicit save

    QVERIFY(model.setData(model.index(0, 0), QString()));
    QVERIFY(set.table().rows.at(0).at(0).isNull()); // an emptied cell is an empty cell
    QVERIFY(!model.setData(model.index(0, 0), u"x"_s, Qt::DisplayRole));
    QVERIFY(!model.setData(model.index(7, 0), u"x"_s));
    QCOMPARE(set.table().text(2, 0), u"이영희"_s);
}

void TestDataListModel::editsFollowFieldTypes_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QVariant>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QVariant>("stored");

    QTest::newRow("number") << 0 << QVariant(u" 42 "_s) << true << QVariant(qlonglong(42));
    QTest::newRow("number refuses letters") << 0 << QVariant(u"4x"_s) << false << QVariant(7);
    QTest::newRow("number emptied") << 0 << QVariant(u" "_s) << true << QVariant();
    QTest::newRow("float") << 1 << QVariant(u"2.5"_s) << true << QVariant(2.5);
    QTest::newRow("date") << 2 << QVariant(u"2024-05-01"_s) << true << QVariant(QDate(2024, 5, 1));
    QTest::newRow("bad date") << 2 << QVariant(u"yesterday"_s) << false << QVariant(QDate(2020, 1, 2));
    QTest::newRow("text cut to its size") << 3 << QVariant(u"abcdefgh"_s) << true << QVariant(u"abcde"_s);
    QTest::newRow("text keeps blanks") << 3 << QVariant(u" "_s) << true << QVariant(u" "_s);
}

void TestDataListModel::editsFollowFieldTypes()
{
    QFETCH(int, column);
    QFETCH(QVariant, typed);
    QFETCH(bool, accepted);
    QFETCH(QVariant, stored);
    DataTable table;
    table.fields = {{u"Qty"_s, FieldType::Integer, 0}, {u"Price"_s, FieldType::Float, 0},
                    {u"Made"_s, FieldType::Date, 0}, {u"Code"_s, FieldType::Text, 5}};
    table.rows = {{7, 1.0, QDate(2020, 1, 2), u"a"_s}};
    DataSet set;
    set.setTable(table);
    DataListModel model(&set);
    QCOMPARE(model.setData(model.index(0, column), typed), accepted);
    QCOMPARE(set.table().rows.at(0).at(column), stored);
}

void TestDataListModel::followsDataSetChanges()
{
    QTemporaryDir dir;
    DataSet set;
    QVERIFY(set.open(writeCsv(dir, u"follow.csv"_s, kSmallList)));
    DataListModel model(&set);
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);

    set.setRecNo(2);
    QVERIFY(set.deleteRecord());
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(removed.size(), 1);
    QCOMPARE(model.data(model.index(1, 0)).toString(), u"이영희"_s);

    set.append();
    QVERIFY(set.setText(u"이름"_s, u"박민수"_s));
    QVERIFY(set.post());
    QCOMPARE(model.rowCount(), 3);
    QCOMPARE(inserted.size(), 1);
    QCOMPARE(model.data(model.index(2, 0)).toString(), u"박민수"_s);
    QCOMPARE(reset.size(), 0);

    // Another list with other fields starts the view afresh.
    QVERIFY(set.open(writeCsv(dir, u"other.csv"_s, "A,B\n1,2\n")));
    QCOMPARE(reset.size(), 1);
    QCOMPARE(model.columnCount(), 2);
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), u"B"_s);
}

void TestDataListModel::rowOrderMapsViewToDataSet()
{
    QTemporaryDir dir;
    const QString path = writeCsv(dir, u"order.csv"_s, kSmallList);
    DataSet set;
    QVERIFY(set.open(path));
    DataListModel model(&set);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);

    // A sort shows rows 2, 0 (a search left row 1 out); a repeat and a row outside are dropped.
    model.setRowOrder({2, 0, 2, 9});
    QVERIFY(model.hasRowOrder());
    QCOMPARE(reset.size(), 1);
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.data(model.index(0, 0)).toString(), u"이영희"_s);
    QCOMPARE(model.data(model.index(1, 0)).toString(), u"홍길동"_s);
    QVERIFY(!model.data(model.index(2, 0)).isValid());
    QCOMPARE(model.sourceRow(0), 2);
    QCOMPARE(model.sourceRow(2), -1);
    QCOMPARE(model.viewRow(0), 1);
    QCOMPARE(model.viewRow(1), -1); // left out by the search
    QCOMPARE(model.headerData(0, Qt::Vertical).toInt(), 1);

    // An edit through the view reaches the record behind the view row, and the order stays.
    QVERIFY(model.setData(model.index(0, 1), u"광주 동구"_s));
    QCOMPARE(set.table().text(2, 1), u"광주 동구"_s);
    QCOMPARE(set.table().text(0, 1), u"서울 종로구"_s);
    QCOMPARE(set.recNo(), 3);
    QVERIFY(model.hasRowOrder());
    QCOMPARE(model.data(model.index(0, 1)).toString(), u"광주 동구"_s);
    QCOMPARE(fileBytes(path), kSmallList);

    // The record being edited shows its unposted value at its view row.
    set.setRecNo(1);
    QVERIFY(set.setText(u"이름"_s, u"임꺽정"_s));
    QCOMPARE(model.data(model.index(1, 0)).toString(), u"임꺽정"_s);
    QCOMPARE(model.data(model.index(0, 0)).toString(), u"이영희"_s);
    set.cancel();

    // An empty order is an empty result, not file order.
    model.setRowOrder({});
    QVERIFY(model.hasRowOrder());
    QCOMPARE(model.rowCount(), 0);
    QCOMPARE(model.viewRow(0), -1);

    model.clearRowOrder();
    QVERIFY(!model.hasRowOrder());
    QCOMPARE(model.rowCount(), 3);
    QCOMPARE(model.sourceRow(1), 1);
    QCOMPARE(model.viewRow(2), 2);
    QCOMPARE(model.viewRow(3), -1);
    QCOMPARE(model.data(model.index(1, 0)).toString(), u"김철수"_s);
}

void TestDataListModel::rowOrderFetchesInBatches()
{
    DataTable table;
    table.fields = {{u"No"_s, FieldType::Integer, 0}};
    for (int i = 0; i < 1000; ++i)
        table.rows.append(QVariantList{i});
    DataSet set;
    set.setTable(table);
    DataListModel model(&set);
    model.setBatchSize(100);
    QList<int> reversed;
    for (int i = 999; i >= 0; i -= 2)
        reversed.append(i); // 500 rows, last first
    model.setRowOrder(reversed);
    QCOMPARE(model.rowCount(), 100);
    QVERIFY(model.canFetchMore());
    while (model.canFetchMore())
        model.fetchMore();
    QCOMPARE(model.rowCount(), 500);
    QCOMPARE(model.data(model.index(0, 0)).toInt(), 999);
    QCOMPARE(model.data(model.index(499, 0)).toInt(), 1);
    QCOMPARE(model.viewRow(1), 499);
}

void TestDataListModel::rowOrderDroppedWhenRecordsChange_data()
{
    QTest::addColumn<QString>("change");
    QTest::newRow("record removed") << u"remove"_s;
    QTest::newRow("record appended") << u"append"_s;
    QTest::newRow("record inserted") << u"insert"_s;
}

void TestDataListModel::rowOrderDroppedWhenRecordsChange()
{
    QFETCH(QString, change);
    QTemporaryDir dir;
    DataSet set;
    QVERIFY(set.open(writeCsv(dir, u"drop.csv"_s, kSmallList)));
    DataListModel model(&set);
    model.setRowOrder({2, 1});
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);

    set.setRecNo(1);
    if (change == u"remove"_s) {
        QVERIFY(set.deleteRecord());
    } else {
        change == u"append"_s ? set.append() : set.insert();
        QVERIFY(set.setText(u"이름"_s, u"박민수"_s));
        QVERIFY(set.post());
    }
    // Row numbers of the old order no longer name the same records: file order again.
    QVERIFY(!model.hasRowOrder());
    QCOMPARE(reset.size(), 1);
    QCOMPARE(model.rowCount(), set.recordCount());
    for (int row = 0; row < set.recordCount(); ++row)
        QCOMPARE(model.data(model.index(row, 0)).toString(), set.table().text(row, 0));
}

QTEST_MAIN(TestDataListModel)
#include "tst_datalistmodel.moc"
