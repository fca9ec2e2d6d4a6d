#include "DataListShots.h"

#include "catalogue/PostalCodes.h"
#include "datalists/DBAdminFrm.h"
#include "datalists/DBUpdateFrm.h"
#include "datalists/DataListFile.h"
#include "datalists/DataSet.h"
#include "datalists/MakeBarcodeFrm.h"
#include "datalists/MakeDBFrm.h"
#include "datalists/MakeLabelFrm.h"
#include "datalists/ZR_DBGrid.h"
#include "editor/EditorActions.h"
#include "editor/EditorActionsTable.h"
#include "editor/MainWindow.h"
#include "editor/RecordStepper.h"
#include "editor/ZoomPercentBox.h"
#include "shell/AppFolders.h"
#include "shell/CaptionFile.h"

#include <QAction>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>

#include <numeric>

namespace screenshots {

using namespace quill;

namespace {

// The windows the manager opens, answered at once: a send to labels of three fields.
class ShotDialogs : public DBAdminDialogs {
public:
    void inform(QWidget *, const QString &, const QString &) override {}
    QMessageBox::StandardButton ask(QWidget *, const QString &, const QString &,
        QMessageBox::StandardButtons) override
    {
        return QMessageBox::No;
    }
    TSendDBName chooseList(QWidget *, const QString &) override { return {}; }
    TSendDBName chooseExport(QWidget *, const DataTable &) override { return {}; }
    std::optional<ListSearch> search(QWidget *, const QStringList &) override { return std::nullopt; }
    std::optional<ListSort> sort(QWidget *, const QStringList &) override { return std::nullopt; }
    std::optional<QPair<int, int>> printRange(QWidget *, int) override { return std::nullopt; }
    bool editFields(QWidget *, DataSet &, bool) override { return false; }
    bool enterRecords(QWidget *, DataSet &, bool) override { return false; }
    void postalSearch(QWidget *) override {}
    std::optional<LabelSendResult> sendToLabels(QWidget *, const ManagerSelection &selection) override
    {
        LabelSendResult sent;
        sent.list = selection.list;
        sent.fields = {QStringLiteral("이름"), QStringLiteral("우편번호"), QStringLiteral("주소")};
        return sent;
    }
    std::optional<BarcodeSendResult> makeBarcode(QWidget *, const ManagerSelection &, int) override
    {
        return std::nullopt;
    }
    void showHelp(QWidget *) override {}
};

// A list of addresses as the record entry window edits it: the fields of the caption file's
// Korean address editors (우편번호, 주소, 주소1) among the user's own.
DataTable addressTable()
{
    DataTable t;
    t.name = QStringLiteral("주소록");
    for (const char *name : {"이름", "회사명", "우편번호", "주소", "주소1", "전화번호"})
        t.fields.append({QString::fromUtf8(name), FieldType::Text, 50});
    t.rows = {
        {QStringLiteral("김민준"), QStringLiteral("한빛상사"), QStringLiteral("06236"),
            QStringLiteral("서울특별시 강남구 테헤란로 152"), QStringLiteral("12층"), QStringLiteral("02-555-0142")},
        {QStringLiteral("이서연"), QStringLiteral("새솔물산"), QStringLiteral("48058"),
            QStringLiteral("부산광역시 해운대구 센텀중앙로 79"), QStringLiteral("3동 1204호"),
            QStringLiteral("051-746-0199")},
        {QStringLiteral("박도윤"), QStringLiteral("가람기획"), QStringLiteral("13494"),
            QStringLiteral("경기도 성남시 분당구 판교역로 235"), QStringLiteral("B동 5층"),
            QStringLiteral("031-8017-0123")},
    };
    return t;
}

bool shootManager(const CaptionFile &captions, const QString &list, const QString &path, const Shoot &shoot)
{
    ShotDialogs dialogs;
    TDBAdminFrm manager(captions, dialogs);
    manager.resize(900, 560);
    manager.show();
    if (!manager.openList({list, {}}))
        return false;
    // The address column widened, as a drag of its header's edge widens it.
    manager.grid()->setColumnWidth(2, 330);
    // Rows 2, 4 to 6 and 9 chosen, as Ctrl and Shift clicks choose them.
    RowSelection &rows = manager.dbGrid()->rowSelection();
    rows.click(1, Qt::NoModifier);
    rows.click(3, Qt::ControlModifier);
    rows.click(5, Qt::ControlModifier | Qt::ShiftModifier);
    rows.click(8, Qt::ControlModifier);
    manager.dbGrid()->mirrorSelection();
    return shoot(&manager, path);
}

bool shootMakeLabel(const CaptionFile &captions, const DataTable &table, const ManagerSelection &selection,
    const QString &mergeTable, const QString &path, const Shoot &shoot)
{
    TMakeLabelFrm form(captions, selection, mergeTable);
    form.show();
    auto *fields = form.findChild<QListWidget *>(QStringLiteral("Lsb_Fields"));
    auto *add = form.findChild<QPushButton *>(QStringLiteral("Btn_Add"));
    if (!fields || !add)
        return false;
    for (const QString &name : {QStringLiteral("이름"), QStringLiteral("우편번호"), QStringLiteral("주소")}) {
        const QList<QListWidgetItem *> found = fields->findItems(name, Qt::MatchExactly);
        if (!found.isEmpty()) {
            fields->clearSelection();
            found.first()->setSelected(true);
            fields->setCurrentItem(found.first());
            add->click();
        }
    }
    Q_UNUSED(table);
    return shoot(&form, path);
}

bool shootMakeBarcode(const CaptionFile &captions, const ManagerSelection &selection,
    const QString &mergeTable, const QString &path, const Shoot &shoot)
{
    TMakeBarcodeFrm form(captions, selection, 1, mergeTable);
    form.show();
    for (QRadioButton *radio : form.findChildren<QRadioButton *>()) {
        if (radio->text() == QStringLiteral("상품코드"))
            radio->setChecked(true);
    }
    return shoot(&form, path);
}

bool shootMakeDB(const CaptionFile &captions, const AppFolders &folders, const QString &path, const Shoot &shoot)
{
    TMakeDBFrm form(captions, folders.tableFieldFilePath());
    form.show();
    auto *kinds = form.findChild<QListWidget *>(QStringLiteral("Lsb_Kind"));
    if (!kinds || kinds->count() == 0)
        return false;
    kinds->setCurrentRow(0); // 주소록
    auto *addAll = form.findChild<QPushButton *>(QStringLiteral("Btn_AddAll"));
    if (addAll)
        addAll->click();
    return shoot(&form, path);
}

bool shootDBUpdate(const CaptionFile &captions, const AppFolders &folders, const QString &path, const Shoot &shoot)
{
    DataSet list;
    list.setAutoSave(false);
    list.setTable(addressTable());
    list.setRecNo(2);
    Result<PostalCodeTable> postal = PostalCodeTable::load(folders.zipcodeFilePath());
    TZR_DBUpdateFrm form(captions, list, true, postal ? &postal.value() : nullptr);
    form.show();
    return shoot(&form, path);
}

} // namespace

bool shootDataListWindows(const CaptionFile &captions, const AppFolders &folders,
    const QString &addressList, const QString &out, const Shoot &shoot)
{
    QDir().mkpath(out);
    const auto file = [&](const char *name) { return QDir(out).filePath(QString::fromLatin1(name)); };
    bool ok = shootManager(captions, addressList, file("dbadmin.png"), shoot);

    Result<DataTable> table = readDataList(addressList);
    if (!table)
        return false;
    ManagerSelection selection;
    selection.source = &table.value();
    selection.rows = QList<int>(table.value().rowCount());
    std::iota(selection.rows.begin(), selection.rows.end(), 0);
    selection.list = {addressList, {}};
    QTemporaryDir temp;
    const QString mergeTable = temp.filePath(QStringLiteral("label.tmp"));
    ok = shootMakeLabel(captions, table.value(), selection, mergeTable, file("makelabel.png"), shoot) && ok;
    ok = shootMakeBarcode(captions, selection, temp.filePath(QStringLiteral("barcode.tmp")),
             file("makebarcode.png"), shoot) && ok;
    ok = shootMakeDB(captions, folders, file("makedb.png"), shoot) && ok;
    ok = shootDBUpdate(captions, folders, file("dbupdate.png"), shoot) && ok;
    return ok;
}

DataListServices sendServices(const QString &addressList)
{
    DataListServices services;
    services.dialogs = [](QWidget *) { return std::make_unique<ShotDialogs>(); };
    services.execDialog = [addressList](QDialog &dialog) {
        auto *manager = qobject_cast<TDBAdminFrm *>(&dialog);
        if (!manager)
            return int(QDialog::Rejected);
        manager->show();
        if (!manager->openList({addressList, {}}))
            return int(QDialog::Rejected);
        manager->run(DBAdminCommand::SelectAll);
        manager->run(DBAdminCommand::SendToLabels);
        manager->hide();
        return manager->result();
    };
    return services;
}

bool shootDataListSend(MainWindow &window, const QString &out, const Shoot &shoot)
{
    window.actions().action(EditorCommand::SelectAll)->trigger();
    window.actions().action(EditorCommand::Delete)->trigger();
    window.dataListCommands().manage();
    window.zoomBox()->applyZoom(150);
    // The stepper moved on to the third address, as its arrows move it.
    window.recordStepper().setRecord(3);
    emit window.recordStepper().recordChosen(3);
    return shoot(&window, QDir(out).filePath(QStringLiteral("edit-datalist.png")));
}

} // namespace screenshots
