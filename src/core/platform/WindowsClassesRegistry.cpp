#ifdef _WIN32

#include "core/platform/WindowsClassesRegistry.h"

#include <vector>
#include <windows.h>

namespace zelmora {

std::optional<std::string> WindowsClassesRegistry::defaultValue(std::string_view keyPath) const
{
    // Read access only: the classes of the machine are not writable for ordinary users,
    // and asking for more makes the open fail for them.
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, std::string(keyPath).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    DWORD type = 0;
    DWORD size = 0;
    std::optional<std::string> value;
    if (RegQueryValueExA(key, nullptr, nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
        std::vector<char> data(size + 1, '\0'); // room for a value stored without its zero
        if (RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size)
            == ERROR_SUCCESS) {
            value = std::string(data.data()); // up to the first zero byte
        }
    }
    RegCloseKey(key);
    // Commands such as "%SystemRoot%\system32\NOTEPAD.EXE %1" only run once expanded.
    if (value && type == REG_EXPAND_SZ) {
        const DWORD needed = ExpandEnvironmentStringsA(value->c_str(), nullptr, 0);
        std::vector<char> expanded(needed + 1, '\0');
        if (needed > 0 && ExpandEnvironmentStringsA(value->c_str(), expanded.data(), needed) != 0) {
            value = std::string(expanded.data());
        }
    }
    return value;
}

} // namespace zelmora

#endif
