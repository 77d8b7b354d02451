#pragma once
// Fills a friend's card from UTF-8 values as typing them into the card would: one line of
// Windows-1252 per field (line breaks and tabs become blanks, other control characters
// are dropped, a character the code page lacks becomes "?"), names trimmed, the last name
// in capitals, and each field filled once. Every change is counted or noted.

#include "core/exchange/CalendarDay.h"
#include "core/exchange/MappedFriend.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace zelmora {

class FriendBuilder {
public:
    FriendBuilder();

    // Each value may say where in the card it was read, which the result keeps.
    struct Value {
        std::string_view utf8;
        Origin origin = NoOrigin;
    };

    // Cuts the value to the field as the card's edit cuts it; a cut is noted.
    void set(FriendField field, Value value);
    // Stores the first of the values that fits whole: an e-mail address, a web address or
    // a phone number is never cut, for cut it would be wrong. Passing over a value, or
    // finding none that fits, is noted. Returns how many values were left unused besides.
    std::size_t setFirstFitting(FriendField field, const std::vector<Value>& values);
    void setDate(FriendField field, const CalendarDay& day, Origin origin = NoOrigin);

    bool filled(FriendField field) const { return m_filled[fieldIndex(field)]; }
    // The value as the card would show it, uncut and uncounted, in Windows-1252.
    static std::string cardText(std::string_view utf8);

    FriendNotes& notes() { return m_result.notes; }
    MappedFriend result() const { return m_result; }

private:
    void store(FriendField field, Value value, std::size_t capacity);

    MappedFriend m_result;
    std::array<bool, FriendFieldCount> m_filled{};
};

} // namespace zelmora
