#pragma once
// Opens addresses through xdg-open, which hands them to the user's preferred browser or
// mail program.

#include "core/web/WebLauncher.h"

#include <string>

namespace zelmora {

class XdgWebLauncher final : public WebLauncher {
public:
    // `command` is the opener to run; tests put a harmless program in place of xdg-open.
    explicit XdgWebLauncher(std::string command = "xdg-open") : m_command(std::move(command)) {}

    // The window state is left to the desktop: xdg-open has no way to pass it on.
    Status launch(std::string_view address, TBrowserState state) const override;

private:
    std::string m_command;
};

// The address as xdg-open needs it: in UTF-8. Which addresses are opened at all is
// TGoToWeb's choice.
std::string xdgAddress(std::string_view address);

} // namespace zelmora
