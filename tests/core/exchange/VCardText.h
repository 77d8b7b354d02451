#pragma once
// vCard files for tests, written one line per argument, and read back.

#include "core/exchange/VCardReader.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace zelmora::test {

inline std::string crlfLines(std::initializer_list<std::string_view> lines)
{
    std::string text;
    for (const std::string_view line : lines) {
        text.append(line).append("\r\n");
    }
    return text;
}

// One 3.0 card holding the given property lines.
inline std::string card(std::initializer_list<std::string_view> properties)
{
    std::string text = "BEGIN:VCARD\r\nVERSION:3.0\r\n";
    for (const std::string_view line : properties) {
        text.append(line).append("\r\n");
    }
    return text + "END:VCARD\r\n";
}

inline std::vector<VCard> readCards(std::string_view bytes) { return VCardReader::readAll(FileText::fromBytes(bytes)); }

} // namespace zelmora::test
