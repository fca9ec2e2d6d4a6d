#include "EditMenuCommands.h"

#include "EditingController.h"
#include "EditorActions.h"
#include "WorkAreaPrompts.h"
#include "ZR_WorkSpace.h"
#include "prvLabelWorkForm.h"
#include "document/EditHistory.h"
#include "document/LabelCell.h"
#include "editing/SelectionMenu.h"
#include "imaging/DecodedPicture.h"
#include "objects/ZR_DBImage.h"

#include <QAction>
#include <QFile>

namespace quill {

namespace {

const QString kMasterCaption = QStringLiteral("마스터 적용");
const QString kMasterQuestion = QStringLiteral("선택된 개체를 모든 라벨에 적용하시겠습니까?");

} // namespace

EditMenuCommands::EditMenuCommands(EditingController &editing, EditHistory &history,
                                   EditorActions &actions, TZR_WorkSpace &view,
                                   const WorkAreaPrompts &prompts, QObject *parent)
    : QObject(parent), mEditing(editing), mHistory(history), mActions(actions), mView(view),
      mPrompts(prompts)
{
    connectActions();
    connect(&mEditing, &EditingController::selectionChanged, this, &EditMenuCommands::updateStates);
    connect(&mHistory, &EditHistory::canUndoChanged, this, &EditMenuCommands::updateStates);
    connect(&mHistory, &EditHistory::canRedoChanged, this, &EditMenuCommands::updateStates);
    updateStates();
}

void EditMenuCommands::connectActions()
{
    const auto on = [this](EditorCommand id, void (EditMenuCommands::*handler)()) {
        connect(mActions.action(id), &QAction::triggered, this, handler);
        mActions.setImplemented(id);
    };
    on(EditorCommand::Undo, &EditMenuCommands::undo);
    on(EditorCommand::Redo, &EditMenuCommands::redo);
    on(EditorCommand::Cut, &EditMenuCommands::cut);
    on(EditorCommand::Copy, &EditMenuCommands::copy);
    on(EditorCommand::Paste, &EditMenuCommands::paste);
    on(EditorCommand::SelectAll, &EditMenuCommands::selectAll);
    on(EditorCommand::Delete, &EditMenuCommands::deleteSelection);
    on(EditorCommand::PictureSize, &EditMenuCommands::pictureSize);
}

void EditMenuCommands::updateStates()
{
    const EditSelection &selection = mEditing.editor().selection();
    const bool any = !selection.isEmpty();
    mActions.setCommandEnabled(EditorCommand::Undo, mHistory.canUndo());
    mActions.setCommandEnabled(EditorCommand::Redo, mHistory.canRedo());
    mActions.setCommandEnabled(EditorCommand::Cut, any);
    mActions.setCommandEnabled(EditorCommand::Copy, any);
    mActions.setCommandEnabled(EditorCommand::Delete, any);
    const bool image = selection.first() && selection.first()->typeCode() == ObjectTypeCode::DBImage;
    mActions.setCommandEnabled(EditorCommand::PictureSize, image);
    const LabelObject *first = selection.first();
    mActions.setCommandEnabled(EditorCommand::Properties,
        first && (first->typeCode() == ObjectTypeCode::TextEdit || hasPropertiesDialog(*first)));
}

void EditMenuCommands::report(const Status &status)
{
    if (!status)
        mEditing.warn(status.error().message, ObjectClipboard::isRefusal(status.error()));
    mView.viewport()->update();
}

void EditMenuCommands::undo()
{
    mEditing.endTextEditing();
    mEditing.cellReplacing();
    report(mHistory.undo());
}

void EditMenuCommands::redo()
{
    mEditing.endTextEditing();
    mEditing.cellReplacing();
    report(mHistory.redo());
}

void EditMenuCommands::cut()
{
    mEditing.endTextEditing();
    report(mEditing.editor().cut());
}

void EditMenuCommands::copy()
{
    mEditing.endTextEditing();
    report(mEditing.editor().copy());
}

void EditMenuCommands::paste()
{
    mEditing.endTextEditing();
    report(mEditing.editor().paste());
}

void EditMenuCommands::selectAll()
{
    mEditing.endTextEditing();
    mEditing.editor().selectAll();
}

void EditMenuCommands::deleteSelection()
{
    mEditing.endTextEditing();
    report(mEditing.editor().deleteSelection());
}

// The picture's own size at 100 %: pixels of the picture are pixels of the label.
void EditMenuCommands::pictureSize()
{
    mEditing.endTextEditing();
    CellEditor &editor = mEditing.editor();
    LabelObject *first = editor.selection().first();
    if (!first || first->typeCode() != ObjectTypeCode::DBImage)
        return;
    auto *image = static_cast<TZR_DBImage *>(first);
    Result<DecodedPicture> picture = decodePicture(image->pictureData());
    if (!picture || picture.value().isEmpty())
        return;
    const QSize size = picture.value().size();
    editor.edit(EditCommand::DialogOk, [&] {
        const QRect before = image->bounds();
        image->setBounds(QRect(before.topLeft(), size));
        return image->bounds() != before;
    });
    editor.selectOnly(image);
}

void EditMenuCommands::masterApply(TprvLabelWorkForm *overview)
{
    mEditing.endTextEditing();
    CellEditor &editor = mEditing.editor();
    if (editor.selection().isEmpty()) {
        // The core's message for an empty selection.
        report(editor.masterApply().error());
        return;
    }
    if (overview)
        overview->setOthersMarked(true);
    const bool yes = mPrompts.askYesNo && mPrompts.askYesNo(mView.window(), kMasterCaption, kMasterQuestion);
    if (overview)
        overview->setOthersMarked(false);
    if (!yes)
        return;
    Result<int> applied = editor.masterApply();
    if (!applied)
        report(applied.error());
}

} // namespace quill
