#include "cli/Cli.h"

#include "cli/ExchangeCommands.h"
#include "cli/FriendCommands.h"
#include "cli/ReminderCommands.h"
#include "core/base/PathText.h"
#include "core/platform/PendingFile.h"
#include "core/program/CommandLine.h"
#include "core/program/DataFolderChoice.h"
#include "core/program/TerminalText.h"

#include <functional>
#include <map>

namespace zelmora::cli {

namespace {

constexpr std::string_view UsageText =
    "Usage: zelmora-cli [--data-dir DIR] [--today YYYY-MM-DD] [--lang en|fr] COMMAND\n"
    "\n"
    "Commands:\n"
    "  list                        every friend, LAST-NAME FIRST-NAME, in table order\n"
    "  add FIELD=VALUE... [--allow-duplicate]\n"
    "                              adds a friend; FIELD is one of Nom, Prenom, Adresse1,\n"
    "                              Adresse2, Code, Ville, Etat, Pays, Telephone, Portable,\n"
    "                              Anniversaire, Fete, Date1, Raison1, Date2, Raison2, Www,\n"
    "                              Mail, Notes; dates are written dd/mm/yyyy\n"
    "  delete \"LAST-NAME FIRST-NAME\"\n"
    "                              deletes the first friend listed with that name\n"
    "  dates [--window month|two-weeks|week] [--sort date|person] [--info age|countdown|none]\n"
    "                              the dates to celebrate from today on; each option\n"
    "                              defaults to the choice saved with the friends\n"
    "  export text|html FILE       writes every friend to a text file or an HTML page\n"
    "                              (FILE - is the standard output)\n"
    "  export vcard|csv|ics FILE   writes every friend as vCard 4.0 or as CSV in Google\n"
    "                              Contacts' layout, or every date to celebrate as a\n"
    "                              yearly event of an iCalendar file\n"
    "  import FILE.vcf|FILE.csv [--allow-duplicate] [--dry-run]\n"
    "                              adds the friends of a vCard file (2.1, 3.0 or 4.0) or\n"
    "                              of a CSV file of Google Contacts, Outlook or\n"
    "                              Thunderbird, skipping names already there;\n"
    "                              --dry-run writes nothing\n"
    "\n"
    "Options:\n"
    "  --data-dir DIR   the folder holding Zelmor.dta and Zelmor.reg; it must exist,\n"
    "                   except for add, which creates it\n"
    "  --today DATE     the date taken as today by dates\n"
    "  --lang en|fr     the language of messages and texts (default: the program's setting)\n";

using Command = std::function<int(const CliContext&, Arguments)>;

const std::map<std::string, Command, std::less<>>& commands()
{
    static const std::map<std::string, Command, std::less<>> table = {
        {"list", listCommand},
        {"add", addCommand},
        {"delete", deleteCommand},
        {"dates", datesCommand},
        {"export", exportCommand},
        {"import", importCommand},
    };
    return table;
}

struct GlobalOptions : RunOptions {
    std::size_t commandIndex = 0;
};

// Reads the options before the command; a message (and nothing) for a bad one.
std::optional<GlobalOptions> parseGlobalOptions(const std::vector<std::string>& arguments, std::string& problem)
{
    GlobalOptions options;
    std::size_t i = 0;
    for (; i < arguments.size() && arguments[i].starts_with("--"); ++i) {
        const CommandOption option = readOption(arguments, i);
        if (!option.value) {
            problem = option.name + " needs a value";
            return std::nullopt;
        }
        const RunOptionRead read = readRunOption(option, options, problem);
        if (read == RunOptionRead::NotARunOption) {
            problem = "unknown option " + option.name;
        }
        if (read != RunOptionRead::Taken) {
            return std::nullopt;
        }
    }
    options.commandIndex = i;
    return options;
}

} // namespace

int runCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
           const CliEnvironment& environment)
{
    if (!arguments.empty() && (arguments[0] == "--help" || arguments[0] == "help")) {
        out << UsageText;
        return ExitDone;
    }
    std::string problem;
    const std::optional<GlobalOptions> options = parseGlobalOptions(arguments, problem);
    if (!options || options->commandIndex >= arguments.size()) {
        err << "zelmora-cli: " << (options ? "no command given" : problem) << "\n\n" << UsageText;
        return ExitUsage;
    }
    const std::string& name = arguments[options->commandIndex];
    const auto command = commands().find(name);
    if (command == commands().end()) {
        err << "zelmora-cli: unknown command '" << name << "'\n\n" << UsageText;
        return ExitUsage;
    }

    const FolderChoice folder = chooseDataFolder(options->dataFolder, name == "add" ? FolderUse::MayCreate : FolderUse::MustExist,
                                                 environment.programFolder, environment.environment,
                                                 options->language.value_or(Language::English));
    if (!folder.status.ok) {
        err << "zelmora-cli: " << terminalMessage(folder.status.message) << '\n';
        return ExitNothingWritten;
    }
    const Language language = chosenLanguage(options->language, folder.folder);
    const SystemClock systemClock;
    const FixedClock fixedClock(options->today.value_or(LocalDate{}));
    const Clock& clock = options->today ? static_cast<const Clock&>(fixedClock) : systemClock;

    const CliContext context{folder.folder, language, clock, environment, out, err};
    const Arguments commandArguments(arguments.begin() + static_cast<std::ptrdiff_t>(options->commandIndex) + 1,
                                     arguments.end());
    return command->second(context, commandArguments);
}

int writeOutput(int status, std::string_view output, int fd, std::ostream& err)
{
    const Status written = writeAll(fd, output);
    if (!written.ok) {
        err << "zelmora-cli: cannot write the output: " << written.message << '\n';
        return status == ExitUsage ? ExitUsage : ExitNothingWritten;
    }
    return status;
}

} // namespace zelmora::cli
