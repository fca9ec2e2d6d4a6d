// quilllabel: the label editor.
#include "editor/MainWindow.h"

#include "shell/AppFolders.h"
#include "shell/CaptionFile.h"
#include "shell/ProgramSetup.h"
#include "shell/QuillSettings.h"
#include "shell/SessionTempFolder.h"
#include "shell/ShellLaunch.h"
#include "shell/SingleInstance.h"
#include "shell/Splash.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QSettings>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("TALVERO"));
    QApplication::setApplicationName(QStringLiteral("QuillLabel"));
    QApplication::setApplicationDisplayName(QStringLiteral("QuillLabel"));
    QApplication::setDesktopFileName(QStringLiteral("quilllabel"));

    quill::AppFolders folders;
    if (const quill::Status s = folders.seed(); !s)
        QMessageBox::warning(nullptr, QStringLiteral("QuillLabel"), s.error().message);
    // A second launch hands its document to the running editor and ends here.
    quill::ShellLaunch launch = quill::ShellLaunch::start(folders, QApplication::arguments());
    if (launch.handedOver)
        return 0;

    quill::TSplashForm splash(folders.splashPath());
    splash.show();
    app.processEvents();

    quill::prepareProgram();
    const quill::CaptionFile captions(QFileInfo::exists(folders.captionFilePath())
                                          ? folders.captionFilePath()
                                          : folders.installedCaptionFilePath());
    std::unique_ptr<QSettings> settings = quill::openUserSettings();
    quill::EditorEnvironment env = quill::EditorEnvironment::system(captions, settings.get(), folders);
    if (launch.temp)
        env.tempFolder = launch.temp->path();

    quill::MainWindow window(env);
    if (launch.instance)
        QObject::connect(launch.instance.get(), &quill::SingleInstance::activationRequested, &window,
                         &quill::MainWindow::takeHandOver);
    window.showMaximized();
    splash.finish(&window);
    window.startUp(QApplication::arguments());
    return app.exec();
}
