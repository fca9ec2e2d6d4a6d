// The editor's action set: one QAction per command, the menu bar and the three tool bars.
#pragma once

#include "EditorActionsTable.h"

#include <QColor>
#include <QObject>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

class QAction;
class QActionGroup;
class QComboBox;
class QFontComboBox;
class QIcon;
class QMainWindow;
class QMenu;
class QMenuBar;
class QToolBar;
class QWidget;

namespace quill {

class CaptionFile;

// The pop-up menus of the work area, one per kind of selection.
enum class EditorContextMenu { Default, Barcode, Shape, Image };

// Every command of the editor as a QAction, made from the command table with its Korean
// caption, its hint from [ButtonHint] of the caption file (tool tip and status tip), its
// shortcut and icon. A command the editor does not implement yet stays disabled: the main
// window connects an action and then calls setImplemented(). Checkable commands of one kind
// (tools, text alignment, orientation, ruler unit, line width, line style) are exclusive groups.
//
// Use: EditorActions *actions = new EditorActions(captions, window); actions->install(window);
// connect(actions->action(EditorCommand::Open), &QAction::triggered, ...);
// actions->setImplemented(EditorCommand::Open);
class EditorActions : public QObject {
    Q_OBJECT
public:
    // Reads every text it needs from captions now; captions need not outlive the constructor.
    explicit EditorActions(const CaptionFile &captions, QObject *parent = nullptr);
    ~EditorActions() override;

    // Never null for a command of the table. The action's data() holds the command's value:
    // zoom percent, object type code of a tool, pen width (-1: custom) or Qt::PenStyle.
    QAction *action(EditorCommand id) const;
    std::optional<EditorCommand> commandOf(const QAction *action) const;
    // The exclusive group of a kind of command; nullptr for CommandGroup::None.
    QActionGroup *group(CommandGroup group) const;
    // The hint of a command (its caption when it has none), as shown in tool tips.
    QString hint(EditorCommand id) const;
    // The caption file's texts: a value is taken only when present and not blank, so a missing
    // key never shows the reader's "0" on a button or in a menu.
    static QString captionOrDefault(const CaptionFile &captions, const QString &section,
        const QString &key, const QString &fallback);

    // Builds the menu bar onto window's menu bar and adds the three tool bars (top and format
    // at the top, the tool palette at the left). Call once; the window owns the widgets. The
    // View menu's tool bar items show and hide the tool bars from then on.
    void install(QMainWindow *window);
    // Only the menu bar (install() calls it).
    void buildMenus(QMenuBar *bar);

    // After install(): the tool bars, the controls and the menus (nullptr before). A typed
    // getter gives nullptr when replaceControl() put a widget of another kind in its place.
    QToolBar *topToolBar() const { return mTopToolBar; }
    QToolBar *formatToolBar() const { return mFormatToolBar; }
    QToolBar *leftToolBar() const { return mLeftToolBar; }
    QWidget *control(EditorControl id) const;
    QFontComboBox *fontNameBox() const;
    QComboBox *fontSizeBox() const;
    QComboBox *shapeComboBox() const;
    QComboBox *zoomPercentBox() const;
    // Puts widget in the place of a control in its tool bar: the main window's own control that
    // drives the command (a zoom box that knows the work area, say). The widget takes the
    // control's name, hint and accessible name and counts as implemented; the tool bar owns it
    // and the control it replaces is deleted.
    void replaceControl(EditorControl id, QWidget *widget);
    // The File menu, for the recent-files list kept at its bottom.
    QMenu *fileMenu() const { return mFileMenu; }
    // The pop-up menus of the line width and line style buttons (also in the format menu).
    QMenu *lineWidthMenu() const { return mLineWidthMenu; }
    QMenu *lineStyleMenu() const { return mLineStyleMenu; }

    // After install(): the work area's pop-up menu for a kind of selection. Its items run the
    // commands' actions and follow their enabled and checked states; some carry the spaced
    // captions of the pop-up menus ("개체 맨 앞으로", "실      선").
    QMenu *contextMenu(EditorContextMenu kind) const { return mContextMenus.at(int(kind)); }

    // Marks a command (or control) as working: it is enabled unless setCommandEnabled() asked
    // otherwise. An unimplemented one stays disabled whatever else is asked.
    void setImplemented(EditorCommand id, bool implemented = true);
    void setImplemented(EditorControl id, bool implemented = true);
    bool isImplemented(EditorCommand id) const;
    bool isImplemented(EditorControl id) const;
    // The enabled state the situation calls for (undo possible, something selected ...).
    void setCommandEnabled(EditorCommand id, bool enabled);
    void setControlEnabled(EditorControl id, bool enabled);

    // The armed tool, ToolSelect when none; resetTool() puts the armed tool down.
    EditorCommand currentTool() const;
    void resetTool();

    // The colour shown by a colour button (FontColor, FillColor, LineColor): the swatch under
    // its icon takes the colour. Other commands are left alone.
    void setButtonColour(EditorCommand id, const QColor &colour);
    QColor buttonColour(EditorCommand id) const;

    // Shape combo box entries: the caption file's [ShapeCombo] Items1..ItemsCount.
    QStringList shapeComboItems() const { return mShapeItems; }
    // The icon of a figure of the shape object by its kind (TZRMultiShapeType order).
    static QIcon shapeIcon(int shapeKind);
    // The resource path of one of the editor's own icons (":/icons/<name>.svg").
    static QString ownIconPath(const QString &name);

signals:
    // A tool of the left tool bar (or the Insert menu) was chosen by the user.
    void toolChosen(EditorCommand tool);

private:
    struct ControlText {
        QString hint;
        QWidget *widget = nullptr;
        bool implemented = false;
        bool wanted = true;
    };
    void createActions(const CaptionFile &captions);
    void readControlTexts(const CaptionFile &captions);
    void createControls();
    void dressControl(EditorControl id, QWidget *widget);
    void createLineMenus(QWidget *parent);
    void applyEnabled(EditorCommand id);
    void applyEnabled(EditorControl id);
    void connectToolBarToggles();
    void createContextMenus(QWidget *parent);

    std::array<QAction *, EditorCommandCount> mActions {};
    std::array<QString, EditorCommandCount> mHints;
    std::array<bool, EditorCommandCount> mImplemented {};
    std::array<bool, EditorCommandCount> mWanted {};
    std::array<QActionGroup *, 7> mGroups {};
    std::array<ControlText, EditorControlCount> mControls;
    QStringList mShapeItems;
    QStringList mShapeKindTexts; // [ShapeCombo] text of each kind key, for the entries' icons
    QString mFontName;
    QString mFontSize;
    QToolBar *mTopToolBar = nullptr;
    QToolBar *mFormatToolBar = nullptr;
    QToolBar *mLeftToolBar = nullptr;
    QMenu *mFileMenu = nullptr;
    QMenu *mLineWidthMenu = nullptr;
    QMenu *mLineStyleMenu = nullptr;
    std::array<QMenu *, 4> mContextMenus {};
    std::array<QRgb, 3> mButtonColours {}; // font, fill, line
};

} // namespace quill
