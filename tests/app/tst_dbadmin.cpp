// The data list manager: opening lists (and the sheet chooser), selecting rows with the mouse as
// the manager's rules say, print range, deleting, lists that cannot be changed, in-place edits
// written to the file (and a write that fails), and what a send hands the send windows.
#include "DBAdminFakes.h"
#include "ModalAnswer.h"

#include "datalists/DBAdminFrm.h"
#include "datalists/DataListFile.h"
#include "datalists/DataSet.h"
#include "datalists/ManagerRules.h"
#include "datalists/OpenTableDialog.h"
#include "datalists/RowOrder.h"
#include "datalists/ZR_DBGrid.h"
#include "shell/CaptionFile.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

using namespace quill;
using namespace Qt::StringLiterals;

using namespace quilltest;

class TestDBAdmin : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void managerRules_data();
    void managerRules();
    void tableChooserPicksASheet();
    void openingWithASheetChosen();
    void commandsWaitForAList();
    void openReportsWarningsAndFailures();
    void entryAndFieldsAreWrittenBack();
    void searchResultExportAndDelete();
    void mouseSelection_data();
    void mouseSelection();
    void printRangeAndSelectAll();
    void deleteAsksAndWritesTheFile();
    void accessListRefusesChanges();
    void inPlaceEditWritesTheFile();
    void failedWriteKeepsTheOldFile();
    void sendHandsOverGridRows();
    void barcodeKindsAndResult();

private:
    std::unique_ptr<TDBAdminFrm> openManager(FakeDialogs &dialogs, const TSendDBName &list);
    CaptionFile mCaptions;
};

void TestDBAdmin::initTestCase()
{
    mCaptions = CaptionFile(QFINDTESTDATA("../../resources/label.dat"));
    QVERIFY(mCaptions.exists());
}

std::unique_ptr<TDBAdminFrm> TestDBAdmin::openManager(FakeDialogs &dialogs, const TSendDBName &list)
{
    auto manager = std::make_unique<TDBAdminFrm>(mCaptions, dialogs);
    manager->setPreset(list);
    manager->show();
    if (!QTest::qWaitForWindowExposed(manager.get()))
        return {};
    return manager;
}

void TestDBAdmin::managerRules_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");
    QTest::newRow("pairs") << u"목록|*.mdb;*.xls|Paradox|*.db"_s
                           << u"목록 (*.mdb *.xls);;Paradox (*.db)"_s;
    QTest::newRow("pair without pattern left out") << u"A|*.a|B|"_s << u"A (*.a)"_s;
    QTest::newRow("odd item left out") << u"A|*.a|B"_s << u"A (*.a)"_s;
    QTest::newRow("missing caption") << u"0"_s << QString();
}

void TestDBAdmin::managerRules()
{
    QFETCH(QString, input);
    QFETCH(QString, expected);
    QCOMPARE(qtFileFilter(input), expected);

    QCOMPARE(recordPositionText(u"현재 위치 :"_s, 3, u"번째 자료"_s), u"현재 위치 : 3 번째 자료"_s);
    // A Korean character counts two bytes; an empty first value or an empty list gives 100.
    DataTable table;
    table.fields = {{u"a"_s}, {u"b"_s}, {u"c"_s}};
    QCOMPARE(workbookColumnWidths(table, 12), (QList<int> {100, 100, 100}));
    table.rows.append({u"홍길동"_s, u"ab"_s, QVariant()});
    QCOMPARE(workbookColumnWidths(table, -12), (QList<int> {6 * 12 + 20, 2 * 12 + 20, 100}));
    QVERIFY(readOnlyReason(u"x.MDB"_s, 1).contains(u"Access"_s));
    QVERIFY(readOnlyReason(u"x.csv"_s, 1).isEmpty());
    QVERIFY(!readOnlyReason(u"x.xlsx"_s, 2).isEmpty()); // writing back would drop the other sheet
    QVERIFY(readOnlyMessage(u"r"_s).contains(u"엑셀파일로 저장하기"_s));
}

void TestDBAdmin::tableChooserPicksASheet()
{
    const QStringList tables = {u"Sheet1"_s, u"Sheet2"_s, u"Sheet3"_s};
    {
        TZR_OpenTableNameFrm chooser(tables);
        QCOMPARE(chooser.windowTitle(), u"테이블 목록 "_s);
        QCOMPARE(chooser.tableName(), u"Sheet1"_s); // the first is preselected
        auto *list = chooser.findChild<QListWidget *>(u"Lsb_TableList"_s);
        QVERIFY(list);
        list->setCurrentRow(2);
        auto *open = chooser.findChild<QPushButton *>(u"Btn_Open"_s);
        QCOMPARE(open->text(), u"열기"_s);
        open->click();
        QCOMPARE(chooser.result(), int(QDialog::Accepted));
        QCOMPARE(chooser.tableName(), u"Sheet3"_s);
    }
    {
        TZR_OpenTableNameFrm chooser(tables);
        auto *list = chooser.tableList();
        emit list->itemDoubleClicked(list->item(1));
        QCOMPARE(chooser.result(), int(QDialog::Accepted));
        QCOMPARE(chooser.tableName(), u"Sheet2"_s);
    }
    {
        TZR_OpenTableNameFrm chooser({});
        chooser.findChild<QPushButton *>(u"Btn_Open"_s)->click();
        QCOMPARE(chooser.result(), int(QDialog::Rejected));
        QVERIFY(chooser.tableName().isEmpty());
    }
}

// A workbook with several sheets: the chooser picks one, the manager opens it, sets the column
// widths from the first record and refuses to delete rows from an .xls file.
void TestDBAdmin::openingWithASheetChosen()
{
    if (!QFile::exists(kProfiles))
        QSKIP("the shared workbook fixture is not here");
    const auto sheets = dataListTables(kProfiles);
    QVERIFY(sheets);
    QVERIFY(sheets.value().size() > 1);
    quilltest::whenModalAppears([](QWidget *modal) {
        auto *chooser = qobject_cast<TZR_OpenTableNameFrm *>(modal);
        if (!chooser) {
            modal->close();
            return;
        }
        chooser->tableList()->setCurrentRow(1);
        chooser->findChild<QPushButton *>(u"Btn_Open"_s)->click();
    });
    const std::optional<QString> sheet = TZR_OpenTableDialog::chooseTable(nullptr, kProfiles);
    QVERIFY(sheet);
    QCOMPARE(*sheet, sheets.value().at(1));

    FakeDialogs dialogs;
    dialogs.listToOpen = {kProfiles, *sheet};
    auto manager = openManager(dialogs, {});
    QVERIFY(manager);
    manager->run(DBAdminCommand::Open);
    QCOMPARE(dialogs.filterSeen.split(u";;"_s).first(),
        u"데이터 목록 (*.mdb *.accdb *.xls *.xlsx *.ods *.db *.dbf *.txt *.csv *.sqlite *.db3)"_s);
    QCOMPARE(manager->currentList(), dialogs.listToOpen);
    const auto expected = readDataList(kProfiles, *sheet);
    QVERIFY(expected);
    QCOMPARE(manager->dataSet().recordCount(), expected.value().rowCount());
    const QList<int> widths
        = workbookColumnWidths(expected.value(), QFontInfo(manager->grid()->font()).pixelSize());
    for (int c = 0; c < widths.size(); ++c)
        QCOMPARE(manager->grid()->columnWidth(c), widths.at(c));

    const int rows = manager->dataSet().recordCount();
    dialogs.informed.clear(); // what reading the sheet noticed
    manager->run(DBAdminCommand::SelectAll);
    manager->run(DBAdminCommand::Delete);
    QCOMPARE(dialogs.informed,
        QStringList {u"삭제할 수 없음|엑셀 파일에서는 데이터를 삭제할 수 없습니다."_s});
    QVERIFY(dialogs.asked.isEmpty());
    QCOMPARE(manager->dataSet().recordCount(), rows);
}

void TestDBAdmin::commandsWaitForAList()
{
    QTemporaryDir dir;
    FakeDialogs dialogs;
    dialogs.listToOpen = {writeList(dir, u"people.csv"_s), {}};
    TDBAdminFrm manager(mCaptions, dialogs);
    QCOMPARE(manager.windowTitle(), u"데이터 목록 관리"_s);
    QCOMPARE(manager.grid()->objectName(), u"ZR_DBGrid1"_s);
    QCOMPARE(manager.statusText(1),
        u"데이터를 선택할 때 Ctrl(낱개) 또는 Shift(영역)키를 이용하면 편리합니다."_s);
    for (DBAdminCommand c : {DBAdminCommand::Open, DBAdminCommand::Close, DBAdminCommand::Help,
             DBAdminCommand::PostalSearch})
        QVERIFY(manager.action(c)->isEnabled());
    for (DBAdminCommand c : {DBAdminCommand::Save, DBAdminCommand::Delete, DBAdminCommand::Search,
             DBAdminCommand::SendToLabels, DBAdminCommand::Paste})
        QVERIFY(!manager.action(c)->isEnabled());
    manager.run(DBAdminCommand::Delete);
    QVERIFY(dialogs.asked.isEmpty());

    // Opening on activation runs the open command once, after the window is shown.
    manager.setOpenOnActivation(true);
    manager.show();
    QTRY_COMPARE(dialogs.chooseListCalls, 1);
    QCOMPARE(manager.dataSet().recordCount(), 10);
    QVERIFY(manager.action(DBAdminCommand::Delete)->isEnabled());
    QVERIFY(!manager.action(DBAdminCommand::Paste)->isEnabled());
    manager.hide();
    manager.show();
    QTest::qWait(20);
    QCOMPARE(dialogs.chooseListCalls, 1);
}

void TestDBAdmin::openReportsWarningsAndFailures()
{
    QTemporaryDir dir;
    const QString ragged = dir.filePath(u"ragged.csv"_s);
    {
        QFile f(ragged);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("a,b\n1,2,3\n4,5\n");
    }
    FakeDialogs dialogs;
    auto manager = openManager(dialogs, {ragged, {}});
    QVERIFY(manager);
    QCOMPARE(manager->dataSet().recordCount(), 2);
    QCOMPARE(dialogs.informed.size(), 1); // what reading noticed, once
    QCOMPARE(manager->currentList(), (TSendDBName {ragged, {}}));

    // A list that cannot be read says why and leaves the list shown alone.
    dialogs.informed.clear();
    QVERIFY(!manager->openList({dir.filePath(u"missing.csv"_s), {}}));
    QCOMPARE(dialogs.informed.size(), 1);
    QCOMPARE(manager->currentList(), (TSendDBName {ragged, {}}));
    QCOMPARE(manager->dataSet().recordCount(), 2);
}

void TestDBAdmin::entryAndFieldsAreWrittenBack()
{
    QTemporaryDir dir;
    FakeDialogs dialogs;
    const QString path = writeList(dir, u"people.csv"_s);
    auto manager = openManager(dialogs, {path, {}});
    QVERIFY(manager);
    QList<bool> modes;
    dialogs.onEnter = [&modes](DataSet &list, bool modify) {
        modes.append(modify);
        if (!modify)
            list.append();
        list.setText(u"Name"_s, modify ? u"changed"_s : u"added"_s);
        return bool(list.post());
    };
    clickRow(manager->grid(), 4);
    manager->run(DBAdminCommand::Modify);
    manager->run(DBAdminCommand::Input);
    QCOMPARE(modes, (QList<bool> {true, false}));
    auto written = readDataList(path);
    QCOMPARE(written.value().rowCount(), 11);
    QCOMPARE(written.value().text(4, 1), u"changed"_s);
    QCOMPARE(written.value().text(10, 1), u"added"_s);

    // The field dialog changes the list in the dataset; the manager writes it and shows the
    // new fields.
    dialogs.onFields = [](DataSet &list, bool) {
        DataTable table = list.table();
        table.fields.append({u"Memo"_s, FieldType::Text, 20});
        for (QVariantList &row : table.rows)
            row.append(u"m"_s);
        const QString file = list.filePath();
        list.setTable(table);
        list.setFilePath(file);
        return true;
    };
    dialogs.sortAnswer = ListSort {u"Name"_s, false};
    manager->run(DBAdminCommand::Sort);
    manager->run(DBAdminCommand::AddField);
    QCOMPARE(manager->grid()->model()->columnCount(), 3);
    QCOMPARE(manager->listRow(2), 2); // the whole list again, in file order
    written = readDataList(path);
    QCOMPARE(written.value().columnCount(), 3);
    QCOMPARE(written.value().text(0, 2), u"m"_s);
    QVERIFY(dialogs.informed.isEmpty());
}

void TestDBAdmin::searchResultExportAndDelete()
{
    QTemporaryDir dir;
    FakeDialogs dialogs;
    auto manager = openManager(dialogs, {writeList(dir, u"people.csv"_s), {}});
    QVERIFY(manager);
    dialogs.searchAnswer = ListSearch {u"Name"_s, u"kim"_s};
    manager->run(DBAdminCommand::Search);
    dialogs.exportTarget = {dir.filePath(u"kims.xlsx"_s), {}};
    manager->run(DBAdminCommand::Save);
    const auto saved = readDataList(dialogs.exportTarget.path);
    QVERIFY(saved);
    QCOMPARE(saved.value().rowCount(), 3);
    QCOMPARE(saved.value().text(2, 1), u"kim c"_s);
    QVERIFY(dialogs.informed.isEmpty());

    dialogs.exportTarget = {dir.filePath(u"kims.mdb"_s), {}};
    manager->run(DBAdminCommand::Save);
    QCOMPARE(dialogs.informed.size(), 1);
    QVERIFY(!QFile::exists(dialogs.exportTarget.path));

    // Deleting from a search result: the rest of the result stays shown, renumbered.
    clickRow(manager->grid(), 1);
    manager->run(DBAdminCommand::Delete);
    QCOMPARE(manager->gridRowCount(), 2);
    QCOMPARE(manager->listRow(0), 1);
    QCOMPARE(manager->listRow(1), 7);
    QCOMPARE(manager->grid()->model()->data(manager->grid()->model()->index(1, 1)).toString(),
        u"kim c"_s);
    const auto written = readDataList(manager->currentList().path);
    QCOMPARE(written.value().rowCount(), 9);
    QCOMPARE(written.value().text(4, 1), u"jung"_s);
}

void TestDBAdmin::mouseSelection_data()
{
    // Each click: grid row (0-based), keys, button.
    using Click = std::tuple<int, Qt::KeyboardModifiers, Qt::MouseButton>;
    QTest::addColumn<QList<Click>>("clicks");
    QTest::addColumn<QList<int>>("expected");
    QTest::addColumn<int>("current");
    const auto none = Qt::KeyboardModifiers(Qt::NoModifier);
    const auto ctrl = Qt::KeyboardModifiers(Qt::ControlModifier);
    const auto shift = Qt::KeyboardModifiers(Qt::ShiftModifier);
    QTest::newRow("shift row 3 after row 7")
        << QList<Click> {{6, none, Qt::LeftButton}, {2, shift, Qt::LeftButton}}
        << QList<int> {2, 3, 4, 5, 6} << 2;
    QTest::newRow("ctrl adds and removes") << QList<Click> {{1, none, Qt::LeftButton},
        {4, ctrl, Qt::LeftButton}, {8, ctrl, Qt::LeftButton}, {1, ctrl, Qt::LeftButton}}
                                           << QList<int> {4, 8} << 1;
    QTest::newRow("shift range moves with a new anchor") << QList<Click> {{1, none, Qt::LeftButton},
        {3, shift, Qt::LeftButton}, {8, none, Qt::LeftButton}, {6, shift, Qt::LeftButton}}
                                                         << QList<int> {6, 7, 8} << 6;
    QTest::newRow("middle click is a plain click") << QList<Click> {{1, none, Qt::LeftButton},
        {4, ctrl, Qt::LeftButton}, {5, none, Qt::MiddleButton}}
                                                   << QList<int> {5} << 5;
    QTest::newRow("right click keeps the selection") << QList<Click> {{3, none, Qt::LeftButton},
        {7, none, Qt::RightButton}} << QList<int> {3} << 3;
}

void TestDBAdmin::mouseSelection()
{
    using Click = std::tuple<int, Qt::KeyboardModifiers, Qt::MouseButton>;
    QFETCH(QList<Click>, clicks);
    QFETCH(QList<int>, expected);
    QFETCH(int, current);
    QTemporaryDir dir;
    FakeDialogs dialogs;
    auto manager = openManager(dialogs, {writeList(dir, u"people.csv"_s), {}});
    QVERIFY(manager);
    QTableView *view = manager->grid();
    for (const auto &[row, keys, button] : clicks)
        clickRow(view, row, keys, button);
    QCOMPARE(manager->dbGrid()->rowSelection().rows(), expected);
    QCOMPARE(viewSelectedRows(view), expected); // whole rows, as the manager's selection says
    QCOMPARE(view->currentIndex().row(), current);
    QCOMPARE(manager->dataSet().recNo(), current + 1);
    QCOMPARE(manager->statusText(2), u"현재 위치 : %1 번째 자료"_s.arg(current + 1));
    auto *popup = manager->findChild<QMenu *>(u"PopupMenu"_s);
    QCOMPARE(popup->isVisible(), std::get<2>(clicks.last()) == Qt::RightButton);
    QCOMPARE(popup->actions().size(), 3);
    QCOMPARE(popup->actions().at(2)->text(), u"붙여넣기"_s);
    QVERIFY(!popup->actions().at(2)->isEnabled()); // nothing copied yet
    popup->close();
}

void TestDBAdmin::printRangeAndSelectAll()
{
    QTemporaryDir dir;
    FakeDialogs dialogs;
    auto manager = openManager(dialogs, {writeList(dir, u"people.csv"_s), {}});
    QVERIFY(manager);
    RowSelection &selection = manager->dbGrid()->rowSelection();
    dialogs.rangeAnswer = qMakePair(5, 5);
    manager->run(DBAdminCommand::PrintRange);
    QCOMPARE(selection.rows(), QList<int> {4});
    dialogs.rangeAnswer = qMakePair(9, 20); // clamped to the last record, added to the selection
    manager->run(DBAdminCommand::PrintRange);
    QCOMPARE(selection.rows(), (QList<int> {4, 8, 9}));
    QCOMPARE(viewSelectedRows(manager->grid()), (QList<int> {4, 8, 9}));
    dialogs.rangeAnswer = qMakePair(11, 12); // beyond the last record: nothing new
    manager->run(DBAdminCommand::PrintRange);
    QCOMPARE(selection.count(), 3);
    QTest::keyClick(manager->grid(), Qt::Key_A, Qt::ControlModifier); // the grid's select all
    QCOMPARE(selection.count(), 10);
    QCOMPARE(viewSelectedRows(manager->grid()).size(), 10);
    manager->run(DBAdminCommand::Last);
    QCOMPARE(manager->dataSet().recNo(), 10);
    manager->run(DBAdminCommand::Prior);
    QCOMPARE(manager->statusText(2), u"현재 위치 : 9 번째 자료"_s);
}

void TestDBAdmin::deleteAsksAndWritesTheFile()
{
    QTemporaryDir dir;
    FakeDialogs dialogs;
    const QString path = writeList(dir, u"people.csv"_s);
    auto manager = openManager(dialogs, {path, {}});
    QVERIFY(manager);
    clickRow(manager->grid(), 1);
    clickRow(manager->grid(), 3, Qt::ControlModifier);
    const QByteArray before = fileBytes(path);

    dialogs.answer = QMessageBox::No;
    manager->run(DBAdminCommand::Delete);
    QCOMPARE(dialogs.asked, QStringList {u"데이터 삭제|선택한 데이터를 삭제하시겠습니까?"_s});
    QCOMPARE(manager->dataSet().recordCount(), 10);
    QCOMPARE(fileBytes(path), before);

    dialogs.answer = QMessageBox::Yes;
    manager->run(DBAdminCommand::Delete);
    QCOMPARE(manager->dataSet().recordCount(), 8);
    QVERIFY(manager->dbGrid()->rowSelection().isEmpty());
    const auto written = readDataList(path);
    QVERIFY(written);
    QCOMPARE(written.value().rowCount(), 8);
    QStringList names;
    for (int r = 0; r < written.value().rowCount(); ++r)
        names.append(written.value().text(r, 1));
    QVERIFY(!names.contains(u"kim a"_s) && !names.contains(u"choi"_s));
    QCOMPARE(names.first(), u"lee"_s);
    QVERIFY(dialogs.informed.isEmpty());

    // Copy and paste: the current record's values come back as a new last record.
    clickRow(manager->grid(), 0);
    manager->run(DBAdminCommand::Copy);
    QVERIFY(manager->action(DBAdminCommand::Paste)->isEnabled());
    manager->run(DBAdminCommand::Paste);
    QCOMPARE(readDataList(path).value().rowCount(), 9);
    QCOMPARE(readDataList(path).value().text(8, 1), u"lee"_s);
    QVERIFY(manager->dbGrid()->rowSelection().isEmpty());
}

void TestDBAdmin::accessListRefusesChanges()
{
    if (!QFile::exists(kNwind))
        QSKIP("the shared Access fixture is not here");
    const auto tables = dataListTables(kNwind);
    QVERIFY(tables && !tables.value().isEmpty());
    FakeDialogs dialogs;
    dialogs.onEnter = dialogs.onFields = [](DataSet &, bool) { return true; };
    auto manager = openManager(dialogs, {kNwind, tables.value().first()});
    QVERIFY(manager);
    dialogs.informed.clear(); // what reading the table noticed
    const int rows = manager->dataSet().recordCount();
    QVERIFY(rows > 0);
    clickRow(manager->grid(), 0);
    manager->run(DBAdminCommand::Copy);
    const QList<DBAdminCommand> changes = {DBAdminCommand::Delete, DBAdminCommand::Paste,
        DBAdminCommand::Cut, DBAdminCommand::Input, DBAdminCommand::Modify,
        DBAdminCommand::AddField, DBAdminCommand::ModifyField};
    for (DBAdminCommand c : changes)
        manager->run(c);
    manager->grid()->edit(manager->grid()->model()->index(0, 0));
    QVERIFY(!manager->grid()->viewport()->findChild<QLineEdit *>());
    QCOMPARE(dialogs.informed.size(), changes.size() + 1);
    for (const QString &message : std::as_const(dialogs.informed))
        QVERIFY2(message.contains(u"엑셀파일로 저장하기"_s), qPrintable(message));
    QVERIFY(dialogs.asked.isEmpty());
    QCOMPARE(dialogs.entryCalls + dialogs.fieldCalls, 0);
    QCOMPARE(manager->dataSet().recordCount(), rows);
}

void TestDBAdmin::inPlaceEditWritesTheFile()
{
    QTemporaryDir dir;
    FakeDialogs dialogs;
    const QString path = writeList(dir, u"people.csv"_s);
    auto manager = openManager(dialogs, {path, {}});
    QVERIFY(manager);
    QTableView *view = manager->grid();
    const QModelIndex cell = view->model()->index(2, 1);
    view->setCurrentIndex(cell);
    view->edit(cell);
    auto *editor = view->viewport()->findChild<QLineEdit *>();
    QVERIFY(editor);
    editor->setText(u"박지성"_s);
    QTest::keyClick(editor, Qt::Key_Return); // the delegate commits on its next turn
    QTRY_COMPARE(manager->dataSet().table().text(2, 1), u"박지성"_s);
    QCOMPARE(readDataList(path).value().text(2, 1), u"박지성"_s);
    QCOMPARE(readDataList(path).value().rowCount(), 10);
    QVERIFY(dialogs.informed.isEmpty());
}

void TestDBAdmin::failedWriteKeepsTheOldFile()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(u"locked"_s));
    const QString folder = dir.filePath(u"locked"_s);
    FakeDialogs dialogs;
    const QString path = writeList(dir, u"locked/people.csv"_s);
    QVERIFY(!path.isEmpty());
    const QByteArray before = fileBytes(path);
    auto manager = openManager(dialogs, {path, {}});
    QVERIFY(manager);
    if (!lockFolder(folder, true) || !lockFolder(path, true)) {
        lockFolder(path, false);
        lockFolder(folder, false);
        QSKIP("this file system cannot refuse writes");
    }
    clickRow(manager->grid(), 0);
    dialogs.answer = QMessageBox::Yes;
    manager->run(DBAdminCommand::Delete);
    lockFolder(path, false);
    lockFolder(folder, false);
    QCOMPARE(fileBytes(path), before);
    QCOMPARE(manager->dataSet().recordCount(), 9); // the change stays in the grid
    QCOMPARE(dialogs.informed.size(), 1);
    QVERIFY(dialogs.informed.first().contains(u"저장하지 못했습니다"_s));
}

// A send gets the whole list and the chosen rows as list rows in the grid's order; a search
// result with every row selected is not the whole list.
void TestDBAdmin::sendHandsOverGridRows()
{
    QTemporaryDir dir;
    FakeDialogs dialogs;
    const QString path = writeList(dir, u"people.csv"_s);
    auto manager = openManager(dialogs, {path, {}});
    QVERIFY(manager);

    dialogs.sortAnswer = ListSort {u"Name"_s, true};
    manager->run(DBAdminCommand::Sort);
    const QList<int> sorted = sortedRows(manager->dataSet().table(), 1, true);
    clickRow(manager->grid(), 1);
    clickRow(manager->grid(), 3, Qt::ControlModifier);
    clickRow(manager->grid(), 0, Qt::ControlModifier);
    manager->run(DBAdminCommand::SendToLabels); // cancelled: the window stays
    QVERIFY(dialogs.sent);
    QCOMPARE(dialogs.sent->source, &manager->dataSet().table());
    QCOMPARE(dialogs.sent->rows, (QList<int> {sorted.at(0), sorted.at(1), sorted.at(3)}));
    QCOMPARE(dialogs.sent->list, (TSendDBName {path, {}}));
    QVERIFY(!dialogs.sent->providerSource);
    QVERIFY(manager->isVisible());

    dialogs.searchAnswer = ListSearch {u"Name"_s, u"KIM"_s};
    manager->run(DBAdminCommand::Search);
    QVERIFY(manager->dbGrid()->rowSelection().isEmpty());
    QCOMPARE(manager->gridRowCount(), 3);
    manager->run(DBAdminCommand::SelectAll);
    dialogs.labelAnswer = LabelSendResult {{u"label.tmp"_s, {}}, {u"Name"_s}, {}};
    manager->run(DBAdminCommand::SendToLabels);
    QCOMPARE(dialogs.sent->rows, (QList<int> {1, 4, 8}));
    QCOMPARE(manager->result(), int(QDialog::Accepted));
    QVERIFY(manager->labelSend());
    QCOMPARE(manager->labelSend()->fields, QStringList {u"Name"_s});

    // Opening again shows the list in file order.
    QVERIFY(manager->openList({path, {}}));
    QCOMPARE(manager->gridRowCount(), 10);
    QCOMPARE(manager->listRow(3), 3);
}

void TestDBAdmin::barcodeKindsAndResult()
{
    QTemporaryDir dir;
    FakeDialogs dialogs;
    const QString path = writeList(dir, u"people.xlsx"_s);
    const QList<QPair<DBAdminCommand, int>> kinds = {{DBAdminCommand::Barcode, 1},
        {DBAdminCommand::PostalBarcode, 3}, {DBAdminCommand::LogisticsBarcode, 4}};
    for (const auto &[command, kind] : kinds) {
        auto manager = openManager(dialogs, {path, {}});
        QVERIFY(manager);
        dialogs.barcodeAnswer = BarcodeSendResult {{path, {}}, u"2D"_s, 2, u"No"_s};
        manager->run(command);
        QCOMPARE(dialogs.barcodeKind, kind);
        QVERIFY(dialogs.sent->providerSource); // a spreadsheet list
        QCOMPARE(manager->result(), TDBAdminFrm::BarcodeSent);
        QCOMPARE(manager->barcodeSend()->field, u"No"_s);
        QVERIFY(!manager->labelSend());
    }
}

QTEST_MAIN(TestDBAdmin)
#include "tst_dbadmin.moc"
