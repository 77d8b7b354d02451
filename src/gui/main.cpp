// The window program; with --print-pdf it prints friend cards without any window.

#include "core/platform/Console.h"
#include "core/platform/Folders.h"
#include "gui/app/StartupCommand.h"
#include "gui/app/WindowStart.h"

#include <QApplication>

#include <iostream>
#include <optional>

int main(int argc, char** argv)
{
    const std::vector<std::string> arguments = zelmora::commandLineArguments(argc, argv); // UTF-8 everywhere
    const bool informationOnly = zelmora::gui::needsNoApplication(arguments); // --help, --version
    if (!informationOnly && !zelmora::gui::runsWithoutWindow(arguments)) {
        return zelmora::gui::runWindow(argc, argv, arguments);
    }
    zelmora::prepareStandardOutput(); // a PDF may go there: its bytes must pass unchanged
    std::optional<QApplication> application;
    if (!informationOnly) {
        // Work without a window must also run where there is no display, e.g. in a script.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        application.emplace(argc, argv);
    }
    const zelmora::SystemClock clock;
    return zelmora::gui::runStartupCommand(arguments, std::cout, std::cerr, zelmora::ProgramFolder(), clock);
}
