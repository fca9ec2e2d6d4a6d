// The first steps of a launch, before any window: the single instance and the Temp folder.
#pragma once

#include "SingleInstance.h"
#include "shell/SessionTempFolder.h"

#include <QStringList>

#include <memory>

namespace quill {

class AppFolders;

// What main() keeps for the run. When handedOver is true, the running editor took the
// document: main() returns 0 at once without showing anything.
struct ShellLaunch {
    std::unique_ptr<SingleInstance> instance;
    std::unique_ptr<SessionTempFolder> temp; // the folder for EditHistory and ObjectClipboard
    bool handedOver = false;

    // arguments as QCoreApplication::arguments() gives them. The running instance works in the
    // shared Temp folder and clears folders left by second processes that crashed; a launch
    // that runs beside an instance that did not answer gets a private Temp folder.
    static ShellLaunch start(const AppFolders &folders, const QStringList &arguments);
};

} // namespace quill
