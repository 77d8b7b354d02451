#ifndef _WIN32

#include "core/web/XdgWebLauncher.h"

#include "core/base/Cp1252.h"
#include "core/platform/ProcessLauncher.h"

namespace zelmora {

namespace {

// "mailto:" has no "//"; any other scheme is written with "://" before the first "/".
bool namesScheme(std::string_view address)
{
    if (cp1252::toUpper(address.substr(0, 7)) == "MAILTO:") {
        return true;
    }
    const std::size_t separator = address.find("://");
    return separator != std::string_view::npos && address.substr(0, separator).find('/') == std::string_view::npos;
}

} // namespace

std::string xdgAddress(std::string_view address)
{
    const std::string utf8 = cp1252::toUtf8(address);
    if (utf8.empty() || namesScheme(utf8)) {
        return utf8;
    }
    return "http://" + utf8;
}

bool XdgWebLauncher::launch(std::string_view address, TBrowserState) const
{
    return startDetached({m_command, xdgAddress(address)}).ok;
}

std::unique_ptr<WebLauncher> makeSystemWebLauncher() { return std::make_unique<XdgWebLauncher>(); }

} // namespace zelmora

#endif
