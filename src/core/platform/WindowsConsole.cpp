#include "core/platform/Console.h"

#include "core/base/PathText.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>
#include <shellapi.h>

namespace zelmora {

std::vector<std::string> commandLineArguments(int, char**)
{
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; wide != nullptr && i < count; ++i) {
        arguments.push_back(pathToUtf8(std::filesystem::path(wide[i])));
    }
    LocalFree(wide);
    return arguments;
}

void prepareStandardOutput()
{
    _setmode(_fileno(stdout), _O_BINARY);
    SetConsoleOutputCP(CP_UTF8);
}

int standardOutput() { return _fileno(stdout); }

bool standardOutputIsTerminal() { return _isatty(_fileno(stdout)) != 0; }

} // namespace zelmora
