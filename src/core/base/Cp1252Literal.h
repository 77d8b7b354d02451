#pragma once
// A text written in UTF-8 in the source and turned into Windows-1252 by the compiler, for
// the tables built into the program: a character the code page cannot hold, or a text
// longer than Capacity, does not compile.

#include "core/base/Cp1252.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace zelmora {

template <std::size_t Capacity>
class Cp1252Literal {
public:
    consteval Cp1252Literal(const char* utf8) // NOLINT: converting a literal is the point
    {
        const std::string_view source(utf8);
        std::size_t pos = 0;
        while (pos < source.size()) {
            const long codePoint = cp1252::decodeUtf8(source, pos);
            if (codePoint < 0) {
                throw "invalid UTF-8 in a built-in text";
            }
            const int byte = cp1252::toByte(static_cast<char32_t>(codePoint));
            if (byte < 0) {
                throw "a built-in text holds a character Windows-1252 cannot hold";
            }
            if (m_size == m_bytes.size()) {
                throw "a built-in text is longer than its capacity";
            }
            m_bytes[m_size++] = static_cast<char>(byte);
        }
    }
    constexpr std::string_view view() const { return {m_bytes.data(), m_size}; }

private:
    std::array<char, Capacity> m_bytes{};
    std::size_t m_size = 0;
};

} // namespace zelmora
