#include "ArrangeMenuCommands.h"

#include "EditingController.h"
#include "EditorActions.h"
#include "document/LabelDocument.h"
#include "editing/ArrangeCommands.h"

#include <QAction>

namespace quill {

ArrangeMenuCommands::ArrangeMenuCommands(EditingController &editing, LabelDocument &document,
                                         EditorActions &actions, QObject *parent)
    : QObject(parent), mEditing(editing), mDocument(document), mActions(actions),
      mOrientation(EditorCommand::Landscape)
{
    const auto on = [this](EditorCommand id, void (ArrangeMenuCommands::*handler)(EditorCommand)) {
        connect(mActions.action(id), &QAction::triggered, this, [this, id, handler] { (this->*handler)(id); });
        mActions.setImplemented(id);
    };
    for (EditorCommand id : {EditorCommand::AlignObjectsLeft, EditorCommand::AlignObjectsRight,
                             EditorCommand::AlignObjectsTop, EditorCommand::AlignObjectsBottom,
                             EditorCommand::AlignObjectsHCenter, EditorCommand::AlignObjectsVCenter})
        on(id, &ArrangeMenuCommands::align);
    for (EditorCommand id : {EditorCommand::BringToFront, EditorCommand::SendToBack,
                             EditorCommand::BringForward, EditorCommand::SendBackward})
        on(id, &ArrangeMenuCommands::order);
    for (EditorCommand id : {EditorCommand::RotateLeft, EditorCommand::RotateRight,
                             EditorCommand::FlipHorizontal, EditorCommand::FlipVertical})
        on(id, &ArrangeMenuCommands::turn);
    for (EditorCommand id : {EditorCommand::Landscape, EditorCommand::Portrait})
        on(id, &ArrangeMenuCommands::orient);
}

void ArrangeMenuCommands::align(EditorCommand id)
{
    mEditing.endTextEditing();
    CellEditor &editor = mEditing.editor();
    if (editor.selection().count() < 2) {
        mEditing.warn(QStringLiteral("SelectError"), true);
        return;
    }
    const AlignKind kind = id == EditorCommand::AlignObjectsLeft    ? AlignKind::Left
                           : id == EditorCommand::AlignObjectsRight ? AlignKind::Right
                           : id == EditorCommand::AlignObjectsTop   ? AlignKind::Top
                           : id == EditorCommand::AlignObjectsBottom ? AlignKind::Bottom
                           : id == EditorCommand::AlignObjectsHCenter
                               ? AlignKind::HorizontalCentre
                               : AlignKind::VerticalCentre;
    editor.align(kind);
}

void ArrangeMenuCommands::order(EditorCommand id)
{
    mEditing.endTextEditing();
    CellEditor &editor = mEditing.editor();
    switch (id) {
    case EditorCommand::BringToFront: editor.bringToFront(); break;
    case EditorCommand::SendToBack: editor.sendToBack(); break;
    case EditorCommand::BringForward: editor.bringForward(); break;
    default: editor.sendBackward(); break;
    }
}

void ArrangeMenuCommands::turn(EditorCommand id)
{
    mEditing.endTextEditing();
    CellEditor &editor = mEditing.editor();
    switch (id) {
    case EditorCommand::RotateLeft: editor.rotate(Turn::Left); break;
    case EditorCommand::RotateRight: editor.rotate(Turn::Right); break;
    case EditorCommand::FlipHorizontal: editor.mirror(Mirror::LeftRight); break;
    default: editor.mirror(Mirror::UpDown); break;
    }
}

void ArrangeMenuCommands::orient(EditorCommand id)
{
    mEditing.endTextEditing();
    if (id == mOrientation) {
        mActions.action(id)->setChecked(true);
        return;
    }
    mOrientation = id;
    mActions.action(id)->setChecked(true);
    mEditing.editor().edit(EditCommand::Orientation, [&] {
        mDocument.swapOrientation(id == EditorCommand::Portrait ? OrientationTurn::ToPortrait
                                                                : OrientationTurn::ToLandscape);
        return true;
    });
}

void ArrangeMenuCommands::resetOrientation()
{
    mOrientation = EditorCommand::Landscape;
    mActions.action(EditorCommand::Landscape)->setChecked(true);
}

} // namespace quill
