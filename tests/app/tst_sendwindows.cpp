// The two send windows of the data list manager: "라벨보내기" (fields to send, honorific, label.tmp
// of the chosen rows) and "바코드 만들기" (kind, symbology, field, barcode.tmp and logistics).
#include "ModalAnswer.h"

#include "datalists/DataListFile.h"
#include "datalists/MakeBarcodeFrm.h"
#include "datalists/MakeLabelFrm.h"
#include "datalists/MergeTables.h"
#include "editing/SendToLabels.h"
#include "objects/ADDHonoForm.h"
#include "shell/CaptionFile.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

using namespace quill;
using namespace Qt::StringLiterals;
using SendToLabels::BarcodeChoice;

namespace {

// 이름, 주소, Code, Qty: row 2 has an empty address.
DataTable people()
{
    DataTable t;
    t.name = u"Sheet1"_s;
    t.fields = {{u"이름"_s, FieldType::Text, 10}, {u"주소"_s, FieldType::Text, 30},
        {u"Code"_s, FieldType::Text, 14}, {u"Qty"_s, FieldType::Integer, 0}};
    t.rows = {{u"홍길동"_s, u"서울 종로구"_s, u"8801234567890"_s, 3},
        {u"김철수"_s, u"부산 해운대구"_s, u"8809876543210"_s, 1},
        {u"이영희"_s, u""_s, u"8801111111111"_s, 2}};
    return t;
}

const TSendDBName kOwnList {u"/data/people.xlsx"_s, u"Sheet1"_s};

ManagerSelection chosen(const DataTable &table, const QList<int> &rows)
{
    return {&table, rows, kOwnList, true};
}

template<typename T> T *child(QWidget &form, const QString &name)
{
    T *widget = form.findChild<T *>(name);
    if (!widget)
        qFatal("no child %s", qPrintable(name));
    return widget;
}

QListWidget *fieldList(QWidget &form)
{
    return child<QListWidget>(form, u"Lsb_Fields"_s);
}
QListWidget *sendList(QWidget &form)
{
    return child<QListWidget>(form, u"Lsb_SendFields"_s);
}

QStringList texts(const QListWidget *list)
{
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names.append(list->item(i)->text());
    return names;
}

void select(QListWidget *list, const QStringList &names)
{
    list->clearSelection();
    for (int i = 0; i < list->count(); ++i)
        list->item(i)->setSelected(names.contains(list->item(i)->text()));
}

void click(QWidget &form, const QString &button)
{
    child<QPushButton>(form, button)->click();
}

// Sends fields one by one, so that the send list holds them in exactly this order.
void sendInOrder(TMakeLabelFrm &form, const QStringList &names)
{
    for (const QString &name : names) {
        select(fieldList(form), {name});
        click(form, u"Btn_Add"_s);
    }
}

// Drops the selection of from onto the send list, as a drag with the mouse would.
void dropSelection(TMakeLabelFrm &form, QListWidget *from)
{
    QListWidget *to = sendList(form);
    std::unique_ptr<QMimeData> data(
        from->model()->mimeData(from->selectionModel()->selectedIndexes()));
    const QPointF at(to->viewport()->rect().center());
    QDragEnterEvent enter(
        at.toPoint(), Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(to->viewport(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(
        at, Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(to->viewport(), &drop);
    QCOMPARE(drop.dropAction(), Qt::CopyAction); // the list dragged from keeps its fields
}

QString writtenPath(const QTemporaryDir &dir, bool barcode)
{
    return SendToLabels::mergeTablePath(dir.path(), barcode);
}

QStringList column(const DataTable &table, int field)
{
    QStringList values;
    for (int r = 0; r < table.rowCount(); ++r)
        values.append(table.text(r, field));
    return values;
}

QStringList visibleKinds(TMakeBarcodeFrm &form)
{
    QStringList names;
    for (const QString &name : {u"Rb_Linear"_s, u"Rb_2D"_s, u"Rb_Postal"_s, u"Rb_Logistics"_s}) {
        if (!child<QRadioButton>(form, name)->isHidden())
            names.append(name);
    }
    return names;
}

QRadioButton *fieldRadio(TMakeBarcodeFrm &form, int index)
{
    return child<QRadioButton>(form, u"Rb_Field%1"_s.arg(index));
}

} // namespace

class TestSendWindows : public QObject {
    Q_OBJECT
private slots:
    void editsTheSendList_data();
    void editsTheSendList();
    void refusesWithoutFields_data();
    void refusesWithoutFields();
    void honorificThroughItsDialog();
    void everyRecordSendsTheListItself();
    void chosenRowsMakeLabelTmp();
    void longSendShowsProgress();
    void barcodeKinds_data();
    void barcodeKinds();
    void barcodeSendOfTheWholeList();
    void logisticsRepeatsRows();
    void badLogisticsCodeCancels();
    void failedWriteSaysWhy_data();
    void failedWriteSaysWhy();
};

void TestSendWindows::editsTheSendList_data()
{
    QTest::addColumn<QStringList>("start"); // the send list, in this order
    QTest::addColumn<QString>("action");
    QTest::addColumn<QStringList>(
        "selected"); // in Lsb_Fields, or in Lsb_SendFields for <- and drags from it
    QTest::addColumn<QStringList>("expected");
    const QStringList all {u"이름"_s, u"주소"_s, u"Code"_s, u"Qty"_s};
    QTest::newRow("-> in list order, none twice")
        << QStringList {u"Code"_s} << u"->"_s << QStringList {u"Qty"_s, u"Code"_s, u"이름"_s}
        << QStringList {u"Code"_s, u"이름"_s, u"Qty"_s};
    QTest::newRow("double click") << QStringList {u"Qty"_s} << u"double"_s
                                  << QStringList {u"주소"_s} << QStringList {u"Qty"_s, u"주소"_s};
    QTest::newRow("<-") << QStringList {u"Qty"_s, u"이름"_s, u"Code"_s} << u"<-"_s
                        << QStringList {u"Qty"_s, u"Code"_s} << QStringList {u"이름"_s};
    QTest::newRow("All replaces") << QStringList {u"Qty"_s} << u"All"_s << QStringList {} << all;
    QTest::newRow("drag from the fields")
        << QStringList {u"주소"_s} << u"drag fields"_s << QStringList {u"Qty"_s, u"이름"_s}
        << QStringList {u"주소"_s, u"이름"_s, u"Qty"_s};
    QTest::newRow("drag within the send list")
        << QStringList {u"Qty"_s, u"이름"_s} << u"drag send"_s << QStringList {u"이름"_s}
        << QStringList {u"Qty"_s, u"이름"_s};
}

void TestSendWindows::editsTheSendList()
{
    QFETCH(QStringList, start);
    QFETCH(QString, action);
    QFETCH(QStringList, selected);
    QFETCH(QStringList, expected);
    const DataTable table = people();
    CaptionFile captions;
    TMakeLabelFrm form(captions, chosen(table, {0}), QString());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(texts(fieldList(form)), (QStringList {u"이름"_s, u"주소"_s, u"Code"_s, u"Qty"_s}));
    sendInOrder(form, start);
    QCOMPARE(form.sendFields(), start);

    const bool inSendList = action == u"<-"_s || action == u"drag send"_s;
    select(inSendList ? sendList(form) : fieldList(form), selected);
    if (action == u"->"_s) {
        click(form, u"Btn_Add"_s);
    } else if (action == u"<-"_s) {
        click(form, u"Btn_Remove"_s);
    } else if (action == u"All"_s) {
        click(form, u"Btn_All"_s);
    } else if (action == u"double"_s) {
        QListWidget *list = fieldList(form);
        const QRect item
            = list->visualItemRect(list->findItems(selected.first(), Qt::MatchExactly).first());
        // The first click of a double click selects the item, as a real one does.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, item.center());
    } else {
        dropSelection(form, inSendList ? sendList(form) : fieldList(form));
    }
    QCOMPARE(form.sendFields(), expected);
    QCOMPARE(texts(fieldList(form)).size(), 4); // the field list never changes
}

void TestSendWindows::refusesWithoutFields_data()
{
    QTest::addColumn<bool>("barcode");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("message");
    QTest::newRow("honorific") << false << u"Btn_Hono"_s
                               << SendToLabels::noSendFieldsForHonorificMessage();
    QTest::newRow("label send") << false << u"Btn_Send"_s << SendToLabels::noSendFieldsMessage();
    QTest::newRow("barcode send") << true << u"Btn_Send"_s << SendToLabels::noBarcodeFieldMessage();
}

void TestSendWindows::refusesWithoutFields()
{
    QFETCH(bool, barcode);
    QFETCH(QString, button);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const DataTable table = people();
    CaptionFile captions;
    std::unique_ptr<QDialog> form;
    if (barcode)
        form = std::make_unique<TMakeBarcodeFrm>(
            captions, chosen(table, {1}), 1, writtenPath(dir, true));
    else
        form = std::make_unique<TMakeLabelFrm>(
            captions, chosen(table, {1}), writtenPath(dir, false));
    bool honorificAsked = false;
    if (auto *label = qobject_cast<TMakeLabelFrm *>(form.get()))
        label->setExecDialog([&](QDialog &) { return honorificAsked = true; });
    form->show();
    QSignalSpy finished(form.get(), &QDialog::finished);
    QString seen;
    quilltest::answerMessageBox(QMessageBox::Ok, &seen);
    click(*form, button);
    QCOMPARE(seen, message);
    QCOMPARE(finished.count(), 0); // stays open
    QVERIFY(form->isVisible());
    QVERIFY(!honorificAsked);
    QVERIFY(QDir(dir.path()).isEmpty());
}

void TestSendWindows::honorificThroughItsDialog()
{
    const DataTable table = people();
    CaptionFile captions;
    TMakeLabelFrm form(captions, chosen(table, {0, 1, 2}), QString());
    sendInOrder(form, {u"주소"_s, u"이름"_s});
    QStringList offered;
    QString typed = u"귀하"_s;
    bool accept = false;
    form.setExecDialog([&](QDialog &dialog) {
        auto *hono = qobject_cast<TADDHonoForm *>(&dialog);
        if (!hono)
            return false;
        auto *fields = child<QComboBox>(dialog, u"Cbo_FieldLists"_s);
        for (int i = 0; i < fields->count(); ++i)
            offered.append(fields->itemText(i));
        fields->setCurrentIndex(1);
        child<QLineEdit>(dialog, u"Edt_ADDHono"_s)->setText(typed);
        if (!accept)
            return false;
        dialog.accept();
        return dialog.result() == QDialog::Accepted;
    });
    click(form, u"Btn_Hono"_s); // cancelled: nothing remembered
    QCOMPARE(offered, (QStringList {u"주소"_s, u"이름"_s}));
    accept = true;
    typed = u"님"_s;
    click(form, u"Btn_Hono"_s);
    click(form, u"Btn_Send"_s);
    QCOMPARE(form.QDialog::result(), int(QDialog::Accepted));
    QVERIFY(form.result());
    QCOMPARE(form.result()->honorific, (TZR_ADDHono {u"이름"_s, u"님"_s}));
}

void TestSendWindows::everyRecordSendsTheListItself()
{
    QTemporaryDir dir;
    const DataTable table = people();
    CaptionFile captions;
    TMakeLabelFrm form(captions, chosen(table, {2, 0, 1}), writtenPath(dir, false));
    sendInOrder(form, {u"Qty"_s, u"이름"_s});
    click(form, u"Btn_Send"_s);
    QVERIFY(form.result());
    QCOMPARE(form.result()->list, kOwnList);
    QCOMPARE(form.result()->fields, (QStringList {u"Qty"_s, u"이름"_s}));
    QCOMPARE(form.result()->honorific, TZR_ADDHono());
    QVERIFY(!QFile::exists(writtenPath(dir, false)));
}

// Rows come in the grid's order (here after a sort); fields in send order.
void TestSendWindows::chosenRowsMakeLabelTmp()
{
    QTemporaryDir dir;
    const QString path = writtenPath(dir, false);
    const DataTable table = people();
    CaptionFile captions;
    TMakeLabelFrm form(captions, chosen(table, {2, 0}), path);
    sendInOrder(form, {u"주소"_s, u"이름"_s});
    click(form, u"Btn_Send"_s);
    QCOMPARE(form.QDialog::result(), int(QDialog::Accepted));
    QVERIFY(form.result());
    QCOMPARE(form.result()->list, (TSendDBName {path, QString()}));
    auto read = readDataList(path);
    QVERIFY2(read.ok(), qPrintable(read.error().message));
    QCOMPARE(read.value().fields.size(), 2);
    QCOMPARE(read.value().fields.at(0).name, u"주소"_s);
    QCOMPARE(read.value().fields.at(1).name, u"이름"_s);
    QCOMPARE(column(read.value(), 0), (QStringList {u" "_s, u"서울 종로구"_s}));
    QCOMPARE(column(read.value(), 1), (QStringList {u"이영희"_s, u"홍길동"_s}));
}

void TestSendWindows::longSendShowsProgress()
{
    QTemporaryDir dir;
    const QString path = writtenPath(dir, false);
    DataTable table = people();
    const QVariantList row = table.rows.first();
    for (int i = 0; i < 3000; ++i)
        table.rows.append(row);
    QList<int> rows;
    for (int i = 2500; i > 0; --i)
        rows.append(i);
    CaptionFile captions;
    TMakeLabelFrm form(captions, chosen(table, rows), path);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    sendInOrder(form, {u"이름"_s});
    auto *bar = child<QProgressBar>(form, u"ProgressBar"_s);
    QVERIFY(bar->isHidden());
    QList<int> values;
    QSize shownSize;
    connect(bar, &QProgressBar::valueChanged, &form, [&](int value) {
        values.append(value);
        if (bar->isVisible())
            shownSize = form.size();
    });
    click(form, u"Btn_Send"_s);
    QVERIFY(form.result());
    QCOMPARE(shownSize, QSize(285, 88));
    QVERIFY(values.size() > 2); // advanced while the rows were copied, not only at the end
    QCOMPARE(values.last(), bar->maximum());
    QCOMPARE(bar->maximum(), 2501); // the rows and the write
    QVERIFY(std::is_sorted(values.cbegin(), values.cend()));
    QCOMPARE(readDataList(path).value().rowCount(), 2500);
}

void TestSendWindows::barcodeKinds_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("radios");
    QTest::addColumn<int>("codeType");
    QTest::addColumn<bool>("choosable");
    QTest::newRow("linear and 2D") << 1 << QStringList {u"Rb_Linear"_s, u"Rb_2D"_s} << 8 << true;
    QTest::newRow("postal") << 3 << QStringList {u"Rb_Postal"_s} << 51 << false;
    QTest::newRow("logistics") << 4 << QStringList {u"Rb_Logistics"_s} << 12 << false;
}

void TestSendWindows::barcodeKinds()
{
    QFETCH(int, kind);
    QFETCH(QStringList, radios);
    QFETCH(int, codeType);
    QFETCH(bool, choosable);
    const DataTable table = people();
    CaptionFile captions;
    TMakeBarcodeFrm form(captions, chosen(table, {0}), kind, QString());
    QCOMPARE(visibleKinds(form), radios);
    QVERIFY(child<QRadioButton>(form, radios.first())->isChecked());
    auto *codes = child<QListWidget>(form, u"Lsb_CodeType"_s);
    QCOMPARE(codes->count(), SendToLabels::codeTypeNames(BarcodeChoice::Linear).size());
    QCOMPARE(codes->currentRow(), codeType);
    QCOMPARE(codes->isEnabled(), choosable);
    const bool logistics = kind == 4;
    QCOMPARE(!child<QWidget>(form, u"Grp_EAN14"_s)->isHidden(), logistics);
    if (logistics) {
        auto *indicator = child<QSpinBox>(form, u"Spe_Indicator"_s);
        QCOMPARE(indicator->value(), 0);
        QCOMPARE(indicator->maximum(), 9);
        auto *quantity = child<QComboBox>(form, u"Cbo_QtyField"_s);
        QCOMPARE(quantity->count(), 4);
        QCOMPARE(quantity->currentText(), u"이름"_s);
    }
    for (int i = 0; i < 4; ++i) {
        QRadioButton *radio = fieldRadio(form, i);
        QCOMPARE(radio->text(), table.fields.at(i).name);
        QCOMPARE(radio->pos(), QPoint(15, 5 + 25 * i));
        QVERIFY(!radio->isChecked());
    }
    if (kind == 1) {
        child<QRadioButton>(form, u"Rb_2D"_s)->setChecked(true);
        QCOMPARE(codes->count(), SendToLabels::codeTypeNames(BarcodeChoice::TwoDimensional).size());
        QCOMPARE(codes->currentRow(), 0);
        QVERIFY(codes->isEnabled());
    }
}

void TestSendWindows::barcodeSendOfTheWholeList()
{
    QTemporaryDir dir;
    const DataTable table = people();
    CaptionFile captions;
    TMakeBarcodeFrm form(captions, chosen(table, {1, 2, 0}), 1, writtenPath(dir, true));
    child<QRadioButton>(form, u"Rb_2D"_s)->setChecked(true);
    child<QListWidget>(form, u"Lsb_CodeType"_s)->setCurrentRow(3);
    fieldRadio(form, 2)->setChecked(true);
    click(form, u"Btn_Send"_s);
    QCOMPARE(form.QDialog::result(), int(QDialog::Accepted));
    QVERIFY(form.result());
    QCOMPARE(form.result()->list, kOwnList);
    QCOMPARE(form.result()->dimension, u"2D"_s);
    QCOMPARE(form.result()->codeType, 3);
    QCOMPARE(form.result()->field, u"Code"_s);
    QVERIFY(!QFile::exists(writtenPath(dir, true)));
}

void TestSendWindows::logisticsRepeatsRows()
{
    QTemporaryDir dir;
    const QString path = writtenPath(dir, true);
    const DataTable table = people();
    CaptionFile captions;
    TMakeBarcodeFrm form(captions, chosen(table, {0}), 4, path);
    child<QSpinBox>(form, u"Spe_Indicator"_s)->setValue(1);
    child<QComboBox>(form, u"Cbo_QtyField"_s)->setCurrentText(u"Qty"_s);
    fieldRadio(form, 2)->setChecked(true);
    click(form, u"Btn_Send"_s);
    QVERIFY(form.result());
    QCOMPARE(form.result()->list, (TSendDBName {path, QString()}));
    QCOMPARE(form.result()->dimension, u"1D"_s);
    QCOMPARE(form.result()->codeType, 12);
    auto read = readDataList(path);
    QVERIFY(read.ok());
    QCOMPARE(read.value().fields.at(0).name, u"Code"_s);
    QCOMPARE(column(read.value(), 0), QStringList(3, u"1880123456789"_s));
}

void TestSendWindows::badLogisticsCodeCancels()
{
    QTemporaryDir dir;
    const QString path = writtenPath(dir, true);
    DataTable table = people();
    table.rows[1][2] = u"88098765432101"_s; // 14 digits
    CaptionFile captions;
    TMakeBarcodeFrm form(captions, chosen(table, {0, 1, 2}), 4, path);
    child<QComboBox>(form, u"Cbo_QtyField"_s)->setCurrentText(u"Qty"_s);
    fieldRadio(form, 2)->setChecked(true);
    form.show();
    QString seen;
    quilltest::answerMessageBox(QMessageBox::Ok, &seen);
    click(form, u"Btn_Send"_s);
    QCOMPARE(seen, ean14FailureMessage());
    QCOMPARE(form.QDialog::result(), int(QDialog::Rejected));
    QVERIFY(!form.isVisible());
    QVERIFY(!form.result());
    QVERIFY(!QFile::exists(path)); // not half-written: the first row's records are not there
}

void TestSendWindows::failedWriteSaysWhy_data()
{
    QTest::addColumn<bool>("barcode");
    QTest::addColumn<QString>("folder"); // what the merge table's folder is
    QTest::addColumn<QString>("reason");
    QTest::newRow("label, read-only folder")
        << false << u"read-only"_s << u"쓰기 권한이 없습니다"_s;
    QTest::newRow("label, missing folder") << false << u"missing"_s << u"폴더가 없습니다"_s;
    QTest::newRow("barcode, read-only folder")
        << true << u"read-only"_s << u"쓰기 권한이 없습니다"_s;
    QTest::newRow("barcode, a file") << true << u"file"_s << u"폴더가 없습니다"_s;
}

void TestSendWindows::failedWriteSaysWhy()
{
    QFETCH(bool, barcode);
    QFETCH(QString, folder);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString folderPath = dir.filePath(u"app"_s);
    if (folder == u"read-only"_s) {
        QVERIFY(QDir().mkdir(folderPath));
        QFile::setPermissions(folderPath, QFile::ReadOwner | QFile::ExeOwner);
    } else if (folder == u"file"_s) {
        QFile file(folderPath);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    const auto unlock = qScopeGuard([&] {
        QFile::setPermissions(folderPath, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    });
    if (folder == u"read-only"_s && QFileInfo(folderPath).isWritable())
        QSKIP("this user may write into read-only folders");
    const QString path = folderPath + (barcode ? u"/barcode.tmp"_s : u"/label.tmp"_s);
    const DataTable table = people();
    CaptionFile captions;
    std::unique_ptr<QDialog> form;
    if (barcode) {
        auto barcodeForm = std::make_unique<TMakeBarcodeFrm>(captions, chosen(table, {1}), 1, path);
        fieldRadio(*barcodeForm, 0)->setChecked(true);
        form = std::move(barcodeForm);
    } else {
        auto labelForm = std::make_unique<TMakeLabelFrm>(captions, chosen(table, {1}), path);
        sendInOrder(*labelForm, {u"이름"_s});
        form = std::move(labelForm);
    }
    form->show();
    QSignalSpy finished(form.get(), &QDialog::finished);
    QString seen;
    quilltest::answerMessageBox(QMessageBox::Ok, &seen);
    click(*form, u"Btn_Send"_s);
    QVERIFY2(seen.contains(QFileInfo(path).fileName() + u" 파일을 만들 수 없습니다"_s),
        qPrintable(seen));
    QVERIFY2(seen.contains(reason), qPrintable(seen));
    QCOMPARE(finished.count(), 0); // stays open: the user may try again
    QVERIFY(form->isVisible());
    if (auto *label = qobject_cast<TMakeLabelFrm *>(form.get()))
        QVERIFY(!label->result());
    if (auto *made = qobject_cast<TMakeBarcodeFrm *>(form.get()))
        QVERIFY(!made->result());
    QVERIFY(!QFile::exists(path));
}

QTEST_MAIN(TestSendWindows)
#include "tst_sendwindows.moc"
