#include "core/base/Cp1252.h"

#include <cstdio>

namespace zelmora::cp1252 {

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string toUtf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 4);
    // ASCII is the same in both: it goes over in runs, the other bytes one by one.
    std::size_t run = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte >= 0x80) {
            out.append(text.substr(run, i - run));
            appendUtf8(out, toCodePoint(byte));
            run = i + 1;
        }
    }
    out.append(text.substr(run));
    return out;
}

Converted fromUtf8(std::string_view utf8)
{
    Converted result;
    result.text.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const std::size_t start = pos;
        const long codePoint = decodeUtf8(utf8, pos);
        if (codePoint < 0) {
            result.ok = false;
            result.error = {start, 0, true};
            return result;
        }
        const int byte = toByte(static_cast<char32_t>(codePoint));
        if (byte < 0) {
            result.ok = false;
            result.error = {start, static_cast<char32_t>(codePoint), false};
            return result;
        }
        result.text += static_cast<char>(byte);
    }
    return result;
}

std::string forDisplay(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const long codePoint = decodeUtf8(utf8, pos);
        const int byte = codePoint < 0 ? -1 : toByte(static_cast<char32_t>(codePoint));
        if (codePoint < 0) {
            ++pos;
        }
        out += byte < 0 ? '?' : static_cast<char>(byte);
    }
    return out;
}

std::string toUpper(std::string_view text)
{
    std::string out(text);
    for (char& c : out) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= 'a' && byte <= 'z') || (byte >= 0xE0 && byte <= 0xFE && byte != 0xF7)) {
            c = static_cast<char>(byte - 0x20);
        } else if (byte == 0x9A || byte == 0x9C || byte == 0x9E) {
            c = static_cast<char>(byte - 0x10);
        } else if (byte == 0xFF) {
            c = static_cast<char>(0x9F);
        }
    }
    return out;
}

std::string describe(const ConversionError& error, std::string_view utf8)
{
    if (error.invalidUtf8) {
        return "an invalid UTF-8 byte";
    }
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(error.codePoint));
    // A control or a change of writing direction would act on the message instead of showing.
    const char32_t c = error.codePoint;
    if (c < 0xA0 || (c >= 0x2028 && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069)) {
        return code;
    }
    std::size_t end = error.offset;
    decodeUtf8(utf8, end);
    return std::string(code) + " (" + std::string(utf8.substr(error.offset, end - error.offset)) + ")";
}

} // namespace zelmora::cp1252
