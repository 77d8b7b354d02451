#ifdef _WIN32
// The system launcher of Windows: the registry route with ShellExecute.

#include "core/platform/WindowsClassesRegistry.h"
#include "core/web/RegistryWebLauncher.h"

#include <windows.h>
#include <shellapi.h>

namespace zelmora {

std::unique_ptr<WebLauncher> makeSystemWebLauncher()
{
    static const WindowsClassesRegistry registry;
    return std::make_unique<RegistryWebLauncher>(
        registry, [](const std::string& program, const std::string& parameters, int showCommand) {
            const auto result = ShellExecuteA(GetActiveWindow(), nullptr, program.c_str(), parameters.c_str(), nullptr,
                                              showCommand);
            return reinterpret_cast<INT_PTR>(result) > 32;
        });
}

} // namespace zelmora

#endif
