// Sends from the data list manager: the list itself for every record, otherwise label.tmp or
// barcode.tmp from the chosen rows, built in slices with progress and written in one step.
#include "datalists/DataListFile.h"
#include "datalists/MergeTableWriter.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

using namespace quill;
using namespace Qt::StringLiterals;

namespace {

// rows records: a text field without a size whose widest value sits in the last row, a code,
// a quantity and a number.
DataTable products(int rows)
{
    DataTable t;
    t.name = u"products"_s;
    t.fields = {{u"이름"_s, FieldType::Text, 0}, {u"Code"_s, FieldType::Text, 14},
        {u"Qty"_s, FieldType::Integer, 0}, {u"Price"_s, FieldType::Float, 0}};
    for (int r = 0; r < rows; ++r) {
        const QString name
            = r == rows - 1 ? u"가장 긴 이름을 가진 마지막 상품"_s : u"상품%1"_s.arg(r);
        t.rows.append({r % 7 == 3 ? QVariant() : QVariant(name),
            u"8801234%1"_s.arg(r, 5, 10, QChar(u'0')) + u"9"_s, r % 3, r * 1.5});
    }
    return t;
}

QList<int> reversedRows(int count)
{
    QList<int> rows;
    for (int r = count - 1; r >= 0; --r)
        rows.append(r);
    return rows;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct ProgressLog {
    QList<QPair<int, int>> steps;
    MergeProgress callback()
    {
        return [this](int done, int total) { steps.append({done, total}); };
    }
    // Never backwards, always of the same total, and the last step is the total.
    bool completes(int total) const
    {
        int last = -1;
        for (const auto &[done, of] : steps) {
            if (of != total || done < last || done > total)
                return false;
            last = done;
        }
        return last == total;
    }
};

} // namespace

class TestMergeWriter : public QObject {
    Q_OBJECT
private slots:
    void wholeList_data();
    void wholeList();
    void slicesBuildTheSameTable_data();
    void slicesBuildTheSameTable();
    void labelSendWritesChosenRows();
    void barcodeSend();
    void failedWriteKeepsOldTable_data();
    void failedWriteKeepsOldTable();
};

void TestMergeWriter::wholeList_data()
{
    QTest::addColumn<int>("records");
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<bool>("whole");
    QTest::newRow("every row in grid order") << 3 << QList<int> {2, 0, 1} << true;
    QTest::newRow("one missing") << 3 << QList<int> {2, 0} << false;
    QTest::newRow("a row twice makes no whole list") << 3 << QList<int> {0, 0, 1} << false;
    QTest::newRow("rows out of range do not count") << 2 << QList<int> {0, 5, -1} << false;
    QTest::newRow("an empty list is never sent whole") << 0 << QList<int> {} << false;
}

void TestMergeWriter::wholeList()
{
    QFETCH(int, records);
    QFETCH(QList<int>, rows);
    QFETCH(bool, whole);
    QCOMPARE(choosesWholeList(products(records), rows), whole);
}

void TestMergeWriter::slicesBuildTheSameTable_data()
{
    QTest::addColumn<QList<int>>("rows");
    QList<int> many = reversedRows(1700);
    many.insert(600, 99999); // out of range: skipped like the one-piece build skips it
    many.append(5); // a row twice is sent twice
    QTest::newRow("many rows, several slices") << many;
    QTest::newRow("a few rows") << QList<int> {4, 1};
    QTest::newRow("no row") << QList<int> {};
}

// Slicing must not change the table: widths come from the whole list, values and order from
// the rows as given.
void TestMergeWriter::slicesBuildTheSameTable()
{
    QFETCH(QList<int>, rows);
    const DataTable source = products(1700);
    const QStringList fields {u"Price"_s, u"이름"_s, u"code"_s};
    ProgressLog log;
    auto sliced = buildLabelMergeTable(source, rows, fields, true, log.callback());
    auto whole = labelMergeTable(source, rows, fields, true);
    QVERIFY(sliced.ok() && whole.ok());
    QCOMPARE(sliced.value().rows, whole.value().rows);
    QCOMPARE(sliced.value().fields.size(), 3);
    for (int f = 0; f < 3; ++f) {
        QCOMPARE(sliced.value().fields.at(f).name, whole.value().fields.at(f).name);
        QCOMPARE(sliced.value().fields.at(f).size, whole.value().fields.at(f).size);
    }
    // The last row's name, whether or not it is among the rows of a slice.
    QCOMPARE(sliced.value().fields.at(1).size, source.widestText(0));
    QVERIFY(rows.isEmpty() ? log.steps.isEmpty() : log.completes(int(rows.size())));

    const Ean14Expansion expansion {4, u"Qty"_s};
    auto slicedCodes = buildBarcodeMergeTable(source, rows, u"Code"_s, expansion, {});
    auto wholeCodes = barcodeMergeTable(source, rows, u"Code"_s, expansion);
    QVERIFY(slicedCodes.ok() && wholeCodes.ok());
    QCOMPARE(slicedCodes.value().rows, wholeCodes.value().rows);
    QCOMPARE(slicedCodes.value().fields.at(0).size, wholeCodes.value().fields.at(0).size);
    QVERIFY(!buildLabelMergeTable(source, rows, {u"nope"_s}, false, {}).ok());
}

void TestMergeWriter::labelSendWritesChosenRows()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"label.tmp"_s);
    const DataTable source = products(5);
    const TSendDBName list {u"/data/products.xlsx"_s, u"Sheet1"_s};

    MergeSend all = sendLabelRows(source, {4, 3, 2, 1, 0}, list, {u"이름"_s}, true, path);
    QCOMPARE(all.outcome, MergeSend::Outcome::WholeList);
    QCOMPARE(all.list, list);
    QVERIFY(!QFile::exists(path));

    ProgressLog log;
    MergeSend some
        = sendLabelRows(source, {3, 0}, list, {u"Qty"_s, u"이름"_s}, true, path, log.callback());
    QCOMPARE(some.outcome, MergeSend::Outcome::Written);
    QCOMPARE(some.list, (TSendDBName {path, QString()}));
    QVERIFY(log.completes(3)); // two rows and the write
    auto read = readDataList(path);
    QVERIFY(read.ok());
    QCOMPARE(read.value().rowCount(), 2);
    QCOMPARE(read.value().fields.at(0).name, u"Qty"_s);
    QCOMPARE(read.value().text(0, 0), u"0"_s);
    QCOMPARE(read.value().text(0, 1), u" "_s); // an empty text of a spreadsheet list: one blank
    QCOMPARE(read.value().text(1, 1), u"상품0"_s);
}

void TestMergeWriter::barcodeSend()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"barcode.tmp"_s);
    const DataTable source = products(3); // quantities 0, 1, 2
    const TSendDBName list {u"/data/products.db"_s, QString()};

    QCOMPARE(sendBarcodeRows(source, {0, 1, 2}, list, u"Code"_s, std::nullopt, path).list, list);
    QVERIFY(!QFile::exists(path));
    // Logistics repeats rows, so every record still makes a table.
    MergeSend repeated
        = sendBarcodeRows(source, {2, 1, 0}, list, u"Code"_s, Ean14Expansion {7, u"Qty"_s}, path);
    QCOMPARE(repeated.outcome, MergeSend::Outcome::Written);
    auto read = readDataList(path);
    QVERIFY(read.ok());
    QCOMPARE(read.value().rowCount(), 3);
    QCOMPARE(read.value().text(0, 0), u"7880123400002"_s); // the indicator, then 12 digits
    QCOMPARE(read.value().text(1, 0), u"7880123400002"_s);
    QCOMPARE(read.value().text(2, 0), u"7880123400001"_s);

    // A bad logistics row fails the whole send; the table written before stays as it was.
    const QByteArray before = contents(path);
    DataTable bad = source;
    bad.rows[1][1] = u"88012340000191"_s; // 14 digits
    MergeSend failed
        = sendBarcodeRows(bad, {0, 1}, list, u"Code"_s, Ean14Expansion {1, u"Qty"_s}, path);
    QCOMPARE(failed.outcome, MergeSend::Outcome::BuildFailed);
    QCOMPARE(failed.message, ean14FailureMessage());
    QCOMPARE(contents(path), before);
}

void TestMergeWriter::failedWriteKeepsOldTable_data()
{
    QTest::addColumn<QString>("folder"); // below the temporary directory
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing folder") << u"gone"_s << u"폴더가 없습니다"_s;
    QTest::newRow("a file, not a folder") << u"plain.txt"_s << u"폴더가 없습니다"_s;
    QTest::newRow("read-only folder") << u"locked"_s << u"쓰기 권한이 없습니다"_s;
}

void TestMergeWriter::failedWriteKeepsOldTable()
{
    QFETCH(QString, folder);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QFile plain(dir.filePath(u"plain.txt"_s));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    const QString locked = dir.filePath(u"locked"_s);
    QVERIFY(QDir().mkdir(locked));
    const QString path = dir.filePath(folder) + u"/label.tmp"_s;
    QFile old(locked + u"/label.tmp"_s);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old table");
    old.close();
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
    const auto unlock = qScopeGuard([&] {
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    });
    if (folder == u"locked"_s && QFileInfo(locked).isWritable())
        QSKIP("this user may write into read-only folders");

    MergeSend sent = sendLabelRows(products(3), {1}, {}, {u"이름"_s}, false, path);
    QCOMPARE(sent.outcome, MergeSend::Outcome::WriteFailed);
    QVERIFY2(
        sent.message.contains(u"label.tmp 파일을 만들 수 없습니다"_s), qPrintable(sent.message));
    QVERIFY2(sent.message.contains(reason), qPrintable(sent.message));
    QCOMPARE(contents(locked + u"/label.tmp"_s), QByteArray("old table"));
}

QTEST_GUILESS_MAIN(TestMergeWriter)
#include "tst_merge_writer.moc"
