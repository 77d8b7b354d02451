#pragma once
// A file's text as the readers of contacts take it: a byte order mark dropped, and text
// in UTF-16 (which Windows programs write with a mark) turned into UTF-8.

#include <string>
#include <string_view>

namespace zelmora {

struct FileText {
    std::string text;
    // Every character is known: a character set that the file names no longer applies to
    // the text itself, only to bytes it encodes (quoted-printable).
    bool wasUtf16 = false;

    static FileText fromBytes(std::string_view bytes);
};

bool isUtf8(std::string_view text);

} // namespace zelmora
