// Builds the editor's three tool bars from tables of command ids and controls.
#pragma once

class QMainWindow;
class QToolBar;

namespace quill {

class EditorActions;

struct EditorToolBars {
    QToolBar *top = nullptr; // file, clipboard, print, zoom, data lists, arrange, help
    QToolBar *format = nullptr; // font, text style and alignment, object alignment, shape box
    QToolBar *left = nullptr; // the tool palette, lines and fills
};

// Adds the three tool bars to window (top and format in the top area, one under the other;
// the tool palette at the left). The buttons share the commands' actions; each button and
// control is named after its command and gets the command's hint as accessible name, so that
// screen readers announce what an icon-only button does.
EditorToolBars buildEditorToolBars(QMainWindow *window, const EditorActions &actions);

} // namespace quill
