// Tests the field templates (TableField.dat), the new table's definition rules, the table-name
// suggestion, the save dialog's extension rule and field changes of a list in memory.
#include "datalists/DataListFile.h"
#include "datalists/FieldChanges.h"
#include "datalists/NewTableRules.h"
#include "datalists/TableFieldTemplates.h"
#include "shell/CaptionFile.h"

#include <QTemporaryDir>
#include <QTest>

using namespace quill;
using namespace Qt::StringLiterals;

class TestTableFields : public QObject {
    Q_OBJECT
private slots:
    void shippedTemplates();
    void templatesSkipMissingItems();
    void definitionParseAndFormat_data();
    void definitionParseAndFormat();
    void addressBlockComesWhole();
    void addAllAndRemove();
    void userField_data();
    void userField();
    void modifyRow();
    void tableNameSuggestion_data();
    void tableNameSuggestion();
    void tableNameChecks();
    void extensionRule_data();
    void extensionRule();
    void qtFilters();
    void createWorkbookFromDefinitions();
    void addField();
    void renameKeepsValuesAndDropsOldField();
    void shrinkingBelowAValueRefuses();
    void resizeConvertsToText();
};

namespace {

QString shippedPath()
{
    return QStringLiteral(QUILL_SOURCE_RESOURCE_DIR "/TableField.dat");
}

DataTable people()
{
    DataTable t;
    t.fields = {{QStringLiteral("이름"), FieldType::Text, 20},
                {QStringLiteral("주소"), FieldType::Text, 50},
                {QStringLiteral("나이"), FieldType::Integer, 0}};
    t.rows = {{QStringLiteral("홍길동"), QStringLiteral("서울"), 30},
              {QStringLiteral("김"), QStringLiteral("부산광역시 해운대구"), QVariant()},
              {QStringLiteral("이순신"), QVariant(), 45}};
    return t;
}

} // namespace

void TestTableFields::shippedTemplates()
{
    const TableFieldTemplates templates = TableFieldTemplates::load(shippedPath());
    const QStringList names = templates.templateNames();
    QCOMPARE(names.size(), 6);
    QCOMPARE(names.first(), QStringLiteral("주소록"));
    QCOMPARE(names.at(1), QStringLiteral("회원명부"));
    const QStringList first = templates.fields(0);
    QCOMPARE(first.size(), 12);
    QCOMPARE(first.first(), QStringLiteral("이름;문자열;20"));
    QCOMPARE(templates.fields(QStringLiteral("도서목록")).value(6), QStringLiteral("ISBN;문자열;13"));
    QCOMPARE(templates.addressBlock(),
             QStringList({QStringLiteral("우편번호;문자열;7"), QStringLiteral("주소;문자열;50"),
                          QStringLiteral("주소1;문자열;50")}));
    QVERIFY(templates.fields(QStringLiteral("없는 목록")).isEmpty());
    QVERIFY(TableFieldTemplates::load(QStringLiteral("/nonexistent/TableField.dat")).templateNames().isEmpty());
}

void TestTableFields::templatesSkipMissingItems()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("TableField.dat"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(toCp949(QStringLiteral("[TableName]\r\nItemCount=2\r\nItem1=가\r\nItem2=나\r\n"
                                      "[가]\r\nItemCount=3\r\nItem1=A;문자열;5\r\nItem3=C\r\n")));
    file.close();
    const TableFieldTemplates templates = TableFieldTemplates::load(path);
    QCOMPARE(templates.templateNames(), QStringList({QStringLiteral("가"), QStringLiteral("나")}));
    QCOMPARE(templates.fields(0), QStringList({QStringLiteral("A;문자열;5"), QStringLiteral("C")}));
    QVERIFY(templates.fields(1).isEmpty());
    QVERIFY(templates.addressBlock().isEmpty());
}

void TestTableFields::definitionParseAndFormat_data()
{
    QTest::addColumn<QString>("definition");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("typeWord");
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("formatted");
    QTest::newRow("full") << u"이름;문자열;20"_s << u"이름"_s << u"문자열"_s << 20 << u"이름;문자열;20"_s;
    QTest::newRow("no size") << u"비고;문자열"_s << u"비고"_s << u"문자열"_s << 20 << u"비고;문자열;20"_s;
    QTest::newRow("name only") << u"X"_s << u"X"_s << QString() << 20 << u"X;문자열;20"_s;
    QTest::newRow("bad size") << u"X;문자열;abc"_s << u"X"_s << u"문자열"_s << 20 << u"X;문자열;20"_s;
    QTest::newRow("spaced size") << u"X;문자열; 7 "_s << u"X"_s << u"문자열"_s << 7 << u"X;문자열;7"_s;
}

void TestTableFields::definitionParseAndFormat()
{
    QFETCH(QString, definition);
    const FieldDefinition field = FieldDefinition::parse(definition);
    QTEST(field.name, "name");
    QTEST(field.typeWord, "typeWord");
    QTEST(field.size, "size");
    QTEST(field.format(), "formatted");
}

void TestTableFields::addressBlockComesWhole()
{
    const TableFieldTemplates templates = TableFieldTemplates::load(shippedPath());
    const QStringList block = templates.addressBlock();
    const QStringList first = templates.fields(0);
    QStringList defs;
    QCOMPARE(addTemplateField(defs, first.at(0), block, true), 1); // 이름
    // 주소1 is in the block: the whole block comes, in block order.
    QCOMPARE(addTemplateField(defs, first.at(7), block, true), 3);
    QCOMPARE(defs, QStringList({first.at(0), block.at(0), block.at(1), block.at(2)}));
    // Again: nothing.
    QCOMPARE(addTemplateField(defs, first.at(5), block, true), 0);
    QCOMPARE(defs.size(), 4);

    // With one block field present only the missing ones are added.
    QStringList partial {block.at(1)};
    QCOMPARE(addTemplateField(partial, block.at(0), block, true), 2);
    QCOMPARE(partial, QStringList({block.at(1), block.at(0), block.at(2)}));

    // Other templates add the field alone.
    QStringList single;
    QCOMPARE(addTemplateField(single, block.at(1), block, false), 1);
    QCOMPARE(single, QStringList {block.at(1)});
    QCOMPARE(addTemplateField(single, block.at(1), block, false), 0);
}

void TestTableFields::addAllAndRemove()
{
    QStringList defs {u"주소;문자열;30"_s};
    const QStringList fields {u"이름;문자열;20"_s, u"주소;문자열;50"_s, u"비고"_s};
    QCOMPARE(addAllTemplateFields(defs, fields), 2);
    // The present 주소 keeps its own definition; names are compared exactly.
    QCOMPARE(defs, QStringList({u"주소;문자열;30"_s, u"이름;문자열;20"_s, u"비고"_s}));
    QCOMPARE(addAllTemplateFields(defs, {u"이름 ;문자열;20"_s}), 1);
    QVERIFY(!removeDefinitionRow(defs, 4));
    QVERIFY(!removeDefinitionRow(defs, -1));
    QVERIFY(removeDefinitionRow(defs, 1));
    QCOMPARE(definitionRow(defs, u"이름"_s), -1);
    QCOMPARE(definitionRow(defs, u"비고"_s), 1);
}

void TestTableFields::userField_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("message"); // empty: added
    QTest::newRow("added") << u"메모"_s << 100 << QString();
    QTest::newRow("case differs") << u"ID"_s << 1 << QString();
    QTest::newRow("empty") << QString() << 20 << u"필드이름을 입력 하십시오."_s;
    QTest::newRow("blank") << u"  "_s << 20 << u"필드이름을 입력 하십시오."_s;
    QTest::newRow("present") << u"id"_s << 20 << u"'id' 필드가 이미 있습니다. 다른 이름을 입력 하십시오."_s;
    QTest::newRow("separator") << u"a;b"_s << 20 << u"필드이름에는 ';' 문자를 쓸 수 없습니다."_s;
    QTest::newRow("too small") << u"x"_s << 0 << u"필드크기는 1에서 100 사이로 입력 하십시오."_s;
    QTest::newRow("too big") << u"x"_s << 101 << u"필드크기는 1에서 100 사이로 입력 하십시오."_s;
}

void TestTableFields::userField()
{
    QFETCH(QString, name);
    QFETCH(int, size);
    QFETCH(QString, message);
    QStringList defs {u"id;문자열;10"_s};
    const Result<int> row = addUserField(defs, name, size);
    if (message.isEmpty()) {
        QVERIFY(row.ok());
        QCOMPARE(row.value(), 1);
        QCOMPARE(defs.at(1), name + u";문자열;"_s + QString::number(size));
    } else {
        QVERIFY(!row.ok());
        QCOMPARE(row.error().message, message);
        QCOMPARE(defs.size(), 1);
    }
}

void TestTableFields::modifyRow()
{
    QStringList defs {u"a;문자열;10"_s, u"b;문자열;20"_s};
    QVERIFY(modifyDefinitionRow(defs, 0, u"a"_s, u"문자열"_s, 30).ok());
    QCOMPARE(defs.at(0), u"a;문자열;30"_s);
    QVERIFY(modifyDefinitionRow(defs, 0, u"c"_s, QString(), 5).ok());
    QCOMPARE(defs.at(0), u"c;문자열;5"_s);
    const Status taken = modifyDefinitionRow(defs, 0, u"b"_s, u"문자열"_s, 5);
    QVERIFY(!taken.ok());
    QVERIFY(!modifyDefinitionRow(defs, 2, u"x"_s, u"문자열"_s, 5).ok());
    QVERIFY(!modifyDefinitionRow(defs, 1, QString(), u"문자열"_s, 5).ok());
    QCOMPARE(defs, QStringList({u"c;문자열;5"_s, u"b;문자열;20"_s}));
}

void TestTableFields::tableNameSuggestion_data()
{
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QString>("suggested");
    QTest::newRow("none") << QStringList() << u"TABLE1"_s;
    QTest::newRow("after 1 and 2") << QStringList {u"TABLE1"_s, u"TABLE2"_s} << u"TABLE3"_s;
    QTest::newRow("2 alone") << QStringList {u"TABLE2"_s} << u"TABLE1"_s;
    QTest::newRow("case ignored") << QStringList {u"table1"_s, u"Other"_s} << u"TABLE2"_s;
    QStringList all;
    for (int n = 1; n <= 1000; ++n)
        all.append(u"TABLE"_s + QString::number(n));
    QTest::newRow("all taken") << all << QString();
}

void TestTableFields::tableNameSuggestion()
{
    QFETCH(QStringList, existing);
    QTEST(suggestTableName(existing), "suggested");
}

void TestTableFields::tableNameChecks()
{
    const QStringList existing {u"주소록"_s, u"Table1"_s};
    QCOMPARE(checkNewTableName(QString(), existing).error().message, u"생성할 테이블 이름을 입력하십시오."_s);
    QCOMPARE(checkNewTableName(u"TABLE1"_s, existing).error().message,
             u"생성할 테이블 이름이 있습니다. 다시 입력하십시오."_s);
    QVERIFY(checkNewTableName(u"TABLE2"_s, existing).ok());
}

void TestTableFields::extensionRule_data()
{
    const QString pairs = u"Excel(*.xlsx)|*.xlsx|Excel 97-2003(*.xls)|*.xls|dBASE(*.dbf)|*.dbf|모든 파일|*.*"_s;
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("result");
    QTest::newRow("pairs first") << u"/tmp/list"_s << pairs << 1 << u"/tmp/list.xlsx"_s;
    QTest::newRow("pairs second") << u"/tmp/list"_s << pairs << 2 << u"/tmp/list.xls"_s;
    QTest::newRow("pairs third") << u"/tmp/list"_s << pairs << 3 << u"/tmp/list.dbf"_s;
    QTest::newRow("any pattern") << u"/tmp/list"_s << pairs << 4 << u"/tmp/list"_s;
    QTest::newRow("own extension kept") << u"/tmp/list.csv"_s << pairs << 1 << u"/tmp/list.csv"_s;
    QTest::newRow("dot in folder") << u"/tmp/a.b/list"_s << pairs << 1 << u"/tmp/a.b/list.xlsx"_s;
    QTest::newRow("trailing dot") << u"/tmp/list."_s << pairs << 1 << u"/tmp/list.xlsx"_s;
    QTest::newRow("qt filter") << u"/tmp/list"_s << u"Excel(*.xlsx) (*.xlsx)"_s << 1 << u"/tmp/list.xlsx"_s;
    QTest::newRow("qt filters") << u"/tmp/list"_s << u"CSV (*.csv);;dBASE (*.dbf *.DBF)"_s << 2 << u"/tmp/list.dbf"_s;
    QTest::newRow("semicolon list") << u"/tmp/list"_s << u"Paradox|*.db;*.tmp"_s << 1 << u"/tmp/list.db"_s;
}

void TestTableFields::extensionRule()
{
    QFETCH(QString, fileName);
    QFETCH(QString, filter);
    QFETCH(int, index);
    QTEST(withFilterExtension(fileName, filter, index), "result");
}

void TestTableFields::qtFilters()
{
    QCOMPARE(qtNameFilters(u"Excel(*.xlsx)|*.xlsx|텍스트|*.txt;*.csv"_s),
             QStringList({u"Excel(*.xlsx)"_s, u"텍스트 (*.txt *.csv)"_s}));
    // Each converted filter gives back the extension of its pair.
    const QStringList filters = qtNameFilters(u"CSV(*.csv)|*.csv|SQLite|*.sqlite"_s);
    QCOMPARE(filterExtension(filters.at(1)), u"sqlite"_s);
    QCOMPARE(filterExtension(filters.join(u";;"_s), 1), u"csv"_s);
}

void TestTableFields::createWorkbookFromDefinitions()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"new.xlsx"_s);
    QVERIFY(createNewTableFile(path, {u"이름;문자열;20"_s, u"주소;문자열"_s}).ok());
    const Result<DataTable> read = readDataList(path);
    QVERIFY2(read.ok(), qPrintable(read.error().message));
    QCOMPARE(read.value().columnCount(), 2);
    QCOMPARE(read.value().fields.at(0).name, u"이름"_s);
    QCOMPARE(read.value().fields.at(1).name, u"주소"_s);
    QCOMPARE(read.value().rowCount(), 0);

    const QString csv = dir.filePath(u"new.csv"_s);
    QVERIFY(createNewTableFile(csv, {u"코드;문자열;5"_s}).ok());
    QCOMPARE(readDataList(csv).value().fields.at(0).name, u"코드"_s);
}

void TestTableFields::addField()
{
    DataTable t = people();
    t.rows[2].removeLast(); // a short row still gets the new column
    QVERIFY(addTextField(t, u"비고"_s, 30).ok());
    QCOMPARE(t.columnCount(), 4);
    QCOMPARE(t.fields.last().name, u"비고"_s);
    QCOMPARE(t.fields.last().size, 30);
    for (const QVariantList &row : std::as_const(t.rows)) {
        QCOMPARE(row.size(), 4);
        QVERIFY(row.last().isNull());
    }
    const DataTable before = t;
    const Status dup = addTextField(t, u"이름"_s, 10);
    QCOMPARE(dup.error().message, u"'이름' 필드가 이미 있습니다. 다른 이름을 입력 하십시오."_s);
    QCOMPARE(addTextField(t, u" "_s, 10).error().message, u"필드이름을 입력 하십시오."_s);
    QVERIFY(!addTextField(t, u"x"_s, 101).ok());
    QCOMPARE(t.columnCount(), before.columnCount());
    QCOMPARE(t.rows, before.rows);
}

void TestTableFields::renameKeepsValuesAndDropsOldField()
{
    DataTable t = people();
    QVERIFY(modifyField(t, u"주소"_s, u"거주지"_s, 30).ok());
    QCOMPARE(t.columnCount(), 3);
    QCOMPARE(t.fields.at(1).name, u"거주지"_s);
    QCOMPARE(t.fields.at(1).size, 30);
    QCOMPARE(t.fieldIndex(u"주소"_s), -1);
    QCOMPARE(t.text(1, 1), u"부산광역시 해운대구"_s);
    QCOMPARE(t.text(0, 1), u"서울"_s);
    QVERIFY(t.rows.at(2).at(1).isNull());
    // Only the letter case changes: still a rename of the same column.
    QVERIFY(modifyField(t, u"거주지"_s, u"거주지"_s, 30).ok());
    DataTable c;
    c.fields = {{u"name"_s, FieldType::Text, 5}};
    c.rows = {{u"a"_s}};
    QVERIFY(modifyField(c, u"name"_s, u"Name"_s, 5).ok());
    QCOMPARE(c.fields.at(0).name, u"Name"_s);
    // A rename onto another field's name is refused and changes nothing.
    const DataTable before = t;
    QVERIFY(!renameField(t, u"거주지"_s, u"이름"_s, 30).ok());
    QVERIFY(!renameField(t, u"없음"_s, u"새"_s, 30).ok());
    QCOMPARE(t.fields.at(1).name, before.fields.at(1).name);
    QCOMPARE(t.rows, before.rows);
}

void TestTableFields::shrinkingBelowAValueRefuses()
{
    DataTable t = people();
    const Status cut = resizeField(t, u"주소"_s, 5);
    QVERIFY(!cut.ok());
    QCOMPARE(cut.error().message, u"'주소' 필드의 크기를 5(으)로 줄일 수 없습니다. 2번째 자료의 값이 10자입니다."_s);
    QCOMPARE(t.fields.at(1).size, 50);
    QCOMPARE(t.text(1, 1), u"부산광역시 해운대구"_s);
    // A rename that would cut is refused as well.
    QVERIFY(!modifyField(t, u"주소"_s, u"주소2"_s, 5).ok());
    QCOMPARE(t.fields.at(1).name, u"주소"_s);
    // Exactly the longest value fits.
    QVERIFY(resizeField(t, u"주소"_s, 10).ok());
    QCOMPARE(t.fields.at(1).size, 10);
    QCOMPARE(t.text(1, 1), u"부산광역시 해운대구"_s);
}

void TestTableFields::resizeConvertsToText()
{
    DataTable t = people();
    QVERIFY(resizeField(t, u"나이"_s, 3).ok());
    QCOMPARE(t.fields.at(2).type, FieldType::Text);
    QCOMPARE(t.rows.at(0).at(2), QVariant(u"30"_s));
    QVERIFY(t.rows.at(1).at(2).isNull());
    QVERIFY(!resizeField(t, u"나이"_s, 1).ok());
}

QTEST_GUILESS_MAIN(TestTableFields)
#include "tst_table_fields.moc"
