#include "core/platform/WindowsFileOpener.h"

#include "core/base/Cp1252.h"
#include "core/base/PathText.h"
#include "core/platform/AssociatedCommand.h"
#include "core/platform/WindowsClassesRegistry.h"

#include <windows.h>

namespace zelmora {

Status WindowsFileOpener::open(const std::filesystem::path& file, Kind kind) const
{
    const char* key = kind == Kind::Text ? "txtfile\\shell\\open\\command" : "HTTP\\shell\\open\\command";
    const std::string command = associatedCommandLine(m_registry.defaultValue(key).value_or(""), pathToUtf8(file));
    if (command.empty()) {
        return Status::failure(std::string("no program is registered under ") + key);
    }
    // CreateProcessW may write into the command line it is given.
    std::wstring line = pathFromUtf8(command).native();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        return Status::failure(cp1252::forDisplay("cannot start " + command));
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return Status::success();
}

std::unique_ptr<FileOpener> makeSystemFileOpener()
{
    static const WindowsClassesRegistry registry;
    return std::make_unique<WindowsFileOpener>(registry);
}

} // namespace zelmora
