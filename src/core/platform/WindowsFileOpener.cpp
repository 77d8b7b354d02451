#ifdef _WIN32

#include "core/platform/WindowsFileOpener.h"

#include "core/platform/AssociatedCommand.h"
#include "core/platform/WindowsClassesRegistry.h"

#include <windows.h>

namespace zelmora {

Status WindowsFileOpener::open(const std::filesystem::path& file, Kind kind) const
{
    const char* key = kind == Kind::Text ? "txtfile\\shell\\open\\command" : "HTTP\\shell\\open\\command";
    const std::string command = associatedCommandLine(m_registry.defaultValue(key).value_or(""), file.string());
    if (command.empty()) {
        return Status::failure(std::string("no program is registered under ") + key);
    }
    if (WinExec(command.c_str(), SW_SHOWNORMAL) <= 31) {
        return Status::failure("cannot start " + command);
    }
    return Status::success();
}

std::unique_ptr<FileOpener> makeSystemFileOpener()
{
    static const WindowsClassesRegistry registry;
    return std::make_unique<WindowsFileOpener>(registry);
}

} // namespace zelmora

#endif
