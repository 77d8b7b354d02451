#include "core/platform/WindowsClassesRegistry.h"

#include "core/base/PathText.h"

#include <vector>
#include <windows.h>

namespace zelmora {

namespace {

std::string utf8(const wchar_t* text) { return pathToUtf8(std::filesystem::path(text)); }

} // namespace

std::optional<std::string> WindowsClassesRegistry::defaultValue(std::string_view keyPath) const
{
    // Read access only: the classes of the machine are not writable for ordinary users,
    // and asking for more makes the open fail for them.
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, pathFromUtf8(keyPath).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    DWORD type = 0;
    DWORD size = 0;
    std::optional<std::wstring> value;
    if (RegQueryValueExW(key, nullptr, nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
        std::vector<wchar_t> data(size / sizeof(wchar_t) + 1, L'\0'); // room for a value stored without its zero
        if (RegQueryValueExW(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size)
            == ERROR_SUCCESS) {
            value = std::wstring(data.data()); // up to the first zero
        }
    }
    RegCloseKey(key);
    if (!value) {
        return std::nullopt;
    }
    // Commands such as "%SystemRoot%\system32\NOTEPAD.EXE %1" only run once expanded.
    if (type == REG_EXPAND_SZ) {
        const DWORD needed = ExpandEnvironmentStringsW(value->c_str(), nullptr, 0);
        std::vector<wchar_t> expanded(needed + 1, L'\0');
        if (needed > 0 && ExpandEnvironmentStringsW(value->c_str(), expanded.data(), needed) != 0) {
            return utf8(expanded.data());
        }
    }
    return utf8(value->c_str());
}

} // namespace zelmora
