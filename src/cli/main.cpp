#include "cli/Cli.h"

#include <iostream>
#include <sstream>
#include <unistd.h>

int main(int argc, char** argv)
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const zelmora::AtomicFileWriter writer;
    const zelmora::cli::CliEnvironment environment{zelmora::ProgramFolder(), zelmora::systemEnvironment,
                                                   isatty(STDOUT_FILENO) == 1, writer};
    std::ios::sync_with_stdio(false);
    // The output is gathered and written at the end, where a full disk or a closed
    // standard output shows as a write error rather than as lost lines.
    std::ostringstream out;
    const int status = zelmora::cli::runCli(arguments, out, std::cerr, environment);
    return zelmora::cli::writeOutput(status, out.view(), STDOUT_FILENO, std::cerr);
}
