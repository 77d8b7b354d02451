#include "cli/CliContext.h"

#include "core/base/Cp1252.h"
#include "core/program/TerminalText.h"
#include "core/sync/SyncFollower.h"

namespace zelmora::cli {

void CliContext::print(std::string_view text) const { out << terminalLine(text) << '\n'; }

void CliContext::printError(std::string_view text) const { err << "zelmora-cli: " << terminalMessage(text) << '\n'; }

int CliContext::usage(std::string_view message) const
{
    err << "zelmora-cli: " << message << '\n';
    return ExitUsage;
}

std::optional<std::string> CliContext::toCp1252(std::string_view utf8) const
{
    cp1252::Converted converted = cp1252::fromUtf8(utf8);
    if (!converted.ok) {
        // The character cannot pass through Windows-1252: it joins the message in UTF-8.
        err << "zelmora-cli: " << terminalMessage(LangText(lang::CharacterNotStorable, language))
            << cp1252::describe(converted.error, utf8) << '\n';
        return std::nullopt;
    }
    return std::move(converted.text);
}

FriendsStore CliContext::data() const
{
    FriendsStore store(dataFolder, language, environment.writer);
    store.follow(syncFollower(dataFolder, environment.writer));
    return store;
}

ExtraSettings CliContext::extraSettings() const
{
    ExtraSettingsRead read = loadExtraSettings(dataFolder, language);
    for (const std::string& message : read.messages) {
        printError(message);
    }
    return read.settings;
}

int CliContext::finish(FriendsStore& data, const Status& status) const
{
    for (const std::string& notice : data.takeNotices()) {
        printError(notice);
    }
    if (!status.ok) {
        printError(status.message);
    }
    return exitStatusOf(status);
}

} // namespace zelmora::cli
