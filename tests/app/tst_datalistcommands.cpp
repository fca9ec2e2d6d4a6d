// The data list commands of the real main window: a visit to the manager with its real send
// windows creates bound field labels or a barcode in the current cell (at 100 % whatever the
// zoom, one undo step), the document takes the sent list, the work area shows its records,
// and the record stepper walks them.
#include "editor/MainWindow.h"

#include "datalists/DBAdminFrm.h"
#include "datalists/DataListFile.h"
#include "datalists/StandardDBAdminDialogs.h"
#include "document/DocumentRecords.h"
#include "document/LabelCell.h"
#include "document/SampleSheet.h"
#include "editor/DataListCommands.h"
#include "editor/EditorActions.h"
#include "editor/RecordStepper.h"
#include "editor/ZR_WorkSpace.h"
#include "editor/ZoomPercentBox.h"
#include "objects/ObjectClasses.h"
#include "objects/ZR_Barcode.h"
#include "objects/ZR_CustomGuideLabel.h"
#include "objects/ZR_SerialNumber.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace quill;
using namespace Qt::StringLiterals;

namespace {

TZR_LabelSize sampleSheet()
{
    TZR_LabelSize sheet;
    sheet.fillFromCatalogueRecord(sampleSheetRecord(), QString(), true);
    return sheet;
}

template<typename T> T *child(QObject &parent, const char *name)
{
    T *found = parent.findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qWarning("no child %s", name);
    return found;
}

void selectItems(QListWidget *list, const QStringList &texts)
{
    list->clearSelection();
    for (int i = 0; i < list->count(); ++i)
        list->item(i)->setSelected(texts.contains(list->item(i)->text()));
}

std::vector<LabelObject *> cellObjects(MainWindow &w)
{
    std::vector<LabelObject *> objects;
    for (const auto &object : w.document().currentCellPanel()->objects())
        objects.push_back(object.get());
    return objects;
}

} // namespace

class DataListCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void labelSendCreatesBoundLabelsAtAnyZoom();
    void barcodeSendOfTheWholeList();
    void recordStepperWalksTheRecords();
    void visitLeavesSerialNumbersAlone();

private:
    std::unique_ptr<MainWindow> window();
    QString addressList();
    // The manager's answer: open the list, choose rows (Ctrl-clicks), run a command.
    void answerManager(const QList<int> &rows, DBAdminCommand command);

    QTemporaryDir mDir;
    CaptionFile mCaptions{QStringLiteral(QUILL_SOURCE_RESOURCE_DIR "/label.dat")};
    std::unique_ptr<QSettings> mSettings;
    AppFolders mFolders;
    QStringList mMessages;
    TSendDBName mList;
    std::function<int(TDBAdminFrm &)> mManagerAnswer;
    std::function<bool(QDialog &)> mWindowAnswer;
    int mVisits = 0;
};

void DataListCommandsTest::initTestCase()
{
    registerDocumentClasses();
    registerObjectClasses();
    mFolders = AppFolders(QStringLiteral(QUILL_SOURCE_RESOURCE_DIR), mDir.filePath(u"home"_s));
    QVERIFY(mFolders.seed());
}

void DataListCommandsTest::init()
{
    const QString ini = mDir.filePath(u"settings.ini"_s);
    QFile::remove(ini);
    mSettings = std::make_unique<QSettings>(ini, QSettings::IniFormat);
    mMessages.clear();
    mList = {addressList(), {}};
    mManagerAnswer = nullptr;
    mWindowAnswer = nullptr;
    mVisits = 0;
}

QString DataListCommandsTest::addressList()
{
    DataTable table;
    table.fields = {{u"이름"_s, FieldType::Text, 20}, {u"주소"_s, FieldType::Text, 50},
        {u"우편번호"_s, FieldType::Text, 7}};
    table.rows = {{u"홍길동"_s, u"서울 중구"_s, u"100-011"_s}, {u"김철수"_s, u"부산 동구"_s, u"600-012"_s},
        {u"이영희"_s, u"대구 북구"_s, u"700-013"_s}, {u"박민수"_s, u"인천 서구"_s, u"400-014"_s}};
    const QString path = mDir.filePath(u"addresses.csv"_s);
    return writeDataList(path, table) ? path : QString();
}

std::unique_ptr<MainWindow> DataListCommandsTest::window()
{
    EditorEnvironment env = EditorEnvironment::system(mCaptions, mSettings.get(), mFolders);
    env.tempFolder = mDir.filePath(u"Temp"_s);
    env.print = PrintServices();
    env.print.printerNames = [] { return QStringList(); };
    env.print.showMessage = [this](QWidget *, const QString &text) { mMessages << text; };
    env.documents.tell = env.print.showMessage;
    env.prompts.warn = [this](QWidget *, const QString &, const QString &text) { mMessages << text; };
    env.dataLists.dialogs = [this](QWidget *) {
        auto dialogs = std::make_unique<StandardDBAdminDialogs>(mCaptions, mFolders);
        dialogs->setExecDialog([this](QDialog &dialog) { return mWindowAnswer && mWindowAnswer(dialog); });
        return dialogs;
    };
    env.dataLists.execDialog = [this](QDialog &dialog) {
        ++mVisits;
        auto *manager = qobject_cast<TDBAdminFrm *>(&dialog);
        return manager && mManagerAnswer ? mManagerAnswer(*manager) : int(QDialog::Rejected);
    };
    auto w = std::make_unique<MainWindow>(env);
    w->resize(1000, 800);
    w->show();
    if (!w->newDocument(sampleSheet()))
        return nullptr;
    return w;
}

void DataListCommandsTest::answerManager(const QList<int> &rows, DBAdminCommand command)
{
    mManagerAnswer = [this, rows, command](TDBAdminFrm &manager) {
        manager.show();
        if (!manager.openList(mList))
            return int(QDialog::Rejected);
        QTableView *grid = manager.grid();
        for (int row : rows) {
            const QPoint at = grid->visualRect(grid->model()->index(row, 0)).center();
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::ControlModifier, at);
        }
        manager.run(command);
        return manager.result();
    };
}

void DataListCommandsTest::labelSendCreatesBoundLabelsAtAnyZoom()
{
    auto w = window();
    QVERIFY(w);
    w->zoomBox()->applyZoom(200);
    // Rows 2 and 4 (김철수, 박민수); 이름 and 주소 sent, 이름 with the honorific " 귀하".
    answerManager({1, 3}, DBAdminCommand::SendToLabels);
    mWindowAnswer = [](QDialog &dialog) {
        if (dialog.objectName() == u"ADDHonoForm") {
            auto *fields = child<QComboBox>(dialog, "Cbo_FieldLists");
            fields->setCurrentIndex(fields->findText(u"이름"_s));
            child<QLineEdit>(dialog, "Edt_ADDHono")->setText(u" 귀하"_s);
            child<QPushButton>(dialog, "AddBtn")->click();
            return dialog.result() == QDialog::Accepted;
        }
        selectItems(child<QListWidget>(dialog, "Lsb_Fields"), {u"이름"_s, u"주소"_s});
        child<QPushButton>(dialog, "Btn_Add")->click();
        child<QPushButton>(dialog, "Btn_Hono")->click();
        child<QPushButton>(dialog, "Btn_Send")->click();
        return dialog.result() == QDialog::Accepted;
    };
    w->actions().action(EditorCommand::DataListManage)->trigger();
    QCOMPARE(mVisits, 1);
    QVERIFY2(mMessages.isEmpty(), qPrintable(mMessages.join(u'\n')));

    // The document refers to the merge table of the two rows.
    const QString merge = mFolders.mergeTablePath(AppFolders::MergeTable::Label);
    QCOMPARE(w->document().labelDataListPath(), merge);
    const Result<DataTable> sent = readDataList(merge);
    QVERIFY(sent);
    QCOMPARE(sent.value().rowCount(), 2);
    QCOMPARE(sent.value().text(1, 0), u"박민수"_s);

    // Two labels at 100 % cell pixels, 20 apart, bound by name, the honorific on 이름.
    const std::vector<LabelObject *> objects = cellObjects(*w);
    QCOMPARE(objects.size(), size_t(2));
    const int cellWidth = w->document().currentCellPanel()->bounds().width();
    const QStringList fields = {u"이름"_s, u"주소"_s};
    for (int i = 0; i < 2; ++i) {
        auto *label = dynamic_cast<TZR_CustomGuideLabel *>(objects.at(i));
        QVERIFY(label);
        QCOMPARE(label->fieldName(), fields.at(i));
        QCOMPARE(label->bounds(), QRect(20, 10 + 20 * i, cellWidth - 40, 20));
        QCOMPARE(label->addHono(), i == 0 ? u" 귀하"_s : QString());
    }
    const auto *shown = w->workSpace()->paintContext().labelRecord;
    QVERIFY(shown);
    QCOMPARE(shown->value(u"이름"_s), u"김철수"_s);
    QVERIFY(w->document().isModified());

    // Both labels go with one undo.
    w->actions().action(EditorCommand::Undo)->trigger();
    QCOMPARE(cellObjects(*w).size(), size_t(0));
}

void DataListCommandsTest::barcodeSendOfTheWholeList()
{
    auto w = window();
    QVERIFY(w);
    answerManager({0, 1, 2, 3}, DBAdminCommand::Barcode);
    mWindowAnswer = [](QDialog &dialog) {
        child<QRadioButton>(dialog, "Rb_Field2")->click(); // 우편번호
        child<QPushButton>(dialog, "Btn_Send")->click();
        return dialog.result() == QDialog::Accepted;
    };
    w->actions().action(EditorCommand::DataListManage)->trigger();
    QVERIFY2(mMessages.isEmpty(), qPrintable(mMessages.join(u'\n')));
    // Every row chosen: the list itself, no merge table.
    QCOMPARE(w->document().barcodeDataListPath(), mList.path);
    const std::vector<LabelObject *> objects = cellObjects(*w);
    QCOMPARE(objects.size(), size_t(1));
    auto *barcode = dynamic_cast<TZR_Barcode *>(objects.front());
    QVERIFY(barcode);
    QCOMPARE(barcode->fieldName(), u"우편번호"_s);
    QCOMPARE(barcode->bounds(), QRect(30, 30, 100, 50));
}

void DataListCommandsTest::recordStepperWalksTheRecords()
{
    auto w = window();
    QVERIFY(w);
    RecordStepper &stepper = w->recordStepper();
    QVERIFY(!stepper.isEnabled()); // no list yet
    w->document().setLabelDataList(mList.path, {});
    // A visit that sends nothing still reopens the lists.
    w->actions().action(EditorCommand::DataListManage)->trigger();
    QCOMPARE(stepper.recordCount(), 4);
    QCOMPARE(stepper.record(), 1);
    const auto shownName = [&w] { return w->workSpace()->paintContext().labelRecord->value(u"이름"_s); };
    QCOMPARE(shownName(), u"홍길동"_s);
    child<QToolButton>(stepper, "NextRecordBtn")->click();
    QCOMPARE(shownName(), u"김철수"_s);
    child<QToolButton>(stepper, "LastRecordBtn")->click();
    QCOMPARE(shownName(), u"박민수"_s);
    QVERIFY(!child<QToolButton>(stepper, "NextRecordBtn")->isEnabled());
    child<QSpinBox>(stepper, "RecordNumberBox")->setValue(3);
    QCOMPARE(shownName(), u"이영희"_s);
    // Stepping shows another record; it changes nothing in the document.
    QVERIFY(!w->document().isModified());
}

void DataListCommandsTest::visitLeavesSerialNumbersAlone()
{
    auto w = window();
    QVERIFY(w);
    auto serial = std::make_unique<TZR_SerialNumber>();
    serial->setStartNum(5);
    TZR_SerialNumber *placed = static_cast<TZR_SerialNumber *>(
        w->document().currentCellPanel()->addObject(std::move(serial)));
    w->document().selectCell(3, 1);
    w->document().selectCell(1, 1);
    w->actions().action(EditorCommand::DataListManage)->trigger();
    QCOMPARE(mVisits, 1);
    QCOMPARE(placed->startNum(), 5);
}

QTEST_MAIN(DataListCommandsTest)
#include "tst_datalistcommands.moc"
