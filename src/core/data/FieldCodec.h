#pragma once
// The field encoding shared by the database and settings files: five scrambled length
// digits, then the scrambled value.

#include "core/base/ShortText.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zelmora {

// Exclusive-or with the key, restarting at the first byte; applying it twice restores the text.
std::string Scramble(std::string_view text);
// A length as five zero-padded decimal digits.
std::string LengthDigits(std::uint16_t length);
// Appends one field to `out`.
void WriteField(std::string& out, std::string_view value);

// Reads fields one after another from bytes held in memory.
class FieldReader {
public:
    explicit FieldReader(std::string_view bytes) : m_bytes(bytes) {}

    // The next field's value, unscrambled; nothing when the bytes end early or the
    // length digits are not digits (a damaged file).
    std::optional<std::string> ReadField();
    // The same, cut to the capacity of `target`, without building a longer text.
    bool ReadField(ShortTextRef target);
    // Whether bytes are left after the fields read so far.
    bool hasMore() const { return m_pos < m_bytes.size(); }

private:
    std::optional<std::string_view> nextScrambledValue();

    std::string_view m_bytes;
    std::size_t m_pos = 0;
};

} // namespace zelmora
