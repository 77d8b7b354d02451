#pragma once
// A friend's four dates to celebrate, in the order every part of the program examines
// them, each with the tag that files written for other programs name it by.

#include "core/data/Friend.h"

#include <array>
#include <optional>
#include <string_view>

namespace zelmora {

struct FriendDate {
    FriendField field;
    std::string_view tag; // stays the same from one version to the next: calendars key on it
};

inline constexpr std::array<FriendDate, 4> FriendDates = {{
    {FriendField::Anniversaire, "birthday"},
    {FriendField::Fete, "saints-day"},
    {FriendField::Date1, "date1"},
    {FriendField::Date2, "date2"},
}};

inline std::string_view friendDateTag(FriendField field)
{
    for (const FriendDate& date : FriendDates) {
        if (date.field == field) {
            return date.tag;
        }
    }
    return {};
}

inline std::optional<FriendField> friendDateByTag(std::string_view tag)
{
    for (const FriendDate& date : FriendDates) {
        if (date.tag == tag) {
            return date.field;
        }
    }
    return std::nullopt;
}

} // namespace zelmora
