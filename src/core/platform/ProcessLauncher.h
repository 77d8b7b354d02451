#pragma once
// Starts another program on its own: no shell, no waiting, nothing to clean up after it.

#include "platform/FileWriter.h"

#include <string>
#include <vector>

namespace zelmora {

// Whether a program could be started, and why not.
using LaunchStatus = FileStatus;

// Starts arguments[0] (looked up in PATH when it holds no slash) with the whole vector as
// its arguments, each passed exactly as given. The program is adopted by the system, so
// it outlives this one and is never waited for. Fails when it cannot be executed.
LaunchStatus startDetached(const std::vector<std::string>& arguments);

} // namespace zelmora
