#include "core/platform/Folders.h"

#include "core/base/PathText.h"

#include <cstdlib>
#include <system_error>

namespace zelmora {

namespace fs = std::filesystem;

fs::path ExecutablePath()
{
    std::error_code error;
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::path() : executable;
}

std::string systemEnvironment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

fs::path UserDataFolder(const EnvironmentLookup& environment)
{
    // freedesktop.org's base directory rules say to ignore a relative XDG_DATA_HOME.
    const fs::path dataHome = pathFromUtf8(environment("XDG_DATA_HOME"));
    if (dataHome.is_absolute()) {
        return dataHome / "zelmora";
    }
    const std::string home = environment("HOME");
    if (home.empty()) {
        return {}; // a folder relative to wherever the program was started would be lost
    }
    return pathFromUtf8(home) / ".local" / "share" / "zelmora";
}

} // namespace zelmora
