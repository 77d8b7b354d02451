#pragma once
// Dates as the card holds them: the ten-character text "dd/mm/yyyy" typed into a mask,
// never validated, and the small arithmetic the reminder builds on. Every rule works on
// the characters as they stand.

#include "core/base/LangText.h"
#include "core/base/ShortText.h"
#include "core/data/MonthDay.h"
#include "core/platform/Clock.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zelmora {

using DateText = ShortText<10>;
using DateKey = ShortText<10>; // yyyymmdd, compared as text

// The text of an untouched date mask.
inline constexpr std::string_view EmptyDateText = "  /  /    ";

// Decimal text of a number, "-" for a negative one, no padding.
std::string NumToText(std::int32_t value);
// Leading blanks skipped, then digits up to the first non-digit; never fails.
std::int32_t TextToNum(std::string_view text);

// Where 29 February is celebrated in a common year: 1 March, the day the day arithmetic
// already counts it on, or the last day of February.
enum class LeapDayRule : std::uint8_t { MarchFirst, FebruaryLast };

// The day on which a date of `month` and `day` is celebrated in `year`: itself, except
// 29 February in a common year, which the rule moves.
MonthDay CelebratedDay(int month, int day, int year, LeapDayRule rule);

DateKey DateToKey(std::string_view date);
DateText KeyToDate(std::string_view key);
// The key of the day the date is celebrated on next, this year from the month of
// `todayKey` on, else next year.
DateKey NextOccurrenceKey(std::string_view date, std::string_view todayKey,
                          LeapDayRule rule = LeapDayRule::MarchFirst);
std::uint16_t AgeInYears(std::string_view dateKey, std::string_view occurrenceKey);
std::int32_t DayNumber(std::string_view key);
bool IsLeapYear(std::uint16_t year);

// What the card's date mask makes of typed text: up to two digits, "/", up to two
// digits, "/", up to four digits, each group padded with leading blanks ("5/12/1980"
// gives " 5/12/1980"); an empty text is the empty date. Nothing for anything else.
std::optional<DateText> MaskedDate(std::string_view typed);

// Why a typed date (as MaskedDate leaves it) is no day of the calendar, in `language`: a
// day outside 1 to 31 or past its month's end (29/02 needs a leap year or no year), or a
// month outside 1 to 12; nothing when it is possible. Any part may be left empty. Only
// what the user types is checked: dates read from a file are shown as they are.
std::optional<std::string> whyImpossibleDate(std::string_view date, Language language);

// NumToText(year), then month and day as two digits each.
DateKey MakeDateKey(int year, int month, int day);
DateKey TodayKey(const Clock& clock);

} // namespace zelmora
