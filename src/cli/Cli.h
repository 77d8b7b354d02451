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

// Writes what the command printed to `fd` (the standard output), as one piece so that a
// write error is seen: then the message goes to `err` and the status becomes 1.
int writeOutput(int status, std::string_view output, int fd, std::ostream& err);

} // namespace zelmora::cli
