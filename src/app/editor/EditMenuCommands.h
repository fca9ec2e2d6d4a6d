// The Edit menu and the object pop-up menus: undo, redo, cut, copy, paste, select all, delete,
// the picture's own size, and "apply to all" of the cell overview.
#pragma once

#include <QObject>

namespace quill {

class EditHistory;
class Status;
class EditingController;
class EditorActions;
class TprvLabelWorkForm;
class TZR_WorkSpace;
struct WorkAreaPrompts;

class EditMenuCommands : public QObject {
    Q_OBJECT
public:
    EditMenuCommands(EditingController &editing, EditHistory &history, EditorActions &actions,
                     TZR_WorkSpace &view, const WorkAreaPrompts &prompts,
                     QObject *parent = nullptr);

    void undo();
    void redo();
    void cut();
    void copy();
    void paste();
    void selectAll();
    void deleteSelection();
    void pictureSize();
    // Copies the selection into every other cell after asking, the other cells marked.
    void masterApply(TprvLabelWorkForm *overview);
    // Enabled states from the selection, the clipboard and the history.
    void updateStates();

private:
    void connectActions();
    void report(const Status &status);

    EditingController &mEditing;
    EditHistory &mHistory;
    EditorActions &mActions;
    TZR_WorkSpace &mView;
    const WorkAreaPrompts &mPrompts;
};

} // namespace quill
