#pragma once
// zelmora-cli: the friend database and its reminder from a terminal.

#include "cli/CliContext.h"

#include <ostream>
#include <string>
#include <vector>

namespace zelmora::cli {

// Runs one command line (without the program name); returns the exit status.
int runCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
           const CliEnvironment& environment);

} // namespace zelmora::cli
