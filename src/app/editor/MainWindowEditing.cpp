// The main window's editing parts: the tools and selection of the work area, the Edit menu,
// the arrange commands and the format tool bar, wired to the rest of the window.
#include "MainWindow.h"

#include "ArrangeMenuCommands.h"
#include "DocumentController.h"
#include "EditMenuCommands.h"
#include "EditingController.h"
#include "EditorActions.h"
#include "FormatToolBarCommands.h"
#include "ZR_WorkSpace.h"
#include "prvLabelWorkForm.h"
#include "print/PrintCommand.h"
#include "shell/HelpLinks.h"
#include "editing/FormatCommands.h"
#include "editing/SelectionMenu.h"
#include "objects/ObjectDialogs.h"
#include "objects/ObjectPaint.h"
#include "objects/BarcodeFormChecks.h"
#include "objects/ZR_TextEdit.h"
#include "objects/ZR_ZipBarcode.h"

#include <QComboBox>
#include <QFileDialog>
#include <QMenu>

namespace quill {

namespace {

EditorContextMenu menuKind(SelectionMenu menu)
{
    switch (menu) {
    case SelectionMenu::Properties: return EditorContextMenu::Barcode;
    case SelectionMenu::Shape: return EditorContextMenu::Shape;
    case SelectionMenu::Image: return EditorContextMenu::Image;
    case SelectionMenu::Default: break;
    }
    return EditorContextMenu::Default;
}

} // namespace

void MainWindow::createEditing()
{
    mEditing = new EditingController(mDocument, *mHistory, *workSpace(), *mActions, mCaptions,
                                     mEnv.prompts, mEnv.tempFolder, this);
    PlacementServices placement;
    placement.context = [this] {
        PlacementContext context;
        if (QComboBox *size = mActions->fontSizeBox())
            context.fontSize = FormatCommands::parseFontSize(size->currentText()).value_or(10);
        context.fillColour = fromQColor(mActions->buttonColour(EditorCommand::FillColor));
        context.lineColour = fromQColor(mActions->buttonColour(EditorCommand::LineColor));
        return context;
    };
    placement.confirmNew = [this](std::unique_ptr<LabelObject> object) {
        return confirmNewObject(std::move(object));
    };
    placement.choosePicture = [this] {
        const QString folder = mValues.pictureFolderOn ? mValues.pictureFolder : QString();
        if (mEnv.choosePicture)
            return mEnv.choosePicture(this, folder);
        return QFileDialog::getOpenFileName(this, QStringLiteral("그림 삽입"), folder,
            QStringLiteral("그림 파일 (*.bmp *.jpg *.jpeg *.gif *.png *.ico *.emf *.wmf);;모든 파일 (*)"));
    };
    mEditing->setPlacementServices(placement);

    FormatServices format = FormatServices::system(this, mCaptions);
    if (mEnv.format.chooseColour)
        format.chooseColour = mEnv.format.chooseColour;
    if (mEnv.format.chooseFont)
        format.chooseFont = mEnv.format.chooseFont;
    if (mEnv.format.chooseLineWidth)
        format.chooseLineWidth = mEnv.format.chooseLineWidth;
    mEditMenu = new EditMenuCommands(*mEditing, *mHistory, *mActions, *workSpace(), mEnv.prompts, this);
    mFormat = new FormatToolBarCommands(*mEditing, *mActions, format, this);
    mArrange = new ArrangeMenuCommands(*mEditing, mDocument, *mActions, this);
}

void MainWindow::connectEditing()
{
    // Nothing may keep referring to objects of contents that are about to go.
    connect(mDocuments, &DocumentController::aboutToReplace, this, [this] {
        mEditing->endTextEditing();
        mEditing->cellReplacing();
    });
    mDocuments->setPendingWorkHook([this] { mEditing->endTextEditing(); });
    mPrint->setAutoSaveHook([this](bool active) {
        if (!active) // a print or preview shows what the cell holds, typing included
            mEditing->endTextEditing();
        setAutoSaveActive(active);
    });
    connect(mOverview, &TprvLabelWorkForm::masterApplyClicked, this,
            [this] { mEditMenu->masterApply(mOverview); });
    connect(mEditing, &EditingController::contextMenuRequested, this, &MainWindow::showContextMenu);
    connect(mEditing, &EditingController::propertiesRequested, this, &MainWindow::editProperties);
    on(EditorCommand::Properties, [this] {
        if (LabelObject *first = mEditing->editor().selection().first())
            editProperties(first);
    });
    for (EditorCommand tool : {EditorCommand::ToolSelect, EditorCommand::ToolText,
             EditorCommand::ToolImage, EditorCommand::ToolBarcode, EditorCommand::ToolBarcode2D,
             EditorCommand::ToolZipBarcode, EditorCommand::ToolGradient, EditorCommand::ToolWordArt,
             EditorCommand::ToolSerialNumber, EditorCommand::ToolTable, EditorCommand::ToolLine,
             EditorCommand::ToolDLine, EditorCommand::ToolVLine, EditorCommand::ToolRoundRect,
             EditorCommand::ToolRect, EditorCommand::ToolEllipse, EditorCommand::ToolCircle})
        mActions->setImplemented(tool);
}

namespace {

// The objects whose dialog opens before they are placed; cancelling it makes nothing.
bool dialogOnCreation(ObjectTypeCode code)
{
    switch (code) {
    case ObjectTypeCode::Barcode:
    case ObjectTypeCode::Barcode2D:
    case ObjectTypeCode::ZipBarcode:
    case ObjectTypeCode::Gradient:
    case ObjectTypeCode::WordArt:
    case ObjectTypeCode::SerialNumber:
        return true;
    default:
        return false;
    }
}

} // namespace

ObjectDialogServices MainWindow::objectDialogServices()
{
    ObjectDialogServices services;
    services.captions = &mCaptions;
    services.parent = this;
    services.exec = mEnv.execObjectDialog;
    if (mEnv.choosePicture) {
        const QString folder = mValues.pictureFolderOn ? mValues.pictureFolder : QString();
        services.choosePicture = [this, folder] { return mEnv.choosePicture(this, folder); };
    }
    services.postalCodeFile = mEnv.folders.zipcodeFilePath();
    services.openBarcodeHelp = [this](bool twoDimensional) {
        mHelp->openHelp(twoDimensional ? HelpLinks::Topic::Barcode2D : HelpLinks::Topic::Barcode1D);
    };
    return services;
}

// A double click or "속성": the dialog edits a copy, and the confirmed copy takes the object's
// place as one undo step; a text box is edited in place instead.
void MainWindow::editProperties(LabelObject *object)
{
    mEditing->endTextEditing();
    if (object->typeCode() == ObjectTypeCode::TextEdit) {
        mEditing->editText(static_cast<TZR_TextEdit *>(object), false);
        return;
    }
    if (!hasObjectDialog(*object))
        return;
    std::unique_ptr<LabelObject> edited = runObjectDialog(*object, objectDialogServices());
    if (edited)
        mEditing->editor().replaceObject(object, std::move(edited));
}

std::unique_ptr<LabelObject> MainWindow::confirmNewObject(std::unique_ptr<LabelObject> object)
{
    if (!dialogOnCreation(object->typeCode()))
        return object;
    if (object->typeCode() == ObjectTypeCode::ZipBarcode) // the dialog starts from these values
        startNewZipBarcode(static_cast<TZR_ZipBarcode &>(*object));
    return runObjectDialog(*object, objectDialogServices());
}

void MainWindow::showContextMenu(const QPoint &globalPosition)
{
    const SelectionMenu kind = selectionMenu(mEditing->editor().selection().objects());
    if (QMenu *menu = mActions->contextMenu(menuKind(kind)))
        menu->popup(globalPosition);
}

} // namespace quill
