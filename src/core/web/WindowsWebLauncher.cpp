// The system launcher of Windows: the registry route with ShellExecute.

#include "core/base/PathText.h"
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
            const auto result = ShellExecuteW(GetActiveWindow(), nullptr, pathFromUtf8(program).c_str(),
                                              pathFromUtf8(parameters).c_str(), nullptr, showCommand);
            return reinterpret_cast<INT_PTR>(result) > 32;
        });
}

} // namespace zelmora
