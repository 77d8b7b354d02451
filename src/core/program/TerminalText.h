#pragma once
// Texts from the files on their way to a terminal: a value may hold an escape sequence
// that a terminal would obey, or a line break that would split a line of the listing.

#include <string>
#include <string_view>

namespace zelmora {

// A control character: below a blank, DEL, or one of the C1 controls that Windows-1252
// leaves undefined.
bool isControlCharacter(char c);

// The Windows-1252 text in UTF-8, every control character shown as "?".
std::string terminalLine(std::string_view text);
// The same for a message, whose own line breaks stay.
std::string terminalMessage(std::string_view text);

} // namespace zelmora
