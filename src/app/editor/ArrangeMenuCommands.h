// The arrange commands: align the selected objects, their drawing order, turns and mirrors,
// and the sheet's orientation.
#pragma once

#include <QObject>

namespace quill {

class EditingController;
class EditorActions;
class LabelDocument;
enum class EditorCommand;

class ArrangeMenuCommands : public QObject {
    Q_OBJECT
public:
    ArrangeMenuCommands(EditingController &editing, LabelDocument &document,
                        EditorActions &actions, QObject *parent = nullptr);

    void align(EditorCommand id);
    void order(EditorCommand id);
    void turn(EditorCommand id);
    // Landscape or portrait: the sheet turns only when the other one is checked; turning back
    // gives the sheet exactly as it was.
    void orient(EditorCommand id);
    // A new document starts in landscape.
    void resetOrientation();

private:
    EditingController &mEditing;
    LabelDocument &mDocument;
    EditorActions &mActions;
    EditorCommand mOrientation;
};

} // namespace quill
