#pragma once
// The text form vCard and iCalendar share: content lines folded at 75 octets and ended
// with CRLF, and text values with their special characters escaped. Input is UTF-8.

#include <string>
#include <string_view>

namespace zelmora {

// Backslash, ";", "," and line breaks escaped as both formats want in a text value.
std::string escapeContentText(std::string_view utf8);

// Appends `line` folded into pieces of at most 75 octets (a continuation starts with a
// blank, which counts), never inside a UTF-8 character, each ended with CRLF.
void appendContentLine(std::string& out, std::string_view line);

} // namespace zelmora
