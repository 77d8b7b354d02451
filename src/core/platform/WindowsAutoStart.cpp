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

// One argument as the C runtime's command line reader takes it back: quoted, so that a
// path with blanks cannot start another program on the way, backslashes doubled only
// before a quote.
std::wstring quotedArgument(const std::wstring& argument)
{
    std::wstring result = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        result.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        result += c;
    }
    return result.append(backslashes * 2, L'\\') + L"\"";
}

std::optional<std::wstring> storedValue(HKEY key, const std::wstring& name)
{
    DWORD bytes = 0;
    if (RegGetValueW(key, nullptr, name.c_str(), RRF_RT_REG_SZ, nullptr, nullptr, &bytes) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::wstring value(bytes / sizeof(wchar_t), L'\0');
    if (RegGetValueW(key, nullptr, name.c_str(), RRF_RT_REG_SZ, nullptr, value.data(), &bytes) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    value.resize(wcsnlen(value.c_str(), value.size()));
    return value;
}

} // namespace

std::wstring runCommand(const StartCommand& command)
{
    std::wstring line = quotedArgument(command.executable.wstring());
    if (command.dataFolder) {
        line += L" --data-dir " + quotedArgument(command.dataFolder->wstring());
    }
    return line;
}

Status WindowsAutoStart::apply(bool on, const StartCommand& command) const
{
    // The user's own Run key: the machine's needs an administrator, and the program
    // starts for this user only anyway.
    HKEY key = nullptr;
    const LSTATUS opened = RegCreateKeyExW(HKEY_CURRENT_USER, pathFromUtf8(RunKey).c_str(), 0, nullptr, 0,
                                           KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key, nullptr);
    if (opened != ERROR_SUCCESS) {
        return registryFailure("cannot open", opened);
    }
    const std::wstring name = pathFromUtf8(ValueName).native();
    const std::wstring wanted = runCommand(command);
    const std::optional<std::wstring> present = storedValue(key, name);
    LSTATUS result = ERROR_SUCCESS;
    if (on && present != wanted) {
        result = RegSetValueExW(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(wanted.c_str()),
                                static_cast<DWORD>((wanted.size() + 1) * sizeof(wchar_t)));
    } else if (!on && present == wanted) { // only the value that starts this very command is ours
        result = RegDeleteValueW(key, name.c_str());
    }
    RegCloseKey(key);
    return result == ERROR_SUCCESS ? Status::success() : registryFailure("cannot change", result);
}

const std::uint16_t AutoStartCaption = lang::AutomaticLaunch;

std::unique_ptr<AutoStart> makeSystemAutoStart() { return std::make_unique<WindowsAutoStart>(); }

} // namespace zelmora
