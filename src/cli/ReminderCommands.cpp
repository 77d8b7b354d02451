#include "cli/ReminderCommands.h"

#include "core/base/PathText.h"
#include "core/data/DateText.h"
#include "core/exchange/CalendarWriter.h"
#include "core/exchange/CsvWriter.h"
#include "core/exchange/VCardWriter.h"
#include "core/export/HtmlExport.h"
#include "core/export/TextExport.h"
#include "core/program/CommandLine.h"
#include "core/program/TerminalText.h"
#include "core/reminder/DatesList.h"
#include "core/reminder/DueReminders.h"
#include "core/reminder/ReminderTexts.h"
#include "core/storage/OutputTarget.h"

#include <algorithm>
#include <array>

namespace zelmora::cli {

namespace {

// One value of a --name option among its allowed words, stored as the word's index.
struct Choice {
    std::string_view option;
    std::array<std::string_view, 3> words;
    DisplayOption target;
};

constexpr std::array<Choice, 3> DatesChoices = {{
    {"--window", {"month", "two-weeks", "week"}, DisplayOption::WatchWindow},
    {"--sort", {"date", "person"}, DisplayOption::SortOrder},
    {"--info", {"age", "countdown", "none"}, DisplayOption::ExtraInfo},
}};

// The item chosen for each of DatesChoices, where the command line chose one.
using DatesOverrides = std::array<std::optional<std::uint8_t>, DatesChoices.size()>;

// Nothing after a usage message.
std::optional<DatesOverrides> parseDatesOptions(const CliContext& context, Arguments arguments)
{
    DatesOverrides overrides;
    for (std::size_t i = 0; i < arguments.size(); i += 2) {
        const auto choice = std::find_if(DatesChoices.begin(), DatesChoices.end(),
                                         [&](const Choice& c) { return c.option == arguments[i]; });
        if (choice == DatesChoices.end() || i + 1 >= arguments.size()) {
            context.usage("dates takes --window month|two-weeks|week, --sort date|person and --info age|countdown|none");
            return std::nullopt;
        }
        const auto word = std::find(choice->words.begin(), choice->words.end(), arguments[i + 1]);
        if (word == choice->words.end() || word->empty()) {
            context.usage(std::string(choice->option) + " does not take '" + arguments[i + 1] + "'");
            return std::nullopt;
        }
        overrides[static_cast<std::size_t>(choice - DatesChoices.begin())] =
            static_cast<std::uint8_t>(word - choice->words.begin());
    }
    return overrides;
}

enum class ExportFormat { Text, Html, VCard, Csv, Calendar };

std::optional<ExportFormat> exportFormat(std::string_view word)
{
    constexpr std::array<std::pair<std::string_view, ExportFormat>, 5> Formats = {
        {{"text", ExportFormat::Text}, {"html", ExportFormat::Html}, {"vcard", ExportFormat::VCard},
         {"csv", ExportFormat::Csv}, {"ics", ExportFormat::Calendar}}};
    for (const auto& [name, format] : Formats) {
        if (name == word) {
            return format;
        }
    }
    return std::nullopt;
}

struct ExportBytes {
    std::string bytes;
    std::size_t leftOut = 0; // dates the calendar could not hold
};

ExportBytes buildExport(ExportFormat format, const CliContext& context, const FriendTable& table)
{
    const Language language = context.language;
    switch (format) {
    case ExportFormat::Text: return {buildTextExport(table, language)};
    case ExportFormat::Html: return {buildHtmlExport(table, language)};
    case ExportFormat::VCard: return {VCardWriter(language).write(table)};
    case ExportFormat::Csv: return {CsvWriter(language).write(table)};
    case ExportFormat::Calendar: break;
    }
    CalendarText calendar = CalendarWriter(language, context.clock.utcNow(), context.extraSettings()).write(table);
    return {std::move(calendar.bytes), calendar.leftOut};
}

// The N of "--days N", nothing without it; false after a usage message.
bool parseRemindOptions(const CliContext& context, Arguments arguments, std::optional<std::uint16_t>& days)
{
    if (arguments.empty()) {
        return true;
    }
    const std::vector<std::string> words(arguments.begin(), arguments.end());
    std::size_t index = 0;
    const CommandOption option = readOption(words, index);
    const std::string_view value = option.value ? std::string_view(*option.value) : std::string_view{};
    const bool number = !value.empty() && value.size() <= 3 && value.find_first_not_of("0123456789") == std::string_view::npos;
    if (option.name != "--days" || index + 1 != words.size() || !number || TextToNum(value) > LeadTimes::LongestLead) {
        context.usage("remind takes --days N, N from 0 to " + NumToText(LeadTimes::LongestLead));
        return false;
    }
    days = static_cast<std::uint16_t>(TextToNum(value));
    return true;
}

} // namespace

int remindCommand(const CliContext& context, Arguments arguments)
{
    std::optional<std::uint16_t> days;
    if (!parseRemindOptions(context, arguments, days)) {
        return ExitUsage;
    }
    FriendsStore data = context.data();
    const Status loaded = data.read();
    if (!loaded.ok) {
        return context.finish(data, loaded);
    }
    const ExtraSettings settings = context.extraSettings();
    const LocalDate today = context.clock.today();
    const std::vector<DueReminder> due = days ? upcomingDates(data.table(), today, *days, settings.leapDay)
                                              : dueReminders(data.table(), today, settings);
    for (const DueReminder& reminder : due) {
        context.print(reminderLine(reminder, data.table(), context.language));
    }
    return context.finish(data, loaded);
}

int datesCommand(const CliContext& context, Arguments arguments)
{
    const std::optional<DatesOverrides> overrides = parseDatesOptions(context, arguments);
    if (!overrides) {
        return ExitUsage;
    }
    FriendsStore data = context.data();
    const Status loaded = data.read();
    if (!loaded.ok) {
        return context.finish(data, loaded);
    }
    DisplayOptions options = data.options(); // the stored choices, unless overridden
    for (std::size_t i = 0; i < DatesChoices.size(); ++i) {
        if ((*overrides)[i]) {
            setItem(options, DatesChoices[i].target, *(*overrides)[i]);
        }
    }
    DatesList list;
    list.BuildDatesList(data.table(), options, context.clock.today(), context.extraSettings().leapDay);
    // Red as the window shows it, where the terminal may have colours.
    const bool red = list.ShownInRed && context.environment.stdoutIsTerminal
                  && context.environment.environment("NO_COLOR").empty();
    for (std::uint16_t entry = 1; entry <= list.DateEntryCount; ++entry) {
        const std::string line = terminalLine(FormatDateLine(list[entry], list.order(), options.extraInfo, context.language));
        context.out << (red ? "\x1b[31m" : "") << line << (red ? "\x1b[0m\n" : "\n");
    }
    return context.finish(data, loaded);
}

int exportCommand(const CliContext& context, Arguments arguments)
{
    const auto format = arguments.size() == 2 ? exportFormat(arguments[0]) : std::nullopt;
    if (!format) {
        return context.usage("export takes text, html, vcard, csv or ics, then the file to write (- for the standard "
                             "output)");
    }
    const bool toStandardOutput = arguments[1] == "-";
    const std::filesystem::path target = pathFromUtf8(arguments[1]);
    FriendsStore data = context.data();
    Status status = data.read();
    if (!status.ok) {
        return context.finish(data, status);
    }
    const ExportBytes exported = buildExport(*format, context, data.table());
    if (toStandardOutput) {
        context.out << exported.bytes;
    } else {
        const OutputWriter writer(context.environment.writer, context.dataFolder, context.language);
        status = writeFileSaying(writer, target, exported.bytes, lang::ExchangeFileNotSaved, context.language);
    }
    if (status.ok && exported.leftOut > 0) { // a notice: the standard output may hold the calendar itself
        context.printError(std::string(LangText(lang::DatesLeftOutOfCalendar, context.language))
                      + NumToText(static_cast<std::int32_t>(exported.leftOut)));
    }
    return context.finish(data, status);
}

} // namespace zelmora::cli
