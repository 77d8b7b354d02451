#include "core/web/XdgWebLauncher.h"

#include "core/base/Cp1252.h"
#include "core/platform/ProcessLauncher.h"

namespace zelmora {

std::string xdgAddress(std::string_view address) { return cp1252::toUtf8(address); }

Status XdgWebLauncher::launch(std::string_view address, TBrowserState) const
{
    return startDetached({m_command, xdgAddress(address)});
}

std::unique_ptr<WebLauncher> makeSystemWebLauncher() { return std::make_unique<XdgWebLauncher>(); }

} // namespace zelmora
