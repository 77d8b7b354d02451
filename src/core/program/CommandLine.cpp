#include "core/program/CommandLine.h"

#include "core/base/PathText.h"

#include "core/platform/Folders.h"
#include "core/settings/SettingsFile.h"

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

RunOptionRead readRunOption(const CommandOption& option, RunOptions& options, std::string& problem)
{
    const std::string& value = *option.value;
    if (option.name == "--data-dir") {
        options.dataFolder = pathFromUtf8(value);
    } else if (option.name == "--lang") {
        options.language = languageFromCode(value);
        if (!options.language) {
            problem = "--lang takes en or fr, not '" + value + "'";
            return RunOptionRead::Bad;
        }
    } else if (option.name == "--today") {
        options.today = parseIsoDate(value);
        if (!options.today) {
            problem = "--today takes a date written YYYY-MM-DD, not '" + value + "'";
            return RunOptionRead::Bad;
        }
    } else {
        return RunOptionRead::NotARunOption;
    }
    return RunOptionRead::Taken;
}

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
