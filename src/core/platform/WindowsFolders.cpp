#include "core/platform/Folders.h"

#include "core/base/PathText.h"

#include <cstdlib>
#include <windows.h>

namespace zelmora {

namespace fs = std::filesystem;

fs::path ExecutablePath()
{
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) {
            return {};
        }
        if (length < buffer.size()) {
            buffer.resize(length);
            return fs::path(buffer);
        }
        buffer.resize(buffer.size() * 2); // cut short: a longer path than MAX_PATH
    }
}

std::string systemEnvironment(const char* name)
{
    // The wide environment: getenv would give the value in the ANSI code page.
    const wchar_t* value = _wgetenv(fs::path(name).c_str());
    return value ? pathToUtf8(fs::path(value)) : "";
}

fs::path UserDataFolder(const EnvironmentLookup& environment)
{
    const std::string appData = environment("APPDATA");
    if (appData.empty()) {
        return {};
    }
    return pathFromUtf8(appData) / "Zelmora";
}

} // namespace zelmora
