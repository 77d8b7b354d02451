#pragma once
// Text in a character set that a file names (vCard's CHARSET=SHIFT_JIS), turned into
// UTF-8 by the system's own converter: iconv on POSIX systems (PosixCharsetConversion.cpp),
// the Windows code pages on Windows (WindowsCharsetConversion.cpp).

#include <optional>
#include <string>
#include <string_view>

namespace zelmora {

// The bytes as UTF-8, a byte sequence the character set does not define becoming a
// replacement character (U+FFFD, or the code page's own on Windows); nothing when the
// system does not know the character set.
std::optional<std::string> convertToUtf8(std::string_view bytes, std::string_view charset);

} // namespace zelmora
