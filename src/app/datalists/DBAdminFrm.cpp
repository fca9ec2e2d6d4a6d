// The data list manager: layout, opening a list by name and the window's state.
#include "DBAdminFrm.h"

#include "datalists/DataListFile.h"
#include "datalists/DataListModel.h"
#include "datalists/DataSet.h"
#include "datalists/ManagerRules.h"
#include "datalists/ZR_DBGrid.h"
#include "editor/EditorActions.h"
#include "shell/CaptionFile.h"

#include <QAction>
#include <QFontInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace quill {

namespace {
const QString kWindowTitle = QStringLiteral("데이터 목록 관리");
const QString kSelectionHint
    = QStringLiteral("데이터를 선택할 때 Ctrl(낱개) 또는 Shift(영역)키를 이용하면 편리합니다.");
} // namespace

TDBAdminFrm::TDBAdminFrm(const CaptionFile &captions, DBAdminDialogs &dialogs, QWidget *parent)
    : QDialog(parent), mCaptions(captions), mDialogs(dialogs)
{
    setObjectName(QStringLiteral("DBAdminFrm"));
    setWindowTitle(kWindowTitle);
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    resize(1000, 700);

    mDataSet = new DataSet(this);
    mDataSet->setAutoSave(false); // the manager writes the list back after each change
    mModel = new DataListModel(mDataSet, this);
    // The list is in memory: large batches let the scroll bar reach the end of a long list in a
    // few drags (each batch costs the grid one relayout, not a read).
    mModel->setBatchSize(4096);
    mGrid = new TZR_DBGrid(this);
    mGrid->setModel(mModel);

    createActions();
    auto *menuBar = new QMenuBar(this);
    createMenus(menuBar);
    auto *toolBar = new QToolBar(this);
    toolBar->setObjectName(QStringLiteral("ToolBar"));
    createToolBar(toolBar);
    mPopup = new QMenu(this);
    mPopup->setObjectName(QStringLiteral("PopupMenu"));
    mPopup->addAction(action(DBAdminCommand::Cut));
    mPopup->addAction(action(DBAdminCommand::Copy));
    mPopup->addAction(action(DBAdminCommand::Paste));

    auto *status = new QStatusBar(this);
    status->setSizeGripEnabled(false);
    for (size_t i = 0; i < mPanels.size(); ++i) {
        mPanels[i] = new QLabel(this);
        mPanels[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        status->addWidget(mPanels[i], i == 1 ? 1 : 0);
    }
    mPanels[0]->setMinimumWidth(20);
    mPanels[1]->setText(kSelectionHint);
    mPanels[2]->setMinimumWidth(160);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menuBar);
    layout->addWidget(toolBar);
    layout->addWidget(mGrid, 1);
    layout->addWidget(status);

    connect(mGrid, &TZR_DBGrid::gridMouseDown, this, &TDBAdminFrm::updateRecordPanel);
    connect(mGrid, &TZR_DBGrid::gridKeyUp, this, &TDBAdminFrm::updateRecordPanel);
    connect(mGrid, &TZR_DBGrid::popupRequested, this, [this](QPoint at) {
        if (listOpen())
            mPopup->popup(at); // not exec(): the grid stays live behind the menu
    });
    connect(
        mGrid, &TZR_DBGrid::selectAllRequested, this, [this] { run(DBAdminCommand::SelectAll); });
    connect(mGrid, &TZR_DBGrid::editRefused, this, [this] { refuseChange(); });
    connect(mGrid, &TZR_DBGrid::cellCommitted, this,
        [this](const QModelIndex &, bool stored) { cellCommitted(stored); });
    // The dataset's current record follows the grid's current row (record entry, copy).
    connect(mGrid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
        [this](const QModelIndex &current) {
            if (current.isValid() && listOpen())
                mDataSet->setRecNo(listRow(current.row()) + 1);
        });
    updateActions();
    updateRecordPanel();
}

TDBAdminFrm::~TDBAdminFrm() = default;

QTableView *TDBAdminFrm::grid() const
{
    return mGrid;
}

QString TDBAdminFrm::caption(const char *key, const QString &fallback) const
{
    return EditorActions::captionOrDefault(
        mCaptions, QStringLiteral("DBAdmin"), QString::fromLatin1(key), fallback);
}

void TDBAdminFrm::setPreset(const TSendDBName &list)
{
    if (list.isEmpty())
        mPreset.reset();
    else
        mPreset = list;
}

void TDBAdminFrm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (mShown)
        return;
    mShown = true;
    if (mPreset) {
        const TSendDBName preset = *mPreset;
        mPreset.reset();
        openList(preset);
    }
    if (mOpenOnActivation) {
        mOpenOnActivation = false;
        // After the window is on screen: the open dialog is modal over it.
        QTimer::singleShot(0, this, [this] { run(DBAdminCommand::Open); });
    }
}

bool TDBAdminFrm::openList(const TSendDBName &list)
{
    if (list.isEmpty())
        return false;
    commitPending();
    if (Status opened = mDataSet->open(list.path, list.table); !opened) {
        showReason(QStringLiteral("목록을 열 수 없습니다.\n") + opened.error().message);
        return false;
    }
    mList = list;
    const DataListFormat format = dataListFormat(list.path);
    int tables = 1;
    if (hasNamedTables(format)) {
        if (auto names = dataListTables(list.path))
            tables = int(names.value().size());
    }
    mReadOnlyReason = readOnlyReason(list.path, tables);
    mGrid->setReadOnly(!mReadOnlyReason.isEmpty());
    mGrid->rowSelection().reset();
    showWholeList(); // the copied record stays: it can be pasted into another list
    if (isWorkbookFormat(format))
        applyColumnWidths();
    updateActions();
    if (mGrid->model()->rowCount() > 0)
        mGrid->setCurrentIndex(mGrid->model()->index(0, 0));
    updateRecordPanel();
    if (!mDataSet->table().warnings.isEmpty())
        mDialogs.inform(this, kWindowTitle, mDataSet->table().warnings.join(u'\n'));
    return true;
}

void TDBAdminFrm::applyColumnWidths()
{
    const QList<int> widths
        = workbookColumnWidths(mDataSet->table(), QFontInfo(mGrid->font()).pixelSize());
    for (int c = 0; c < widths.size(); ++c)
        mGrid->setColumnWidth(c, widths.at(c));
}

bool TDBAdminFrm::listOpen() const
{
    return mDataSet->isOpen() && !mList.isEmpty();
}

void TDBAdminFrm::showReason(const QString &text)
{
    mDialogs.inform(this, kWindowTitle, text);
}

bool TDBAdminFrm::refuseChange()
{
    if (mReadOnlyReason.isEmpty())
        return false;
    showReason(readOnlyMessage(mReadOnlyReason));
    return true;
}

// Edits go to the file only here, after a change was committed; the write is atomic, so a
// failure leaves the old file, and the grid keeps the change for another try or an export.
bool TDBAdminFrm::writeBack()
{
    if (Status saved = mDataSet->save(); !saved) {
        showReason(QStringLiteral(
                       "목록을 파일에 저장하지 못했습니다. 바뀐 내용은 화면에만 남아 있습니다.\n")
            + saved.error().message);
        return false;
    }
    return true;
}

void TDBAdminFrm::cellCommitted(bool stored)
{
    if (!stored) {
        showReason(QStringLiteral("입력한 값이 이 필드에 맞지 않습니다."));
        return;
    }
    writeBack();
    updateRecordPanel();
}

void TDBAdminFrm::updateActions()
{
    const bool open = listOpen();
    for (size_t i = 0; i < mActions.size(); ++i) {
        const auto command = DBAdminCommand(i);
        const bool always = command == DBAdminCommand::Open || command == DBAdminCommand::Close
            || command == DBAdminCommand::Help || command == DBAdminCommand::PostalSearch;
        mActions[i]->setEnabled(always || open);
    }
    action(DBAdminCommand::Paste)->setEnabled(open && mCopied.has_value());
}

void TDBAdminFrm::updateRecordPanel()
{
    const QModelIndex current = mGrid->currentIndex();
    const int recNo = listOpen() && current.isValid() ? current.row() + 1 : 0;
    mPanels[2]->setText(recordPositionText(caption("Record", QStringLiteral("현재 위치 :")), recNo,
        caption("Number", QStringLiteral("번째 자료"))));
}

QString TDBAdminFrm::statusText(int panel) const
{
    return panel >= 0 && panel < int(mPanels.size()) ? mPanels[size_t(panel)]->text() : QString();
}

} // namespace quill
