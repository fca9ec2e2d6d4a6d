// The editing of the cell shown: the tools of the work area, the selection, placement of new
// objects and in-place text editing, wired to the view and the action set.
#pragma once

#include "editing/CellEditor.h"
#include "editing/ObjectPlacement.h"

#include <QObject>

class QKeyEvent;

#include <functional>

namespace quill {

class CaptionFile;
class EditHistory;
class EditorActions;
class LabelDocument;
class PlacementTool;
class SelectionTool;
class TZR_TextEdit;
class TZR_WorkSpace;
class TextInPlaceEditor;
struct WorkAreaPrompts;
enum class EditorCommand;

// What placement asks of the rest of the editor, replaceable by tests.
struct PlacementServices {
    // The tool bar's font size and colours, the zoom: the context of a new object.
    std::function<PlacementContext()> context;
    // The picture file for the picture command; empty: cancelled.
    std::function<QString()> choosePicture;
    // A new object's dialog before it is placed: the object as confirmed, or null when the
    // dialog was cancelled (nothing is made). Unset: objects are placed as made.
    std::function<std::unique_ptr<LabelObject>(std::unique_ptr<LabelObject>)> confirmNew;
};

class EditingController : public QObject {
    Q_OBJECT
public:
    EditingController(LabelDocument &document, EditHistory &history, TZR_WorkSpace &view,
                      EditorActions &actions, const CaptionFile &captions,
                      const WorkAreaPrompts &prompts, const QString &clipboardFolder,
                      QObject *parent = nullptr);
    ~EditingController() override;

    CellEditor &editor() { return mEditor; }
    TextInPlaceEditor &textEditor() { return *mTextEditor; }
    SelectionTool &selectionTool() { return *mSelectionTool; }
    void setPlacementServices(PlacementServices services) { mServices = std::move(services); }

    // Ends an open in-place text edit (recording it); every command that acts on the cell
    // calls this first.
    void endTextEditing();
    // The cell's objects are about to be replaced (new document, open, undo, cell switch):
    // in-place editing closes without a trace and the selection empties.
    void cellReplacing();

    // A tool of the tool bar or the Insert menu: drag tools are armed, the others place their
    // object at once.
    void chooseTool(EditorCommand tool);
    // Puts an armed tool down (the font size box took the focus, Escape).
    void disarm();
    // Places an object of a drag tool at bounds (model pixels) as a drag would.
    LabelObject *placeAt(ObjectTypeCode code, int shapeKind, const QRect &bounds);
    // Opens in-place editing on a text box of the cell.
    void editText(TZR_TextEdit *box, bool newText);

    // Shows a caption text of [MainMessage] (a refusal key) or a plain message.
    void warn(const QString &messageOrKey, bool captionKey);

signals:
    void selectionChanged();
    // A double click on an object that has a dialog (not a text box).
    void propertiesRequested(LabelObject *object);
    void contextMenuRequested(const QPoint &globalPosition);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void placeAtOnce(ObjectTypeCode code);
    LabelObject *placePicture();
    void finishPlacement();
    void objectActivated(LabelObject *object);
    bool keyPressed(QKeyEvent *event);
    PlacementContext placementContext() const;
    double gridStep() const;

    LabelDocument &mDocument;
    TZR_WorkSpace &mView;
    EditorActions &mActions;
    const CaptionFile &mCaptions;
    const WorkAreaPrompts &mPrompts;
    CellEditor mEditor;
    SelectionTool *mSelectionTool = nullptr;
    PlacementTool *mPlacementTool = nullptr;
    TextInPlaceEditor *mTextEditor = nullptr;
    PlacementServices mServices;
    bool mNewText = false; // the box being edited was just made by the text command
};

} // namespace quill
