#include "core/web/BrowserCommand.h"

#include "core/base/ShortText.h"

#include <algorithm>

namespace zelmora {

namespace {

constexpr std::string_view OpenCommand = "\\shell\\open\\command";

std::string nonEmptyValue(const ClassesRegistry& registry, const std::string& keyPath)
{
    return registry.defaultValue(keyPath).value_or("");
}

bool endsWithProgramExtension(std::string_view text)
{
    std::string tail(text.substr(text.size() - 4));
    std::transform(tail.begin(), tail.end(), tail.begin(),
                   [](char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; });
    return tail == ".EXE" || tail == ".BAT" || tail == ".COM";
}

// Removes the quotes, then each "%" with what follows it up to the next blank: "%1",
// the browser's placeholder for the address, which is added anyway.
std::string cleanParameters(std::string_view parameters)
{
    std::string cleaned;
    bool inPlaceholder = false;
    for (const char c : trimControls(parameters)) {
        inPlaceholder = c == '%' || (inPlaceholder && c != ' ');
        if (!inPlaceholder && c != '"') {
            cleaned += c;
        }
    }
    return std::string(trimControls(cleaned));
}

} // namespace

std::string ReadBrowserCommand(const ClassesRegistry& registry)
{
    for (const std::string_view extension : HtmlExtensions) {
        const std::optional<std::string> fileClass = registry.defaultValue(extension);
        if (!fileClass) {
            continue;
        }
        if (!fileClass->empty()) {
            if (std::string command = nonEmptyValue(registry, *fileClass + std::string(OpenCommand)); !command.empty()) {
                return command;
            }
        }
        if (std::string command = nonEmptyValue(registry, std::string(extension) + std::string(OpenCommand));
            !command.empty()) {
            return command;
        }
    }
    return {};
}

BrowserProgram splitBrowserCommand(std::string_view command)
{
    std::size_t end = command.size();
    while (end >= 4 && !endsWithProgramExtension(command.substr(0, end))) {
        --end;
    }
    if (end < 4) {
        return {};
    }
    BrowserProgram browser;
    browser.extraParameters = cleanParameters(command.substr(end));
    std::string_view path = command.substr(0, end);
    if (path.front() == '"') {
        path.remove_prefix(1);
    }
    browser.path = path;
    return browser;
}

BrowserProgram FindBrowser(const ClassesRegistry& registry)
{
    return splitBrowserCommand(ReadBrowserCommand(registry));
}

} // namespace zelmora
