#include "core/base/FoldedName.h"

namespace zelmora {

namespace {

bool isSeparator(unsigned char byte) { return byte <= ' ' || byte == '-' || byte == 0xA0; }

// Letters that fold to two: Æ, Œ, ß and Þ, in either case.
std::string_view twoLetterFold(unsigned char byte)
{
    switch (byte) {
    case 0xC6: case 0xE6: return "ae";
    case 0x8C: case 0x9C: return "oe";
    case 0xDF: return "ss";
    case 0xDE: case 0xFE: return "th";
    default: return {};
    }
}

char oneLetterFold(unsigned char byte)
{
    // 0xC0 to 0xDF, and 0xE0 to 0xFF in the same order; "*" keeps the byte (×, ÷) or
    // marks a letter folded elsewhere.
    constexpr std::string_view Unaccented = "aaaaaa*ceeeeiiiidnooooo*ouuuuy**";
    if (byte >= 'A' && byte <= 'Z') {
        return static_cast<char>(byte - 'A' + 'a');
    }
    if (byte == 0xFF || byte == 0x9F) {
        return 'y';
    }
    if (byte >= 0xC0 && Unaccented[(byte - 0xC0) % 32] != '*') {
        return Unaccented[(byte - 0xC0) % 32];
    }
    switch (byte) {
    case 0x8A: case 0x9A: return 's';
    case 0x8E: case 0x9E: return 'z';
    default: return static_cast<char>(byte);
    }
}

} // namespace

std::string foldName(std::string_view name)
{
    std::string folded;
    bool separated = false;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (isSeparator(byte)) {
            separated = !folded.empty();
            continue;
        }
        if (separated) {
            folded += '-';
            separated = false;
        }
        const std::string_view two = twoLetterFold(byte);
        if (two.empty()) {
            folded += oneLetterFold(byte);
        } else {
            folded += two;
        }
    }
    return folded;
}

std::string_view firstPart(std::string_view foldedName)
{
    const std::size_t hyphen = foldedName.find('-');
    return hyphen == std::string_view::npos ? std::string_view{} : foldedName.substr(0, hyphen);
}

bool containsFolded(std::string_view text, std::string_view part)
{
    return foldName(text).find(foldName(part)) != std::string::npos;
}

} // namespace zelmora
