// The action set: the actions from the command table, enabled states, tool group, install.
#include "EditorActions.h"

#include "MenuBuilder.h"
#include "ToolBarBuilder.h"
#include "shell/CaptionFile.h"

#include <QAction>
#include <QActionGroup>
#include <QIcon>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

// The icons are compiled into the static library; referencing the resource's initialiser keeps
// the linker from dropping it from the programs and tests that link the library.
static void initEditorIconResources()
{
    Q_INIT_RESOURCE(editor_icons);
}

namespace quill {

namespace {

const QString HintSection = QStringLiteral("ButtonHint");

// Our own icon for every figure of the shape object, in the order of its kinds.
const char *const shapeIconNames[]
    = {"shape-line", "shape-dline", "shape-vline", "shape-square", "shape-roundrect",
        "shape-roundsquare", "shape-rectangle", "shape-ellipse", "shape-circle", "shape-triangle",
        "shape-trianglelean", "shape-rectlean", "shape-rectleanmid", "shape-rectleancenter",
        "shape-five", "shape-six", "shape-octopus", "shape-cross", "shape-love"};

QIcon commandIcon(const CommandSpec &spec)
{
    if (!spec.icon)
        return {};
    const QString name = QString::fromLatin1(spec.icon);
    const QIcon own(EditorActions::ownIconPath(name));
    return spec.themed ? QIcon::fromTheme(name, own) : own;
}

// The tool tip names the shortcut too, as toolkits usually do.
QString toolTipOf(const QString &hint, const QKeySequence &shortcut)
{
    if (shortcut.isEmpty())
        return hint;
    return hint + QStringLiteral(" (") + shortcut.toString(QKeySequence::NativeText) + u')';
}

} // namespace

EditorActions::EditorActions(const CaptionFile &captions, QObject *parent) : QObject(parent)
{
    initEditorIconResources();
    mWanted.fill(true);
    // The colours the buttons' own icons show until the editor sets others.
    mButtonColours = {qRgb(0xd9, 0x44, 0x3a), qRgb(0xf2, 0xb6, 0x32), qRgb(0xd9, 0x44, 0x3a)};
    for (std::size_t g = 1; g < mGroups.size(); ++g) {
        mGroups[g] = new QActionGroup(this);
        mGroups[g]->setExclusive(true);
    }
    createActions(captions);
    readControlTexts(captions);
}

EditorActions::~EditorActions() = default;

QString EditorActions::captionOrDefault(const CaptionFile &captions, const QString &section,
    const QString &key, const QString &fallback)
{
    if (!captions.contains(section, key))
        return fallback;
    const QString value = captions.read(section, key);
    return value.trimmed().isEmpty() ? fallback : value;
}

QString EditorActions::ownIconPath(const QString &name)
{
    return QStringLiteral(":/icons/") + name + QStringLiteral(".svg");
}

QIcon EditorActions::shapeIcon(int shapeKind)
{
    if (shapeKind < 0 || shapeKind >= int(std::size(shapeIconNames)))
        return {};
    return QIcon(ownIconPath(QString::fromLatin1(shapeIconNames[shapeKind])));
}

void EditorActions::createActions(const CaptionFile &captions)
{
    for (const CommandSpec &spec : commandTable()) {
        const int i = int(spec.id);
        QString caption = QString::fromUtf16(spec.caption);
        if (spec.captionSection)
            caption = captionOrDefault(captions, QString::fromLatin1(spec.captionSection),
                QString::fromLatin1(spec.captionKey), caption);
        const QString fallbackHint
            = spec.hint ? QString::fromUtf16(spec.hint) : QString(caption).remove(u'&');
        mHints[i] = spec.hintKey ? captionOrDefault(
                        captions, HintSection, QString::fromLatin1(spec.hintKey), fallbackHint)
                                 : fallbackHint;

        auto *action = new QAction(commandIcon(spec), caption, this);
        action->setObjectName(QString::fromLatin1(spec.name));
        if (spec.shortcut)
            action->setShortcut(QKeySequence::fromString(
                QString::fromLatin1(spec.shortcut), QKeySequence::PortableText));
        action->setToolTip(toolTipOf(mHints[i], action->shortcut()));
        action->setStatusTip(mHints[i]);
        action->setCheckable(spec.checkable);
        action->setChecked(spec.checked);
        action->setData(spec.data);
        if (spec.group != CommandGroup::None)
            group(spec.group)->addAction(action);
        action->setEnabled(false);
        mActions[i] = action;
    }
    connect(group(CommandGroup::Tool), &QActionGroup::triggered, this, [this](QAction *a) {
        if (const auto id = commandOf(a))
            emit toolChosen(*id);
    });
}

QAction *EditorActions::action(EditorCommand id) const
{
    return mActions.at(int(id));
}

std::optional<EditorCommand> EditorActions::commandOf(const QAction *action) const
{
    for (int i = 0; i < EditorCommandCount; ++i) {
        if (mActions[i] == action)
            return EditorCommand(i);
    }
    return std::nullopt;
}

QActionGroup *EditorActions::group(CommandGroup g) const
{
    if (g == CommandGroup::None)
        return nullptr;
    return mGroups.at(int(g));
}

QString EditorActions::hint(EditorCommand id) const
{
    return mHints.at(int(id));
}

void EditorActions::install(QMainWindow *window)
{
    Q_ASSERT(!mTopToolBar); // once per window
    createControls();
    createLineMenus(window);
    buildMenus(window->menuBar());
    const EditorToolBars bars = buildEditorToolBars(window, *this);
    mTopToolBar = bars.top;
    mFormatToolBar = bars.format;
    mLeftToolBar = bars.left;
    connectToolBarToggles();
    createContextMenus(window);
}

void EditorActions::buildMenus(QMenuBar *bar)
{
    if (!mLineWidthMenu)
        createLineMenus(bar);
    mFileMenu = buildEditorMenuBar(bar, *this);
}

void EditorActions::createLineMenus(QWidget *parent)
{
    auto makeMenu
        = [&](EditorCommand owner, const char *name, std::initializer_list<EditorCommand> items) {
              auto *menu = new QMenu(action(owner)->text(), parent);
              menu->setObjectName(QString::fromLatin1(name));
              menu->setAccessibleName(hint(owner));
              for (EditorCommand item : items)
                  menu->addAction(action(item));
              action(owner)->setMenu(menu);
              return menu;
          };
    using C = EditorCommand;
    mLineWidthMenu = makeMenu(C::LineWidth, "LineMenu",
        {C::LineWidthNone, C::LineWidth1, C::LineWidth2, C::LineWidth3, C::LineWidth4,
            C::LineWidthCustom});
    mLineStyleMenu = makeMenu(
        C::LineStyle, "LineStyleMenu", {C::LineStyleSolid, C::LineStyleDot, C::LineStyleDash});
}

void EditorActions::connectToolBarToggles()
{
    const std::pair<EditorCommand, QToolBar *> toggles[]
        = {{EditorCommand::ShowTopToolBar, mTopToolBar},
            {EditorCommand::ShowFormatToolBar, mFormatToolBar},
            {EditorCommand::ShowLeftToolBar, mLeftToolBar}};
    for (const auto &[id, bar] : toggles) {
        QAction *toggle = action(id);
        connect(toggle, &QAction::toggled, bar, &QWidget::setVisible);
        // Closing a tool bar some other way (its own context menu) clears the check mark.
        connect(bar, &QToolBar::visibilityChanged, toggle, &QAction::setChecked);
        setImplemented(id);
    }
}

void EditorActions::setImplemented(EditorCommand id, bool implemented)
{
    mImplemented[int(id)] = implemented;
    applyEnabled(id);
}

bool EditorActions::isImplemented(EditorCommand id) const
{
    return mImplemented.at(int(id));
}

void EditorActions::setCommandEnabled(EditorCommand id, bool enabled)
{
    mWanted[int(id)] = enabled;
    applyEnabled(id);
}

void EditorActions::applyEnabled(EditorCommand id)
{
    const int i = int(id);
    mActions[i]->setEnabled(mImplemented[i] && mWanted[i]);
}

EditorCommand EditorActions::currentTool() const
{
    const auto id = commandOf(group(CommandGroup::Tool)->checkedAction());
    return id.value_or(EditorCommand::ToolSelect);
}

void EditorActions::resetTool()
{
    action(EditorCommand::ToolSelect)->setChecked(true);
}

} // namespace quill
