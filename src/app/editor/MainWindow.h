// The editor's main window: the open document, its status text and caption, the File menu.
#pragma once

#include "document/LabelDocument.h"
#include "print/PrintServices.h"
#include "shell/AppFolders.h"
#include "shell/CaptionFile.h"

#include <QLabel>
#include <QMainWindow>

#include <memory>

class QSettings;

namespace quill {

class PrintCommand;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // The window reads its texts from captions; it does not take ownership of anything passed.
    // This one prints through the system's printers and keeps its settings in the user's.
    explicit MainWindow(const CaptionFile &captions, QWidget *parent = nullptr);
    // settings must outlive the window; services are copied.
    MainWindow(const CaptionFile &captions, QSettings &settings, const PrintServices &services,
        QWidget *parent = nullptr);
    ~MainWindow() override;

    LabelDocument &document() { return mDocument; }
    // Starts a new document on a sheet; false (with the reason in the status bar) on failure.
    bool newDocument(const TZR_LabelSize &sheet);
    QString statusText() const;

    // Reads the document at path into the window. A file that cannot be read or is damaged
    // anywhere is not opened: its problem is told in a message box and the open document stays
    // as it was, so that nothing is lost to a half-read file.
    bool openDocument(const QString &path);
    // "열기...": asks for a document file and opens it.
    void OpenBtnClick();

    PrintCommand &printCommand() { return *mPrint; }

    // The auto-save timer's switch: commands that must not be interrupted by an auto-save turn
    // it off and on again. Only runs while auto-save is enabled in the settings.
    void setAutoSaveActive(bool active);
    bool isAutoSaveActive() const { return mAutoSaveActive; }
    void setAutoSaveEnabled(bool enabled);

private:
    MainWindow(const CaptionFile &captions, std::unique_ptr<QSettings> settings,
        const PrintServices &services, QWidget *parent);
    void setUp();
    void createActions();
    Status readDocumentFile(const QString &path, QStringList &warnings);
    QString openFileFilter() const;
    void tell(const QString &text);
    void refreshTexts();

    const CaptionFile &mCaptions;
    std::unique_ptr<QSettings> mOwnedSettings;
    QSettings *mSettings = nullptr;
    PrintServices mServices;
    LabelDocument mDocument;
    std::unique_ptr<PrintCommand> mPrint;
    QLabel *mStatusLabel = nullptr;
    bool mAutoSaveEnabled = true;
    bool mAutoSaveActive = true;
};

} // namespace quill
