#include "gui/app/StartupCommand.h"

#include "core/base/PathText.h"
#include "core/base/Cp1252.h"
#include "core/platform/Folders.h"
#include "core/program/CommandLine.h"
#include "core/program/DataFolderChoice.h"
#include "core/program/ExitStatus.h"
#include "core/program/ProgramData.h"
#include "core/program/TerminalText.h"
#include "core/report/TBxPrinter.h"
#include "gui/app/ProgramUsage.h"
#include "gui/report/CardPrinting.h"
#include "gui/report/QtPrintPlatform.h"

#include <algorithm>
#include <numeric>

namespace zelmora::gui {

namespace {

constexpr std::string_view PrintPdfOptionNames[] = {"--print-pdf", "--friend", "--data-dir", "--lang"};

bool asks(const std::vector<std::string>& arguments, std::string_view what)
{
    return std::find(arguments.begin(), arguments.end(), what) != arguments.end();
}

int fail(std::ostream& err, const Status& status)
{
    err << "zelmora: " << terminalMessage(status.message) << '\n';
    return ExitNothingWritten;
}

int printPdf(const PrintPdfRequest& request, std::ostream& err, const std::filesystem::path& programFolder,
             const Clock& clock)
{
    const FolderChoice folder = chooseDataFolder(request.dataFolder, FolderUse::MustExist, programFolder,
                                                 systemEnvironment, request.language.value_or(Language::English));
    if (!folder.status.ok) {
        return fail(err, folder.status);
    }
    const Language language = chosenLanguage(request.language, folder.folder);
    const AtomicFileWriter writer; // never used: printing reads the friends only
    ProgramData data(folder.folder, language, writer);
    const Status loaded = data.loadForReading();
    for (const std::string& notice : data.notices()) {
        err << "zelmora: " << terminalMessage(notice) << '\n';
    }
    if (!loaded.ok) {
        return fail(err, loaded);
    }

    std::vector<std::uint16_t> friendSlots;
    if (request.friendName) {
        const FriendChoice found = findFriendByListText(data.table(), *request.friendName, language);
        if (!found.status.ok) {
            return fail(err, found.status);
        }
        friendSlots.push_back(found.slot);
    } else {
        friendSlots.resize(data.table().FriendCount);
        std::iota(friendSlots.begin(), friendSlots.end(), std::uint16_t{1});
    }
    if (friendSlots.empty()) {
        return fail(err, Status::failure(LangTextWithReason(lang::NothingToPrint, language,
                                                            cp1252::forDisplay(pathToUtf8(folder.folder / DatabaseFileName)))));
    }

    QtPrintPlatform platform(clock);
    const report::BxPlatformInstallation installation(platform);
    platform.qtPrinter().printToPdf(request.output);
    report::TPrtForm form(language);
    if (const std::optional<std::string> failure = printCards(form, data.table(), friendSlots)) {
        return fail(err, Status::failure(*failure));
    }
    return ExitDone;
}

} // namespace

bool runsWithoutWindow(const std::vector<std::string>& arguments)
{
    return std::any_of(arguments.begin(), arguments.end(), [](const std::string& argument) {
        return argument == "--print-pdf" || argument.starts_with("--print-pdf=");
    });
}

bool needsNoApplication(const std::vector<std::string>& arguments)
{
    return asks(arguments, "--help") || asks(arguments, "-h") || asks(arguments, "--version");
}

std::optional<PrintPdfRequest> parsePrintPdf(const std::vector<std::string>& arguments, std::string& problem)
{
    PrintPdfRequest request;
    bool haveOutput = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const CommandOption option = readOption(arguments, i);
        const std::string& name = option.name;
        if (std::find(std::begin(PrintPdfOptionNames), std::end(PrintPdfOptionNames), name) == std::end(PrintPdfOptionNames)) {
            problem = unknownOptionMessage(name, PrintPdfOptionNames);
            return std::nullopt;
        }
        if (!option.value || option.value->empty()) {
            problem = name + " needs a value";
            return std::nullopt;
        }
        const std::string& value = *option.value;
        if (name == "--print-pdf") {
            request.output = pathFromUtf8(value);
            haveOutput = true;
        } else if (name == "--friend") {
            request.friendName = value;
        } else if (name == "--data-dir") {
            request.dataFolder = pathFromUtf8(value);
        } else {
            request.language = languageFromCode(value);
            if (!request.language) {
                problem = "--lang takes en or fr, not '" + value + "'";
                return std::nullopt;
            }
        }
    }
    if (!haveOutput) {
        problem = "--print-pdf FILE is missing";
        return std::nullopt;
    }
    return request;
}

int runStartupCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                      const std::filesystem::path& programFolder, const Clock& clock)
{
    if (asks(arguments, "--help") || asks(arguments, "-h")) {
        out << ProgramUsage;
        return ExitDone;
    }
    if (asks(arguments, "--version")) {
        out << versionLine("zelmora") << '\n';
        return ExitDone;
    }
    std::string problem;
    const std::optional<PrintPdfRequest> request = parsePrintPdf(arguments, problem);
    if (!request) {
        err << "zelmora: " << problem << "\n\n" << ProgramUsage;
        return ExitUsage;
    }
    return printPdf(*request, err, programFolder, clock);
}

} // namespace zelmora::gui
