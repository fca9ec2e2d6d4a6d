// What the new job and user-defined paper dialogs ask of the system.
#include "NewJobServices.h"

#include <QColorDialog>
#include <QDesktopServices>
#include <QDialog>
#include <QMessageBox>
#include <QUrl>

namespace quill {

NewJobServices NewJobServices::system()
{
    NewJobServices services;
    services.showMessage = [](QWidget *parent, const QString &text) {
        QMessageBox::warning(parent, QStringLiteral("QuillLabel"), text);
    };
    services.execDialog = [](QDialog &dialog) { return dialog.exec() == QDialog::Accepted; };
    services.openDocument = [](const QString &path) {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    };
    services.chooseColour = [](QWidget *parent, const QColor &initial) -> std::optional<QColor> {
        const QColor colour = QColorDialog::getColor(initial, parent);
        return colour.isValid() ? std::optional<QColor>(colour) : std::nullopt;
    };
    return services;
}

} // namespace quill
