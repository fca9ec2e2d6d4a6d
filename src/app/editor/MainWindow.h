// The editor's main window. It only assembles: the action set with the menus and tool bars,
// the work area with its rulers, the cell overview, the document commands, printing, the
// auto-save, the recent files and the help, each a class of its own, wired together here.
#pragma once

#include "document/LabelDocument.h"
#include "editor/EditorEnvironment.h"
#include "shell/QuillSettings.h"

#include <QHash>
#include <QLabel>
#include <QMainWindow>

#include <memory>

class QSettings;

namespace quill {

class ArrangeMenuCommands;
class AutoSaveTimer;
class LabelObject;
struct ObjectDialogServices;
class EditMenuCommands;
class EditingController;
class FormatToolBarCommands;
class DocumentController;
class DocumentRecovery;
class DataListCommands;
class RecordStepper;
struct PrintDataLists;
class EditHistory;
class EditorActions;
class HelpLinks;
class PaperCatalogue;
class PrintCommand;
class RecentFilesMenu;
class TZR_HistoryList;
class TZR_WorkSpace;
class TprvLabelWorkForm;
class UpdateChecker;
class WorkPanel;
class ZoomPercentBox;
enum class EditorCommand;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // The system's services, the user's settings and the default folders.
    explicit MainWindow(const CaptionFile &captions, QWidget *parent = nullptr);
    // settings must outlive the window; services are copied; folders are the default ones.
    MainWindow(const CaptionFile &captions, QSettings &settings, const PrintServices &services,
               QWidget *parent = nullptr);
    explicit MainWindow(const EditorEnvironment &environment, QWidget *parent = nullptr);
    ~MainWindow() override;

    LabelDocument &document() { return mDocument; }
    // A new document on sheet without any question (start-up, tests).
    bool newDocument(const TZR_LabelSize &sheet);
    // Open with the save question; the file's problems are told, the open document stays.
    bool openDocument(const QString &path);
    // "불러오기": asks for a document file and opens it.
    void OpenBtnClick();
    QString statusText() const;

    DocumentController &documents() { return *mDocuments; }
    DataListCommands &dataListCommands() { return *mDataListCommands; }
    RecordStepper &recordStepper() { return *mStepper; }
    PrintCommand &printCommand() { return *mPrint; }
    EditorActions &actions() { return *mActions; }
    TZR_WorkSpace *workSpace() const;
    WorkPanel *workPanel() const { return mWorkPanel; }
    ZoomPercentBox *zoomBox() const { return mZoomBox; }
    TprvLabelWorkForm *overview() const { return mOverview; }
    EditHistory &history() { return *mHistory; }
    EditingController &editing() { return *mEditing; }
    EditMenuCommands &editCommands() { return *mEditMenu; }
    FormatToolBarCommands &formatCommands() { return *mFormat; }
    TZR_HistoryList &recentFiles() { return *mRecentFiles; }
    AutoSaveTimer &autoSaveTimer() { return *mAutoSave; }
    DocumentRecovery &recovery() { return *mRecovery; }
    const QuillSettings &settingsValues() const { return mValues; }

    // Commands that must not be interrupted by an auto-save suspend it while they run.
    void setAutoSaveActive(bool active);
    bool isAutoSaveActive() const;
    void setAutoSaveEnabled(bool enabled);

    // The start-up after the window is shown: the recovery offer, then the document named in
    // arguments (as QCoreApplication gives them) or New.
    void startUp(const QStringList &arguments);
    // Opens documents handed over by a second launch and comes to the front.
    void takeHandOver(const QStringList &paths);

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void setUp();
    void readSettings();
    void createParts();
    void createStatusBar();
    void connectParts();
    void connectCommands();
    void connectFileCommands();
    void connectViewCommands();
    void connectHelpCommands();
    void createEditing();
    void connectEditing();
    void showContextMenu(const QPoint &globalPosition);
    void editProperties(LabelObject *object);
    ObjectDialogServices objectDialogServices();
    std::unique_ptr<LabelObject> confirmNewObject(std::unique_ptr<LabelObject> object);
    void on(EditorCommand id, std::function<void()> handler);
    std::optional<TZR_LabelSize> chooseSheet();
    PaperCatalogue *catalogue();
    void documentReplaced();
    void showNewContents();
    void createDataLists();
    void connectDataListCommands();
    void refreshFieldValues();
    void showRecord(int record);
    void refreshTexts();
    void tell(const QString &text);
    void showSettings();
    void updateZoomCommands();
    bool offerRecovery();

    EditorEnvironment mEnv;
    const CaptionFile &mCaptions;
    std::unique_ptr<QSettings> mOwnedSettings;
    QuillSettings mValues;
    LabelDocument mDocument;
    EditorActions *mActions = nullptr;
    WorkPanel *mWorkPanel = nullptr;
    ZoomPercentBox *mZoomBox = nullptr;
    TprvLabelWorkForm *mOverview = nullptr;
    DocumentController *mDocuments = nullptr;
    std::unique_ptr<PrintCommand> mPrint;
    std::unique_ptr<EditHistory> mHistory;
    std::unique_ptr<DocumentRecovery> mRecovery;
    AutoSaveTimer *mAutoSave = nullptr;
    EditingController *mEditing = nullptr;
    EditMenuCommands *mEditMenu = nullptr;
    FormatToolBarCommands *mFormat = nullptr;
    ArrangeMenuCommands *mArrange = nullptr;
    TZR_HistoryList *mRecentFiles = nullptr;
    RecentFilesMenu *mRecentMenu = nullptr;
    HelpLinks *mHelp = nullptr;
    UpdateChecker *mUpdates = nullptr;
    std::unique_ptr<PaperCatalogue> mCatalogue;
    QLabel *mStatusLabel = nullptr;
    QLabel *mPointerLabel = nullptr;
    DataListCommands *mDataListCommands = nullptr;
    RecordStepper *mStepper = nullptr;
    std::unique_ptr<PrintDataLists> mShownLists; // the lists the work area shows a record of
    QHash<QString, QString> mLabelRecord;
    QHash<QString, QString> mBarcodeRecord;
    int mBusy = 0;
    bool mAutoSaveEnabled = true;
    bool mOverviewPlaced = false;
};

} // namespace quill
