// The field dialog driven offscreen: captions by mode, adding, resizing and renaming fields of
// the open list in memory (the file is left to the manager), refusals with their messages, and
// the dialog's result.
#include "ModalAnswer.h"
#include "datalists/DataListFile.h"
#include "datalists/DataSet.h"
#include "datalists/FieldADDFrm.h"
#include "shell/CaptionFile.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

using namespace quill;
using namespace quilltest;
using namespace Qt::StringLiterals;

namespace {

const QByteArray kList = "이름,주소\n홍길동,서울 종로구\n김철수,부산광역시 해운대구\n";

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(bytes);
    return path;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList items(const QListWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out.append(list->item(i)->text());
    return out;
}

QStringList fieldNames(const DataTable &table)
{
    QStringList out;
    for (const DataField &f : table.fields)
        out.append(f.name);
    return out;
}

struct Dialog {
    Dialog(DataSet &set, bool modify)
        : captions(QStringLiteral(QUILL_SOURCE_RESOURCE_DIR "/label.dat")), window(captions, set, modify)
    {
        window.show();
    }
    template <typename T>
    T *child(const char *name) { return window.findChild<T *>(QString::fromLatin1(name)); }
    QListWidget *list() { return child<QListWidget>("Lsb_FieldList"); }
    void act(const QString &name, int size)
    {
        child<QLineEdit>("Edt_FieldName")->setText(name);
        child<QSpinBox>("Spn_FieldSize")->setValue(size);
        child<QPushButton>("Btn_Action")->click();
    }

    CaptionFile captions;
    TFieldADDFrm window;
};

} // namespace

class TestFieldADDFrm : public QObject {
    Q_OBJECT
private slots:
    void captionsByMode_data();
    void captionsByMode();
    void addsFieldInMemoryOnly();
    void addRefusesTakenName();
    void modifyNeedsAChosenField();
    void renameKeepsValues();
    void shrinkBelowValueRefused();
    void keepsTableOfDatabase();
    void okResult();
};

void TestFieldADDFrm::captionsByMode_data()
{
    QTest::addColumn<bool>("modify");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("action");
    QTest::newRow("add") << false << u"필드 추가"_s << u"추가"_s;
    QTest::newRow("modify") << true << u"필드 수정"_s << u"수정"_s;
}

void TestFieldADDFrm::captionsByMode()
{
    QFETCH(bool, modify);
    QTemporaryDir dir;
    DataSet set;
    QVERIFY(set.open(writeFile(dir, u"a.csv"_s, kList)));
    Dialog d(set, modify);
    QCOMPARE(d.window.windowTitle(), u"필드추가"_s);
    QTEST(d.child<QGroupBox>("Grp_Field")->title(), "group");
    QTEST(d.child<QPushButton>("Btn_Action")->text(), "action");
    QCOMPARE(d.child<QLineEdit>("Edt_FieldType")->text(), u"문자열"_s);
    QCOMPARE(d.child<QSpinBox>("Spn_FieldSize")->value(), 20);
    QCOMPARE(d.child<QSpinBox>("Spn_FieldSize")->maximum(), 100);
    QCOMPARE(items(d.list()), QStringList({u"이름"_s, u"주소"_s}));
}

void TestFieldADDFrm::addsFieldInMemoryOnly()
{
    QTemporaryDir dir;
    const QString path = writeFile(dir, u"a.csv"_s, kList);
    DataSet set;
    QVERIFY(set.open(path));
    set.setAutoSave(false);
    set.setRecNo(2);
    Dialog d(set, false);
    d.act(u"비고"_s, 30);
    QVERIFY(d.window.changed());
    QCOMPARE(fieldNames(set.table()), QStringList({u"이름"_s, u"주소"_s, u"비고"_s}));
    QCOMPARE(set.table().fields.last().size, 30);
    QCOMPARE(items(d.list()), fieldNames(set.table()));
    QCOMPARE(set.table().text(1, 1), u"부산광역시 해운대구"_s);
    QCOMPARE(set.recNo(), 2);
    // The dataset still knows its file; the file itself is untouched until the manager saves.
    QCOMPARE(set.filePath(), path);
    QCOMPARE(fileBytes(path), kList);
    QVERIFY(set.save());
    QCOMPARE(fieldNames(readDataList(path).value()), fieldNames(set.table()));
}

void TestFieldADDFrm::addRefusesTakenName()
{
    QTemporaryDir dir;
    DataSet set;
    QVERIFY(set.open(writeFile(dir, u"a.csv"_s, kList)));
    Dialog d(set, false);
    QString seen;
    answerMessageBox(QMessageBox::Ok, &seen);
    d.act(u"주소"_s, 10);
    QVERIFY2(seen.contains(u"주소"_s) && seen.contains(u"이미 있습니다"_s), qPrintable(seen));
    answerMessageBox(QMessageBox::Ok, &seen);
    d.act(QString(), 10);
    QCOMPARE(seen, u"필드이름을 입력 하십시오."_s);
    QVERIFY(!d.window.changed());
    QCOMPARE(set.fieldCount(), 2);
}

void TestFieldADDFrm::modifyNeedsAChosenField()
{
    QTemporaryDir dir;
    DataSet set;
    QVERIFY(set.open(writeFile(dir, u"a.csv"_s, kList)));
    Dialog d(set, true);
    QCOMPARE(d.list()->currentRow(), -1);
    d.act(u"새이름"_s, 50);
    QVERIFY(!d.window.changed());
    QCOMPARE(fieldNames(set.table()), QStringList({u"이름"_s, u"주소"_s}));
}

void TestFieldADDFrm::renameKeepsValues()
{
    QTemporaryDir dir;
    const QString path = writeFile(dir, u"a.csv"_s, kList);
    DataSet set;
    QVERIFY(set.open(path));
    Dialog d(set, true);
    d.list()->setCurrentRow(1);
    QCOMPARE(d.child<QLineEdit>("Edt_FieldName")->text(), u"주소"_s);
    d.act(u"거주지"_s, 40);
    QVERIFY(d.window.changed());
    QCOMPARE(fieldNames(set.table()), QStringList({u"이름"_s, u"거주지"_s}));
    QCOMPARE(set.table().fields.at(1).size, 40);
    QCOMPARE(set.table().text(0, 1), u"서울 종로구"_s);
    QCOMPARE(set.table().text(1, 1), u"부산광역시 해운대구"_s);
    QCOMPARE(items(d.list()), QStringList({u"이름"_s, u"거주지"_s}));
    QCOMPARE(d.list()->currentItem()->text(), u"거주지"_s);
    QCOMPARE(set.filePath(), path);

    // Same name, new size.
    d.list()->setCurrentRow(0);
    QCOMPARE(d.child<QLineEdit>("Edt_FieldName")->text(), u"이름"_s);
    d.act(u"이름"_s, 3);
    QCOMPARE(set.table().fields.at(0).size, 3);
    QCOMPARE(set.table().text(0, 0), u"홍길동"_s);
}

void TestFieldADDFrm::shrinkBelowValueRefused()
{
    QTemporaryDir dir;
    DataSet set;
    QVERIFY(set.open(writeFile(dir, u"a.csv"_s, kList)));
    Dialog d(set, true);
    d.list()->setCurrentRow(1);
    QString seen;
    answerMessageBox(QMessageBox::Ok, &seen);
    d.act(u"주소"_s, 4);
    QCOMPARE(seen, u"'주소' 필드의 크기를 4(으)로 줄일 수 없습니다. 2번째 자료의 값이 10자입니다."_s);
    QVERIFY(!d.window.changed());
    QCOMPARE(set.table().text(1, 1), u"부산광역시 해운대구"_s);
}

void TestFieldADDFrm::keepsTableOfDatabase()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"lists.sqlite"_s);
    DataTable first;
    first.fields = {{u"a"_s, FieldType::Text, 5}};
    first.rows = {{u"x"_s}};
    QVERIFY(writeDataList(path, first, u"FIRST"_s));
    QVERIFY(writeDataList(path, first, u"SECOND"_s));
    DataSet set;
    QVERIFY(set.open(path, u"SECOND"_s));
    Dialog d(set, false);
    d.act(u"b"_s, 8);
    QVERIFY(set.save());
    // The field went into the table that was open, not another.
    QCOMPARE(fieldNames(readDataList(path, u"SECOND"_s).value()), QStringList({u"a"_s, u"b"_s}));
    QCOMPARE(fieldNames(readDataList(path, u"FIRST"_s).value()), QStringList {u"a"_s});
}

void TestFieldADDFrm::okResult()
{
    QTemporaryDir dir;
    DataSet set;
    QVERIFY(set.open(writeFile(dir, u"a.csv"_s, kList)));
    {
        Dialog d(set, false);
        d.child<QPushButton>("Btn_OK")->click();
        QCOMPARE(d.window.result(), int(QDialog::Rejected));
    }
    Dialog d(set, false);
    d.act(u"c"_s, 5);
    d.child<QPushButton>("Btn_OK")->click();
    QCOMPARE(d.window.result(), int(QDialog::Accepted));
    QVERIFY(!d.window.isVisible());
}

QTEST_MAIN(TestFieldADDFrm)
#include "tst_fieldaddfrm.moc"
