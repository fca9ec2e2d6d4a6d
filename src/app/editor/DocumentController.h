// The document commands of the editor: New, Change label paper, Open, Save, Save as and the
// question before the open document is replaced or the window closes.
#pragma once

#include "document/LabelDocument.h"
#include "document/ZR_LabelSize.h"
#include "shell/CaptionFile.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace quill {

// What the commands ask of the user and the system, replaceable so tests run without modal
// dialogs.
struct DocumentServices {
    enum class Answer { Yes, No, Cancel };
    // A question with Yes, No and (when withCancel) Cancel buttons.
    std::function<Answer(QWidget *parent, const QString &caption, const QString &text, bool withCancel)> ask;
    std::function<void(QWidget *parent, const QString &text)> tell;
    // A document file to open; empty when cancelled.
    std::function<QString(QWidget *parent, const QString &filter)> openPath;
    // A name to save under, starting from proposed (a full path); empty when cancelled.
    std::function<QString(QWidget *parent, const QString &title, const QString &filter, const QString &proposed)>
        savePath;
    // The new job dialog: the sheet chosen, nothing when cancelled.
    std::function<std::optional<TZR_LabelSize>(QWidget *parent)> chooseSheet;

    // Message boxes and file dialogs; chooseSheet must be set by the window.
    static DocumentServices system();
};

class DocumentController : public QObject {
    Q_OBJECT
public:
    // Works on document for window (the parent of every dialog); nothing is owned.
    DocumentController(LabelDocument &document, const CaptionFile &captions,
                       DocumentServices services, QWidget *window);

    // New: the save question, then the new job dialog; a new document on the chosen sheet
    // without data lists. False when anything was cancelled or failed (the document stays).
    bool newDocument();
    // Change label paper: as New, but the document keeps its data lists.
    bool changeLabelPaper();
    // A new document on sheet without any question (start-up, tests).
    bool startDocument(const TZR_LabelSize &sheet, bool keepDataLists = false);
    // Open: the save question, then the file (asked for when path is empty) is read into the
    // window. A file that cannot be read leaves the open document as it was; a damaged one is
    // offered in part (see openFile).
    bool open(const QString &path = {});
    // Save: to the document's name, or through Save as when it has none. Clears the modified
    // flag after a successful write; a failed write keeps the old file and says why.
    bool save();
    // Save as: always asks for the name.
    bool saveAs();
    // The question before the document is replaced or the window closes: true when the work
    // is safe (saved, not modified, or the user said No), false on Cancel or a failed save.
    bool maySwitchDocument();
    // Called before the document is judged or written (the save question, Save, Save as), so
    // that work still under way in the editor (in-place text) is in the model first.
    void setPendingWorkHook(std::function<void()> hook) { mPendingWork = std::move(hook); }

    // The document extension ([OpenSave] FileExe) and the dialogs' filter in Qt's form.
    QString extension() const;
    QString fileFilter() const;

signals:
    // Before the document's contents are replaced: end in-place editing, clear the selection,
    // stop the auto-save (busy).
    void aboutToReplace();
    // After New, Change label paper and Open replaced the contents: clear the edit history,
    // go to zoom 100 and the top left.
    void documentReplaced();
    void opened(const QString &path);
    void saved(const QString &path);
    // True while a command that must not be interrupted by an auto-save runs.
    void busy(bool running);

private:
    bool replaceWithNew(bool keepDataLists);
    bool openFile(const QString &path);
    bool writeTo(const QString &path);
    QString caption(const char *section, const char *key) const;
    DocumentServices::Answer askSaveChanges();

    LabelDocument &mDocument;
    const CaptionFile &mCaptions;
    DocumentServices mServices;
    QWidget *mWindow;
    std::function<void()> mPendingWork;
};

} // namespace quill
