// quilllabel: the label editor.
#include "editor/MainWindow.h"

#include "document/SampleSheet.h"
#include "shell/ProgramSetup.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("TALVERO"));
    QApplication::setApplicationName(QStringLiteral("QuillLabel"));

    quill::prepareProgram();

    quill::AppFolders folders;
    if (const quill::Status s = folders.seed(); !s)
        QMessageBox::warning(nullptr, QStringLiteral("QuillLabel"), s.error().message);
    const quill::CaptionFile captions(QFileInfo::exists(folders.captionFilePath())
                                          ? folders.captionFilePath()
                                          : folders.installedCaptionFilePath());

    quill::MainWindow window(captions);
    // Until the new job dialog is there, the editor starts on the sample sheet.
    quill::TZR_LabelSize sheet;
    const QString fileLabel = captions.read(QStringLiteral("LabelType"), QStringLiteral("FileLabel"));
    if (sheet.fillFromCatalogueRecord(quill::sampleSheetRecord(), fileLabel, true))
        window.newDocument(sheet);
    window.show();
    // A document named on the command line opens over the sample sheet.
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1)
        window.openDocument(arguments.at(1));
    return app.exec();
}
