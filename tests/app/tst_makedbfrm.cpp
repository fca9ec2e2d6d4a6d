// The create-table window and the save-table dialogs driven offscreen: templates from the
// shipped TableField.dat, the address block, user-defined fields, creating files of each kind
// through the save dialog (file dialog and table-name window replaced), the overwrite question
// and the manager's export choice.
#include "ModalAnswer.h"
#include "datalists/DataListFile.h"
#include "datalists/MakeDBFrm.h"
#include "datalists/SaveTableDialog.h"
#include "datalists/SaveTableNameFrm.h"
#include "shell/CaptionFile.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace quill;
using namespace quilltest;
using namespace Qt::StringLiterals;

namespace {

QString resource(const QString &name)
{
    return QStringLiteral(QUILL_SOURCE_RESOURCE_DIR "/") + name;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A file dialog that "types" name and picks the filter whose text contains filterPart (the
// offered one when empty). The filters offered are kept in *offered.
TZR_SaveTableDialog::ChooseFile typing(const QString &name, const QString &filterPart = {},
                                       QString *offered = nullptr)
{
    return [=](QWidget *, const QString &filter, QString *selected) {
        if (offered)
            *offered = filter;
        if (!filterPart.isEmpty()) {
            for (const QString &f : filter.split(u";;"_s)) {
                if (f.contains(filterPart))
                    *selected = f;
            }
        }
        return name;
    };
}

QStringList column(const QTableWidget *grid, int col)
{
    QStringList out;
    for (int row = 0; row < grid->rowCount(); ++row)
        out.append(grid->item(row, col)->text());
    return out;
}

class Fixture {
public:
    Fixture() : captions(resource(u"label.dat"_s)), window(captions, resource(u"TableField.dat"_s))
    {
        window.show();
    }
    template <typename T>
    T *child(const char *name) { return window.findChild<T *>(QString::fromLatin1(name)); }
    QPushButton *button(const char *name) { return child<QPushButton>(name); }
    QTableWidget *grid() { return child<QTableWidget>("strG_nFieldName"); }
    void chooseTemplate(int row) { child<QListWidget>("Lsb_Kind")->setCurrentRow(row); }
    void addTemplateRow(int row)
    {
        child<QTableWidget>("strG_FieldList")->setCurrentCell(row, 0);
        button("Btn_AddField")->click();
    }
    void addUser(const QString &name, int size)
    {
        child<QLineEdit>("Edt_UserName")->setText(name);
        child<QSpinBox>("Spn_UserSize")->setValue(size);
        button("Btn_UserAdd")->click();
    }

    CaptionFile captions;
    TMakeDBFrm window;
};

} // namespace

class TestMakeDBFrm : public QObject {
    Q_OBJECT
private slots:
    void listsTemplatesAndFields();
    void addressBlockComesOnce();
    void allRemoveAndClear();
    void userDefinedField();
    void modifyGroup();
    void createsFile_data();
    void createsFile();
    void sqliteGetsNamedTable();
    void declinedOverwriteWritesNothing();
    void failureKeepsWindowOpen();
    void emptyDefinitionClosesWithNothing();
    void tableNameWindowChecks();
    void exportChoice();
};

void TestMakeDBFrm::listsTemplatesAndFields()
{
    Fixture f;
    QCOMPARE(f.window.windowTitle(), u"새테이블 만들기"_s);
    auto *kinds = f.child<QListWidget>("Lsb_Kind");
    QCOMPARE(kinds->count(), 6);
    QCOMPARE(kinds->item(0)->text(), u"주소록"_s);
    QCOMPARE(kinds->item(5)->text(), u"도서목록"_s);
    f.chooseTemplate(3);
    auto *fields = f.child<QTableWidget>("strG_FieldList");
    QCOMPARE(fields->rowCount(), 9);
    QCOMPARE(fields->item(0, 0)->text(), u"제품코드"_s);
    QCOMPARE(fields->item(0, 1)->text(), u"제품코드;문자열;20"_s);
    QCOMPARE(f.grid()->rowCount(), 0);
}

void TestMakeDBFrm::addressBlockComesOnce()
{
    Fixture f;
    f.chooseTemplate(0);
    f.addTemplateRow(0); // 이름
    f.addTemplateRow(7); // 주소1: the whole block
    QCOMPARE(column(f.grid(), 0), QStringList({u"이름"_s, u"우편번호"_s, u"주소"_s, u"주소1"_s}));
    QCOMPARE(column(f.grid(), 1).at(1), u"우편번호;문자열;7"_s);
    f.addTemplateRow(5); // 우편번호 again: nothing
    f.addTemplateRow(0);
    QCOMPARE(f.grid()->rowCount(), 4);
    // A double click adds as "->" does.
    auto *fields = f.child<QTableWidget>("strG_FieldList");
    emit fields->cellDoubleClicked(1, 0);
    QCOMPARE(column(f.grid(), 0).last(), u"호칭"_s);

    // The third template adds an address field alone.
    Fixture g;
    g.chooseTemplate(2);
    g.addTemplateRow(6); // 주소
    QCOMPARE(column(g.grid(), 0), QStringList {u"주소"_s});
}

void TestMakeDBFrm::allRemoveAndClear()
{
    Fixture f;
    f.chooseTemplate(5);
    f.addTemplateRow(1);
    f.button("Btn_AddAll")->click();
    QCOMPARE(f.grid()->rowCount(), 8);
    QCOMPARE(f.grid()->item(0, 0)->text(), u"서명"_s);
    QCOMPARE(f.grid()->item(1, 0)->text(), u"도서번호"_s);
    f.grid()->selectRow(0);
    f.button("Btn_DelField")->click();
    QCOMPARE(f.grid()->rowCount(), 7);
    QCOMPARE(f.grid()->item(0, 0)->text(), u"도서번호"_s);
    QCOMPARE(f.window.definitions().size(), 7);
    f.button("Btn_DelAll")->click();
    QCOMPARE(f.grid()->rowCount(), 0);
    QVERIFY(f.window.definitions().isEmpty());
}

void TestMakeDBFrm::userDefinedField()
{
    Fixture f;
    QCOMPARE(f.child<QLineEdit>("Edt_UserType")->text(), u"문자열"_s);
    QCOMPARE(f.child<QSpinBox>("Spn_UserSize")->value(), 20);
    QCOMPARE(f.child<QSpinBox>("Spn_UserSize")->maximum(), 100);
    QCOMPARE(f.child<QSpinBox>("Spn_UserSize")->minimum(), 1);

    QString seen;
    answerMessageBox(QMessageBox::Ok, &seen);
    f.addUser(QString(), 20);
    QCOMPARE(seen, u"필드이름을 입력 하십시오."_s);
    QCOMPARE(f.grid()->rowCount(), 0);

    f.addUser(u"메모"_s, 30);
    QCOMPARE(f.window.definitions(), QStringList {u"메모;문자열;30"_s});
    // The new row is selected and shown in the modify group.
    QCOMPARE(f.child<QLineEdit>("Edt_ModName")->text(), u"메모"_s);
    QCOMPARE(f.child<QSpinBox>("Spn_ModSize")->value(), 30);

    seen.clear();
    answerMessageBox(QMessageBox::Ok, &seen);
    f.addUser(u"메모"_s, 10);
    QVERIFY2(seen.contains(u"이미 있습니다"_s), qPrintable(seen));
    QCOMPARE(f.grid()->rowCount(), 1);
}

void TestMakeDBFrm::modifyGroup()
{
    Fixture f;
    f.chooseTemplate(0);
    f.addTemplateRow(0);
    f.addTemplateRow(1);
    f.grid()->selectRow(0);
    QCOMPARE(f.child<QLineEdit>("Edt_ModName")->text(), u"이름"_s);
    QCOMPARE(f.child<QLineEdit>("Edt_ModType")->text(), u"문자열"_s);
    QCOMPARE(f.child<QSpinBox>("Spn_ModSize")->value(), 20);
    f.button("Btn_ModCopy")->click();
    QCOMPARE(f.child<QLineEdit>("Edt_UserName")->text(), u"이름"_s);

    f.child<QLineEdit>("Edt_ModName")->setText(u"성명"_s);
    f.child<QSpinBox>("Spn_ModSize")->setValue(12);
    f.button("Btn_Modify")->click();
    QCOMPARE(f.window.definitions().at(0), u"성명;문자열;12"_s);
    QCOMPARE(f.grid()->item(0, 0)->text(), u"성명"_s);

    // Renaming onto the other row's name is refused.
    QString seen;
    answerMessageBox(QMessageBox::Ok, &seen);
    f.child<QLineEdit>("Edt_ModName")->setText(u"호칭"_s);
    f.button("Btn_Modify")->click();
    QVERIFY(!seen.isEmpty());
    QCOMPARE(f.window.definitions().at(0), u"성명;문자열;12"_s);
}

void TestMakeDBFrm::createsFile_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("expected");
    QTest::newRow("csv by filter") << u"members"_s << u"CSV"_s << u"members.csv"_s;
    QTest::newRow("dbf typed") << u"members.dbf"_s << QString() << u"members.dbf"_s;
    QTest::newRow("xlsx offered first") << u"members"_s << QString() << u"members.xlsx"_s;
    QTest::newRow("paradox") << u"members"_s << u"Paradox"_s << u"members.db"_s;
}

void TestMakeDBFrm::createsFile()
{
    QFETCH(QString, typed);
    QFETCH(QString, filter);
    QTemporaryDir dir;
    Fixture f;
    QString offered;
    f.window.setChooseFile(typing(dir.filePath(typed), filter, &offered));
    f.chooseTemplate(0);
    f.addTemplateRow(0);
    f.addTemplateRow(5);
    f.addUser(u"메모"_s, 40);
    f.button("Btn_Make")->click();

    QVERIFY(offered.startsWith(u"Excel(*.xlsx)"_s));
    QVERIFY(!offered.contains(u"mdb"_s));
    QCOMPARE(f.window.result(), int(QDialog::Accepted));
    QFETCH(QString, expected);
    expected = dir.filePath(expected);
    QCOMPARE(f.window.created().path, expected);
    const Result<DataTable> read = readDataList(expected, f.window.created().table);
    QVERIFY2(read.ok(), qPrintable(read.error().message));
    QStringList names;
    for (const DataField &field : read.value().fields)
        names.append(field.name);
    QCOMPARE(names, QStringList({u"이름"_s, u"우편번호"_s, u"주소"_s, u"주소1"_s, u"메모"_s}));
    QCOMPARE(read.value().rowCount(), 0);
}

void TestMakeDBFrm::sqliteGetsNamedTable()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"lists.sqlite"_s);
    QStringList suggested;
    for (int round = 0; round < 2; ++round) {
        Fixture f;
        f.window.setChooseFile(typing(dir.filePath(u"lists"_s), u"SQLite"_s));
        f.window.setExecDialog([&](QDialog &dialog) {
            auto *name = dialog.findChild<QLineEdit *>(u"Edt_TableName"_s);
            suggested.append(name->text());
            dialog.accept();
            return dialog.result() == QDialog::Accepted;
        });
        f.addUser(u"코드"_s, 5);
        // No overwrite question for a database: it gets one more table.
        f.button("Btn_Make")->click();
        QCOMPARE(f.window.created(), (TSendDBName {path, suggested.last()}));
    }
    QCOMPARE(suggested, QStringList({u"TABLE1"_s, u"TABLE2"_s}));
    QCOMPARE(dataListTables(path).value(), QStringList({u"TABLE1"_s, u"TABLE2"_s}));

    // Cancelling the name window creates nothing and keeps the window open.
    Fixture f;
    f.window.setChooseFile(typing(path));
    f.window.setExecDialog([](QDialog &) { return false; });
    f.addUser(u"코드"_s, 5);
    f.button("Btn_Make")->click();
    QVERIFY(f.window.created().isEmpty());
    QVERIFY(f.window.isVisible());
    QCOMPARE(dataListTables(path).value().size(), 2);
}

void TestMakeDBFrm::declinedOverwriteWritesNothing()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"old.csv"_s);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("a,b\n1,2\n");
    file.close();

    Fixture f;
    f.window.setChooseFile(typing(path));
    f.addUser(u"새필드"_s, 10);
    QString seen;
    answerMessageBox(QMessageBox::Cancel, &seen);
    f.button("Btn_Make")->click();
    QCOMPARE(seen, u"같은 파일이 존재합니다. 덮어 쓰겠습니까?"_s);
    QCOMPARE(fileBytes(path), QByteArray("a,b\n1,2\n"));
    QVERIFY(f.window.created().isEmpty());
    QVERIFY(f.window.isVisible());

    // Accepting replaces it.
    answerMessageBox(QMessageBox::Ok);
    f.button("Btn_Make")->click();
    QCOMPARE(f.window.created().path, path);
    QCOMPARE(readDataList(path).value().fields.at(0).name, u"새필드"_s);
}

void TestMakeDBFrm::failureKeepsWindowOpen()
{
    QTemporaryDir dir;
    Fixture f;
    // A typed Access name: the reason is shown, nothing is created.
    f.window.setChooseFile(typing(dir.filePath(u"x.mdb"_s)));
    f.addUser(u"a"_s, 10);
    QString seen;
    answerMessageBox(QMessageBox::Ok, &seen);
    f.button("Btn_Make")->click();
    QVERIFY2(seen.contains(u"Access"_s), qPrintable(seen));
    QVERIFY(f.window.isVisible());
    QVERIFY(f.window.created().isEmpty());
    QVERIFY(!QFile::exists(dir.filePath(u"x.mdb"_s)));

    // A cancelled file dialog keeps the window and its definition.
    f.window.setChooseFile(typing(QString()));
    f.button("Btn_Make")->click();
    QVERIFY(f.window.isVisible());
    QCOMPARE(f.window.definitions().size(), 1);
}

void TestMakeDBFrm::emptyDefinitionClosesWithNothing()
{
    Fixture f;
    bool asked = false;
    f.window.setChooseFile([&](QWidget *, const QString &, QString *) {
        asked = true;
        return QString();
    });
    f.button("Btn_Make")->click();
    QVERIFY(!asked);
    QCOMPARE(f.window.result(), int(QDialog::Accepted));
    QVERIFY(f.window.created().isEmpty());
}

void TestMakeDBFrm::tableNameWindowChecks()
{
    TZR_SaveTableNameFrm window({u"TABLE1"_s, u"주소록"_s});
    window.show();
    QCOMPARE(window.windowTitle(), u"목록 만들기"_s);
    QVERIFY(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(window.findChild<QListWidget *>(u"Lsb_TableList"_s)->count(), 2);
    auto *name = window.findChild<QLineEdit *>(u"Edt_TableName"_s);
    QCOMPARE(name->text(), u"TABLE2"_s);
    auto *add = window.findChild<QPushButton *>(u"Btn_Add"_s);

    QString seen;
    answerMessageBox(QMessageBox::Ok, &seen);
    name->setText(u"  "_s);
    add->click();
    QCOMPARE(seen, u"생성할 테이블 이름을 입력하십시오."_s);
    answerMessageBox(QMessageBox::Ok, &seen);
    name->setText(u"table1"_s);
    add->click();
    QCOMPARE(seen, u"생성할 테이블 이름이 있습니다. 다시 입력하십시오."_s);
    QVERIFY(window.isVisible());
    name->setText(u"회원"_s);
    add->click();
    QCOMPARE(window.result(), int(QDialog::Accepted));
    QCOMPARE(window.tableName(), u"회원"_s);
}

void TestMakeDBFrm::exportChoice()
{
    QTemporaryDir dir;
    DataTable list;
    list.name = u"members.csv"_s;
    list.fields = {{u"a"_s, FieldType::Text, 5}};

    TZR_SaveTableDialog save;
    QString offered;
    save.setChooseFile(typing(dir.filePath(u"out"_s), {}, &offered));
    QCOMPARE(save.exportChoice(list).path, dir.filePath(u"out.xlsx"_s));
    const QStringList filters = offered.split(u";;"_s);
    QCOMPARE(filters.first(), u"Excel(*.xlsx)"_s);
    QCOMPARE(filters.at(1), u"Excel 97-2003(*.xls)"_s);
    QVERIFY(filters.last().contains(u"*.mdb"_s));

    // Access: the read-only message and nothing chosen, even when the file exists.
    const QString mdb = dir.filePath(u"old.mdb"_s);
    QFile file(mdb);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    save.setChooseFile(typing(dir.filePath(u"old"_s), u"mdb"_s));
    QString seen;
    answerMessageBox(QMessageBox::Ok, &seen);
    QVERIFY(save.exportChoice(list).isEmpty());
    QVERIFY2(seen.contains(u"Access"_s), qPrintable(seen));
}

QTEST_MAIN(TestMakeDBFrm)
#include "tst_makedbfrm.moc"
