#include "WorkAreaPrompts.h"

#include <QMessageBox>

namespace quill {

WorkAreaPrompts WorkAreaPrompts::system()
{
    WorkAreaPrompts prompts;
    prompts.warn = [](QWidget *parent, const QString &caption, const QString &text) {
        QMessageBox::warning(parent, caption, text);
    };
    prompts.askYesNo = [](QWidget *parent, const QString &caption, const QString &text) {
        return QMessageBox::question(parent, caption, text, QMessageBox::Yes | QMessageBox::No)
            == QMessageBox::Yes;
    };
    return prompts;
}

} // namespace quill
