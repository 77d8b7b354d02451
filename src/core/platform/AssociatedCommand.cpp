#include "core/platform/AssociatedCommand.h"

#include <algorithm>

namespace zelmora {

namespace {

std::string_view cutProgramName(std::string_view name)
{
    const std::size_t dot = name.find('.');
    if (dot != std::string_view::npos) {
        return name.substr(0, dot + 4);
    }
    // No extension to cut after: Windows still finds "notepad" without its ".exe".
    return name.substr(0, name.find(' '));
}

} // namespace

std::string associatedCommandLine(std::string_view registeredCommand, std::string_view file)
{
    if (registeredCommand.empty()) {
        return {};
    }
    const std::size_t lastSeparator = registeredCommand.find_last_of("\\:");
    const std::size_t nameStart = lastSeparator == std::string_view::npos ? 0 : lastSeparator + 1;
    std::string program(registeredCommand.substr(0, nameStart));
    program += cutProgramName(registeredCommand.substr(nameStart));
    // A quoted program path loses its closing quote with the arguments.
    if (std::count(program.begin(), program.end(), '"') % 2 != 0) {
        program += '"';
    }
    return program + " " + std::string(file);
}

} // namespace zelmora
