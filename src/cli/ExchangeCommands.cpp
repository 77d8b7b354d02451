#include "cli/ExchangeCommands.h"

#include "cli/ReminderCommands.h"
#include "core/data/DateText.h"
#include "core/exchange/ExchangeFiles.h"
#include "core/exchange/VCardImporter.h"

namespace zelmora::cli {

namespace {

struct ImportArguments {
    std::filesystem::path file;
    bool allowDuplicate = false;
    bool dryRun = false;
};

// Nothing after a usage message.
std::optional<ImportArguments> parseImportArguments(const CliContext& context, Arguments arguments)
{
    ImportArguments parsed;
    std::size_t files = 0;
    for (const std::string& argument : arguments) {
        if (argument == "--allow-duplicate") {
            parsed.allowDuplicate = true;
        } else if (argument == "--dry-run") {
            parsed.dryRun = true;
        } else if (!argument.starts_with("--") && files++ == 0) {
            parsed.file = argument;
        } else {
            files = 2; // an unknown option or a second file
        }
    }
    if (files != 1) {
        context.err << "zelmora-cli: import takes one vCard file, then --allow-duplicate or --dry-run if wanted\n";
        return std::nullopt;
    }
    return parsed;
}

void printReport(const CliContext& context, const ImportReport& report, bool dryRun)
{
    if (dryRun) {
        for (const std::string& name : report.imported) {
            context.print(std::string(LangText(lang::WouldImport, context.language)) + name);
        }
    }
    for (const std::string& line : report.details(context.language)) {
        context.print(line);
    }
    const std::string_view trial = dryRun ? LangText(lang::TrialRun, context.language) : std::string_view{};
    context.print(std::string(trial) + report.summary(context.language));
}

int exportExchange(const CliContext& context, std::string_view format, const std::filesystem::path& file)
{
    const std::optional<LoadedData> data = loadData(context);
    if (!data) {
        return DataError;
    }
    const FileWriter& writer = context.environment.writer;
    if (format == "vcard") {
        const Status written = WriteVCardExport(*data->table, context.language, file, writer);
        if (!written.ok) {
            context.printError(written.message);
        }
        return written.ok ? Success : DataError;
    }
    const CalendarExport written = WriteCalendarExport(*data->table, context.language, context.clock, file, writer);
    if (!written.status.ok) {
        context.printError(written.status.message);
        return DataError;
    }
    if (written.leftOut > 0) {
        context.print(std::string(LangText(lang::DatesLeftOutOfCalendar, context.language))
                      + NumToText(static_cast<std::int32_t>(written.leftOut)));
    }
    return Success;
}

} // namespace

int importCommand(const CliContext& context, Arguments arguments)
{
    const std::optional<ImportArguments> parsed = parseImportArguments(context, arguments);
    if (!parsed) {
        return UsageError;
    }
    // The whole file is read before the database is touched: a bad file changes nothing.
    const VCardFile cards = ReadVCardFile(parsed->file, context.language);
    if (!cards.status.ok) {
        context.printError(cards.status.message);
        return DataError;
    }
    std::optional<LoadedData> data = loadData(context);
    if (!data) {
        return DataError;
    }
    const auto duplicates = parsed->allowDuplicate ? VCardImporter::Duplicates::Allow : VCardImporter::Duplicates::Skip;
    const ImportReport report = VCardImporter(context.language, duplicates).import(*data->table, cards.cards);
    printReport(context, report, parsed->dryRun);
    if (parsed->dryRun) {
        return Success;
    }
    if (report.imported.empty()) {
        return DataError; // the summary says why nothing was written
    }
    return saveData(context, *data) ? Success : DataError;
}

int exportEveryFormatCommand(const CliContext& context, Arguments arguments)
{
    if (arguments.size() == 2 && (arguments[0] == "vcard" || arguments[0] == "ics")) {
        return exportExchange(context, arguments[0], arguments[1]);
    }
    if (arguments.size() == 2 && (arguments[0] == "text" || arguments[0] == "html")) {
        return exportCommand(context, arguments);
    }
    context.err << "zelmora-cli: export takes text, html, vcard or ics, then the file to write\n";
    return UsageError;
}

} // namespace zelmora::cli
