#include "core/platform/CharsetConversion.h"

#include <windows.h>

#include <array>
#include <utility>

namespace zelmora {

namespace {

// The name in capitals without "-", "_" or blanks, so that Shift_JIS, SHIFT-JIS and
// shift_jis compare equal.
std::string normalised(std::string_view charset)
{
    std::string name;
    for (const char c : charset) {
        if (c != '-' && c != '_' && c != ' ') {
            name += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
        }
    }
    return name;
}

// The number after `prefix`, or 0.
unsigned numberAfter(std::string_view name, std::string_view prefix)
{
    if (!name.starts_with(prefix) || name.size() == prefix.size() || name.size() > prefix.size() + 5) {
        return 0;
    }
    unsigned number = 0;
    for (const char c : name.substr(prefix.size())) {
        if (c < '0' || c > '9') {
            return 0;
        }
        number = number * 10 + static_cast<unsigned>(c - '0');
    }
    return number;
}

// The Windows code page of a character set name as files write it; 0 when there is none.
UINT codePageOf(std::string_view charset)
{
    static constexpr std::array<std::pair<std::string_view, UINT>, 22> Named = {{
        {"SHIFTJIS", 932}, {"SJIS", 932}, {"MSKANJI", 932}, {"WINDOWS31J", 932}, {"EUCJP", 20932},
        {"ISO2022JP", 50220}, {"GB2312", 936}, {"GBK", 936}, {"GB18030", 54936}, {"BIG5", 950},
        {"EUCKR", 51949}, {"KSC56011987", 949}, {"UHC", 949}, {"KOI8R", 20866}, {"KOI8U", 21866},
        {"USASCII", 20127}, {"ASCII", 20127}, {"UTF8", CP_UTF8}, {"MACINTOSH", 10000}, {"TIS620", 874},
        {"UTF7", CP_UTF7}, {"VISCII", 1258},
    }};
    const std::string name = normalised(charset);
    for (const auto& [known, codePage] : Named) {
        if (name == known) {
            return codePage;
        }
    }
    if (const unsigned part = numberAfter(name, "ISO8859"); part >= 1 && part <= 15) {
        return 28590 + part;
    }
    for (const std::string_view prefix : {"WINDOWS", "CP", "IBM"}) {
        if (const unsigned codePage = numberAfter(name, prefix); codePage > 0) {
            return codePage;
        }
    }
    return 0;
}

} // namespace

std::optional<std::string> convertToUtf8(std::string_view bytes, std::string_view charset)
{
    const UINT codePage = codePageOf(charset);
    if (codePage == 0 || !IsValidCodePage(codePage)) {
        return std::nullopt;
    }
    if (bytes.empty()) {
        return std::string();
    }
    // Without MB_ERR_INVALID_CHARS, an undefined sequence becomes the replacement character.
    const int size = static_cast<int>(bytes.size());
    const int wideSize = MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
    if (wideSize == 0) {
        return std::nullopt; // a code page Windows has but cannot convert from (UTF-16's)
    }
    std::wstring wide(static_cast<std::size_t>(wideSize), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), size, wide.data(), wideSize);
    const int utf8Size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideSize, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(utf8Size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideSize, utf8.data(), utf8Size, nullptr, nullptr);
    return utf8;
}

} // namespace zelmora
