#pragma once
// Hands a web address or a "mailto:" address to the user's browser or mail program.

#include "core/base/Status.h"

#include <memory>
#include <string_view>

namespace zelmora {

// How the started program's window is shown (a wish the desktop may ignore).
enum class TBrowserState { gwMaximized = 0, gwNormal = 1 };

class WebLauncher {
public:
    virtual ~WebLauncher() = default;
    // Starts the program on `address` (Windows-1252); the reason when it could not be started.
    virtual Status launch(std::string_view address, TBrowserState state) const = 0;
};

// The launcher of this system: xdg-open on Linux, the registered browser on Windows.
std::unique_ptr<WebLauncher> makeSystemWebLauncher();

} // namespace zelmora
