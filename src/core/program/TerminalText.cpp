#include "core/program/TerminalText.h"

#include "core/base/Cp1252.h"

#include <algorithm>

namespace zelmora {

namespace {

std::string shownSafely(std::string_view text, bool keepLineBreaks)
{
    const auto unsafe = [keepLineBreaks](char c) { return isControlCharacter(c) && !(keepLineBreaks && c == '\n'); };
    if (std::none_of(text.begin(), text.end(), unsafe)) {
        return cp1252::toUtf8(text); // the usual case: no copy to mend
    }
    std::string safe(text);
    std::replace_if(safe.begin(), safe.end(), unsafe, '?');
    return cp1252::toUtf8(safe);
}

} // namespace

bool isControlCharacter(char c) { return cp1252::isControl(cp1252::toCodePoint(static_cast<unsigned char>(c))); }

std::string terminalLine(std::string_view text) { return shownSafely(text, false); }

std::string terminalMessage(std::string_view text) { return shownSafely(text, true); }

} // namespace zelmora
