#include "core/program/CommandLine.h"

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
    return stored ? stored->Langue : Language::English;
}

} // namespace zelmora
