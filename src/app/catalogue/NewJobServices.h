// What the new job and user-defined paper dialogs ask of the system, replaceable so that tests
// run without message boxes, colour dialogs or modal loops.
#pragma once

#include <QColor>
#include <QString>

#include <functional>
#include <optional>

class QDialog;
class QWidget;

namespace quill {

struct NewJobServices {
    // A warning with an OK button.
    std::function<void(QWidget *parent, const QString &text)> showMessage;
    // Runs a modal dialog; true when it was accepted.
    std::function<bool(QDialog &dialog)> execDialog;
    // Opens a document (the help file) with the desktop's own program; false when that failed.
    std::function<bool(const QString &path)> openDocument;
    // The colour dialog; nothing when cancelled.
    std::function<std::optional<QColor>(QWidget *parent, const QColor &initial)> chooseColour;

    // Message boxes, QDialog::exec, QDesktopServices and QColorDialog.
    static NewJobServices system();
};

} // namespace quill
