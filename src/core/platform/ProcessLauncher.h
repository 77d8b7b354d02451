#pragma once
// Starts another program on its own: no shell, no waiting, nothing to clean up after it.

#include "core/base/Status.h"

#include <string>
#include <vector>

namespace zelmora {

// Starts arguments[0] (looked up in PATH when it holds no slash) with the whole vector as
// its arguments, each passed exactly as given. The program is adopted by the system, so
// it outlives this one and is never waited for. Fails when it cannot be executed.
Status startDetached(const std::vector<std::string>& arguments);

} // namespace zelmora
