#include "core/platform/Folders.h"

#include "core/platform/FileReader.h"

#include <system_error>

namespace zelmora {

namespace fs = std::filesystem;

fs::path ProgramFolder()
{
    const fs::path executable = ExecutablePath();
    return executable.empty() ? fs::current_path() : executable.parent_path();
}

fs::path DataFolder(const fs::path& programFolder, const EnvironmentLookup& environment)
{
    // An installed program's folder (/usr/bin, Program Files) never holds them, and is
    // never written: only a copy that was given its files there is portable.
    std::error_code error;
    if (fs::exists(programFolder / DatabaseFileName, error) || fs::exists(programFolder / SettingsFileName, error)) {
        return programFolder;
    }
    return UserDataFolder(environment);
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

bool sameFile(const fs::path& one, const fs::path& other)
{
    std::error_code error;
    if (fs::equivalent(one, other, error)) {
        return true;
    }
    // Neither exists yet, or one of them: compare where they would be.
    const fs::path a = fs::weakly_canonical(fs::absolute(one, error), error);
    const fs::path b = fs::weakly_canonical(fs::absolute(other, error), error);
    return !error && a == b;
}

} // namespace zelmora
