// The menu bar layout and its builder.
#include "MenuBuilder.h"

#include "EditorActions.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace quill {

namespace {

using C = EditorCommand;

// One line of the layout: a command, a separator, or the start or end of a (sub)menu.
struct Entry {
    enum Kind { Command, Separator, Begin, End } kind;
    C command = C::New;
    const char16_t *title = nullptr;
    const char *name = nullptr;
};

constexpr Entry item(C c)
{
    return {Entry::Command, c};
}
constexpr Entry begin(const char16_t *title, const char *name)
{
    return {Entry::Begin, C::New, title, name};
}
constexpr Entry sep {Entry::Separator};
constexpr Entry end {Entry::End};

// The whole menu bar. Commands that have a pop-up menu of their own (line width and style)
// appear as submenus wherever they are listed.
// clang-format off
const Entry layout[] = {
    begin(u"파일(&F)", "FileMenu"),
    item(C::New), item(C::ChangePaper), item(C::Open), sep,
    item(C::Save), item(C::SaveAs), sep,
    item(C::Preview), item(C::Print), sep,
    item(C::Settings), item(C::DiscLabel), sep,
    item(C::Exit),
    end,

    begin(u"편집(&E)", "EditMenu"),
    item(C::Undo), item(C::Redo), sep,
    item(C::Cut), item(C::Copy), item(C::Paste), sep,
    item(C::SelectAll), item(C::Delete), sep,
    item(C::Properties), item(C::PictureSize),
    end,

    begin(u"보기(&V)", "ViewMenu"),
    begin(u"확대", "ZoomInMenu"),
    item(C::Zoom140), item(C::Zoom180), item(C::Zoom200), item(C::Zoom250), item(C::Zoom300),
    end,
    begin(u"축소", "ZoomOutMenu"), item(C::Zoom80), item(C::Zoom60), end,
    item(C::Zoom100), item(C::ZoomIn), item(C::ZoomOut), sep,
    begin(u"도구모음", "ToolBarsMenu"),
    item(C::ShowTopToolBar), item(C::ShowFormatToolBar), item(C::ShowLeftToolBar),
    end,
    begin(u"눈금자", "RulerMenu"), item(C::RulerInch), item(C::RulerMillimetre), end,
    item(C::ShowGrid), sep,
    item(C::ShowOverview),
    end,

    begin(u"삽입(&I)", "InsertMenu"),
    item(C::ToolText), item(C::ToolImage), item(C::ToolBarcode), item(C::ToolBarcode2D),
    item(C::ToolZipBarcode), item(C::ToolGradient), item(C::ToolWordArt),
    item(C::ToolSerialNumber), item(C::ToolTable),
    begin(u"도형", "ShapeMenu"),
    item(C::ToolLine), item(C::ToolDLine), item(C::ToolVLine), item(C::ToolRoundRect),
    item(C::ToolRect), item(C::ToolEllipse), item(C::ToolCircle),
    end,
    end,

    begin(u"서식(&O)", "FormatMenu"),
    item(C::FontDialog), item(C::Bold), item(C::Italic), item(C::Underline), item(C::FontColor),
    begin(u"정렬", "TextAlignMenu"),
    item(C::AlignTextLeft), item(C::AlignTextCenter), item(C::AlignTextRight),
    end,
    sep,
    begin(u"개체정렬", "ObjectAlignMenu"),
    item(C::AlignObjectsLeft), item(C::AlignObjectsRight), item(C::AlignObjectsTop),
    item(C::AlignObjectsBottom), item(C::AlignObjectsHCenter), item(C::AlignObjectsVCenter),
    end,
    begin(u"변환", "TransformMenu"),
    item(C::RotateLeft), item(C::RotateRight), item(C::FlipHorizontal), item(C::FlipVertical),
    end,
    begin(u"라벨방향", "OrientationMenu"), item(C::Landscape), item(C::Portrait), end,
    sep,
    item(C::BringToFront), item(C::SendToBack), item(C::BringForward), item(C::SendBackward),
    sep,
    item(C::LineColor), item(C::FillColor), item(C::LineWidth), item(C::LineStyle),
    end,

    begin(u"데이터목록(&D)", "DataListMenu"),
    item(C::DataListManage), item(C::DataListOpen), item(C::DataListMake),
    end,

    begin(u"도움말(&H)", "HelpMenu"),
    item(C::Help), sep,
    item(C::OnlineSupport), item(C::InternetService), item(C::Homepage), sep,
    item(C::CheckUpdate), item(C::Contact), sep,
    item(C::About),
    end,
};
// clang-format on

QMenu *newMenu(QWidget *parent, const Entry &e)
{
    const QString title = QString::fromUtf16(e.title);
    auto *menu = new QMenu(title, parent);
    menu->setObjectName(QString::fromLatin1(e.name));
    menu->setAccessibleName(QString(title).remove(u'&'));
    return menu;
}

} // namespace

QMenu *buildEditorMenuBar(QMenuBar *bar, const EditorActions &actions)
{
    QList<QMenu *> open; // the menus being filled, innermost last
    QMenu *fileMenu = nullptr;
    for (const Entry &e : layout) {
        switch (e.kind) {
        case Entry::Begin: {
            QMenu *menu = newMenu(open.isEmpty() ? static_cast<QWidget *>(bar) : open.last(), e);
            if (open.isEmpty())
                bar->addMenu(menu);
            else
                open.last()->addMenu(menu);
            if (!fileMenu)
                fileMenu = menu;
            open.append(menu);
            break;
        }
        case Entry::End:
            open.removeLast();
            break;
        case Entry::Separator:
            open.last()->addSeparator();
            break;
        case Entry::Command:
            open.last()->addAction(actions.action(e.command));
            break;
        }
    }
    return fileMenu;
}

} // namespace quill
