#pragma once
// The one conversion between file names and text. Texts that name files (arguments,
// environment variables, messages) are UTF-8 on every system; Windows keeps file names
// in UTF-16, where its ANSI code page would lose every character it does not hold.

#include <filesystem>
#include <string>
#include <string_view>

namespace zelmora {

// The path's name in UTF-8 (on Linux its bytes, as they are).
std::string pathToUtf8(const std::filesystem::path& path);

// The path a UTF-8 text names.
std::filesystem::path pathFromUtf8(std::string_view utf8);

} // namespace zelmora
