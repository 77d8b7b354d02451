// The window program; with --print-pdf it prints friend cards without any window.

#include "gui/app/StartupCommand.h"
#include "gui/app/WindowStart.h"
#include "core/platform/Folders.h"

#include <QApplication>

#include <iostream>
#include <optional>

int main(int argc, char** argv)
{
    std::vector<std::string> arguments(argv + 1, argv + argc);
    const bool help = arguments.size() == 1 && (arguments[0] == "--help" || arguments[0] == "-h");
    if (!help && !zelmora::gui::runsWithoutWindow(arguments)) {
        return zelmora::gui::runWindow(argc, argv, arguments);
    }
    std::optional<QApplication> application;
    if (zelmora::gui::runsWithoutWindow(arguments)) {
        // Work without a window must also run where there is no display, e.g. in a script.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        application.emplace(argc, argv);
#ifdef _WIN32
        // argv is in the ANSI code page there; Qt has the arguments as typed, in Unicode.
        arguments.clear();
        for (const QString& argument : QCoreApplication::arguments().mid(1)) {
            arguments.push_back(argument.toStdString());
        }
#endif
    }
    const zelmora::SystemClock clock;
    return zelmora::gui::runStartupCommand(arguments, std::cout, std::cerr, zelmora::ProgramFolder(), clock);
}
