#include "core/data/FieldCodec.h"

#include <array>
#include <cstring>

namespace zelmora {

namespace {

// The key is "tkzq"; byte j of a text takes key character (j + 3) mod 4.
constexpr std::array<char, 4> KeyByPosition = {'q', 't', 'k', 'z'};

void scrambleInto(char* out, std::string_view text)
{
    // Eight bytes at a time: the key repeats every four bytes, so one word holds it twice.
    std::uint64_t keyWord = 0;
    std::memcpy(&keyWord, "qtkzqtkz", 8);
    std::size_t j = 0;
    for (; j + 8 <= text.size(); j += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, text.data() + j, 8);
        word ^= keyWord;
        std::memcpy(out + j, &word, 8);
    }
    for (; j < text.size(); ++j) {
        out[j] = static_cast<char>(text[j] ^ KeyByPosition[j % 4]);
    }
}

} // namespace

std::string Scramble(std::string_view text)
{
    std::string out(text.size(), '\0');
    scrambleInto(out.data(), text);
    return out;
}

std::string LengthDigits(std::uint16_t length)
{
    std::string digits(5, '0');
    for (std::size_t i = 5; i-- > 0 && length > 0; length /= 10) {
        digits[i] = static_cast<char>('0' + length % 10);
    }
    return digits;
}

void WriteField(std::string& out, std::string_view value)
{
    const std::size_t start = out.size();
    out.resize(start + 5 + value.size());
    scrambleInto(out.data() + start, LengthDigits(static_cast<std::uint16_t>(value.size())));
    scrambleInto(out.data() + start + 5, value);
}

std::optional<std::string_view> FieldReader::nextScrambledValue()
{
    if (m_bytes.size() - m_pos < 5) {
        return std::nullopt;
    }
    std::uint32_t length = 0;
    for (std::size_t j = 0; j < 5; ++j) {
        const char digit = static_cast<char>(m_bytes[m_pos + j] ^ KeyByPosition[j % 4]);
        if (digit < '0' || digit > '9') {
            return std::nullopt;
        }
        length = length * 10 + static_cast<std::uint32_t>(digit - '0');
    }
    length = static_cast<std::uint16_t>(length); // the length is held in 16 bits
    m_pos += 5;
    if (m_bytes.size() - m_pos < length) {
        return std::nullopt;
    }
    const std::string_view value = m_bytes.substr(m_pos, length);
    m_pos += length;
    return value;
}

std::optional<std::string> FieldReader::ReadField()
{
    const auto scrambled = nextScrambledValue();
    if (!scrambled) {
        return std::nullopt;
    }
    return Scramble(*scrambled);
}

bool FieldReader::ReadField(ShortTextRef target)
{
    const auto scrambled = nextScrambledValue();
    if (!scrambled) {
        return false;
    }
    target.assignWith(scrambled->size(), [&](char* chars, std::size_t count) { scrambleInto(chars, scrambled->substr(0, count)); });
    return true;
}

} // namespace zelmora
