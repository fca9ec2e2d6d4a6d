// Data list files: every format opens and reads with Korean text intact, writable formats
// write and reopen, damaged files give clear errors.
#include "datalists/DataListFile.h"
#include "datalists/ParadoxFile.h"
#include "datalists/TextFile.h"
#include "shell/CaptionFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace quill;

namespace {

DataTable sampleTable()
{
    DataTable t;
    t.name = QStringLiteral("주소록");
    t.fields = {{QStringLiteral("이름"), FieldType::Text, 20},
                {QStringLiteral("주소"), FieldType::Text, 60},
                {QStringLiteral("Count"), FieldType::Integer, 0}};
    t.rows = {{QStringLiteral("홍길동"), QStringLiteral("서울시 똠방동 1, \"가\"동"), 3},
              {QStringLiteral("Kim O'Neil"), QStringLiteral("부산"), 42},
              {QStringLiteral("이순신"), QVariant(), QVariant()}};
    return t;
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

class TestDataListFormats : public QObject {
    Q_OBJECT
private slots:
    void roundTrip_data();
    void roundTrip();
    void damagedFilesAreRefused_data();
    void damagedFilesAreRefused();
    void paradoxCutsAtCharacterBoundary();
    void textImportFollowsTheListRules();
    void textEncodingsAreDetected();
    void accessAndUnknownFormatsAreNotWritten();
    void sharedFixturesOpen_data();
    void sharedFixturesOpen();
};

void TestDataListFormats::roundTrip_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::newRow("paradox") << QStringLiteral("list.db");
    QTest::newRow("merge table") << QStringLiteral("label.tmp");
    QTest::newRow("dbase") << QStringLiteral("list.dbf");
    QTest::newRow("xlsx") << QStringLiteral("list.xlsx");
    QTest::newRow("csv") << QStringLiteral("list.csv");
    QTest::newRow("txt") << QStringLiteral("list.txt");
    QTest::newRow("sqlite") << QStringLiteral("list.sqlite");
}

void TestDataListFormats::roundTrip()
{
    QFETCH(QString, fileName);
    QTemporaryDir dir;
    const QString path = dir.filePath(fileName);
    const DataTable source = sampleTable();
    const Status written = writeDataList(path, source);
    QVERIFY2(written.ok(), qPrintable(written.error().message));
    // Writing again replaces the file and leaves no temporary files behind.
    QVERIFY(writeDataList(path, source).ok());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{fileName});

    auto tables = dataListTables(path);
    QVERIFY2(tables.ok(), qPrintable(tables.error().message));
    QCOMPARE(tables.value().size(), 1);
    auto read = readDataList(path);
    QVERIFY2(read.ok(), qPrintable(read.error().message));
    const DataTable &t = read.value();
    QCOMPARE(t.fields.size(), source.fields.size());
    for (int i = 0; i < source.fields.size(); ++i)
        QCOMPARE(t.fields.at(i).name, source.fields.at(i).name);
    QCOMPARE(t.rowCount(), source.rowCount());
    for (int r = 0; r < source.rowCount(); ++r) {
        for (int c = 0; c < source.columnCount(); ++c)
            QCOMPARE(t.text(r, c), source.text(r, c));
    }
    QVERIFY(t.fields.at(0).size >= 3);
}

void TestDataListFormats::damagedFilesAreRefused_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<bool>("truncate"); // true: a good file cut short; false: garbage
    for (const char *name : {"x.db", "x.dbf", "x.xlsx", "x.sqlite", "x.xls", "x.mdb", "x.ods"}) {
        QTest::newRow((QByteArray(name) + " garbage").constData()) << QString::fromLatin1(name) << false;
        QTest::newRow((QByteArray(name) + " truncated").constData()) << QString::fromLatin1(name) << true;
    }
}

void TestDataListFormats::damagedFilesAreRefused()
{
    QFETCH(QString, fileName);
    QFETCH(bool, truncate);
    QTemporaryDir dir;
    const QString path = dir.filePath(fileName);
    QByteArray bytes = QByteArray("garbage, not a table ").repeated(300);
    if (truncate) {
        DataTable big = sampleTable();
        for (int i = 0; i < 400; ++i)
            big.rows.append({QStringLiteral("이름%1").arg(i), QStringLiteral("주소"), i});
        const QString good = dir.filePath(QStringLiteral("good.") + QFileInfo(fileName).suffix());
        if (!writeDataList(good, big).ok())
            QSKIP("this format is not writable here; garbage covers it");
        QFile f(good);
        QVERIFY(f.open(QIODevice::ReadOnly));
        bytes = f.readAll().left(f.size() / 3);
    }
    writeBytes(path, bytes);
    auto read = readDataList(path);
    QVERIFY(!read.ok());
    QVERIFY(read.error().message.contains(fileName));
    QVERIFY(!dataListTables(path).ok() || !read.ok());
}

void TestDataListFormats::paradoxCutsAtCharacterBoundary()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("long.db"));
    DataTable t;
    t.fields = {{QStringLiteral("Memo"), FieldType::Text, 10}};
    const QString longText = QStringLiteral("a") + QString(200, QChar(u'가')); // 401 bytes in CP949
    t.rows = {{longText}, {QStringLiteral("짧은 값")}};
    QVERIFY(writeParadoxFile(path, t).ok());
    auto read = readParadoxFile(path);
    QVERIFY(read.ok());
    const QString cut = read.value().text(0, 0);
    QVERIFY(!cut.isEmpty());
    QVERIFY(longText.startsWith(cut));
    QCOMPARE(cut.size(), 1 + 127); // 255 bytes hold "a" and 127 whole characters
    QCOMPARE(read.value().text(1, 0), QStringLiteral("짧은 값"));
}

void TestDataListFormats::textImportFollowsTheListRules()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("notes.txt"));
    writeBytes(path, QStringLiteral("이름,주소,\r\n홍길동,\"서울, 1\"\"가\"\"\",x,extra\n김\n\"여러\n줄\",끝\n").toUtf8());
    auto imported = importTextFile(path);
    QVERIFY2(imported.ok(), qPrintable(imported.error().message));
    QCOMPARE(imported.value(), path + QStringLiteral(".db"));
    auto t = readDataList(imported.value());
    QVERIFY(t.ok());
    QCOMPARE(t.value().fields.size(), 2); // the header's trailing comma adds no field
    QCOMPARE(t.value().fields.at(0).size, 50);
    QCOMPARE(t.value().rowCount(), 3);
    QCOMPARE(t.value().text(0, 1), QStringLiteral("서울, 1\"가\""));
    QCOMPARE(t.value().text(1, 1), QString()); // fewer pieces leave the rest empty
    QCOMPARE(t.value().text(2, 0), QStringLiteral("여러\n줄"));
    // Importing again replaces the table.
    writeBytes(path, QByteArray("A\r\n1\r\n"));
    imported = importTextFile(path);
    QVERIFY(imported.ok());
    t = readDataList(imported.value());
    QCOMPARE(t.value().fields.size(), 1);
    QCOMPARE(t.value().rowCount(), 1);
}

void TestDataListFormats::textEncodingsAreDetected()
{
    const QString text = QStringLiteral("이름\r\n똠방각하\r\n");
    QTemporaryDir dir;
    const QList<QByteArray> encodings{toCp949(text), text.toUtf8(), QByteArray("\xEF\xBB\xBF") + text.toUtf8()};
    for (const QByteArray &bytes : encodings) {
        const QString path = dir.filePath(QStringLiteral("enc.csv"));
        writeBytes(path, bytes);
        auto t = readDataList(path);
        QVERIFY(t.ok());
        QCOMPARE(t.value().fields.at(0).name, QStringLiteral("이름"));
        QCOMPARE(t.value().text(0, 0), QStringLiteral("똠방각하"));
    }
}

void TestDataListFormats::accessAndUnknownFormatsAreNotWritten()
{
    QTemporaryDir dir;
    for (const QString &name : {QStringLiteral("x.mdb"), QStringLiteral("x.ods"), QStringLiteral("x.abc")}) {
        const Status s = writeDataList(dir.filePath(name), sampleTable());
        QVERIFY(!s.ok());
        QVERIFY2(s.error().message.contains(QStringLiteral(".dbf")), qPrintable(s.error().message));
        QVERIFY(!QFile::exists(dir.filePath(name)));
    }
    const Status created = createDataList(dir.filePath(QStringLiteral("new.MDB")), {QStringLiteral("A;문자열;10")});
    QVERIFY(!created.ok());
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("new.MDB"))));
    QCOMPARE(dataListFormat(QStringLiteral("/a/B.MDB")), DataListFormat::Access);
}

void TestDataListFormats::sharedFixturesOpen_data()
{
    QTest::addColumn<QString>("relative");
    QTest::addColumn<bool>("readable"); // false: older workbooks the reader refuses with a message
    QTest::newRow("nwind") << QStringLiteral("access/nwind.mdb") << true;
    QTest::newRow("dates mdb") << QStringLiteral("access/DateTestDatabase.mdb") << true;
    QTest::newRow("profiles") << QStringLiteral("excel/profiles.xls") << true;
    QTest::newRow("namesdemo") << QStringLiteral("excel/namesdemo.xls") << true;
    QTest::newRow("ragged") << QStringLiteral("excel/ragged.xls") << true;
    QTest::newRow("Formate") << QStringLiteral("excel/Formate.xls") << false;
    QTest::newRow("biff4") << QStringLiteral("excel/biff4_no_format_no_window2.xls") << false;
    QTest::newRow("sample xlsx") << QStringLiteral("excel/sample.xlsx") << true;
}

void TestDataListFormats::sharedFixturesOpen()
{
    QFETCH(QString, relative);
    QFETCH(bool, readable);
    const QString path = QStringLiteral(QUILL_SHARED_FIXTURES_DIR) + u'/' + relative;
    if (!QFile::exists(path))
        QSKIP("shared fixture not present");
    auto tables = dataListTables(path);
    if (!readable && !tables.ok()) {
        QVERIFY(tables.error().message.startsWith(QFileInfo(path).fileName() + u':'));
        return;
    }
    QVERIFY2(tables.ok(), qPrintable(tables.error().message));
    QVERIFY(!tables.value().isEmpty());
    for (const QString &name : tables.value()) {
        auto t = readDataList(path, name);
        QVERIFY2(t.ok(), qPrintable(name + QStringLiteral(": ") + t.error().message));
    }
}

QTEST_GUILESS_MAIN(TestDataListFormats)
#include "tst_datalists_formats.moc"
