#pragma once
// Finding the user's browser the Windows way: the open command registered for HTML files,
// split into the program and the parameters it wants before the address.

#include "core/platform/ClassesRegistry.h"

#include <array>
#include <string>
#include <string_view>

namespace zelmora {

// The extensions whose open command is looked up, in this order.
inline constexpr std::array<std::string_view, 4> HtmlExtensions = {".HTM", ".HTML", ".SHTML", ".SHTM"};

// The open command registered for HTML files, or the empty text.
std::string ReadBrowserCommand(const ClassesRegistry& registry);

struct BrowserProgram {
    std::string path;            // empty when no browser was found
    std::string extraParameters; // what the command puts before the address, "%1" dropped

    friend bool operator==(const BrowserProgram&, const BrowserProgram&) = default;
};

// Splits an open command after its last ".EXE", ".BAT" or ".COM" (any case). A command
// naming none of them gives no browser.
BrowserProgram splitBrowserCommand(std::string_view command);

// The browser of ReadBrowserCommand.
BrowserProgram FindBrowser(const ClassesRegistry& registry);

} // namespace zelmora
