// quilllabel-cli: scripts, batch jobs and tests drive the core through this tool.
#include "CliApp.h"

#include "shell/ProgramSetup.h"

#include <QDir>
#include <QGuiApplication>

#include <unistd.h>

namespace {

// The tool paints (renders, PDFs) without needing a display, and should not warn about a
// missing session runtime folder when run from cron or CI.
void prepareHeadlessEnvironment()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QString dir = QDir::tempPath() + QStringLiteral("/runtime-quilllabel-")
            + QString::number(getuid());
        if (QDir().mkpath(dir)) {
            QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(dir));
        }
    }
}

} // namespace

int main(int argc, char **argv)
{
    prepareHeadlessEnvironment();
    QGuiApplication app(argc, argv);
    quill::prepareProgram();
    return quill::cli::run(QCoreApplication::arguments());
}
