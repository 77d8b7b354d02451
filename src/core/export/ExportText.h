#pragma once
// What the text and HTML exports share: lines ended by CR LF, the product's name and version.

#include <initializer_list>
#include <string>
#include <string_view>

namespace zelmora {

inline constexpr std::string_view ProductName = "Zelmora";
inline constexpr std::string_view ExportLineEnd = "\r\n";

// Appends the parts as one line.
inline void appendLine(std::string& out, std::initializer_list<std::string_view> parts)
{
    for (const std::string_view part : parts) {
        out += part;
    }
    out += ExportLineEnd;
}

} // namespace zelmora
