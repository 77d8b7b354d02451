#pragma once
// What the command lines of zelmora and zelmora-cli share: "--name value" options, the
// language codes, and which language a run speaks.

#include "core/base/LangText.h"
#include "core/platform/Clock.h"

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zelmora {

struct CommandOption {
    std::string name;
    std::optional<std::string> value; // nothing when the command line ended first
};

// The option at arguments[index], written "--name value" or "--name=value"; `index`
// is left on the last argument used.
CommandOption readOption(const std::vector<std::string>& arguments, std::size_t& index);

// What --data-dir, --lang and --today ask of a run, in zelmora and zelmora-cli alike.
struct RunOptions {
    std::optional<std::filesystem::path> dataFolder;
    std::optional<Language> language;
    std::optional<LocalDate> today; // the clock stands still on this day for the whole run
};

enum class RunOptionRead { Taken, NotARunOption, Bad };

inline constexpr std::string_view RunOptionNames[] = {"--data-dir", "--lang", "--today"};

// Takes `option` into `options` when it is one of the three; for a missing value or one
// it cannot take, the reason is in `problem`.
RunOptionRead readRunOption(const CommandOption& option, RunOptions& options, std::string& problem);

// What to say of `name`, which none of the `known` options is: "unknown option --versio
// (did you mean --version?)" when one is close, "unexpected argument 'x'" for a word.
std::string unknownOptionMessage(std::string_view name, std::span<const std::string_view> known);

// What --version prints: the program's name and version, "zelmora-cli 3.0".
std::string versionLine(std::string_view program);

// "en" or "fr"; nothing for anything else.
std::optional<Language> languageFromCode(std::string_view code);

// The language asked for, else the one stored in the data folder's settings, else English.
Language chosenLanguage(std::optional<Language> asked, const std::filesystem::path& dataFolder);

} // namespace zelmora
