#include "gui/app/StartupCommand.h"

#include "core/base/Cp1252.h"
#include "core/data/DatabaseFile.h"
#include "core/platform/Folders.h"
#include "gui/report/CardPrinting.h"
#include "gui/report/QtPrintPlatform.h"
#include "core/report/TBxPrinter.h"
#include "core/settings/CommandLine.h"

#include <memory>
#include <numeric>

namespace zelmora::gui {

namespace {

constexpr std::string_view UsageText =
    "Usage: zelmora --print-pdf FILE [--friend \"LAST-NAME FIRST-NAME\"] [--data-dir DIR] [--lang en|fr]\n"
    "\n"
    "  --print-pdf FILE  prints the cards of all friends (or of one) to the PDF file FILE\n"
    "                    and exits, without opening any window\n"
    "  --friend TEXT     only the friend listed as TEXT (last name, a blank, first name)\n"
    "  --data-dir DIR    the folder holding Zelmor.dta and Zelmor.reg\n"
    "  --lang en|fr      the language of the cards (default: the program's setting)\n";

void say(std::ostream& err, std::string_view cp1252Text)
{
    err << "zelmora: " << cp1252::toUtf8(cp1252Text) << '\n';
}

int printPdf(const PrintPdfRequest& request, std::ostream& err, const std::filesystem::path& programFolder,
             const Clock& clock)
{
    const AtomicFileWriter writer;
    const std::filesystem::path dataFolder = request.dataFolder.value_or(DataFolder(programFolder));
    const Language language = chosenLanguage(request.language, dataFolder);

    auto table = std::make_unique<FriendTable>();
    DisplayOptions options;
    DatabaseFile database(dataFolder / DatabaseFileName, writer);
    const LoadResult loaded = database.LoadDatabase(*table, options, language, DatabaseFile::WhenMissing::LeaveMissing);
    if (loaded.status == LoadStatus::Damaged || loaded.status == LoadStatus::NewerVersion) {
        say(err, loaded.message + " (" + cp1252::forDisplay(database.path().string()) + ")");
        return ExitDataError;
    }

    std::vector<std::uint16_t> friendSlots;
    if (request.friendName) {
        const cp1252::Converted name = cp1252::fromUtf8(*request.friendName);
        const std::uint16_t slot = name.ok ? table->FindFriend(name.text) : 0;
        if (slot == 0) {
            say(err, std::string(LangText(lang::NoSuchFriend, language)) + cp1252::forDisplay(*request.friendName));
            return ExitDataError;
        }
        friendSlots.push_back(slot);
    } else {
        friendSlots.resize(table->FriendCount);
        std::iota(friendSlots.begin(), friendSlots.end(), std::uint16_t{1});
    }
    if (friendSlots.empty()) {
        say(err, std::string(LangText(lang::NothingToPrint, language)) + cp1252::forDisplay(database.path().string()));
        return ExitDataError;
    }

    QtPrintPlatform platform(clock);
    const report::BxPlatformInstallation installation(platform);
    platform.qtPrinter().printToPdf(request.output);
    report::TPrtForm form(language);
    if (const std::optional<std::string> failure = printCards(form, *table, friendSlots)) {
        say(err, *failure);
        return ExitDataError;
    }
    return ExitSuccess;
}

} // namespace

bool runsWithoutWindow(const std::vector<std::string>& arguments)
{
    return std::any_of(arguments.begin(), arguments.end(), [](const std::string& argument) {
        return argument == "--print-pdf" || argument.starts_with("--print-pdf=");
    });
}

std::optional<PrintPdfRequest> parsePrintPdf(const std::vector<std::string>& arguments, std::string& problem)
{
    PrintPdfRequest request;
    bool haveOutput = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const CommandOption option = readOption(arguments, i);
        const std::string& name = option.name;
        if (name != "--print-pdf" && name != "--friend" && name != "--data-dir" && name != "--lang") {
            problem = "unknown argument '" + name + "'";
            return std::nullopt;
        }
        if (!option.value || option.value->empty()) {
            problem = name + " needs a value";
            return std::nullopt;
        }
        const std::string& value = *option.value;
        if (name == "--print-pdf") {
            request.output = value;
            haveOutput = true;
        } else if (name == "--friend") {
            request.friendName = value;
        } else if (name == "--data-dir") {
            request.dataFolder = value;
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
    if (arguments.size() == 1 && (arguments[0] == "--help" || arguments[0] == "-h")) {
        out << UsageText;
        return ExitSuccess;
    }
    std::string problem;
    const std::optional<PrintPdfRequest> request = parsePrintPdf(arguments, problem);
    if (!request) {
        err << "zelmora: " << problem << "\n\n" << UsageText;
        return ExitUsageError;
    }
    return printPdf(*request, err, programFolder, clock);
}

} // namespace zelmora::gui
