// The record entry window: the editors a list gets (Korean address fields or not), adding and
// changing records (twice in a row), refused values, moving through the list, Enter, and the
// postal code search filling the address and postal code.
#include "datalists/DBUpdateFrm.h"

#include "ModalAnswer.h"
#include "catalogue/PostalCodes.h"
#include "datalists/DataSet.h"
#include "objects/ZipCodeForm.h"
#include "shell/CaptionFile.h"

#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace quill;
using namespace Qt::StringLiterals;

namespace {

template <typename T>
T *child(QWidget *parent, const char *name)
{
    return parent->findChild<T *>(QString::fromLatin1(name));
}

PostalCodeTable smallTable()
{
    DataTable table = PostalCodeTable::emptyTable();
    table.rows = {
        {u"135-070"_s, u"서울 강남구 역삼동"_s, u"02"_s},
        {u"135-110"_s, u"서울 강남구 삼성동"_s, u"02"_s},
        {u"612-010"_s, u"부산 해운대구 우동"_s, u"051"_s},
    };
    return PostalCodeTable(table);
}

// 이름 text 10, 나이 integer, 키 float, 가입 date, 비고 text without a size.
DataTable members()
{
    DataTable t;
    t.name = u"members"_s;
    t.fields = {{u"이름"_s, FieldType::Text, 10}, {u"나이"_s, FieldType::Integer, 0},
        {u"키"_s, FieldType::Float, 0}, {u"가입"_s, FieldType::Date, 0}, {u"비고"_s, FieldType::Text, 0}};
    t.rows = {{u"홍길동"_s, 30, 175.5, QDate(2020, 1, 2), u"첫째"_s},
        {u"김철수"_s, 41, 168.25, QDate(2021, 3, 4), QVariant()},
        {u"이영희"_s, 25, QVariant(), QDate(2022, 5, 6), u"셋째"_s}};
    return t;
}

// An address list: the caption file's postal code and address names, plus a name.
DataTable addresses()
{
    DataTable t;
    t.name = u"addresses"_s;
    t.fields = {{u"이름"_s, FieldType::Text, 10}, {u"우편번호"_s, FieldType::Text, 7},
        {u"주소"_s, FieldType::Text, 50}, {u"주소1"_s, FieldType::Text, 50}};
    t.rows = {{u"홍길동"_s, u"110-010"_s, u"서울 종로구 청운동"_s, u"1번지"_s},
        {u"김철수"_s, u"612-010"_s, u"부산 해운대구 우동"_s, u"2번지"_s}};
    return t;
}

QString lineText(QWidget *editor)
{
    auto *edit = qobject_cast<QLineEdit *>(editor);
    return edit ? edit->text() : u"<not a line edit>"_s;
}

} // namespace

class TestDBUpdateFrm : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void generatedEditors();
    void addressEditors_data();
    void addressEditors();
    void addModeAppendsAndEmpties();
    void modifyTwiceKeepsValues();
    void refusedValueStoresNothing();
    void nextAndPrevious();
    void enterMovesOn();
    void postalSearchFillsBoth();
    void postalSearchFindsNothing();

private:
    CaptionFile mKor {QStringLiteral(QUILL_SOURCE_RESOURCE_DIR "/label.dat")};
    QTemporaryDir mDir;
    CaptionFile mEng;
    PostalCodeTable mPostal = smallTable();
};

void TestDBUpdateFrm::initTestCase()
{
    QVERIFY(mKor.exists());
    const QString path = mDir.filePath(u"label.dat"_s);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(toCp949(
        u"[CreateDB]\r\nPostBox=우편번호\r\nAddressBox=주소\r\nAddressBox1=주소1\r\n[Option]\r\nLanguage=eng\r\n"_s));
    file.close();
    mEng = CaptionFile(path);
}

void TestDBUpdateFrm::generatedEditors()
{
    DataSet list;
    list.setTable(members());
    TZR_DBUpdateFrm form(mKor, list, false, &mPostal);
    QCOMPARE(form.windowTitle(), u"자료입력(수정)"_s);
    QVERIFY(child<QGroupBox>(&form, "Grp_Personal")->isHidden()); // no address fields
    QCOMPARE(child<QGroupBox>(&form, "Grp_User")->title(), u"사용자 정의 필드"_s);

    auto *name = qobject_cast<QLineEdit *>(form.editorOf(u"이름"_s));
    auto *age = qobject_cast<QSpinBox *>(form.editorOf(u"나이"_s));
    auto *height = qobject_cast<QDoubleSpinBox *>(form.editorOf(u"키"_s));
    auto *note = qobject_cast<QLineEdit *>(form.editorOf(u"비고"_s));
    QVERIFY(name && age && height && note);
    QVERIFY(!form.editorOf(u"가입"_s)); // a date gets no editor
    QCOMPARE(name->maxLength(), 10);
    QCOMPARE(note->maxLength(), 255);
    QCOMPARE(age->value(), 0);
    QCOMPARE(height->value(), 0.0);

    // Labels at 20, 25 pixels apart; editors 5 above their labels, in one column right of
    // the widest label.
    QList<QLabel *> labels;
    for (QWidget *editor : {static_cast<QWidget *>(name), static_cast<QWidget *>(age),
             static_cast<QWidget *>(height), static_cast<QWidget *>(note)}) {
        QLabel *label = nullptr;
        for (QLabel *candidate : child<QGroupBox>(&form, "Grp_User")->findChildren<QLabel *>()) {
            if (candidate->buddy() == editor)
                label = candidate;
        }
        QVERIFY(label);
        labels.append(label);
        QCOMPARE(label->x(), 20);
        QCOMPARE(editor->y(), label->y() - 5);
        QCOMPARE(editor->x(), name->x());
    }
    QCOMPARE(labels.at(0)->y(), 30);
    QCOMPARE(labels.at(3)->y(), 30 + 3 * 25);
    int widest = 0;
    for (QLabel *label : labels)
        widest = qMax(widest, label->width());
    QCOMPARE(name->x(), widest + 35);
    QCOMPARE(name->width(), 100); // 10 pixels a character

    // Buttons: 이전/다음 only when changing records; the action caption is the manager's.
    QCOMPARE(child<QPushButton>(&form, "Btn_Ok")->text(), u"확인"_s);
    QVERIFY(!child<QPushButton>(&form, "Btn_Prior")->isEnabled());
    QVERIFY(!child<QPushButton>(&form, "Btn_Next")->isEnabled());
    QCOMPARE(child<QPushButton>(&form, "Btn_Prior")->text(), u"이전"_s);
    QCOMPARE(child<QPushButton>(&form, "Btn_Next")->text(), u"다음"_s);
    auto *action = child<QPushButton>(&form, "Btn_Action");
    QCOMPARE(action->text(), u"추가"_s);
    form.setActionCaption(u"저장"_s);
    QCOMPARE(action->text(), u"저장"_s);
}

void TestDBUpdateFrm::addressEditors_data()
{
    QTest::addColumn<bool>("kor");
    QTest::newRow("kor") << true;
    QTest::newRow("eng") << false;
}

void TestDBUpdateFrm::addressEditors()
{
    QFETCH(bool, kor);
    DataSet list;
    list.setTable(addresses());
    TZR_DBUpdateFrm form(kor ? mKor : mEng, list, true, &mPostal);
    auto *personal = child<QGroupBox>(&form, "Grp_Personal");
    auto *zip = child<QLineEdit>(&form, "Edt_ZipCode");
    auto *address1 = child<QLineEdit>(&form, "Edt_Address1");
    auto *address2 = child<QLineEdit>(&form, "Edt_Address2");
    QCOMPARE(personal->title(), u"개인 정보 필드"_s);
    QCOMPARE(!personal->isHidden(), kor);
    QCOMPARE(zip->isEnabled(), kor);
    QCOMPARE(child<QPushButton>(&form, "Btn_Find")->isEnabled(), kor);
    if (kor) {
        QCOMPARE(form.editorOf(u"우편번호"_s), zip);
        QCOMPARE(form.editorOf(u"주소"_s), address1);
        QCOMPARE(form.editorOf(u"주소1"_s), address2);
        QCOMPARE(zip->text(), u"110-010"_s); // the current record is loaded
        QCOMPARE(address2->text(), u"1번지"_s);
        QCOMPARE(zip->maxLength(), 7);
        bool hints = false;
        for (QLabel *label : personal->findChildren<QLabel *>())
            hints = hints || label->text() == u"주소1에는 동만 입력 한후 찾기를 누르십시오.  "_s;
        QVERIFY(hints);
    } else {
        // The same names are ordinary fields of an English list.
        for (const QString &field : {u"우편번호"_s, u"주소"_s, u"주소1"_s}) {
            QWidget *editor = form.editorOf(field);
            QVERIFY(editor && editor->parentWidget() == child<QGroupBox>(&form, "Grp_User"));
        }
        QCOMPARE(lineText(form.editorOf(u"주소"_s)), u"서울 종로구 청운동"_s);
        QVERIFY(zip->text().isEmpty());
    }
    QCOMPARE(lineText(form.editorOf(u"이름"_s)), u"홍길동"_s);
}

void TestDBUpdateFrm::addModeAppendsAndEmpties()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"members.csv"_s);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("이름,주소\n홍길동,서울\n");
    file.close();
    DataSet list;
    QVERIFY(list.open(path));
    list.setAutoSave(true); // the window must switch it off: the manager writes the file
    TZR_DBUpdateFrm form(mKor, list, false, &mPostal);
    QVERIFY(!form.stored());
    QVERIFY(!form.editorOf(u"이름"_s)->isHidden());
    qobject_cast<QLineEdit *>(form.editorOf(u"이름"_s))->setText(u"김철수"_s);
    // 주소 is the first address field of a Korean list.
    child<QLineEdit>(&form, "Edt_Address1")->setText(u"부산"_s);
    QTest::mouseClick(child<QPushButton>(&form, "Btn_Action"), Qt::LeftButton);
    QVERIFY(form.stored());
    QCOMPARE(list.recordCount(), 2);
    QCOMPARE(list.table().text(1, 0), u"김철수"_s);
    QCOMPARE(list.table().text(1, 1), u"부산"_s);
    QCOMPARE(list.table().text(0, 0), u"홍길동"_s);
    QVERIFY(lineText(form.editorOf(u"이름"_s)).isEmpty()); // ready for the next record
    QVERIFY(child<QLineEdit>(&form, "Edt_Address1")->text().isEmpty());
    QFile written(path);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), QByteArray("이름,주소\n홍길동,서울\n"));

    DataSet typed;
    typed.setTable(members());
    TZR_DBUpdateFrm numbers(mKor, typed, false, &mPostal);
    qobject_cast<QLineEdit *>(numbers.editorOf(u"이름"_s))->setText(u"박민수"_s);
    qobject_cast<QSpinBox *>(numbers.editorOf(u"나이"_s))->setValue(33);
    qobject_cast<QDoubleSpinBox *>(numbers.editorOf(u"키"_s))->setValue(181.75);
    QVERIFY(numbers.save());
    QCOMPARE(typed.recordCount(), 4);
    QCOMPARE(typed.table().rows.at(3),
        (QVariantList{u"박민수"_s, qlonglong(33), 181.75, QVariant(), QVariant()}));
    QCOMPARE(qobject_cast<QSpinBox *>(numbers.editorOf(u"나이"_s))->value(), 0);
    QCOMPARE(qobject_cast<QDoubleSpinBox *>(numbers.editorOf(u"키"_s))->value(), 0.0);
}

void TestDBUpdateFrm::modifyTwiceKeepsValues()
{
    DataSet list;
    list.setTable(members());
    list.setRecNo(2);
    TZR_DBUpdateFrm form(mKor, list, true, &mPostal);
    auto *name = qobject_cast<QLineEdit *>(form.editorOf(u"이름"_s));
    auto *age = qobject_cast<QSpinBox *>(form.editorOf(u"나이"_s));
    auto *height = qobject_cast<QDoubleSpinBox *>(form.editorOf(u"키"_s));
    QCOMPARE(name->text(), u"김철수"_s);
    QCOMPARE(age->value(), 41);
    QCOMPARE(height->text(), u"168.25"_s);
    QCOMPARE(child<QPushButton>(&form, "Btn_Action")->text(), u"수정"_s);

    name->setText(u"김영수"_s);
    age->setValue(42);
    auto *action = child<QPushButton>(&form, "Btn_Action");
    QTest::mouseClick(action, Qt::LeftButton);
    const QVariantList expected{u"김영수"_s, qlonglong(42), 168.25, QDate(2021, 3, 4), QVariant()};
    QCOMPARE(list.table().rows.at(1), expected);
    // The editors show the stored record again, so a second press changes nothing.
    QCOMPARE(name->text(), u"김영수"_s);
    QCOMPARE(age->value(), 42);
    QTest::mouseClick(action, Qt::LeftButton);
    QCOMPARE(list.table().rows.at(1), expected);
    QCOMPARE(list.recordCount(), 3);
    QCOMPARE(list.recNo(), 2);
    QVERIFY(form.stored());
    QCOMPARE(list.table().rows.at(0), members().rows.at(0));
}

void TestDBUpdateFrm::refusedValueStoresNothing()
{
    DataTable table = addresses();
    table.fields[1].size = 5; // a postal code field too short for 123-456
    DataSet list;
    list.setTable(table);
    TZR_DBUpdateFrm form(mKor, list, true, &mPostal);
    auto *zip = child<QLineEdit>(&form, "Edt_ZipCode");
    zip->setText(u"123-456"_s);
    qobject_cast<QLineEdit *>(form.editorOf(u"이름"_s))->setText(u"고길동"_s);
    QString seen;
    quilltest::answerMessageBox(QMessageBox::Ok, &seen);
    QVERIFY(!form.save());
    QVERIFY2(seen.contains(u"우편번호"_s), qPrintable(seen));
    QCOMPARE(list.table().rows, table.rows); // not even the name
    QVERIFY(!form.stored());
    QCOMPARE(zip->text(), u"123-456"_s); // kept for correcting
}

void TestDBUpdateFrm::nextAndPrevious()
{
    DataSet list;
    list.setTable(members());
    list.setRecNo(1);
    TZR_DBUpdateFrm form(mKor, list, true, &mPostal);
    auto *next = child<QPushButton>(&form, "Btn_Next");
    auto *prior = child<QPushButton>(&form, "Btn_Prior");
    QVERIFY(next->isEnabled() && prior->isEnabled());
    QWidget *name = form.editorOf(u"이름"_s);
    auto *height = qobject_cast<QDoubleSpinBox *>(form.editorOf(u"키"_s));
    QCOMPARE(lineText(name), u"홍길동"_s);
    QTest::mouseClick(next, Qt::LeftButton);
    QTest::mouseClick(next, Qt::LeftButton);
    QCOMPARE(list.recNo(), 3);
    QCOMPARE(lineText(name), u"이영희"_s);
    QCOMPARE(height->value(), 0.0); // an empty number shows 0
    QTest::mouseClick(next, Qt::LeftButton); // past the end: stays on the last
    QCOMPARE(list.recNo(), 3);
    QTest::mouseClick(prior, Qt::LeftButton);
    QCOMPARE(list.recNo(), 2);
    QCOMPARE(lineText(name), u"김철수"_s);
    QCOMPARE(lineText(form.editorOf(u"비고"_s)), QString());
    // Unsaved typing is dropped by a move.
    qobject_cast<QLineEdit *>(name)->setText(u"버림"_s);
    QTest::mouseClick(prior, Qt::LeftButton);
    QCOMPARE(list.table().text(1, 0), u"김철수"_s);
    QVERIFY(!form.stored());
    // A save after moving changes the record moved to.
    qobject_cast<QLineEdit *>(name)->setText(u"홍길순"_s);
    QVERIFY(form.save());
    QCOMPARE(list.table().text(0, 0), u"홍길순"_s);
    QCOMPARE(list.table().text(1, 0), u"김철수"_s);
}

void TestDBUpdateFrm::enterMovesOn()
{
    DataSet list;
    list.setTable(addresses());
    TZR_DBUpdateFrm form(mKor, list, false, &mPostal);
    // An address list with an extra generated field: 이름 is the only generated editor.
    DataSet numbers;
    numbers.setTable(members());
    TZR_DBUpdateFrm generated(mKor, numbers, false, &mPostal);
    generated.show();
    QVERIFY(QTest::qWaitForWindowActive(&generated));
    QWidget *name = generated.editorOf(u"이름"_s);
    name->setFocus();
    QTest::keyClick(name, Qt::Key_Return);
    QCOMPARE(generated.focusWidget(), generated.editorOf(u"나이"_s));
    QTest::keyClick(generated.editorOf(u"나이"_s), Qt::Key_Enter);
    QCOMPARE(generated.focusWidget(), generated.editorOf(u"키"_s));
    QTest::keyClick(generated.editorOf(u"키"_s), Qt::Key_Return);
    QCOMPARE(generated.focusWidget(), generated.editorOf(u"비고"_s));
    QTest::keyClick(generated.editorOf(u"비고"_s), Qt::Key_Return);
    auto *action = child<QPushButton>(&generated, "Btn_Action");
    QCOMPARE(generated.focusWidget(), action);
    QCOMPARE(numbers.recordCount(), 3); // Enter did not save on the way
    QTest::keyClick(action, Qt::Key_Return); // Enter on the button adds
    QCOMPARE(numbers.recordCount(), 4);
    generated.close();

    // Enter in address 1 searches (one area found: the window is answered with 선택).
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    bool asked = false;
    form.setExecDialog([&](QDialog &dialog) {
        asked = true;
        dialog.findChild<QTableWidget *>(u"DBGrid"_s)->setCurrentCell(0, 0);
        dialog.accept();
        return dialog.result() == QDialog::Accepted;
    });
    auto *address1 = child<QLineEdit>(&form, "Edt_Address1");
    address1->setFocus();
    address1->setText(u"우동"_s);
    QTest::keyClick(address1, Qt::Key_Return);
    QVERIFY(asked);
    QCOMPARE(address1->text(), u"부산 해운대구 우동"_s);
    QCOMPARE(list.recordCount(), 2);
}

void TestDBUpdateFrm::postalSearchFillsBoth()
{
    DataSet list;
    list.setTable(addresses());
    list.setRecNo(1);
    TZR_DBUpdateFrm form(mKor, list, true, &mPostal);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto *zip = child<QLineEdit>(&form, "Edt_ZipCode");
    auto *address1 = child<QLineEdit>(&form, "Edt_Address1");
    address1->setText(u"강남"_s);
    int rows = -1;
    bool panel = true;
    form.setExecDialog([&](QDialog &dialog) {
        auto *zipForm = qobject_cast<TZipCodeForm *>(&dialog);
        if (!zipForm)
            return false;
        panel = zipForm->isSearchPanelVisible();
        rows = int(zipForm->areas().size());
        auto *grid = zipForm->findChild<QTableWidget *>(u"DBGrid"_s);
        grid->setCurrentCell(1, 0);
        zipForm->accept();
        return zipForm->result() == QDialog::Accepted;
    });
    QTest::mouseClick(child<QPushButton>(&form, "Btn_Find"), Qt::LeftButton);
    QVERIFY(!panel);
    QCOMPARE(rows, 2);
    QCOMPARE(address1->text(), u"서울 강남구 삼성동"_s);
    QCOMPARE(zip->text(), u"135-110"_s);
    QCOMPARE(list.table().text(0, 1), u"110-010"_s); // nothing stored yet

    QVERIFY(form.save());
    QCOMPARE(list.table().rows.at(0),
        (QVariantList{u"홍길동"_s, u"135-110"_s, u"서울 강남구 삼성동"_s, u"1번지"_s}));

    // Closed without a chosen row, or cancelled: nothing changes.
    address1->setText(u"강남"_s);
    form.setExecDialog([](QDialog &) { return true; });
    form.searchAddress();
    QCOMPARE(address1->text(), u"강남"_s);
    QCOMPARE(zip->text(), u"135-110"_s);
    address1->setText(u"강남"_s);
    form.setExecDialog([](QDialog &) { return false; });
    form.searchAddress();
    QCOMPARE(address1->text(), u"강남"_s);
    QCOMPARE(zip->text(), u"135-110"_s);
}

void TestDBUpdateFrm::postalSearchFindsNothing()
{
    DataSet list;
    list.setTable(addresses());
    TZR_DBUpdateFrm form(mKor, list, false, &mPostal);
    auto *address1 = child<QLineEdit>(&form, "Edt_Address1");
    bool asked = false;
    form.setExecDialog([&](QDialog &) { return asked = true; });
    address1->setText(u"없는동"_s);
    QString seen;
    quilltest::answerMessageBox(QMessageBox::Ok, &seen);
    form.searchAddress();
    QCOMPARE(seen, u"우편번호를 찾을 수 없습니다."_s);
    QVERIFY(!asked);
    QCOMPARE(address1->text(), u"없는동"_s);

    // An empty address 1 searches nothing at all.
    address1->clear();
    form.searchAddress();
    QVERIFY(!asked);

    // Without a postal code table nothing is ever found.
    TZR_DBUpdateFrm bare(mKor, list, false, nullptr);
    child<QLineEdit>(&bare, "Edt_Address1")->setText(u"강남"_s);
    seen.clear();
    quilltest::answerMessageBox(QMessageBox::Ok, &seen);
    bare.searchAddress();
    QCOMPARE(seen, u"우편번호를 찾을 수 없습니다."_s);
}

QTEST_MAIN(TestDBUpdateFrm)
#include "tst_dbupdatefrm.moc"
