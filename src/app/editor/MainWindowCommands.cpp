// The main window's commands: each action of the action set connected to the part that does it.
#include "MainWindow.h"

#include "editor/DocumentController.h"
#include "editor/EditorActions.h"
#include "editor/WorkPanel.h"
#include "editor/ZR_WorkSpace.h"
#include "editor/ZoomPercentBox.h"
#include "editor/prvLabelWorkForm.h"
#include "print/PrintCommand.h"
#include "shell/AboutForm.h"
#include "shell/AutoSaveTimer.h"
#include "shell/HelpLinks.h"
#include "shell/PropertyForm.h"
#include "shell/ZR_HistoryList.h"
#include "document/EditHistory.h"
#include "shell/UpdateChecker.h"

#include <QAction>

namespace quill {

void MainWindow::on(EditorCommand id, std::function<void()> handler)
{
    connect(mActions->action(id), &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
    mActions->setImplemented(id);
}

void MainWindow::connectCommands()
{
    connectFileCommands();
    connectViewCommands();
    connectHelpCommands();
    connectEditing();
    connectDataListCommands();
}

void MainWindow::connectFileCommands()
{
    on(EditorCommand::New, [this] { mDocuments->newDocument(); });
    on(EditorCommand::ChangePaper, [this] { mDocuments->changeLabelPaper(); });
    on(EditorCommand::Open, [this] { OpenBtnClick(); });
    on(EditorCommand::Save, [this] { mDocuments->save(); });
    on(EditorCommand::SaveAs, [this] { mDocuments->saveAs(); });
    on(EditorCommand::Preview, [this] {
        mPrint->PreviewBtnClick();
        refreshFieldValues();
    });
    on(EditorCommand::Print, [this] {
        mPrint->PrintBtnClick();
        refreshFieldValues();
    });
    on(EditorCommand::Settings, [this] { showSettings(); });
    on(EditorCommand::Exit, [this] { close(); });
}

void MainWindow::connectViewCommands()
{
    const EditorCommand zooms[] = {EditorCommand::Zoom140, EditorCommand::Zoom180, EditorCommand::Zoom200,
                                   EditorCommand::Zoom250, EditorCommand::Zoom300, EditorCommand::Zoom80,
                                   EditorCommand::Zoom60, EditorCommand::Zoom100};
    for (EditorCommand id : zooms) {
        const int zoom = mActions->action(id)->data().toInt();
        on(id, [this, zoom] { mZoomBox->applyZoom(zoom); });
    }
    on(EditorCommand::ZoomIn, [this] { mZoomBox->ZoominBtnClick(); });
    on(EditorCommand::ZoomOut, [this] { mZoomBox->ZoomOutBtnClick(); });
    mActions->setImplemented(EditorControl::ZoomPercentBox);
    on(EditorCommand::ShowGrid, [this] {
        workSpace()->setGridVisible(mActions->action(EditorCommand::ShowGrid)->isChecked());
    });
    on(EditorCommand::ShowOverview, [this] {
        mOverview->setVisible(mActions->action(EditorCommand::ShowOverview)->isChecked());
    });
    on(EditorCommand::RulerInch, [this] { mWorkPanel->setMeasureUnit(RulerScale::Inches); });
    on(EditorCommand::RulerMillimetre,
       [this] { mWorkPanel->setMeasureUnit(RulerScale::Millimetres); });
    connect(mWorkPanel, &WorkPanel::measureUnitChanged, this, [this](RulerScale::TMeasureUnit unit) {
        const bool inch = unit == RulerScale::Inches;
        mActions->action(inch ? EditorCommand::RulerInch : EditorCommand::RulerMillimetre)->setChecked(true);
    });
    for (EditorCommand id : {EditorCommand::ShowTopToolBar, EditorCommand::ShowFormatToolBar,
                             EditorCommand::ShowLeftToolBar})
        mActions->setImplemented(id);
}

void MainWindow::connectHelpCommands()
{
    on(EditorCommand::Help, [this] { mHelp->HelpBtnClick(); });
    on(EditorCommand::OnlineSupport, [this] { mHelp->OnlineSupportClick(); });
    on(EditorCommand::InternetService, [this] { mHelp->InternetServiceClick(); });
    on(EditorCommand::Homepage, [this] { mHelp->HomepageBtnClick(); });
    on(EditorCommand::CheckUpdate, [this] { mUpdates->checkNow(); });
    on(EditorCommand::Contact, [this] {
        TContactForm form(mCaptions, *mHelp, this);
        form.exec();
    });
    on(EditorCommand::About, [this] {
        TAboutForm form(mCaptions, mEnv.folders, *mHelp, this);
        form.exec();
    });
}

// "환경설정": the settings dialog; what it wrote is taken over at once.
void MainWindow::showSettings()
{
    TPropertyForm form(*mEnv.settings, SettingsDefaults::forFolders(mEnv.folders), this);
    connect(&form, &TPropertyForm::applied, this, [this](const QuillSettings &values) {
        mValues = values;
        setAutoSaveEnabled(values.autoSave);
        mRecentFiles->setMaximum(values.recentFileCount);
        mHistory->setFlags({values.undoCreate, values.undoMove, values.undoModify});
    });
    form.exec();
}

} // namespace quill
