#include "cli/Cli.h"

#include "cli/ExchangeCommands.h"
#include "cli/FriendCommands.h"
#include "cli/ReminderCommands.h"
#include "cli/SaintCommands.h"
#include "cli/SyncCommand.h"
#include "core/base/PathText.h"
#include "core/platform/PendingFile.h"
#include "core/program/CommandLine.h"
#include "core/program/DataFolderChoice.h"
#include "core/program/TerminalText.h"

#include <algorithm>

namespace zelmora::cli {

namespace {

constexpr std::string_view UsageLine = "Usage: zelmora-cli [--data-dir DIR] [--today YYYY-MM-DD] [--lang en|fr] COMMAND\n";

constexpr std::string_view OptionsText =
    "Options:\n"
    "  --data-dir DIR   the folder holding Zelmor.dta and Zelmor.reg; it must exist,\n"
    "                   except for add, which creates it\n"
    "  --today DATE     the date taken as today by dates and remind\n"
    "  --lang en|fr     the language of messages and texts (default: the program's setting)\n"
    "  --help, --version\n";

struct CommandEntry {
    std::string_view name;
    int (*run)(const CliContext&, Arguments);
    std::string_view usage; // its lines in the usage text
};

constexpr CommandEntry Commands[] = {
    {"list", listCommand, "  list                        every friend, LAST-NAME FIRST-NAME, in table order\n"},
    {"add", addCommand,
     "  add FIELD=VALUE... [--allow-duplicate]\n"
     "                              adds a friend; FIELD is one of Nom, Prenom, Adresse1,\n"
     "                              Adresse2, Code, Ville, Etat, Pays, Telephone, Portable,\n"
     "                              Anniversaire, Fete, Date1, Raison1, Date2, Raison2, Www,\n"
     "                              Mail, Notes; dates are written dd/mm/yyyy\n"},
    {"edit", editCommand,
     "  edit \"LAST-NAME FIRST-NAME\" FIELD=VALUE... [--allow-duplicate]\n"
     "                              changes fields of the first friend listed with that\n"
     "                              name, with the checks of add\n"},
    {"delete", deleteCommand,
     "  delete \"LAST-NAME FIRST-NAME\"\n"
     "                              deletes the first friend listed with that name\n"},
    {"dates", datesCommand,
     "  dates [--window month|two-weeks|week] [--sort date|person] [--info age|countdown|none]\n"
     "                              the dates to celebrate from today on; each option\n"
     "                              defaults to the choice saved with the friends\n"},
    {"remind", remindCommand,
     "  remind [--days N]           the reminders due today by the lead times of\n"
     "                              Zelmora.ini, or every date of the next N days; prints\n"
     "                              nothing when nothing is due (for cron)\n"},
    {"export", exportCommand,
     "  export text|html FILE       writes every friend to a text file or an HTML page\n"
     "                              (FILE - is the standard output)\n"
     "  export vcard|ics FILE       writes every friend as vCard 4.0, or every date to\n"
     "                              celebrate as a yearly event of an iCalendar file\n"},
    {"import", importCommand,
     "  import FILE.vcf [--allow-duplicate] [--dry-run]\n"
     "                              adds the friends of a vCard file (2.1, 3.0 or 4.0),\n"
     "                              skipping names already there; --dry-run writes nothing\n"},
    {"fete", feteCommand,
     "  fete FIRST-NAME             the saint's days of a first name, \"dd/mm Name\" each,\n"
     "                              those of the whole name first, then of its first part\n"
     "  fete --date dd/mm           the first names celebrated on that day\n"},
    {"sync", syncCommand,
     "  sync --setup URL --user NAME [--book NAME] [--password-stdin]\n"
     "                              finds the user's address books on a CardDAV server\n"
     "                              and keeps the server, user and book; the password goes\n"
     "                              to the desktop's keyring\n"
     "  sync [--dry-run] [--password-stdin] [--timeout SECONDS]\n"
     "                              synchronises the friends with that address book both\n"
     "                              ways; --dry-run says what it would do\n"},
    {"fill-fetes", fillFetesCommand,
     "  fill-fetes [--dry-run]      sets the empty saint's days of the friends whose first\n"
     "                              name has one single day, and lists those with several;\n"
     "                              --dry-run writes nothing\n"},
};

// The usage of every command, or of the one given.
std::string usageText(const CommandEntry* only = nullptr)
{
    std::string text(UsageLine);
    text += only ? "\n" : "\nCommands:\n";
    for (const CommandEntry& command : Commands) {
        if (!only || &command == only) {
            text += command.usage;
        }
    }
    return text.append("\n").append(OptionsText);
}

const CommandEntry* findCommand(std::string_view name)
{
    const auto found = std::find_if(std::begin(Commands), std::end(Commands),
                                    [&](const CommandEntry& command) { return command.name == name; });
    return found == std::end(Commands) ? nullptr : found;
}

constexpr std::string_view GlobalOptionNames[] = {"--data-dir", "--lang", "--today", "--help", "--version"};

struct GlobalOptions : RunOptions {
    std::size_t commandIndex = 0;
    std::string asked; // --help (or the command help) or --version, which stop the reading
};

// Reads the options before the command; a message (and nothing) for a bad one.
std::optional<GlobalOptions> parseGlobalOptions(const std::vector<std::string>& arguments, std::string& problem)
{
    GlobalOptions options;
    std::size_t i = 0;
    for (; i < arguments.size() && arguments[i].starts_with("--"); ++i) {
        if (arguments[i] == "--help" || arguments[i] == "--version") {
            options.asked = arguments[i];
            return options;
        }
        const CommandOption option = readOption(arguments, i);
        const RunOptionRead read = readRunOption(option, options, problem);
        if (read == RunOptionRead::NotARunOption) {
            problem = unknownOptionMessage(option.name, GlobalOptionNames);
        }
        if (read != RunOptionRead::Taken) {
            return std::nullopt;
        }
    }
    options.commandIndex = i;
    if (i < arguments.size() && arguments[i] == "help") {
        options.asked = "--help";
    }
    return options;
}

} // namespace

int runCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
           const CliEnvironment& environment)
{
    std::string problem;
    const std::optional<GlobalOptions> options = parseGlobalOptions(arguments, problem);
    if (options && options->asked == "--help") {
        out << usageText();
        return ExitDone;
    }
    if (options && options->asked == "--version") {
        out << versionLine("zelmora-cli") << '\n';
        return ExitDone;
    }
    if (!options || options->commandIndex >= arguments.size()) {
        err << "zelmora-cli: " << (options ? "no command given" : problem) << "\n\n" << usageText();
        return ExitUsage;
    }
    const std::string& name = arguments[options->commandIndex];
    const CommandEntry* command = findCommand(name);
    if (!command) {
        err << "zelmora-cli: unknown command '" << name << "'\n\n" << usageText();
        return ExitUsage;
    }
    const Arguments commandArguments(arguments.begin() + static_cast<std::ptrdiff_t>(options->commandIndex) + 1,
                                     arguments.end());
    if (std::find(commandArguments.begin(), commandArguments.end(), "--help") != commandArguments.end()) {
        out << usageText(command);
        return ExitDone;
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
    return command->run(context, commandArguments);
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
