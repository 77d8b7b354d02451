#include "cli/ReminderCommands.h"

#include "core/base/PathText.h"
#include "core/data/DateText.h"
#include "core/exchange/CalendarWriter.h"
#include "core/exchange/CsvWriter.h"
#include "core/exchange/VCardWriter.h"
#include "core/export/HtmlExport.h"
#include "core/export/TextExport.h"
#include "core/program/DataFolderChoice.h"
#include "core/program/TerminalText.h"
#include "core/reminder/DatesList.h"

#include <algorithm>
#include <array>

namespace zelmora::cli {

namespace {

// One value of a --name option among its allowed words, stored as the word's index.
struct Choice {
    std::string_view option;
    std::array<std::string_view, 3> words;
    std::uint8_t DisplayOptions::*target;
};

constexpr std::array<Choice, 3> DatesChoices = {{
    {"--window", {"month", "two-weeks", "week"}, &DisplayOptions::Surveillance},
    {"--sort", {"date", "person"}, &DisplayOptions::Classement},
    {"--info", {"age", "countdown", "none"}, &DisplayOptions::RadioGroup3},
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

// Prints the list lines, in red when the list box would show them red and the
// terminal may have colours.
class TerminalListBox : public DatesListBox {
public:
    explicit TerminalListBox(const CliContext& context) : m_context(context) {}
    void clear() override { m_lines.clear(); }
    void addLine(std::string_view line) override { m_lines.emplace_back(line); }

    void print(bool red) const
    {
        for (const std::string& line : m_lines) {
            m_context.out << (red ? "\x1b[31m" : "") << terminalLine(line) << (red ? "\x1b[0m\n" : "\n");
        }
    }

private:
    const CliContext& m_context;
    std::vector<std::string> m_lines;
};

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
    std::uint16_t failurePair = lang::ExportNotSaved; // the message when the file cannot be written
    std::size_t leftOut = 0;                          // dates the calendar could not hold
};

ExportBytes buildExport(ExportFormat format, const FriendTable& table, Language language, const Clock& clock)
{
    switch (format) {
    case ExportFormat::Text: return {buildTextExport(table, language)};
    case ExportFormat::Html: return {buildHtmlExport(table, language)};
    case ExportFormat::VCard: return {VCardWriter(language).write(table), lang::ExchangeFileNotSaved};
    case ExportFormat::Csv: return {CsvWriter(language).write(table), lang::ExchangeFileNotSaved};
    case ExportFormat::Calendar: break;
    }
    CalendarText calendar = CalendarWriter(language, clock.now()).write(table);
    return {std::move(calendar.bytes), lang::ExchangeFileNotSaved, calendar.leftOut};
}

} // namespace

int datesCommand(const CliContext& context, Arguments arguments)
{
    const std::optional<DatesOverrides> overrides = parseDatesOptions(context, arguments);
    if (!overrides) {
        return ExitUsage;
    }
    ProgramData data = context.data();
    const Status loaded = data.loadForReading();
    if (!loaded.ok) {
        return context.finish(data, loaded);
    }
    DisplayOptions options = data.options(); // the stored choices, unless overridden
    for (std::size_t i = 0; i < DatesChoices.size(); ++i) {
        if ((*overrides)[i]) {
            options.*DatesChoices[i].target = *(*overrides)[i];
        }
    }
    auto list = std::make_unique<DatesList>();
    TerminalListBox box(context);
    list->BuildDatesList(data.table(), options, context.clock, context.language, box);
    const bool colours = context.environment.stdoutIsTerminal && context.environment.environment("NO_COLOR").empty();
    box.print(colours && list->ShownInRed);
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
    ProgramData data = context.data();
    Status status = toStandardOutput ? Status::success() : checkExportTarget(target, context.dataFolder, context.language);
    if (status.ok) {
        status = data.loadForReading();
    }
    if (!status.ok) {
        return context.finish(data, status);
    }
    const ExportBytes exported = buildExport(*format, data.table(), context.language, context.clock);
    if (toStandardOutput) {
        context.out << exported.bytes;
    } else {
        status = writeFileSaying(context.environment.writer, target, exported.bytes, exported.failurePair,
                                 context.language);
    }
    if (status.ok && exported.leftOut > 0) {
        context.print(std::string(LangText(lang::DatesLeftOutOfCalendar, context.language))
                      + NumToText(static_cast<std::int32_t>(exported.leftOut)));
    }
    return context.finish(data, status);
}

} // namespace zelmora::cli
