#include "cli/ReminderCommands.h"

#include "core/base/Cp1252.h"
#include "core/export/ExportFile.h"
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
            context.err << "zelmora-cli: dates takes --window month|two-weeks|week, --sort date|person "
                           "and --info age|countdown|none\n";
            return std::nullopt;
        }
        const auto word = std::find(choice->words.begin(), choice->words.end(), arguments[i + 1]);
        if (word == choice->words.end() || word->empty()) {
            context.err << "zelmora-cli: " << choice->option << " does not take '" << arguments[i + 1] << "'\n";
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
            m_context.out << (red ? "\x1b[31m" : "") << cp1252::toUtf8(line) << (red ? "\x1b[0m\n" : "\n");
        }
    }

private:
    const CliContext& m_context;
    std::vector<std::string> m_lines;
};

} // namespace

int datesCommand(const CliContext& context, Arguments arguments)
{
    const std::optional<DatesOverrides> overrides = parseDatesOptions(context, arguments);
    if (!overrides) {
        return UsageError;
    }
    const std::optional<LoadedData> data = loadData(context);
    if (!data) {
        return DataError;
    }
    DisplayOptions options = data->options; // the stored choices, unless overridden
    for (std::size_t i = 0; i < DatesChoices.size(); ++i) {
        if ((*overrides)[i]) {
            options.*DatesChoices[i].target = *(*overrides)[i];
        }
    }
    auto list = std::make_unique<DatesList>();
    TerminalListBox box(context);
    list->BuildDatesList(*data->table, options, context.clock, context.language, box);
    const bool colours = context.environment.stdoutIsTerminal && context.environment.environment("NO_COLOR").empty();
    box.print(colours && list->ShownInRed);
    return Success;
}

int exportCommand(const CliContext& context, Arguments arguments)
{
    if (arguments.size() != 2 || (arguments[0] != "text" && arguments[0] != "html")) {
        context.err << "zelmora-cli: export takes text or html, then the file to write\n";
        return UsageError;
    }
    const std::optional<LoadedData> data = loadData(context);
    if (!data) {
        return DataError;
    }
    const auto write = arguments[0] == "text" ? WriteTextExport : WriteHtmlExport;
    if (const Status written = write(*data->table, context.language, arguments[1], context.environment.writer);
        !written.ok) {
        context.printError(written.message);
        return DataError;
    }
    return Success;
}

} // namespace zelmora::cli
