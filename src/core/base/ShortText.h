#pragma once
// Fixed-capacity single-byte text: a length and at most Capacity Windows-1252 bytes.
// A longer value is cut when stored, so a text longer than its capacity cannot exist.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <string_view>

namespace zelmora {

// A mutable view of any ShortText, whatever its capacity, so that code walking the
// nineteen differently sized fields of a record can do so in one loop.
class ShortTextRef {
public:
    ShortTextRef(std::span<char> chars, std::uint8_t& length) : m_chars(chars), m_length(length) {}

    void assign(std::string_view text)
    {
        const std::size_t kept = std::min(text.size(), m_chars.size());
        std::copy_n(text.data(), kept, m_chars.data());
        m_length = static_cast<std::uint8_t>(kept);
    }
    // Writes the first `size` characters (at most the capacity) through `write(chars, count)`.
    template <class Write> void assignWith(std::size_t size, Write write)
    {
        const std::size_t kept = std::min(size, m_chars.size());
        write(m_chars.data(), kept);
        m_length = static_cast<std::uint8_t>(kept);
    }
    std::string_view view() const { return {m_chars.data(), m_length}; }
    std::size_t capacity() const { return m_chars.size(); }

private:
    std::span<char> m_chars;
    std::uint8_t& m_length;
};

template <std::size_t Capacity>
class ShortText {
    static_assert(Capacity > 0 && Capacity <= 255, "a short text holds 1 to 255 characters");

public:
    ShortText() = default;
    ShortText(std::string_view text) { assign(text); } // NOLINT: cutting conversion is the point

    static constexpr std::size_t capacity() { return Capacity; }

    void assign(std::string_view text) { ref().assign(text); }
    void clear() { m_length = 0; }

    std::string_view view() const { return {m_chars.data(), m_length}; }
    std::string str() const { return std::string(view()); }
    std::size_t size() const { return m_length; }
    bool empty() const { return m_length == 0; }
    char operator[](std::size_t i) const { return m_chars[i]; }

    ShortTextRef ref() { return ShortTextRef(m_chars, m_length); }

    friend bool operator==(const ShortText& a, const ShortText& b) { return a.view() == b.view(); }
    friend bool operator==(const ShortText& a, std::string_view b) { return a.view() == b; }

private:
    std::uint8_t m_length = 0;
    std::array<char, Capacity> m_chars{};
};

// Text order of the whole program: byte by byte on unsigned codes, a text that begins
// another being the smaller. (std::string_view compares char, which is signed here.)
inline int compareBytes(std::string_view a, std::string_view b)
{
    const std::size_t common = std::min(a.size(), b.size());
    if (common > 0) {
        if (const int c = std::memcmp(a.data(), b.data(), common); c != 0) {
            return c;
        }
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

inline bool lessBytes(std::string_view a, std::string_view b) { return compareBytes(a, b) < 0; }

// Leading and trailing characters with codes up to 32 (blanks and controls) removed.
std::string_view trimControls(std::string_view text);

// Compares the concatenations a1+a2 and b1+b2 without building them.
int compareJoined(std::string_view a1, std::string_view a2, std::string_view b1, std::string_view b2);

} // namespace zelmora
