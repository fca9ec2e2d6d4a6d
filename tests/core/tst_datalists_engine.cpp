// The list engine: queries with bound values, the SQL dialect over list files, ALTER TABLE,
// export and creation, and the dataset's navigation, editing, bookmarks and notifications.
#include "datalists/DataListFile.h"
#include "datalists/DataSet.h"
#include "datalists/SqlEngine.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace quill;

namespace {

DataTable people()
{
    DataTable t;
    t.name = QStringLiteral("people");
    t.fields = {{QStringLiteral("Name"), FieldType::Text, 30},
                {QStringLiteral("City"), FieldType::Text, 20},
                {QStringLiteral("Rows"), FieldType::Integer, 0}};
    t.rows = {{QStringLiteral("O'Brien"), QStringLiteral("서울"), 1},
              {QStringLiteral("say \"hi\""), QStringLiteral("부산"), 2},
              {QStringLiteral("홍길동"), QStringLiteral("서울"), 3},
              {QStringLiteral("abc"), QStringLiteral("대구"), 4}};
    return t;
}

QStringList column(const DataTable &t, int field)
{
    QStringList values;
    for (int r = 0; r < t.rowCount(); ++r)
        values.append(t.text(r, field));
    return values;
}

} // namespace

class TestDataListEngine : public QObject {
    Q_OBJECT
private slots:
    void selectBindsValues_data();
    void selectBindsValues();
    void selectRejectsUnknownFields();
    void selectMatchesThePlainQuery_data();
    void selectMatchesThePlainQuery();
    void dialectRunsOverListFiles();
    void alterTableIsWrittenBack();
    void exportRenamesRowsAndColumns();
    void createFromDefinitions();
    void dataSetNavigatesAndEdits();
    void dataSetBookmarksLocateAndNotifications();
};

void TestDataListEngine::selectBindsValues_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("equals");
    QTest::addColumn<QString>("like");
    QTest::addColumn<bool>("descending");
    QTest::addColumn<QStringList>("names");
    auto u = [](const char *text) { return QString::fromUtf8(text); };
    QTest::newRow("apostrophe") << u("Name") << u("O'Brien") << QString() << false << QStringList{u("O'Brien")};
    QTest::newRow("double quote") << u("Name") << u("say \"hi\"") << QString() << false
                                  << QStringList{u("say \"hi\"")};
    QTest::newRow("korean like") << u("City") << QString() << u("서%") << true
                                 << QStringList{u("홍길동"), u("O'Brien")};
    QTest::newRow("injection text") << u("Name") << u("x' OR '1'='1") << QString() << false << QStringList{};
}

void TestDataListEngine::selectBindsValues()
{
    QFETCH(QString, field);
    QFETCH(QString, equals);
    QFETCH(QString, like);
    QFETCH(bool, descending);
    QFETCH(QStringList, names);
    SqlTable engine;
    QVERIFY(engine.load(people()).ok());
    DataQuery q;
    if (!equals.isEmpty())
        q.equals.append({field, equals});
    if (!like.isEmpty())
        q.likes.append({field, like});
    q.orderBy = QStringLiteral("rows");
    q.descending = descending;
    auto result = engine.select(q);
    QVERIFY2(result.ok(), qPrintable(result.error().message));
    QCOMPARE(column(result.value(), 0), names);
    QCOMPARE(result.value().fields.at(2).type, FieldType::Integer);
}

void TestDataListEngine::selectRejectsUnknownFields()
{
    SqlTable engine;
    QVERIFY(engine.load(people()).ok());
    DataQuery q;
    q.orderBy = QStringLiteral("Name; DROP TABLE list");
    QVERIFY(!engine.select(q).ok());
    DataQuery distinct;
    distinct.distinct = true;
    distinct.columns = {QStringLiteral("city")};
    distinct.orderBy = QStringLiteral("City");
    auto cities = engine.select(distinct);
    QVERIFY(cities.ok());
    QCOMPARE(cities.value().rowCount(), 3);
}

// A list with every kind of value a reader hands over, and many equal keys.
DataTable mixedList()
{
    DataTable t;
    t.name = QStringLiteral("mixed");
    t.fields = {{QStringLiteral("Name"), FieldType::Text, 20}, {QStringLiteral("Group"), FieldType::Text, 0},
                {QStringLiteral("Count"), FieldType::Integer, 0}, {QStringLiteral("Price"), FieldType::Float, 0},
                {QStringLiteral("Paid"), FieldType::Boolean, 0}, {QStringLiteral("Day"), FieldType::Date, 0},
                {QStringLiteral("Note"), FieldType::Memo, 0}};
    const QList<QVariant> groups{QStringLiteral("가"), QStringLiteral("a"), QStringLiteral("A"), QVariant(),
                                 QString(), QString(QStringLiteral("")), 7, 0.1 + 0.2, true,
                                 QStringLiteral("\U0001F600"), QStringLiteral("\uFFFD")};
    for (int r = 0; r < 300; ++r) {
        QVariantList row{QStringLiteral("이름%1").arg(r), groups.at(r % groups.size())};
        row.append(r % 4 == 0 ? QVariant(QStringLiteral("x%1").arg(r)) : QVariant(r % 13));
        row.append(r % 5 == 0 ? QVariant(r) : QVariant(r / 7.0));
        row.append(r % 3 == 0 ? QVariant() : QVariant(r % 2 == 0));
        row.append(QDate(2024, 1, 1).addDays(r % 9));
        if (r % 6 != 0) // short rows: the missing values are empty
            row.append(r % 2 ? QVariant(QStringLiteral("%1").arg(r % 11)) : QVariant(r));
        t.rows.append(row);
    }
    return t;
}

void TestDataListEngine::selectMatchesThePlainQuery_data()
{
    QTest::addColumn<QString>("orderBy");
    QTest::addColumn<bool>("descending");
    QTest::addColumn<QString>("like");
    QTest::addColumn<QStringList>("columns");
    QTest::addColumn<int>("limit");
    QTest::newRow("all") << QString() << false << QString() << QStringList() << -1;
    for (const char *field : {"Name", "Group", "Count", "Price", "Paid", "Day", "Note"}) {
        QTest::addRow("by %s", field) << QString::fromLatin1(field) << false << QString() << QStringList() << -1;
        QTest::addRow("by %s desc", field) << QString::fromLatin1(field) << true << QString() << QStringList() << -1;
    }
    QTest::newRow("like, columns, limit") << QStringLiteral("group") << true << QStringLiteral("이름1%")
                                          << QStringList{QStringLiteral("note"), QStringLiteral("Name")} << 17;
}

// A select builds its rows from the rows kept in memory; they must be the rows SQLite itself
// returns for the same statement, values, types and order of equal keys alike.
void TestDataListEngine::selectMatchesThePlainQuery()
{
    QFETCH(QString, orderBy);
    QFETCH(bool, descending);
    QFETCH(QString, like);
    QFETCH(QStringList, columns);
    QFETCH(int, limit);
    SqlTable engine;
    QVERIFY(engine.load(mixedList()).ok());
    DataQuery q;
    q.orderBy = orderBy;
    q.descending = descending;
    q.columns = columns;
    q.limit = limit;
    QString statement = QStringLiteral("SELECT ") + (columns.isEmpty() ? QStringLiteral("*") : columns.join(u','))
                        + QStringLiteral(" FROM x");
    if (!like.isEmpty()) {
        q.likes.append({QStringLiteral("Name"), like});
        statement += QStringLiteral(" WHERE Name LIKE \"%1\"").arg(like);
    }
    if (!orderBy.isEmpty())
        statement += QStringLiteral(" ORDER BY [%1]%2").arg(orderBy, descending ? QStringLiteral(" DESC") : QString());
    if (limit >= 0)
        statement += QStringLiteral(" LIMIT %1").arg(limit);
    auto fast = engine.select(q);
    auto plain = engine.run(statement);
    QVERIFY2(fast.ok(), qPrintable(fast.error().message));
    QVERIFY2(plain.ok(), qPrintable(plain.error().message));
    QCOMPARE(fast.value().name, plain.value().name);
    QCOMPARE(fast.value().columnCount(), plain.value().columnCount());
    for (int c = 0; c < plain.value().columnCount(); ++c) {
        QCOMPARE(fast.value().fields.at(c).name, plain.value().fields.at(c).name);
        QCOMPARE(fast.value().fields.at(c).type, plain.value().fields.at(c).type);
        QCOMPARE(fast.value().fields.at(c).size, plain.value().fields.at(c).size);
    }
    QCOMPARE(fast.value().rowCount(), plain.value().rowCount());
    for (int r = 0; r < plain.value().rowCount(); ++r) {
        const QVariantList &a = fast.value().rows.at(r), &b = plain.value().rows.at(r);
        QCOMPARE(a.size(), b.size());
        for (int c = 0; c < b.size(); ++c) {
            QCOMPARE(a.at(c).typeId(), b.at(c).typeId());
            QCOMPARE(a.at(c).isNull(), b.at(c).isNull());
            QCOMPARE(a.at(c), b.at(c));
        }
    }
}

void TestDataListEngine::dialectRunsOverListFiles()
{
    QTemporaryDir dir;
    QVERIFY(writeDataList(dir.filePath(QStringLiteral("주소.dbf")), people()).ok());
    auto result = runEngineQuery(
        QStringLiteral("SELECT * FROM \"주소.dbf\" WHERE City = \"서울\" AND Name LIKE \"%'%\" ORDER BY Name DESC"),
        dir.path());
    QVERIFY2(result.ok(), qPrintable(result.error().message));
    QCOMPARE(column(result.value(), 0), QStringList{QStringLiteral("O'Brien")});
    auto distinct = runEngineQuery(QStringLiteral("select distinct City from \"주소.dbf\" order by City asc"), dir.path());
    QVERIFY(distinct.ok());
    QCOMPARE(distinct.value().rowCount(), 3);
    QVERIFY(!runEngineQuery(QStringLiteral("SELECT * FROM \"missing.db\""), dir.path()).ok());
}

void TestDataListEngine::alterTableIsWrittenBack()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("list.db"));
    QVERIFY(writeDataList(path, people()).ok());
    QVERIFY(runEngineStatement(QStringLiteral("ALTER TABLE \"list.db\" ADD Phone CHAR(15)"), dir.path()).ok());
    QVERIFY(runEngineStatement(QStringLiteral("ALTER TABLE \"list.db\" ALTER COLUMN Rows CHAR(5)"), dir.path()).ok());
    QVERIFY(runEngineStatement(QStringLiteral("ALTER TABLE \"list.db\" DROP City"), dir.path()).ok());
    QVERIFY(!runEngineStatement(QStringLiteral("ALTER TABLE \"list.db\" DROP Nothing"), dir.path()).ok());
    auto t = readDataList(path);
    QVERIFY(t.ok());
    QCOMPARE(t.value().fields.size(), 3);
    QCOMPARE(t.value().fields.at(1).type, FieldType::Text);
    QCOMPARE(t.value().fields.at(2).name, QStringLiteral("Phone"));
    QCOMPARE(t.value().text(2, 1), QStringLiteral("3"));
    QCOMPARE(t.value().text(0, 0), QStringLiteral("O'Brien"));
}

void TestDataListEngine::exportRenamesRowsAndColumns()
{
    QCOMPARE(exportFieldName(QStringLiteral("Rows")), QStringLiteral("L_Rows"));
    QCOMPARE(exportFieldName(QStringLiteral("COLUMNS")), QStringLiteral("L_COLUMNS"));
    QCOMPARE(exportFieldName(QStringLiteral("Rowset")), QStringLiteral("Rowset"));
    QTemporaryDir dir;
    for (const QString &name : {QStringLiteral("x.xlsx"), QStringLiteral("x.sqlite"), QStringLiteral("x.dbf")}) {
        const QString path = dir.filePath(name);
        QVERIFY(exportDataList(people(), path).ok());
        auto t = readDataList(path);
        QVERIFY(t.ok());
        QCOMPARE(t.value().fields.at(2).name, QStringLiteral("L_Rows"));
        QCOMPARE(sourceFieldIndex(people(), t.value().fields.at(2).name), 2);
        QCOMPARE(t.value().text(3, 2), QStringLiteral("4")); // values follow their source field
        QCOMPARE(t.value().text(1, 0), QStringLiteral("say \"hi\""));
    }
    const Status xls = exportDataList(people(), dir.filePath(QStringLiteral("x.xls")));
    if (!xls.ok())
        QCOMPARE(xls.error().message, QStringLiteral("Excel 프로그램이 설치 되어 있지 않습니다."));
}

void TestDataListEngine::createFromDefinitions()
{
    QTemporaryDir dir;
    const QStringList defs{QStringLiteral("성명;문자열;10"), QStringLiteral("주소;문자열"), QStringLiteral("성명;문자열;5")};
    for (const QString &name : {QStringLiteral("n.db"), QStringLiteral("n.dbf"), QStringLiteral("n.txt"), QStringLiteral("n.sqlite")}) {
        const QString path = dir.filePath(name);
        QVERIFY2(createDataList(path, defs).ok(), qPrintable(name));
        auto t = readDataList(path);
        QVERIFY2(t.ok(), qPrintable(name));
        QCOMPARE(t.value().fields.size(), 2);
        QCOMPARE(t.value().fields.at(0).name, QStringLiteral("성명"));
        QCOMPARE(t.value().rowCount(), 0);
        if (!name.endsWith(QStringLiteral(".txt"))) {
            QCOMPARE(t.value().fields.at(0).size, 10);
            QCOMPARE(t.value().fields.at(1).size, 20);
        }
    }
}

void TestDataListEngine::dataSetNavigatesAndEdits()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("list.db"));
    QVERIFY(writeDataList(path, people()).ok());
    DataSet set;
    QVERIFY(set.open(path).ok());
    QCOMPARE(set.recordCount(), 4);
    QCOMPARE(set.recNo(), 1);
    QVERIFY(!set.eof());
    set.last();
    set.next();
    QVERIFY(set.eof());
    QCOMPARE(set.recNo(), 4);
    set.setRecNo(2);
    QCOMPARE(set.asText(QStringLiteral("NAME")), QStringLiteral("say \"hi\""));
    QVERIFY(!set.fieldByName(QStringLiteral("nope")).ok());
    QVERIFY(set.setText(QStringLiteral("City"), QStringLiteral("인천")).ok());
    QCOMPARE(set.state(), DataSet::State::Edit);
    set.cancel();
    QCOMPARE(set.asText(QStringLiteral("City")), QStringLiteral("부산"));
    set.edit();
    QVERIFY(set.setText(QStringLiteral("City"), QStringLiteral("인천")).ok());
    QVERIFY(set.post().ok());
    set.append();
    QVERIFY(set.setValue(QStringLiteral("Name"), QStringLiteral("새 사람")).ok());
    QVERIFY(set.isNull(QStringLiteral("Rows")));
    QVERIFY(set.post().ok());
    QCOMPARE(set.recNo(), 5);
    set.first();
    QVERIFY(set.deleteRecord().ok());
    // Posting and deleting wrote through to the file.
    auto t = readDataList(path);
    QVERIFY(t.ok());
    QCOMPARE(t.value().rowCount(), 4);
    QCOMPARE(t.value().text(0, 1), QStringLiteral("인천"));
    QCOMPARE(t.value().text(3, 0), QStringLiteral("새 사람"));
}

void TestDataListEngine::dataSetBookmarksLocateAndNotifications()
{
    DataSet set;
    set.setTable(people());
    QSignalSpy moved(&set, &DataSet::currentChanged);
    QSignalSpy changed(&set, &DataSet::dataChanged);
    set.setRecNo(3);
    const DataSet::Bookmark mark = set.bookmark();
    set.first();
    set.insert(); // a record before the bookmarked one shifts it down
    QVERIFY(set.setText(QStringLiteral("Name"), QStringLiteral("first")).ok());
    QVERIFY(set.post().ok());
    QVERIFY(set.gotoBookmark(mark));
    QCOMPARE(set.asText(QStringLiteral("Name")), QStringLiteral("홍길동"));
    QVERIFY(set.locate(QStringLiteral("name"), QStringLiteral("ABC")));
    QCOMPARE(set.recNo(), 5);
    QVERIFY(!set.locate(QStringLiteral("name"), QStringLiteral("zzz")));
    QVERIFY(moved.count() >= 4);
    QCOMPARE(changed.count(), 1);
    moved.clear();
    changed.clear();
    set.disableControls();
    set.first();
    set.next();
    QCOMPARE(moved.count(), 0);
    set.enableControls();
    QCOMPARE(moved.count(), 1);
    QCOMPARE(changed.count(), 1);
}

QTEST_GUILESS_MAIN(TestDataListEngine)
#include "tst_datalists_engine.moc"
