#pragma once
// The Windows way of opening an exported file: the open command registered for its kind,
// cut down to the program, followed by the file.

#include <string>
#include <string_view>

namespace zelmora {

// The command line that opens `file` with the program of `registeredCommand` (the default
// value of a "...\shell\open\command" key): the program's folder, its name cut three
// characters after the name's first "." (which drops "%1" and any other argument), a
// blank and the file. A name without a "." ends at its first blank instead. When the cut
// leaves a quote open, it is closed. Empty when nothing is registered.
std::string associatedCommandLine(std::string_view registeredCommand, std::string_view file);

} // namespace zelmora
