#include "cli/SaintCommands.h"

#include "core/saints/FeteProposals.h"

namespace zelmora::cli {

namespace {

int printNamesOfDay(const CliContext& context, std::string_view dayAndMonth)
{
    const std::optional<MonthDay> day = MonthDay::parse(dayAndMonth);
    if (!day) {
        return context.usage("fete --date takes a day of the year written dd/mm, got '" + std::string(dayAndMonth) + "'");
    }
    for (const std::string_view name : SaintsCalendar::french().namesOn(*day)) {
        context.print(name);
    }
    return ExitDone;
}

int printDaysOfName(const CliContext& context, std::string_view utf8)
{
    const std::optional<std::string> firstName = context.toCp1252(utf8);
    if (!firstName) {
        return ExitNothingWritten;
    }
    const std::vector<SaintCandidate> candidates = SaintsCalendar::french().candidates(*firstName);
    for (const SaintCandidate& candidate : candidates) {
        context.print(candidate.day.text() + " " + std::string(candidate.name));
    }
    if (candidates.empty()) {
        context.printError(std::string(LangText(lang::NoSaintForName, context.language)) + *firstName);
        return ExitNothingWritten;
    }
    return ExitDone;
}

// "MARTIN Pierre (15/04, 23/04, 27/04)": a friend left alone and the days to choose from.
std::string severalDaysLine(const FriendTable& table, const FeteProposal& proposal)
{
    std::string line = listText(table[proposal.slot]) + " (";
    const std::vector<SaintCandidate> best = bestCandidates(proposal.candidates);
    for (std::size_t i = 0; i < best.size(); ++i) {
        line.append(i > 0 ? ", " : "").append(best[i].day.text());
    }
    return line + ")";
}

void printFill(const CliContext& context, const FriendTable& table, const std::vector<FeteProposal>& proposals,
               bool dryRun)
{
    const Language language = context.language;
    std::size_t set = 0;
    for (const FeteProposal& proposal : proposals) {
        if (proposal.sure) {
            ++set;
            context.print(std::string(LangText(dryRun ? lang::WouldSetFete : lang::FeteSet, language))
                          + proposal.candidates.front().day.text() + " " + listText(table[proposal.slot]));
        } else {
            context.print(std::string(LangText(lang::SeveralFetesLeftEmpty, language)) + severalDaysLine(table, proposal));
        }
    }
    const std::string_view trial = dryRun ? LangText(lang::TrialRun, language) : std::string_view{};
    context.print(std::string(trial) + std::string(LangText(lang::FetesSetCount, language)) + std::to_string(set)
                  + std::string(LangText(lang::FetesLeftEmptyCount, language))
                  + std::to_string(proposals.size() - set));
}

} // namespace

int feteCommand(const CliContext& context, Arguments arguments)
{
    if (arguments.size() == 2 && arguments[0] == "--date") {
        return printNamesOfDay(context, arguments[1]);
    }
    if (arguments.size() != 1 || arguments[0].starts_with("--")) {
        return context.usage("fete takes a first name, or --date dd/mm");
    }
    return printDaysOfName(context, arguments[0]);
}

int fillFetesCommand(const CliContext& context, Arguments arguments)
{
    const bool dryRun = arguments.size() == 1 && arguments[0] == "--dry-run";
    if (!arguments.empty() && !dryRun) {
        return context.usage("fill-fetes takes nothing, or --dry-run");
    }
    FriendsStore data = context.data();
    std::vector<FeteProposal> proposals;
    std::optional<std::size_t> written;
    Status status;
    if (dryRun) {
        status = data.read();
        proposals = proposeFetes(data.table(), SaintsCalendar::french());
    } else {
        // Read, changed and written once under the folder's lock; nothing set, nothing written.
        status = data.change([&](FriendTable& table, DisplayOptions&) {
            proposals = proposeFetes(table, SaintsCalendar::french());
            written = applyFetes(table, sureChoices(proposals));
            return *written > 0 ? Status::success() : Status::failure({});
        }).status;
    }
    const bool nothingSet = written == 0u;
    if (status.ok || nothingSet) {
        printFill(context, data.table(), proposals, dryRun);
    }
    const int exit = context.finish(data, nothingSet ? Status::success() : status);
    return nothingSet ? ExitNothingWritten : exit;
}

} // namespace zelmora::cli
