// The three tool bar layouts and their builder.
#include "ToolBarBuilder.h"

#include "EditorActions.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

namespace quill {

namespace {

using C = EditorCommand;
using W = EditorControl;

struct Entry {
    enum Kind { Command, Control, Separator } kind;
    C command = C::New;
    W control = W::FontName;
};

constexpr Entry item(C c)
{
    return {Entry::Command, c};
}
constexpr Entry widget(W w)
{
    return {Entry::Control, C::New, w};
}
constexpr Entry sep {Entry::Separator};

// clang-format off
const Entry topLayout[] = {
    item(C::New), item(C::Open), item(C::Save), sep,
    item(C::Cut), item(C::Copy), item(C::Paste), sep,
    item(C::Preview), item(C::Print), sep,
    item(C::ZoomIn), item(C::ZoomOut), widget(W::ZoomPercentBox), sep,
    item(C::DataListManage), item(C::DataListOpen), item(C::DataListMake), sep,
    item(C::RotateLeft), item(C::RotateRight), item(C::FlipHorizontal), item(C::FlipVertical), sep,
    item(C::BringToFront), item(C::SendToBack), item(C::BringForward), item(C::SendBackward), sep,
    item(C::Landscape), item(C::Portrait), sep,
    item(C::Homepage), item(C::Help), item(C::DiscLabel),
};

const Entry formatLayout[] = {
    widget(W::FontName), widget(W::FontSize), sep,
    item(C::Bold), item(C::Italic), item(C::Underline), item(C::FontColor), sep,
    item(C::AlignTextLeft), item(C::AlignTextCenter), item(C::AlignTextRight), sep,
    item(C::AlignObjectsLeft), item(C::AlignObjectsRight), item(C::AlignObjectsTop), sep,
    widget(W::ShapeComboBox),
};

const Entry leftLayout[] = {
    item(C::ToolSelect), sep,
    item(C::ToolText), item(C::ToolImage), item(C::ToolGradient), item(C::ToolWordArt),
    item(C::ToolSerialNumber), item(C::ToolBarcode), item(C::ToolBarcode2D),
    item(C::ToolZipBarcode), item(C::ToolTable), sep,
    item(C::ToolLine), item(C::ToolDLine), item(C::ToolVLine), item(C::ToolRoundRect),
    item(C::ToolRect), item(C::ToolEllipse), sep,
    item(C::LineColor), item(C::FillColor), item(C::LineWidth), item(C::LineStyle),
};
// clang-format on

template<std::size_t N>
QToolBar *makeToolBar(QMainWindow *window, const EditorActions &actions, const QString &title,
    const char *name, const Entry (&layout)[N])
{
    auto *bar = new QToolBar(title, window);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setAccessibleName(title);
    bar->setIconSize(QSize(24, 24));
    for (const Entry &e : layout) {
        if (e.kind == Entry::Separator) {
            bar->addSeparator();
        } else if (e.kind == Entry::Control) {
            bar->addWidget(actions.control(e.control));
        } else {
            QAction *action = actions.action(e.command);
            bar->addAction(action);
            auto *button = qobject_cast<QToolButton *>(bar->widgetForAction(action));
            Q_ASSERT(button);
            button->setObjectName(action->objectName());
            button->setAccessibleName(actions.hint(e.command));
            // A button with a pop-up menu (line width, line style) opens it at once.
            if (action->menu())
                button->setPopupMode(QToolButton::InstantPopup);
        }
    }
    return bar;
}

} // namespace

EditorToolBars buildEditorToolBars(QMainWindow *window, const EditorActions &actions)
{
    EditorToolBars bars;
    bars.top = makeToolBar(window, actions, QStringLiteral("상단도구바"), "TopToolBar", topLayout);
    bars.format
        = makeToolBar(window, actions, QStringLiteral("서식모음"), "FormatToolBar", formatLayout);
    bars.left
        = makeToolBar(window, actions, QStringLiteral("왼쪽도구바"), "LeftToolBar", leftLayout);
    window->addToolBar(Qt::TopToolBarArea, bars.top);
    window->addToolBarBreak(Qt::TopToolBarArea);
    window->addToolBar(Qt::TopToolBarArea, bars.format);
    bars.left->setOrientation(Qt::Vertical);
    window->addToolBar(Qt::LeftToolBarArea, bars.left);
    return bars;
}

} // namespace quill
