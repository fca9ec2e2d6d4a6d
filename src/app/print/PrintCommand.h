// The main window's print and preview commands over its open document.
#pragma once

#include "PrintServices.h"

#include <QString>

#include <functional>

class QSettings;
class QWidget;

namespace quill {

class CaptionFile;
class LabelDocument;
class PrintComposer;
struct Error;
struct PrintDataLists;

// Print: the print dialog, then the whole run to the chosen printer. Preview: the preview
// window on sheet 1. Both read the document's two data lists when they start; a list that
// cannot be read stops the command with a message, since printing without it would print
// every label empty. Problems are told through the services' message box.
class PrintCommand {
public:
    // document, captions and settings must outlive the command; services are copied.
    PrintCommand(LabelDocument &document, const CaptionFile &captions, QSettings &settings,
        const PrintServices &services, QWidget *window);

    // Told false when a command starts and true when it ends: the window stops its auto-save
    // timer meanwhile.
    void setAutoSaveHook(std::function<void(bool active)> hook) { mAutoSaveHook = std::move(hook); }

    // "인쇄" (Ctrl+P): no printer -> the no-printer message and nothing else; otherwise the
    // print dialog, and on acceptance its settings and the run.
    void PrintBtnClick();
    // "미리보기": the preview window, modal, opened on sheet 1.
    void PreviewBtnClick();

private:
    void print(PrintDataLists &lists, bool replicated, SheetSink &sink);
    void setUp(PrintComposer &composer, PrintDataLists &lists, bool replicated) const;
    // The current cell holds a serial number or a field-bound object: printed replicated.
    bool designReplicated() const;
    bool hasPrinter() const;
    void report(const Error &error) const;
    void tell(const QString &text) const;

    LabelDocument &mDocument;
    const CaptionFile &mCaptions;
    QSettings &mSettings;
    PrintServices mServices;
    QWidget *mWindow = nullptr;
    std::function<void(bool)> mAutoSaveHook;
};

} // namespace quill
