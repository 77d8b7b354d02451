#include "core/web/RegistryWebLauncher.h"

#include "core/web/BrowserCommand.h"

namespace zelmora {

bool RegistryWebLauncher::launch(std::string_view address, TBrowserState state) const
{
    const BrowserProgram browser = FindBrowser(m_registry);
    if (browser.path.empty()) {
        return false;
    }
    constexpr int ShowMaximized = 3;
    constexpr int ShowNormal = 1;
    return m_starter(browser.path, browser.extraParameters + " " + std::string(address),
                     state == TBrowserState::gwMaximized ? ShowMaximized : ShowNormal);
}

} // namespace zelmora
