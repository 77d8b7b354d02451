#include "gui/app/StartupCommand.h"

#include "core/base/PathText.h"
#include "core/base/Cp1252.h"
#include "core/platform/Console.h"
#include "core/platform/FileReader.h"
#include "core/platform/Folders.h"
#include "core/platform/PendingFile.h"
#include "core/program/CommandLine.h"
#include "core/program/DataFolderChoice.h"
#include "core/program/ExitStatus.h"
#include "core/program/FriendChoice.h"
#include "core/program/TerminalText.h"
#include "core/report/TBxPrinter.h"
#include "core/report/TPrtForm.h"
#include "core/storage/FriendsStore.h"
#include "core/storage/OutputTarget.h"
#include "gui/app/ProgramUsage.h"
#include "gui/report/QtPrintPlatform.h"
#include "gui/widgets/QtText.h"

#include <QTemporaryDir>

#include <algorithm>
#include <numeric>
#include <span>

namespace zelmora::gui {

namespace {

constexpr std::string_view PrintPdfOptionNames[] = {"--print-pdf", "--friend", "--data-dir", "--lang"};

bool asks(const std::vector<std::string>& arguments, std::string_view what)
{
    return std::find(arguments.begin(), arguments.end(), what) != arguments.end();
}

// The output name that means the standard output, as for the exports.
constexpr std::string_view StandardOutputName = "-";

int fail(std::ostream& err, const Status& status)
{
    err << "zelmora: " << terminalMessage(status.message) << '\n';
    return ExitNothingWritten;
}

Status printCardsToPdf(const FriendTable& table, std::span<const std::uint16_t> friendSlots,
                       const std::filesystem::path& pdf, Language language, const Clock& clock)
{
    QtPrintPlatform platform(clock);
    report::TBxPrinter printer(platform);
    platform.qtPrinter().printToPdf(pdf);
    report::TPrtForm form(language, printer);
    return form.printCards(table, friendSlots);
}

// The print system writes files only: the PDF is printed into a private temporary folder,
// then copied out.
Status printCardsToStandardOutput(const FriendTable& table, std::span<const std::uint16_t> friendSlots,
                                  Language language, const Clock& clock)
{
    const QTemporaryDir folder;
    if (!folder.isValid()) {
        const std::string reason = cp1252::forDisplay(folder.errorString().toStdString());
        return Status::failure("cannot create a temporary folder: " + reason);
    }
    const std::filesystem::path pdf = toPath(folder.path()) / "cards.pdf";
    if (const Status printed = printCardsToPdf(table, friendSlots, pdf, language, clock); !printed.ok) {
        return printed;
    }
    const FileContents contents = readWholeFile(pdf);
    if (contents.state != FileContents::State::Read) {
        return Status::failure(contents.message);
    }
    if (const Status written = writeAll(standardOutput(), contents.bytes); !written.ok) {
        return Status::failure("cannot write the output: " + written.message);
    }
    return Status::success();
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
    const bool toStandardOutput = request.output == StandardOutputName;
    if (!toStandardOutput) {
        if (const Status allowed = checkOutputTarget(request.output, folder.folder, language); !allowed.ok) {
            return fail(err, allowed);
        }
    }
    const AtomicFileWriter writer; // never used: printing reads the friends only
    FriendsStore data(folder.folder, language, writer);
    const Status loaded = data.read();
    for (const std::string& notice : data.takeNotices()) {
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

    const Status printed = toStandardOutput
                               ? printCardsToStandardOutput(data.table(), friendSlots, language, clock)
                               : printCardsToPdf(data.table(), friendSlots, request.output, language, clock);
    return printed.ok ? ExitDone : fail(err, printed);
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
