#pragma once
// Test texts written in UTF-8, as the core holds them: Windows-1252.

#include "core/base/Cp1252.h"

#include <string>
#include <string_view>

namespace zelmora::test {

inline std::string cp1252Of(std::string_view utf8) { return cp1252::fromUtf8(utf8).text; }

} // namespace zelmora::test
