// The editor's main window: creates the parts and wires them together.
#include "MainWindow.h"

#include "catalogue/NewJobFrm.h"
#include "catalogue/UserCatalogue.h"
#include "document/DocumentSummary.h"
#include "document/EditHistory.h"
#include "editor/ArrangeMenuCommands.h"
#include "editor/EditingController.h"
#include "editor/EditMenuCommands.h"
#include "editor/FormatToolBarCommands.h"
#include "document/InnerCutOutline.h"
#include "document/SampleSheet.h"
#include "editor/DocumentController.h"
#include "editor/EditorActions.h"
#include "editor/WorkPanel.h"
#include "editor/ZR_WorkSpace.h"
#include "editor/ZoomPercentBox.h"
#include "editor/prvLabelWorkForm.h"
#include "print/PrintCommand.h"
#include "printing/PrintJob.h"
#include "shell/AutoSaveTimer.h"
#include "shell/DocumentRecovery.h"
#include "shell/HelpLinks.h"
#include "shell/RecentFilesMenu.h"
#include "shell/RecoveryOffer.h"
#include "shell/ShellSession.h"
#include "shell/SingleInstance.h"
#include "shell/Splash.h"
#include "shell/UpdateChecker.h"
#include "shell/ZR_HistoryList.h"

#include <QCloseEvent>
#include <QMessageBox>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>

namespace quill {

EditorEnvironment EditorEnvironment::system(const CaptionFile &captions, QSettings *settings,
                                            const AppFolders &folders)
{
    EditorEnvironment env;
    env.captions = &captions;
    env.settings = settings;
    env.folders = folders;
    env.tempFolder = folders.tempDir();
    env.print = PrintServices::system();
    env.documents = DocumentServices::system();
    env.newJob = NewJobServices::system();
    env.prompts = WorkAreaPrompts::system();
    return env;
}

namespace {

// The environment of the older constructors: system dialogs unless print services say
// otherwise for messages (tests), the default folders.
EditorEnvironment environmentFor(const CaptionFile &captions, QSettings &settings,
                                 const PrintServices &services)
{
    EditorEnvironment env = EditorEnvironment::system(captions, &settings, AppFolders());
    env.print = services;
    if (services.showMessage) {
        env.documents.tell = services.showMessage;
        env.prompts.warn = [tell = services.showMessage](QWidget *w, const QString &, const QString &text) {
            tell(w, text);
        };
        env.newJob.showMessage = services.showMessage;
    }
    // A question nobody can answer (no yes/no service given) is answered No.
    const auto yesNo = services.askYesNo;
    env.documents.ask = [yesNo](QWidget *w, const QString &caption, const QString &text, bool withCancel) {
        if (!yesNo)
            return withCancel ? DocumentServices::Answer::Cancel : DocumentServices::Answer::No;
        return yesNo(w, caption, text) ? DocumentServices::Answer::Yes : DocumentServices::Answer::No;
    };
    env.prompts.askYesNo = yesNo ? yesNo : [](QWidget *, const QString &, const QString &) { return false; };
    return env;
}

// The system's services over the user's own settings (opened by the window) and folders.
EditorEnvironment userEnvironment(const CaptionFile &captions)
{
    return EditorEnvironment::system(captions, nullptr, AppFolders());
}

} // namespace

MainWindow::MainWindow(const CaptionFile &captions, QWidget *parent)
    : MainWindow(userEnvironment(captions), parent)
{
}

MainWindow::MainWindow(const CaptionFile &captions, QSettings &settings,
                       const PrintServices &services, QWidget *parent)
    : MainWindow(environmentFor(captions, settings, services), parent)
{
}

MainWindow::MainWindow(const EditorEnvironment &environment, QWidget *parent)
    : QMainWindow(parent), mEnv(environment), mCaptions(*mEnv.captions)
{
    setUp();
}

// The editing parts refer to the work area and its tools: they go before the widgets do.
MainWindow::~MainWindow()
{
    delete mEditMenu;
    delete mFormat;
    delete mArrange;
    delete mEditing;
}

void MainWindow::setUp()
{
    if (!mEnv.settings) {
        mOwnedSettings = openUserSettings();
        mEnv.settings = mOwnedSettings.get();
    }
    if (mEnv.tempFolder.isEmpty())
        mEnv.tempFolder = mEnv.folders.tempDir();
    readSettings();
    // The window always shows a sheet: the sample one until New or Open replaces it.
    TZR_LabelSize sheet;
    const QString fileLabel = mCaptions.read(QStringLiteral("LabelType"), QStringLiteral("FileLabel"));
    if (sheet.fillFromCatalogueRecord(sampleSheetRecord(), fileLabel, true))
        mDocument.newDocument(sheet);
    createParts();
    createStatusBar();
    connectParts();
    connectCommands();
    resize(1180, 820);
    refreshTexts();
}

void MainWindow::readSettings()
{
    const SettingsLoad load = QuillSettings::read(*mEnv.settings, SettingsDefaults::forFolders(mEnv.folders));
    mValues = load.settings;
    mAutoSaveEnabled = mValues.autoSave;
}

void MainWindow::createParts()
{
    mActions = new EditorActions(mCaptions, this);
    mActions->install(this);
    // The format tool bar starts with a white fill and a black line.
    mActions->setButtonColour(EditorCommand::FillColor, Qt::white);
    mActions->setButtonColour(EditorCommand::LineColor, Qt::black);
    mWorkPanel = new WorkPanel(this);
    setCentralWidget(mWorkPanel);
    workSpace()->setDocument(&mDocument);
    mZoomBox = new ZoomPercentBox(workSpace(), mEnv.prompts, this);
    mActions->replaceControl(EditorControl::ZoomPercentBox, mZoomBox);
    mOverview = new TprvLabelWorkForm(&mDocument, mCaptions, mEnv.prompts, this);

    mDocuments = new DocumentController(mDocument, mCaptions, mEnv.documents, this);
    mPrint = std::make_unique<PrintCommand>(mDocument, mCaptions, *mEnv.settings, mEnv.print, this);
    mHistory = std::make_unique<EditHistory>(mEnv.tempFolder);
    mHistory->setDocument(&mDocument);
    mHistory->setFlags({mValues.undoCreate, mValues.undoMove, mValues.undoModify});
    mHistory->removeAll(); // snapshots of an earlier run are of no use to this one
    createEditing();
    createDataLists();
    mRecovery = std::make_unique<DocumentRecovery>();
    mAutoSave = new AutoSaveTimer(this);
    mAutoSave->setEnabled(mAutoSaveEnabled);
    mAutoSave->watch(this);
    mAutoSave->setWriter([this] { return mRecovery->autoSave(mDocument, mValues.autoSaveFolder); });

    mRecentFiles = new TZR_HistoryList(mEnv.settings, this);
    mRecentFiles->load(*mEnv.settings);
    mRecentFiles->setMaximum(mValues.recentFileCount);
    mRecentMenu = new RecentFilesMenu(*mRecentFiles, mActions->fileMenu(), this);
    mHelp = new HelpLinks(mCaptions, mEnv.folders, this, this);
    mUpdates = new UpdateChecker(mCaptions, QuillSettings::installedVersion(*mEnv.settings, QString()), this, this);
}

void MainWindow::createStatusBar()
{
    mStatusLabel = new QLabel(this);
    mStatusLabel->setObjectName(QStringLiteral("StatusSheet"));
    mPointerLabel = new QLabel(this);
    mPointerLabel->setObjectName(QStringLiteral("StatusPointer"));
    mPointerLabel->setMinimumWidth(180);
    statusBar()->addWidget(mStatusLabel, 1);
    statusBar()->addPermanentWidget(mPointerLabel);
}

void MainWindow::connectParts()
{
    connect(&mDocument, &LabelDocument::changed, this, &MainWindow::refreshTexts);
    connect(&mDocument, &LabelDocument::modifiedChanged, this, &MainWindow::refreshTexts);
    connect(mWorkPanel, &WorkPanel::pointerTextChanged, mPointerLabel, &QLabel::setText);
    connect(mZoomBox, &ZoomPercentBox::zoomStateChanged, this, &MainWindow::updateZoomCommands);
    const auto leaveCell = [this] {
        mEditing->endTextEditing();
        mEditing->cellReplacing();
        mHistory->cutBack();
    };
    connect(mOverview, &TprvLabelWorkForm::aboutToLeaveCell, this, leaveCell);

    connect(mDocuments, &DocumentController::busy, this, [this](bool running) { setAutoSaveActive(!running); });
    mPrint->setAutoSaveHook([this](bool active) { setAutoSaveActive(active); });
    connect(mDocuments, &DocumentController::documentReplaced, this, &MainWindow::documentReplaced);
    connect(mDocuments, &DocumentController::opened, this, [this](const QString &path) { mRecentFiles->add(path); });
    connect(mDocuments, &DocumentController::saved, this, [this](const QString &path) {
        mRecentFiles->add(path);
        mRecovery->discard(&mDocument); // the work is safe in the user's own file now
        refreshTexts();
    });
    connect(mRecentMenu, &RecentFilesMenu::openRequested, this, &MainWindow::openDocument);
    connect(mAutoSave, &AutoSaveTimer::failed, this, [this](const QString &text) {
        statusBar()->showMessage(text, 10000);
    });
}

TZR_WorkSpace *MainWindow::workSpace() const
{
    return mWorkPanel->workSpace();
}

PaperCatalogue *MainWindow::catalogue()
{
    if (!mCatalogue) {
        Result<PaperCatalogue> opened = openUserCatalogue(mEnv.folders);
        if (!opened) {
            tell(opened.error().message);
            return nullptr;
        }
        mCatalogue = std::make_unique<PaperCatalogue>(std::move(opened).value());
    }
    return mCatalogue.get();
}

// The new job dialog, opened on the product of the open document.
std::optional<TZR_LabelSize> MainWindow::chooseSheet()
{
    PaperCatalogue *products = catalogue();
    if (!products)
        return std::nullopt;
    TNewJobFrm dialog(*products, mCaptions, mEnv.folders.catalogueFilePath(), mEnv.folders.resourceDir(),
                      mEnv.newJob, this);
    dialog.chooseProduct(mDocument.labelSize().labelCode());
    if (!mEnv.newJob.execDialog(dialog))
        return std::nullopt;
    return dialog.labelSize();
}

bool MainWindow::newDocument(const TZR_LabelSize &sheet)
{
    return mDocuments->startDocument(sheet);
}

bool MainWindow::openDocument(const QString &path)
{
    return mDocuments->open(path);
}

void MainWindow::OpenBtnClick()
{
    mDocuments->open();
}

// After New, Change label paper and Open: a fresh history, zoom 100 at the top left, the
// records of the new data lists, and no recovery file of the document that went.
void MainWindow::documentReplaced()
{
    mRecovery->discard();
    showNewContents();
}

void MainWindow::showNewContents()
{
    mEditing->cellReplacing();
    mArrange->resetOrientation();
    mHistory->clear();
    mZoomBox->applyZoom(100); // zooms the work area and shows "100 %"
    mActions->action(EditorCommand::ShowGrid)->setChecked(workSpace()->isGridVisible());
    refreshFieldValues();
    refreshTexts();
}

void MainWindow::setAutoSaveActive(bool active)
{
    mBusy = qMax(0, mBusy + (active ? -1 : 1));
    if (active)
        mAutoSave->resume();
    else
        mAutoSave->suspend();
}

bool MainWindow::isAutoSaveActive() const
{
    return mAutoSaveEnabled && mBusy == 0;
}

void MainWindow::setAutoSaveEnabled(bool enabled)
{
    mAutoSaveEnabled = enabled;
    mAutoSave->setEnabled(enabled);
}

void MainWindow::tell(const QString &text)
{
    if (mEnv.documents.tell)
        mEnv.documents.tell(this, text);
}

QString MainWindow::statusText() const
{
    return mStatusLabel->text();
}

void MainWindow::refreshTexts()
{
    QString caption = mainWindowCaption(mCaptions, mDocument.fileName());
    if (mDocument.isModified())
        caption += QStringLiteral(" *");
    setWindowTitle(caption);
    mStatusLabel->setText(sheetSummaryText(mDocument.labelSize(), mCaptions));
}

void MainWindow::updateZoomCommands()
{
    mActions->setCommandEnabled(EditorCommand::ZoomIn, mZoomBox->canZoomIn());
    mActions->setCommandEnabled(EditorCommand::ZoomOut, mZoomBox->canZoomOut());
}

void MainWindow::startUp(const QStringList &arguments)
{
    auto *timer = new StartupTimer([this](const QString &path) { openDocument(path); },
                                   [this] { mDocuments->newDocument(); }, this);
    timer->setRecoveryOffer([this] { return offerRecovery(); });
    timer->start(arguments);
    mUpdates->checkAtStartup();
}

// Documents auto-saved before a crash: offered back, never deleted unasked.
bool MainWindow::offerRecovery()
{
    const QStringList folders{mValues.autoSaveFolder, mEnv.folders.dataDir()};
    return RecoveryOffer::offer(folders, [this](const RecoveryEntry &entry) {
        mRecovery->discard(&mDocument);
        Result<ReadReport> read = mRecovery->recover(mDocument, entry);
        if (!read) {
            tell(read.error().message);
            return false;
        }
        showNewContents(); // the recovery file stays: the work is saved nowhere else
        return true;
    }, this);
}

void MainWindow::takeHandOver(const QStringList &paths)
{
    SingleInstance::bringForward(this);
    if (!paths.isEmpty())
        openDocument(paths.first());
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (mOverviewPlaced)
        return;
    // The overview sits at the work area's top right, clear of the vertical scroll bar.
    mOverviewPlaced = true;
    const QPoint topRight = mWorkPanel->mapToGlobal(QPoint(mWorkPanel->width(), 0));
    mOverview->adjustSize();
    mOverview->move(topRight.x() - mOverview->width() - 14, topRight.y() + 56);
    mOverview->show();
    mActions->action(EditorCommand::ShowOverview)->setChecked(true);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    ShellSession session(*mHistory, *mRecovery, *mRecentFiles, *mEnv.settings);
    if (!session.close([this] { return mDocuments->maySwitchDocument(); }, &mDocument)) {
        event->ignore();
        return;
    }
    mOverview->close();
    event->accept();
}

} // namespace quill
