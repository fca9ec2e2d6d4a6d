// Deciding between running, handing over and running alone.
#include "ShellLaunch.h"

#include "Splash.h"
#include "shell/AppFolders.h"

namespace quill {

ShellLaunch ShellLaunch::start(const AppFolders &folders, const QStringList &arguments)
{
    ShellLaunch launch;
    launch.instance = std::make_unique<SingleInstance>(folders.dataHome());
    const QString document = StartupTimer::documentArgument(arguments);
    const QStringList documents = document.isEmpty() ? QStringList() : QStringList {document};
    switch (launch.instance->start(documents)) {
    case SingleInstance::Role::HandedOver:
        launch.handedOver = true;
        return launch;
    case SingleInstance::Role::Primary:
        SessionTempFolder::removeAbandoned(folders);
        launch.temp = std::make_unique<SessionTempFolder>(folders, SessionTempFolder::Kind::Shared);
        break;
    case SingleInstance::Role::Alone:
        launch.temp
            = std::make_unique<SessionTempFolder>(folders, SessionTempFolder::Kind::Private);
        break;
    }
    if (const Status prepared = launch.temp->prepare(); !prepared)
        qWarning(
            "%s: %s", qPrintable(prepared.error().message), qPrintable(prepared.error().where));
    return launch;
}

} // namespace quill
