#pragma once
// A day of the year without a year, as the saints' calendar knows it and as a saint's day
// is stored on the card: "24/06/" followed by four blanks.

#include "core/base/ShortText.h"
#include "core/platform/Clock.h"

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zelmora {

struct MonthDay {
    std::uint8_t day = 1;
    std::uint8_t month = 1;

    friend bool operator==(const MonthDay&, const MonthDay&) = default;
    // Calendar order: January first.
    friend std::strong_ordering operator<=>(const MonthDay& a, const MonthDay& b)
    {
        return a.month != b.month ? a.month <=> b.month : a.day <=> b.day;
    }

    // Whether some year has this day (29 February does).
    bool exists() const;
    // "24/06".
    std::string text() const;
    // "24/06/    ": the card's date text of a saint's day, whose year is left blank.
    ShortText<10> feteText() const;

    static MonthDay of(const LocalDate& date);
    // "24/06" or "4/6"; nothing for anything else or for a day no year has (31/04).
    static std::optional<MonthDay> parse(std::string_view dayAndMonth);
};

} // namespace zelmora
