#include "core/platform/WindowsAutoStart.h"

#include "core/base/PathText.h"

#include <system_error>
#include <windows.h>

namespace zelmora {

namespace {

Status registryFailure(const char* what, LSTATUS code)
{
    return Status::failure(std::string(what) + " HKEY_CURRENT_USER\\" + WindowsAutoStart::RunKey + ": "
                           + std::system_category().message(static_cast<int>(code)));
}


} // namespace

Status WindowsAutoStart::apply(bool on, const std::filesystem::path& executable) const
{
    // The user's own Run key: the machine's needs an administrator, and the program
    // starts for this user only anyway.
    HKEY key = nullptr;
    const LSTATUS opened = RegCreateKeyExW(HKEY_CURRENT_USER, pathFromUtf8(RunKey).c_str(), 0, nullptr, 0,
                                           KEY_SET_VALUE, nullptr, &key, nullptr);
    if (opened != ERROR_SUCCESS) {
        return registryFailure("cannot open", opened);
    }
    LSTATUS result = ERROR_SUCCESS;
    if (on) {
        // Quoted, so that a path with blanks cannot start another program on the way.
        const std::wstring command = L"\"" + executable.wstring() + L"\"";
        result = RegSetValueExW(key, pathFromUtf8(ValueName).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                                static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
    } else {
        result = RegDeleteValueW(key, pathFromUtf8(ValueName).c_str());
        if (result == ERROR_FILE_NOT_FOUND) {
            result = ERROR_SUCCESS;
        }
    }
    RegCloseKey(key);
    return result == ERROR_SUCCESS ? Status::success() : registryFailure("cannot change", result);
}

std::unique_ptr<AutoStart> makeSystemAutoStart() { return std::make_unique<WindowsAutoStart>(); }

} // namespace zelmora
