// What the editor's main window works with: texts, settings, folders and the system services
// its commands ask of (message boxes, dialogs, printers), replaceable as a whole by tests.
#pragma once

#include "catalogue/NewJobServices.h"
#include "editor/DataListCommands.h"
#include "editor/DocumentController.h"
#include "editor/FormatToolBarCommands.h"
#include "editor/WorkAreaPrompts.h"
#include "print/PrintServices.h"
#include "shell/AppFolders.h"

#include <QString>

#include <functional>

class QDialog;
class QSettings;

namespace quill {

class CaptionFile;

struct EditorEnvironment {
    const CaptionFile *captions = nullptr; // must outlive the window
    QSettings *settings = nullptr;         // must outlive the window; none: the user's own
    AppFolders folders;
    // Undo snapshots and clipboard files of this process (the folders' Temp by default).
    QString tempFolder;
    PrintServices print;
    DocumentServices documents; // chooseSheet: the new job dialog unless set
    NewJobServices newJob;
    WorkAreaPrompts prompts;
    // The picture file of the picture command, starting in folder; empty: cancelled.
    std::function<QString(QWidget *parent, const QString &folder)> choosePicture;
    // The colour, font and line width dialogs of the format commands; an unset one is the
    // system's.
    FormatServices format;
    // Runs an object's property dialog; true when accepted. Unset: the dialog's exec().
    std::function<bool(QDialog &dialog)> execObjectDialog;
    // The data list manager and its windows (dialogs, execDialog); the rest is the window's.
    DataListServices dataLists;

    // Message boxes, dialogs and printers of the system, over the given folders.
    static EditorEnvironment system(const CaptionFile &captions, QSettings *settings,
                                    const AppFolders &folders);
};

} // namespace quill
