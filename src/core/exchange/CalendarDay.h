#pragma once
// A day of the year, with or without a year, between the forms that meet in an exchange:
// the card's date text "dd/mm/yyyy" (blanks for a missing year) and vCard's dates.

#include "core/data/DateText.h"

#include <optional>
#include <string>
#include <string_view>

namespace zelmora {

struct CalendarDay {
    int day = 1;
    int month = 1;
    std::optional<int> year;

    friend bool operator==(const CalendarDay&, const CalendarDay&) = default;

    // Whether the day exists in `year` (29 February only in a leap year).
    bool existsIn(int inYear) const;

    // Day and month from a date text; a year only when all four of its digits are there.
    // Nothing when day or month is missing or no year has such a day (31/04).
    static std::optional<CalendarDay> fromDateText(std::string_view dateText);
    // Nothing when no year has such a day, or when `year` has not (1981, 29 February).
    static std::optional<CalendarDay> fromNumbers(int day, int month, std::optional<int> year);
    // "19800105", "1980-01-05", "--0105" or "--01-05", a time part after "T" ignored;
    // nothing for anything else (a year alone, a month alone, free text).
    static std::optional<CalendarDay> fromVCard(std::string_view value);

    DateText toDateText() const;
    // "19800105", or "--0105" without a year or when the year has no such day (29/02/1981).
    std::string toVCard() const;
    // "1980-01-05", or "--01-05" as toVCard leaves the year out, for CSV files.
    std::string toIsoDate() const;
    // "19800105": the day in `inYear`, for calendars.
    std::string toBasicDate(int inYear) const;

private:
    // Year, month and day (or "--", month and day) with `separator` between them.
    std::string withParts(std::string_view separator) const;
};

int lastDayOfMonth(int month, int year);

} // namespace zelmora
