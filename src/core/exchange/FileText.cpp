#include "core/exchange/FileText.h"

#include "core/base/Cp1252.h"

namespace zelmora {

namespace {

constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view Utf16LittleEndianMark = "\xFF\xFE";
constexpr std::string_view Utf16BigEndianMark = "\xFE\xFF";

// UTF-16 code units to UTF-8; a lone surrogate becomes U+FFFD, an odd last byte is dropped.
std::string utf16ToUtf8(std::string_view bytes, bool bigEndian)
{
    const auto unitAt = [&](std::size_t i) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        return static_cast<char32_t>(bigEndian ? (first << 8 | second) : (second << 8 | first));
    };
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const char32_t unit = unitAt(i);
        if (unit < 0xD800 || unit > 0xDFFF) {
            cp1252::appendUtf8(out, unit);
        } else if (unit < 0xDC00 && i + 3 < bytes.size() && unitAt(i + 2) >= 0xDC00 && unitAt(i + 2) <= 0xDFFF) {
            cp1252::appendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (unitAt(i + 2) - 0xDC00));
            i += 2;
        } else {
            cp1252::appendUtf8(out, 0xFFFD);
        }
    }
    return out;
}

} // namespace

FileText FileText::fromBytes(std::string_view bytes)
{
    if (bytes.starts_with(Utf16LittleEndianMark) || bytes.starts_with(Utf16BigEndianMark)) {
        return {utf16ToUtf8(bytes.substr(2), bytes.starts_with(Utf16BigEndianMark)), true};
    }
    if (bytes.starts_with(Utf8Mark)) {
        bytes.remove_prefix(Utf8Mark.size());
    }
    return {std::string(bytes), false};
}

bool isUtf8(std::string_view text)
{
    for (std::size_t pos = 0; pos < text.size();) {
        if (cp1252::decodeUtf8(text, pos) < 0) {
            return false;
        }
    }
    return true;
}

} // namespace zelmora
