#pragma once
// Windows-1252, the one code page of every stored text, and its conversion to and from
// UTF-8 at the program's edges. A character the code page cannot hold is reported,
// never replaced.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zelmora::cp1252 {

// Unicode code points of bytes 0x80 to 0x9F. The five bytes Windows leaves undefined
// map to the C1 control of the same value, so that every byte survives a round trip.
inline constexpr std::array<char32_t, 32> HighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char32_t toCodePoint(unsigned char byte)
{
    return (byte >= 0x80 && byte <= 0x9F) ? HighControls[byte - 0x80] : char32_t{byte};
}

// A control character: below a blank, DEL, or a C1 control (five of which Windows-1252
// keeps for its undefined bytes).
constexpr bool isControl(char32_t codePoint) { return codePoint < 0x20 || (codePoint >= 0x7F && codePoint < 0xA0); }

// The byte for a code point, or -1 when Windows-1252 has none.
constexpr int toByte(char32_t codePoint)
{
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        return static_cast<int>(codePoint);
    }
    for (std::size_t i = 0; i < HighControls.size(); ++i) {
        if (HighControls[i] == codePoint) {
            return static_cast<int>(0x80 + i);
        }
    }
    return -1;
}

// Decodes one UTF-8 sequence at `pos`; returns the code point and advances `pos`,
// or returns -1 (leaving `pos` unchanged) for a malformed sequence.
constexpr long decodeUtf8(std::string_view utf8, std::size_t& pos)
{
    const auto lead = static_cast<unsigned char>(utf8[pos]);
    std::size_t extra = 0;
    char32_t value = 0;
    if (lead < 0x80) {
        ++pos;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        value = lead & 0x1Fu;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        value = lead & 0x0Fu;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        value = lead & 0x07u;
    } else {
        return -1;
    }
    if (pos + extra >= utf8.size()) {
        return -1;
    }
    for (std::size_t i = 1; i <= extra; ++i) {
        const auto next = static_cast<unsigned char>(utf8[pos + i]);
        if ((next & 0xC0) != 0x80) {
            return -1;
        }
        value = (value << 6) | (next & 0x3Fu);
    }
    constexpr char32_t smallest[] = {0, 0x80, 0x800, 0x10000};
    if (value < smallest[extra] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        return -1; // overlong form, beyond Unicode, or a surrogate
    }
    pos += extra + 1;
    return static_cast<long>(value);
}

std::string toUtf8(std::string_view text);

// Appends the code point as UTF-8.
void appendUtf8(std::string& out, char32_t codePoint);

// Why a UTF-8 text could not become Windows-1252.
struct ConversionError {
    std::size_t offset = 0;    // byte offset in the UTF-8 input
    char32_t codePoint = 0;    // the character, when the input was valid UTF-8
    bool invalidUtf8 = false;
};

struct Converted {
    std::string text;
    bool ok = true;
    ConversionError error;
};

Converted fromUtf8(std::string_view utf8);

// For messages only (file names, system errors): characters the code page cannot hold
// become "?". Never use it on data.
std::string forDisplay(std::string_view utf8);

// Capitals as Windows makes them in this code page: a-z and the accented small letters,
// é becoming É, š Š, œ Œ, ž Ž and ÿ Ÿ; ß and µ have no capital and stay.
std::string toUpper(std::string_view text);

// "U+0101 (ā)" or "an invalid UTF-8 byte": names the offending character for a message, in
// UTF-8 (a control character by its code only).
std::string describe(const ConversionError& error, std::string_view utf8);

} // namespace zelmora::cp1252
