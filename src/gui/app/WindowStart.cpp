#include "gui/app/WindowStart.h"

#include "core/base/PathText.h"
#include "core/platform/FileOpener.h"
#include "core/platform/Folders.h"
#include "core/program/CommandLine.h"
#include "core/program/DataFolderChoice.h"
#include "core/web/WebLauncher.h"
#include "gui/app/DesktopNotifications.h"
#include "gui/app/Dialogs.h"
#include "gui/app/ProgramUsage.h"
#include "gui/app/SingleInstance.h"
#include "gui/app/ZelmoraApp.h"
#include "gui/widgets/Accessibility.h"
#include "gui/widgets/WindowStyle.h"

#include <QApplication>
#include <QSystemTrayIcon>

#include <iostream>

namespace zelmora::gui {

namespace {

constexpr std::string_view WindowOptionNames[] = {"--data-dir", "--lang", "--today", "--print-pdf", "--help",
                                                  "--version"};

} // namespace

std::optional<WindowRequest> parseWindowRequest(const std::vector<std::string>& arguments, std::string& problem)
{
    WindowRequest request;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const CommandOption option = readOption(arguments, i);
        const RunOptionRead read = readRunOption(option, request, problem);
        if (read == RunOptionRead::NotARunOption) {
            problem = unknownOptionMessage(option.name, WindowOptionNames);
        }
        if (read != RunOptionRead::Taken) {
            return std::nullopt;
        }
    }
    return request;
}

int runWindow(int& argc, char** argv, const std::vector<std::string>& arguments)
{
    std::string problem;
    const std::optional<WindowRequest> request = parseWindowRequest(arguments, problem);
    if (!request) {
        std::cerr << "zelmora: " << problem << "\n\n" << ProgramUsage;
        return 2;
    }
    QApplication application(argc, argv);
    application.setQuitOnLastWindowClosed(false); // the program decides when it ends
    useWindowStyle(application);
    installAccessibility();
    WidgetDialogs dialogs;
    // A folder named on the command line is created when missing, as the first start does.
    const FolderChoice choice = chooseDataFolder(request->dataFolder, FolderUse::MayCreate, ProgramFolder(),
                                                 systemEnvironment, request->language.value_or(Language::English));
    if (!choice.status.ok) {
        dialogs.tell(choice.status.message);
        return 1;
    }
    const std::filesystem::path& dataFolder = choice.folder;

    SingleInstance instance(dataFolder);
    if (instance.askRunningWindowToShow()) {
        return 0;
    }
    instance.listen();

    const SystemClock systemClock;
    const FixedClock fixedClock(request->today.value_or(LocalDate{}));
    const std::unique_ptr<WebLauncher> launcher = makeSystemWebLauncher();
    const std::unique_ptr<FileOpener> opener = makeSystemFileOpener();
    const std::unique_ptr<AutoStart> autoStart = makeSystemAutoStart();
    const std::unique_ptr<DesktopNotifications> notifications = makeSystemNotifications();
    const WindowEnvironment environment{dataFolder,
                                        request->today ? static_cast<const Clock&>(fixedClock) : systemClock,
                                        dialogs,
                                        *launcher,
                                        *opener,
                                        *autoStart,
                                        ExecutablePath(),
                                        QSystemTrayIcon::isSystemTrayAvailable(),
                                        request->language,
                                        notifications.get()};
    ZelmoraApp zelmora(environment);
    QObject::connect(&instance, &SingleInstance::showRequested, &zelmora, &ZelmoraApp::showMainWindow);
    zelmora.start();
    return application.exec();
}

} // namespace zelmora::gui
