// quilllabel-cli: scripts, batch jobs and tests drive the core through this tool.
#include "CliApp.h"

#include <QGuiApplication>

int main(int argc, char **argv)
{
    // The tool paints (renders, PDFs) without needing a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return quill::cli::run(QCoreApplication::arguments());
}
