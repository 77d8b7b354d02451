#include "cli/Cli.h"

#include <iostream>
#include <unistd.h>

int main(int argc, char** argv)
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const zelmora::AtomicFileWriter writer;
    const zelmora::cli::CliEnvironment environment{zelmora::ProgramFolder(), zelmora::systemEnvironment,
                                                   isatty(STDOUT_FILENO) == 1, writer};
    std::ios::sync_with_stdio(false);
    return zelmora::cli::runCli(arguments, std::cout, std::cerr, environment);
}
