#include "core/platform/Folders.h"

#include "core/platform/FileReader.h"

#include <cstdlib>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

namespace zelmora {

namespace fs = std::filesystem;

fs::path ExecutablePath()
{
#ifdef _WIN32
    wchar_t buffer[MAX_PATH * 4];
    const DWORD length = GetModuleFileNameW(nullptr, buffer, static_cast<DWORD>(std::size(buffer)));
    return fs::path(std::wstring(buffer, length));
#else
    std::error_code error;
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::path() : executable;
#endif
}

fs::path ProgramFolder()
{
    const fs::path executable = ExecutablePath();
    return executable.empty() ? fs::current_path() : executable.parent_path();
}

std::string systemEnvironment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

fs::path DataFolder(const fs::path& programFolder, const EnvironmentLookup& environment)
{
    std::error_code error;
    if (fs::exists(programFolder / DatabaseFileName, error) || fs::exists(programFolder / SettingsFileName, error)) {
        return programFolder;
    }
#ifdef _WIN32
    const std::string appData = environment("APPDATA");
    if (!appData.empty()) {
        return fs::path(appData) / "Zelmora";
    }
    return programFolder;
#else
    const std::string dataHome = environment("XDG_DATA_HOME");
    if (!dataHome.empty() && fs::path(dataHome).is_absolute()) {
        return fs::path(dataHome) / "zelmora";
    }
    const std::string home = environment("HOME");
    if (home.empty()) {
        return {}; // a folder relative to wherever the program was started would be lost
    }
    return fs::path(home) / ".local" / "share" / "zelmora";
#endif
}

Status ensureFolder(const fs::path& folder)
{
    std::error_code error;
    if (fs::is_directory(folder, error)) {
        return Status::success();
    }
    fs::create_directories(folder, error);
    if (error) {
        return Status::failure(fileMessage("cannot create the folder", folder, error.message()));
    }
    fs::permissions(folder, fs::perms::owner_all, error); // the address book is private
    return Status::success();
}

} // namespace zelmora
