#include "cli/ExchangeCommands.h"

#include "core/base/PathText.h"
#include "core/exchange/ExchangeFiles.h"
#include "core/exchange/FriendImporter.h"

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
            parsed.file = pathFromUtf8(argument);
        } else {
            files = 2; // an unknown option or a second file
        }
    }
    if (files != 1) {
        context.err << "zelmora-cli: import takes one vCard or CSV file, then --allow-duplicate or --dry-run if wanted\n";
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

} // namespace

int importCommand(const CliContext& context, Arguments arguments)
{
    const std::optional<ImportArguments> parsed = parseImportArguments(context, arguments);
    if (!parsed) {
        return ExitUsage;
    }
    FriendsStore data = context.data();
    // The whole file is read before the database is touched: a bad file changes nothing.
    const ParsedContacts contacts = ReadContactFile(parsed->file, context.language);
    if (!contacts.status.ok) {
        return context.finish(data, contacts.status);
    }
    const FriendImporter importer(parsed->allowDuplicate ? FriendImporter::Duplicates::Allow
                                                         : FriendImporter::Duplicates::Skip);
    std::optional<ImportReport> report;
    Status status;
    if (parsed->dryRun) {
        status = data.read();
        FriendTable trial = data.table();
        report = importer.import(trial, contacts);
    } else {
        // Read, changed and written once under the folder's lock; nothing imported, nothing
        // written (the summary says why).
        status = data.change([&](FriendTable& table, DisplayOptions&) {
            report = importer.import(table, contacts);
            return report->imported.empty() ? Status::failure({}) : Status::success();
        }).status;
    }
    const bool nothingImported = report && !parsed->dryRun && report->imported.empty();
    if (report) {
        printReport(context, *report, parsed->dryRun);
    }
    const int exit = context.finish(data, nothingImported ? Status::success() : status);
    return nothingImported ? ExitNothingWritten : exit;
}

} // namespace zelmora::cli
