// The data list manager's small windows: search (refusing an empty text), sort (ascending by
// default) and the print range (the end never below the start, nothing to confirm without
// records).
#include "datalists/DBSearchFrm.h"
#include "datalists/DBSortFrm.h"
#include "datalists/PrintRangeFrm.h"

#include "ModalAnswer.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>

using namespace quill;
using namespace Qt::StringLiterals;

namespace {

template <typename T>
T *child(QWidget *parent, const char *name)
{
    return parent->findChild<T *>(QString::fromLatin1(name));
}

const QStringList kFields{u"이름"_s, u"주소"_s, u"우편번호"_s};

} // namespace

class TestDataListDialogs : public QObject {
    Q_OBJECT
private slots:
    void searchRefusesEmptyText();
    void searchGivesFieldAndText();
    void sortChoices();
    void printRangeEndFollowsStart();
    void printRangeWithoutRecords();
};

void TestDataListDialogs::searchRefusesEmptyText()
{
    TDBSearchFrm form(kFields);
    QCOMPARE(form.windowTitle(), u"데이터 검색"_s);
    auto *search = child<QPushButton>(&form, "Btn_Search");
    QCOMPARE(search->text(), u"검색"_s);
    QCOMPARE(child<QPushButton>(&form, "Btn_Cancel")->text(), u"취소"_s);
    form.show();
    QString seen;
    quilltest::answerMessageBox(QMessageBox::Ok, &seen);
    QTest::mouseClick(search, Qt::LeftButton);
    QCOMPARE(seen, u"찾을 문자를 입력 하십시오."_s);
    QVERIFY(form.isVisible()); // stays open
    QCOMPARE(form.result(), int(QDialog::Rejected));
}

void TestDataListDialogs::searchGivesFieldAndText()
{
    TDBSearchFrm form(kFields);
    auto *fields = child<QComboBox>(&form, "Cbo_Field");
    QCOMPARE(fields->count(), 3);
    QCOMPARE(form.field(), u"이름"_s); // the first is chosen
    fields->setCurrentIndex(2);
    child<QLineEdit>(&form, "Edt_Search")->setText(u"12"_s);
    form.show();
    QTest::mouseClick(child<QPushButton>(&form, "Btn_Search"), Qt::LeftButton);
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QCOMPARE(form.field(), u"우편번호"_s);
    QCOMPARE(form.text(), u"12"_s);

    TDBSearchFrm cancelled(kFields);
    cancelled.show();
    QTest::mouseClick(child<QPushButton>(&cancelled, "Btn_Cancel"), Qt::LeftButton);
    QCOMPARE(cancelled.result(), int(QDialog::Rejected));

    TDBSearchFrm none(QStringList{});
    QVERIFY(none.field().isEmpty());
}

void TestDataListDialogs::sortChoices()
{
    TDBSortFrm form(kFields);
    QCOMPARE(form.windowTitle(), u"데이터 정렬"_s);
    QCOMPARE(form.field(), u"이름"_s);
    QVERIFY(!form.descending());
    auto *ascending = child<QRadioButton>(&form, "Rdb_Asc");
    auto *descending = child<QRadioButton>(&form, "Rdb_Desc");
    QCOMPARE(ascending->text(), u"오름차순"_s);
    QCOMPARE(descending->text(), u"내림차순"_s);
    QVERIFY(ascending->isChecked());
    auto *sort = child<QPushButton>(&form, "Btn_Sort");
    QCOMPARE(sort->text(), u"정렬"_s);
    QCOMPARE(child<QPushButton>(&form, "Btn_Cancel")->text(), u"취소"_s);

    form.show();
    child<QComboBox>(&form, "Cbo_Field")->setCurrentIndex(1);
    QTest::mouseClick(descending, Qt::LeftButton);
    QTest::mouseClick(sort, Qt::LeftButton);
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QCOMPARE(form.field(), u"주소"_s);
    QVERIFY(form.descending());
    QVERIFY(!ascending->isChecked());
}

void TestDataListDialogs::printRangeEndFollowsStart()
{
    TPrintRangeFrm form(10);
    QCOMPARE(form.windowTitle(), u"인쇄범위 설정"_s);
    auto *start = child<QSpinBox>(&form, "spe_Start");
    auto *end = child<QSpinBox>(&form, "spe_End");
    auto *ok = child<QPushButton>(&form, "Btn_Ok");
    QCOMPARE(ok->text(), u"검색"_s);
    QVERIFY(ok->isEnabled());
    QCOMPARE(start->minimum(), 1);
    QCOMPARE(start->maximum(), 10);
    QCOMPARE(end->maximum(), 10);
    QCOMPARE(form.start(), 1);
    QCOMPARE(form.end(), 10);

    end->setValue(4);
    start->setValue(6); // the end is pulled up with the start
    QCOMPARE(end->minimum(), 6);
    QCOMPARE(form.end(), 6);
    end->setValue(2);
    QCOMPARE(form.end(), 6);
    end->setValue(8);
    start->setValue(3); // lowering the start lets the end go lower again, keeping its value
    QCOMPARE(end->minimum(), 3);
    QCOMPARE(form.end(), 8);
    start->setValue(50);
    QCOMPARE(form.start(), 10);
    QCOMPARE(form.end(), 10);

    form.show();
    QTest::mouseClick(ok, Qt::LeftButton);
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QCOMPARE(child<QPushButton>(&form, "Btn_Cancel")->text(), u"취소"_s);
}

void TestDataListDialogs::printRangeWithoutRecords()
{
    TPrintRangeFrm form(0);
    QVERIFY(!child<QPushButton>(&form, "Btn_Ok")->isEnabled());
    QVERIFY(child<QPushButton>(&form, "Btn_Cancel")->isEnabled());
    TPrintRangeFrm one(1);
    QCOMPARE(one.start(), 1);
    QCOMPARE(one.end(), 1);
}

QTEST_MAIN(TestDataListDialogs)
#include "tst_datalistdialogs.moc"
