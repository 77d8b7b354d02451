#include "core/web/RegistryWebLauncher.h"

#include "core/base/Cp1252.h"
#include "core/web/BrowserCommand.h"

namespace zelmora {

namespace {

// The address is one parameter on the browser's command line: a blank or a quote in it
// would start another one.
std::string asOneParameter(std::string_view address)
{
    std::string parameter;
    for (const char c : address) {
        parameter += c == ' ' ? "%20" : c == '"' ? "%22" : std::string(1, c);
    }
    return parameter;
}

} // namespace

Status RegistryWebLauncher::launch(std::string_view address, TBrowserState state) const
{
    const BrowserProgram browser = FindBrowser(m_registry);
    if (browser.path.empty()) {
        return Status::failure("no browser is registered for web pages");
    }
    constexpr int ShowMaximized = 3;
    constexpr int ShowNormal = 1;
    if (!m_starter(browser.path, browser.extraParameters + " " + cp1252::toUtf8(asOneParameter(address)),
                   state == TBrowserState::gwMaximized ? ShowMaximized : ShowNormal)) {
        return Status::failure("the browser " + browser.path + " could not be started");
    }
    return Status::success();
}

} // namespace zelmora
