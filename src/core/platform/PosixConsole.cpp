#include "core/platform/Console.h"

#include <unistd.h>

namespace zelmora {

std::vector<std::string> commandLineArguments(int argc, char** argv)
{
    return {argv + (argc > 0 ? 1 : 0), argv + argc};
}

void prepareStandardOutput() {}

int standardOutput() { return STDOUT_FILENO; }

bool standardOutputIsTerminal() { return isatty(STDOUT_FILENO) == 1; }

} // namespace zelmora
