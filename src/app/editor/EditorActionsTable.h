// The editor's commands: stable ids and the declarative table each QAction is made from.
#pragma once

#include <QList>

namespace quill {

// Every command the main window offers, by a stable id. The main window finds the QAction of
// a command with EditorActions::action(id) and connects what it implements.
// clang-format off
enum class EditorCommand {
    // File menu
    New, ChangePaper, Open, Save, SaveAs, Preview, Print, Settings, DiscLabel, Exit,
    // Edit menu and the context menus
    Undo, Redo, Cut, Copy, Paste, SelectAll, Delete, Properties, PictureSize,
    // View menu and the zoom buttons
    Zoom140, Zoom180, Zoom200, Zoom250, Zoom300, Zoom80, Zoom60, Zoom100, ZoomIn, ZoomOut,
    ShowTopToolBar, ShowFormatToolBar, ShowLeftToolBar, RulerInch, RulerMillimetre, ShowGrid,
    ShowOverview,
    // Tools of the left tool bar and the Insert menu (one exclusive group)
    ToolSelect, ToolText, ToolImage, ToolBarcode, ToolBarcode2D, ToolZipBarcode, ToolGradient,
    ToolWordArt, ToolSerialNumber, ToolTable, ToolLine, ToolDLine, ToolVLine, ToolRoundRect,
    ToolRect, ToolEllipse, ToolCircle,
    // Format menu and format tool bar
    FontDialog, Bold, Italic, Underline, FontColor, AlignTextLeft, AlignTextCenter,
    AlignTextRight, AlignObjectsLeft, AlignObjectsRight, AlignObjectsTop, AlignObjectsBottom,
    AlignObjectsHCenter, AlignObjectsVCenter, RotateLeft, RotateRight, FlipHorizontal,
    FlipVertical, Landscape, Portrait, BringToFront, SendToBack, BringForward, SendBackward,
    // Line and fill commands of the left tool bar with their pop-up menus
    LineColor, FillColor, LineWidth, LineStyle, LineWidthNone, LineWidth1, LineWidth2,
    LineWidth3, LineWidth4, LineWidthCustom, LineStyleSolid, LineStyleDot, LineStyleDash,
    // Data list menu
    DataListManage, DataListOpen, DataListMake,
    // Help menu
    Help, OnlineSupport, InternetService, Homepage, CheckUpdate, Contact, About,
};
// clang-format on
inline constexpr int EditorCommandCount = int(EditorCommand::About) + 1;

// The widgets of the tool bars that are not plain buttons.
enum class EditorControl { FontName, FontSize, ShapeComboBox, ZoomPercentBox };
inline constexpr int EditorControlCount = int(EditorControl::ZoomPercentBox) + 1;

// Exclusive groups of checkable commands: choosing one clears the others.
enum class CommandGroup { None, Tool, TextAlign, Orientation, RulerUnit, LineWidth, LineStyle };

// One row of the command table. Texts are the editor's own Korean texts; the caption file
// replaces the hint (and, for a few commands, the caption) when it holds a value for them.
struct CommandSpec {
    EditorCommand id;
    const char *name; // object name: the control's name in the main window's layout
    const char16_t *caption; // menu caption; a '&' marks the mnemonic
    const char *hintKey; // key of [ButtonHint] holding the hint, or nullptr
    const char16_t *hint; // hint when the caption file has none; nullptr: the caption
    const char *shortcut; // key sequence in portable text, or nullptr
    const char *icon; // icon name, or nullptr
    bool themed; // icon is a freedesktop theme name (ours is the fallback)
    bool checkable;
    bool checked; // checked at start
    CommandGroup group;
    int data; // zoom %, object type code, pen width or pen style; 0 when none
    int shape = -1; // shape tools: the shape kind they create
    const char *captionSection = nullptr; // caption read from the caption file, when present
    const char *captionKey = nullptr;
};

// The whole table, one row per command, in EditorCommand order.
const QList<CommandSpec> &commandTable();
const CommandSpec &commandSpec(EditorCommand id);

} // namespace quill
