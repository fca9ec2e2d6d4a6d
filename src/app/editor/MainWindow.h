// The editor's main window: the open document, its status text and caption.
#pragma once

#include "document/LabelDocument.h"
#include "shell/AppFolders.h"
#include "shell/CaptionFile.h"

#include <QLabel>
#include <QMainWindow>

namespace quill {

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // The window reads its texts from captions; it does not take ownership of anything passed.
    explicit MainWindow(const CaptionFile &captions, QWidget *parent = nullptr);

    LabelDocument &document() { return mDocument; }
    // Starts a new document on a sheet; false (with the reason in the status bar) on failure.
    bool newDocument(const TZR_LabelSize &sheet);
    QString statusText() const;

private:
    void refreshTexts();

    const CaptionFile &mCaptions;
    LabelDocument mDocument;
    QLabel *mStatusLabel = nullptr;
};

} // namespace quill
