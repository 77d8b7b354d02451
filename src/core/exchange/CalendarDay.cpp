#include "core/exchange/CalendarDay.h"

#include <algorithm>
#include <cstdio>

namespace zelmora {

namespace {

constexpr int LeapYear = 2000;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool allDigits(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), isDigit);
}

// Digits after optional leading blanks, as the date mask pads them; -1 otherwise.
int maskedNumber(std::string_view group)
{
    const std::size_t first = group.find_first_not_of(' ');
    if (first == std::string_view::npos || !allDigits(group.substr(first))) {
        return -1;
    }
    return TextToNum(group);
}

std::optional<CalendarDay> makeDay(int day, int month, std::optional<int> year)
{
    if (month < 1 || month > 12 || day < 1 || day > lastDayOfMonth(month, LeapYear)) {
        return std::nullopt;
    }
    if (year == 0) {
        year.reset(); // some programs write year 0 for an unknown year
    }
    return CalendarDay{day, month, year};
}

} // namespace

int lastDayOfMonth(int month, int year)
{
    static constexpr int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(static_cast<std::uint16_t>(year)) ? 29 : days[month - 1];
}

bool CalendarDay::existsIn(int inYear) const { return day <= lastDayOfMonth(month, inYear); }

std::optional<CalendarDay> CalendarDay::fromDateText(std::string_view dateText)
{
    if (dateText.size() < 6 || dateText[2] != '/' || dateText[5] != '/') {
        return std::nullopt;
    }
    const std::string_view yearText = dateText.substr(6);
    const std::optional<int> year = yearText.size() == 4 && allDigits(yearText) ? std::optional(TextToNum(yearText))
                                                                                 : std::nullopt;
    return makeDay(maskedNumber(dateText.substr(0, 2)), maskedNumber(dateText.substr(3, 2)), year);
}

std::optional<CalendarDay> CalendarDay::fromVCard(std::string_view value)
{
    value = value.substr(0, value.find('T'));
    while (!value.empty() && (value.back() == ' ' || value.back() == '\t')) {
        value.remove_suffix(1);
    }
    std::string digits;
    const bool withoutYear = value.starts_with("--");
    for (const char c : withoutYear ? value.substr(2) : value) {
        if (c != '-') {
            digits += c;
        }
    }
    const bool dashesWhereExpected = withoutYear ? (value.size() == 6 || (value.size() == 7 && value[4] == '-'))
                                                 : (value.size() == 8 || (value.size() == 10 && value[4] == '-' && value[7] == '-'));
    if (!dashesWhereExpected || digits.size() != (withoutYear ? 4u : 8u) || !allDigits(digits)) {
        return std::nullopt;
    }
    const std::size_t monthAt = withoutYear ? 0 : 4;
    const int month = TextToNum(digits.substr(monthAt, 2));
    const int day = TextToNum(digits.substr(monthAt + 2, 2));
    return fromNumbers(day, month, withoutYear ? std::nullopt : std::optional(TextToNum(digits.substr(0, 4))));
}

std::optional<CalendarDay> CalendarDay::fromNumbers(int day, int month, std::optional<int> year)
{
    const std::optional<CalendarDay> made = makeDay(day, month, year);
    return made && made->year && !made->existsIn(*made->year) ? std::nullopt : made;
}

DateText CalendarDay::toDateText() const
{
    char text[16];
    if (year) {
        std::snprintf(text, sizeof text, "%02d/%02d/%04d", day, month, *year); // year 10 stays 0010
    } else {
        std::snprintf(text, sizeof text, "%02d/%02d/", day, month);
    }
    return MaskedDate(text).value_or(DateText(EmptyDateText));
}

std::string CalendarDay::toVCard() const { return withParts(""); }

std::string CalendarDay::toIsoDate() const { return withParts("-"); }

std::string CalendarDay::withParts(std::string_view separator) const
{
    char text[32];
    const int length = static_cast<int>(separator.size());
    if (year && existsIn(*year)) {
        std::snprintf(text, sizeof text, "%04d%.*s%02d%.*s%02d", *year, length, separator.data(), month, length,
                      separator.data(), day);
    } else {
        std::snprintf(text, sizeof text, "--%02d%.*s%02d", month, length, separator.data(), day);
    }
    return text;
}

std::string CalendarDay::toBasicDate(int inYear) const
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02d%02d", inYear, month, day);
    return text;
}

} // namespace zelmora
