#include "cli/Cli.h"
#include "core/platform/Console.h"

#include <iostream>
#include <sstream>

int main(int argc, char** argv)
{
    const std::vector<std::string> arguments = zelmora::commandLineArguments(argc, argv);
    zelmora::prepareStandardOutput();
    const zelmora::AtomicFileWriter writer;
    const zelmora::cli::CliEnvironment environment{zelmora::ProgramFolder(), zelmora::systemEnvironment,
                                                   zelmora::standardOutputIsTerminal(), writer};
    std::ios::sync_with_stdio(false);
    // The output is gathered and written at the end, where a full disk or a closed
    // standard output shows as a write error rather than as lost lines.
    std::ostringstream out;
    const int status = zelmora::cli::runCli(arguments, out, std::cerr, environment);
    return zelmora::cli::writeOutput(status, out.view(), zelmora::standardOutput(), std::cerr);
}
