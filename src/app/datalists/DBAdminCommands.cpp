// The data list manager's commands: captions, menus, toolbar and dispatch.
#include "DBAdminFrm.h"

#include "datalists/ZR_DBGrid.h"
#include "editor/EditorActions.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

namespace quill {
namespace {

enum Menu { FileMenu, EditMenu, DataMenu, ToolMenu, LabelMenu, HelpMenu, PopupOnly };

struct ManagerCommandSpec {
    DBAdminCommand id;
    const char16_t *menuText;
    const char16_t *toolText; // nullptr: not on the toolbar
    const char *icon; // nullptr: no picture
    const char *objectName;
    Menu menu;
};

// In menu order.
const ManagerCommandSpec kCommands[] = {
    {DBAdminCommand::Open, u"목록 열기", u"열기", "datalist-open", "Act_Open", FileMenu},
    {DBAdminCommand::Save, u"엑셀파일로 저장하기", u"엑셀로 저장", "document-save-as", "Act_Save",
        FileMenu},
    {DBAdminCommand::Close, u"끝내기", u"닫기", "application-exit", "Act_Close", FileMenu},
    {DBAdminCommand::Input, u"입력", u"입력", "contact-new", "Act_Input", EditMenu},
    {DBAdminCommand::Modify, u"수정", u"수정", "document-properties", "Act_Modify", EditMenu},
    {DBAdminCommand::Delete, u"삭제", u"삭제", "edit-delete", "Act_Delete", EditMenu},
    {DBAdminCommand::SelectAll, u"전체선택", u"전체선택", "edit-select-all", "Act_SelectAll",
        EditMenu},
    {DBAdminCommand::Search, u"데이터 검색", nullptr, "zoom-in", "Act_Search", DataMenu},
    {DBAdminCommand::Sort, u"정렬", nullptr, nullptr, "Act_Sort", DataMenu},
    {DBAdminCommand::AddField, u"필드추가", nullptr, nullptr, "Act_AddField", DataMenu},
    {DBAdminCommand::ModifyField, u"필드수정", nullptr, nullptr, "Act_ModifyField", DataMenu},
    {DBAdminCommand::First, u"처음데이터", nullptr, nullptr, "Act_First", DataMenu},
    {DBAdminCommand::Prior, u"이전데이터", nullptr, nullptr, "Act_Prior", DataMenu},
    {DBAdminCommand::Next, u"다음데이터", nullptr, nullptr, "Act_Next", DataMenu},
    {DBAdminCommand::Last, u"마지막데이터", nullptr, nullptr, "Act_Last", DataMenu},
    {DBAdminCommand::PostalSearch, u"우편번호 찾기", u"우편번호", "go-home", "Act_PostalSearch",
        ToolMenu},
    {DBAdminCommand::PostalBarcode, u"우편번호 바코드 지정", u"우편바코드", "tool-zipbarcode",
        "Act_PostalBarcode", ToolMenu},
    {DBAdminCommand::Barcode, u"1,2차원 바코드 지정", u"1,2차원 바코드", "tool-barcode2d",
        "Act_Barcode", ToolMenu},
    {DBAdminCommand::LogisticsBarcode, u"물류(EAN14) 바코드 지정", u"물류(EAN14)바코드",
        "tool-barcode", "Act_LogisticsBarcode", ToolMenu},
    {DBAdminCommand::PrintRange, u"인쇄범위 설정", nullptr, nullptr, "Act_PrintRange", LabelMenu},
    {DBAdminCommand::SendToLabels, u"라벨로 자료보내기", u"자료보내기", "tool-field",
        "Act_SendToLabels", LabelMenu},
    {DBAdminCommand::Help, u"데이터 목록 도움말", nullptr, "help-contents", "Act_Help", HelpMenu},
    {DBAdminCommand::Cut, u"잘라내기", nullptr, "edit-cut", "Act_Cut", PopupOnly},
    {DBAdminCommand::Copy, u"복사", nullptr, "edit-copy", "Act_Copy", PopupOnly},
    {DBAdminCommand::Paste, u"붙여넣기", nullptr, "edit-paste", "Act_Paste", PopupOnly},
};

const char16_t *const kMenuTitles[]
    = {u"파일(&F)", u"편집(&E)", u"자료(&D)", u"도구(&B)", u"라벨(&L)", u"도움말(&H)"};

} // namespace

void TDBAdminFrm::createActions()
{
    for (const ManagerCommandSpec &spec : kCommands) {
        auto *a = new QAction(QString::fromUtf16(spec.menuText), this);
        a->setObjectName(QString::fromLatin1(spec.objectName));
        if (spec.icon)
            a->setIcon(QIcon(EditorActions::ownIconPath(QString::fromLatin1(spec.icon))));
        if (spec.toolText)
            a->setIconText(QString::fromUtf16(spec.toolText));
        const DBAdminCommand id = spec.id;
        if (id == DBAdminCommand::Delete)
            a->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Delete)); // the grid's own delete key
        connect(a, &QAction::triggered, this, [this, id] { run(id); });
        mActions[size_t(id)] = a;
    }
}

void TDBAdminFrm::createMenus(QMenuBar *bar)
{
    QMenu *menus[std::size(kMenuTitles)] = {};
    for (size_t m = 0; m < std::size(kMenuTitles); ++m)
        menus[m] = bar->addMenu(QString::fromUtf16(kMenuTitles[m]));
    for (const ManagerCommandSpec &spec : kCommands) {
        if (spec.menu == PopupOnly)
            continue;
        // Separate the window's end and the moves from the commands before them.
        if (spec.id == DBAdminCommand::Close || spec.id == DBAdminCommand::First)
            menus[spec.menu]->addSeparator();
        menus[spec.menu]->addAction(action(spec.id));
    }
}

void TDBAdminFrm::createToolBar(QToolBar *bar)
{
    bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    bar->setMovable(false);
    for (const ManagerCommandSpec &spec : kCommands) {
        if (!spec.toolText)
            continue;
        bar->addAction(action(spec.id));
        // Pointing at a button shows the hand, as over a link.
        if (QWidget *button = bar->widgetForAction(action(spec.id))) {
            button->setCursor(Qt::PointingHandCursor);
            button->setObjectName(
                QStringLiteral("Btn_") + QString::fromLatin1(spec.objectName).mid(4));
        }
    }
}

void TDBAdminFrm::run(DBAdminCommand command)
{
    const bool always = command == DBAdminCommand::Open || command == DBAdminCommand::Close
        || command == DBAdminCommand::Help || command == DBAdminCommand::PostalSearch;
    if (!always && !listOpen())
        return;
    switch (command) {
    case DBAdminCommand::Open:
        openCommand();
        break;
    case DBAdminCommand::Save:
        exportList();
        break;
    case DBAdminCommand::Close:
        reject();
        break;
    case DBAdminCommand::Input:
        enterRecords(false);
        break;
    case DBAdminCommand::Modify:
        enterRecords(true);
        break;
    case DBAdminCommand::Delete:
        deleteRows();
        break;
    case DBAdminCommand::SelectAll:
        selectAll();
        break;
    case DBAdminCommand::Search:
        searchList();
        break;
    case DBAdminCommand::Sort:
        sortList();
        break;
    case DBAdminCommand::AddField:
        editFields(false);
        break;
    case DBAdminCommand::ModifyField:
        editFields(true);
        break;
    case DBAdminCommand::First:
        moveTo(0);
        break;
    case DBAdminCommand::Prior:
        moveTo(mGrid->currentIndex().row() - 1);
        break;
    case DBAdminCommand::Next:
        moveTo(mGrid->currentIndex().row() + 1);
        break;
    case DBAdminCommand::Last:
        moveTo(gridRowCount() - 1);
        break;
    case DBAdminCommand::PostalSearch:
        mDialogs.postalSearch(this);
        break;
    case DBAdminCommand::PostalBarcode:
        makeBarcode(3);
        break;
    case DBAdminCommand::Barcode:
        makeBarcode(1);
        break;
    case DBAdminCommand::LogisticsBarcode:
        makeBarcode(4);
        break;
    case DBAdminCommand::PrintRange:
        printRange();
        break;
    case DBAdminCommand::SendToLabels:
        sendToLabels();
        break;
    case DBAdminCommand::Help:
        mDialogs.showHelp(this);
        break;
    case DBAdminCommand::Cut:
        cutRecord();
        break;
    case DBAdminCommand::Copy:
        copyRecord();
        break;
    case DBAdminCommand::Paste:
        pasteRecord();
        break;
    case DBAdminCommand::Count:
        break;
    }
}

} // namespace quill
