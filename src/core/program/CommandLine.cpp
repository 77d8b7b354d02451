#include "core/program/CommandLine.h"

#include "core/base/PathText.h"

#include "core/platform/Folders.h"
#include "core/settings/SettingsFile.h"

#include <algorithm>
#include <numeric>

namespace zelmora {

CommandOption readOption(const std::vector<std::string>& arguments, std::size_t& index)
{
    CommandOption option{arguments[index], std::nullopt};
    if (const std::size_t equals = option.name.find('='); equals != std::string::npos) {
        option.value = option.name.substr(equals + 1);
        option.name.resize(equals);
    } else if (index + 1 < arguments.size()) {
        option.value = arguments[++index];
    }
    return option;
}

namespace {

// The years a user can mean by "today"; the list shows years by their last two digits.
constexpr int FirstTodayYear = 1900;
constexpr int LastTodayYear = 2199;

std::optional<LocalDate> todayFromText(std::string_view text)
{
    const std::optional<LocalDate> date = parseIsoDate(text);
    if (!date || date->year < FirstTodayYear || date->year > LastTodayYear) {
        return std::nullopt;
    }
    return date;
}

// How many characters to insert, remove or change to make one text the other.
std::size_t editDistance(std::string_view from, std::string_view to)
{
    std::vector<std::size_t> row(to.size() + 1);
    std::iota(row.begin(), row.end(), std::size_t{0});
    for (std::size_t i = 1; i <= from.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= to.size(); ++j) {
            const std::size_t changed = diagonal + (from[i - 1] == to[j - 1] ? 0 : 1);
            diagonal = row[j];
            row[j] = std::min({changed, row[j] + 1, row[j - 1] + 1});
        }
    }
    return row[to.size()];
}

// The known option a typing slip or a shortening makes of `name`, if any.
std::optional<std::string_view> closeOption(std::string_view name, std::span<const std::string_view> known)
{
    constexpr std::size_t MostSlips = 2;
    std::optional<std::string_view> closest;
    std::size_t closestDistance = MostSlips + 1;
    for (const std::string_view option : known) {
        const bool shortened = name.size() > 2 && option.starts_with(name);
        const std::size_t distance = shortened ? 1 : editDistance(name, option);
        if (distance < closestDistance) {
            closest = option;
            closestDistance = distance;
        }
    }
    return closest;
}

} // namespace

RunOptionRead readRunOption(const CommandOption& option, RunOptions& options, std::string& problem)
{
    if (std::find(std::begin(RunOptionNames), std::end(RunOptionNames), option.name) == std::end(RunOptionNames)) {
        return RunOptionRead::NotARunOption;
    }
    if (!option.value || option.value->empty()) {
        problem = option.name + " needs a value";
        return RunOptionRead::Bad;
    }
    const std::string& value = *option.value;
    if (option.name == "--data-dir") {
        options.dataFolder = pathFromUtf8(value);
    } else if (option.name == "--lang") {
        options.language = languageFromCode(value);
        if (!options.language) {
            problem = "--lang takes en or fr, not '" + value + "'";
            return RunOptionRead::Bad;
        }
    } else {
        options.today = todayFromText(value);
        if (!options.today) {
            problem = "--today takes a date written YYYY-MM-DD, from 1900 to 2199, not '" + value + "'";
            return RunOptionRead::Bad;
        }
    }
    return RunOptionRead::Taken;
}

std::string unknownOptionMessage(std::string_view name, std::span<const std::string_view> known)
{
    if (!name.starts_with("-")) {
        return "unexpected argument '" + std::string(name) + "'";
    }
    std::string message = "unknown option " + std::string(name);
    if (const auto close = closeOption(name, known)) {
        message.append(" (did you mean ").append(*close).append("?)");
    }
    return message;
}

std::string versionLine(std::string_view program) { return std::string(program) + " " + ZELMORA_VERSION; }

std::optional<Language> languageFromCode(std::string_view code)
{
    if (code == "en") {
        return Language::English;
    }
    if (code == "fr") {
        return Language::French;
    }
    return std::nullopt;
}

Language chosenLanguage(std::optional<Language> asked, const std::filesystem::path& dataFolder)
{
    if (asked || dataFolder.empty()) {
        return asked.value_or(Language::English);
    }
    const AtomicFileWriter unused; // reading the settings never writes them
    const auto stored = SettingsFile(dataFolder / SettingsFileName, unused).peek();
    return stored ? stored->language : Language::English;
}

} // namespace zelmora
