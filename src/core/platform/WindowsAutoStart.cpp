#ifdef _WIN32

#include "core/platform/WindowsAutoStart.h"

#include <system_error>
#include <windows.h>

namespace zelmora {

namespace {

constexpr const char* RunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* ValueName = "Zelmora";

Status registryFailure(const char* what, LSTATUS code)
{
    return Status::failure(std::string(what) + " HKEY_LOCAL_MACHINE\\" + RunKey + ": "
                               + std::system_category().message(static_cast<int>(code)));
}

} // namespace

Status WindowsAutoStart::apply(bool on, const std::filesystem::path& executable) const
{
    HKEY key = nullptr;
    const LSTATUS opened = RegCreateKeyExA(HKEY_LOCAL_MACHINE, RunKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                                           nullptr);
    if (opened != ERROR_SUCCESS) {
        return registryFailure("cannot open", opened);
    }
    LSTATUS result = ERROR_SUCCESS;
    if (on) {
        // Quoted, so that a path with blanks cannot start another program on the way.
        const std::string command = "\"" + executable.string() + "\"";
        result = RegSetValueExA(key, ValueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                                static_cast<DWORD>(command.size() + 1));
    } else {
        result = RegDeleteValueA(key, ValueName);
        if (result == ERROR_FILE_NOT_FOUND) {
            result = ERROR_SUCCESS;
        }
    }
    RegCloseKey(key);
    return result == ERROR_SUCCESS ? Status::success() : registryFailure("cannot change", result);
}

std::unique_ptr<AutoStart> makeSystemAutoStart() { return std::make_unique<WindowsAutoStart>(); }

} // namespace zelmora

#endif
