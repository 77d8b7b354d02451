#include "core/data/DateText.h"

#include <array>
#include <algorithm>
#include <initializer_list>
#include <limits>

namespace zelmora {

namespace {

// Characters from..from+count-1 (1-based), as far as the text reaches.
std::string_view chars(std::string_view text, std::size_t from, std::size_t count)
{
    return from - 1 < text.size() ? text.substr(from - 1, count) : std::string_view{};
}

std::string_view cut10(std::string_view text) { return text.substr(0, 10); }

// The pieces one after another, cut to ten characters, without touching the heap: the
// reminder's sort turns dates into keys millions of times.
ShortText<10> joined(std::initializer_list<std::string_view> pieces)
{
    std::array<char, 10> text;
    std::size_t length = 0;
    for (const std::string_view piece : pieces) {
        const std::size_t kept = std::min(piece.size(), text.size() - length);
        std::copy_n(piece.data(), kept, text.data() + length);
        length += kept;
    }
    return ShortText<10>(std::string_view(text.data(), length));
}

std::string twoDigits(int value)
{
    const std::string text = "0" + NumToText(value);
    return text.substr(text.size() - 2);
}

// The number a part of a typed date holds, or nothing when the part was left empty.
std::optional<int> typedPart(std::string_view part)
{
    if (part.find_first_of("0123456789") == std::string_view::npos) {
        return std::nullopt;
    }
    return TextToNum(part);
}

// The last day of `month` (1 to 12); February has 29 days unless the year says otherwise.
int lastDayOf(int month, std::optional<int> year)
{
    static constexpr std::array<int, 13> days = {0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && year && !IsLeapYear(static_cast<std::uint16_t>(*year)) ? 28 : days[month];
}

} // namespace

std::string NumToText(std::int32_t value) { return std::to_string(value); }

std::int32_t TextToNum(std::string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ') {
        ++pos;
    }
    std::int32_t value = 0;
    constexpr std::int32_t limit = std::numeric_limits<std::int32_t>::max();
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
        const int digit = text[pos] - '0';
        if (value > (limit - digit) / 10) {
            break; // one more digit would leave the 32-bit range
        }
        value = value * 10 + digit;
    }
    return value;
}

DateKey DateToKey(std::string_view date)
{
    date = cut10(date);
    return joined({chars(date, 7, 4), chars(date, 4, 2), chars(date, 1, 2)});
}

DateText KeyToDate(std::string_view key)
{
    key = cut10(key);
    return joined({chars(key, 7, 2), "/", chars(key, 5, 2), "/", chars(key, 1, 4)});
}

MonthDay CelebratedDay(int month, int day, int year, LeapDayRule rule)
{
    if (month != 2 || day != 29 || IsLeapYear(static_cast<std::uint16_t>(year))) {
        return {static_cast<std::uint8_t>(day), static_cast<std::uint8_t>(month)};
    }
    return rule == LeapDayRule::MarchFirst ? MonthDay{1, 3} : MonthDay{28, 2};
}

DateKey NextOccurrenceKey(std::string_view date, std::string_view todayKey, LeapDayRule rule)
{
    date = cut10(date);
    todayKey = cut10(todayKey);
    if (date == EmptyDateText) {
        return joined({"0", chars(date, 4, 2), chars(date, 1, 2)});
    }
    const std::string_view monthText = chars(date, 4, 2);
    const std::string_view dayText = chars(date, 1, 2);
    const bool leapDay = TextToNum(monthText) == 2 && TextToNum(dayText) == 29;
    const auto movedIn = [&](std::int32_t year) { return leapDay && !IsLeapYear(static_cast<std::uint16_t>(year)); };

    std::int32_t year = TextToNum(chars(todayKey, 1, 4));
    const auto todayMonth = static_cast<std::uint8_t>(TextToNum(chars(todayKey, 5, 2)));
    const std::int32_t monthThisYear = movedIn(year) ? CelebratedDay(2, 29, year, rule).month : TextToNum(monthText);
    if (static_cast<std::uint8_t>(monthThisYear) < todayMonth) {
        ++year;
    }
    if (movedIn(year)) {
        const MonthDay moved = CelebratedDay(2, 29, year, rule);
        return joined({NumToText(year), twoDigits(moved.month), twoDigits(moved.day)});
    }
    return joined({NumToText(year), monthText, dayText});
}

std::uint16_t AgeInYears(std::string_view dateKey, std::string_view occurrenceKey)
{
    return static_cast<std::uint16_t>(TextToNum(chars(cut10(occurrenceKey), 1, 4))
                                      - TextToNum(chars(cut10(dateKey), 1, 4)));
}

bool IsLeapYear(std::uint16_t year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

std::int32_t DayNumber(std::string_view key)
{
    static constexpr std::array<std::int32_t, 13> daysBeforeMonth = {0,   0,   31,  59,  90,  120, 151,
                                                                     181, 212, 243, 273, 304, 334};
    key = cut10(key);
    const auto year = static_cast<std::uint16_t>(TextToNum(chars(key, 1, 4)));
    const auto month = static_cast<std::uint16_t>(TextToNum(chars(key, 5, 2)));
    const auto day = static_cast<std::uint16_t>(TextToNum(chars(key, 7, 2)));
    if (year == 0 && month == 0) {
        return day;
    }
    const std::int32_t yearDays = static_cast<std::int32_t>(146097LL * year / 400);
    const std::int32_t beforeMonth = month <= 12 ? daysBeforeMonth[month] : 0;
    const std::int32_t leapDay = IsLeapYear(year) && month > 2 ? 1 : 0;
    return yearDays + day + 31 + beforeMonth + leapDay;
}

std::optional<DateText> MaskedDate(std::string_view typed)
{
    if (typed.empty()) {
        return DateText(EmptyDateText);
    }
    constexpr std::size_t widths[3] = {2, 2, 4};
    std::string masked;
    for (std::size_t group = 0; group < 3; ++group) {
        const std::size_t slash = typed.find('/');
        const std::string_view digits = group < 2 ? typed.substr(0, slash) : typed;
        if ((group < 2 && slash == std::string_view::npos) || digits.size() > widths[group]
            || digits.find_first_not_of("0123456789") != std::string_view::npos) {
            return std::nullopt;
        }
        masked.append(widths[group] - digits.size(), ' ').append(digits);
        if (group < 2) {
            masked += '/';
            typed.remove_prefix(slash + 1);
        }
    }
    return DateText(masked);
}

std::optional<std::string> whyImpossibleDate(std::string_view date, Language language)
{
    date = cut10(date);
    const std::optional<int> day = typedPart(chars(date, 1, 2));
    const std::optional<int> month = typedPart(chars(date, 4, 2));
    const std::optional<int> year = typedPart(chars(date, 7, 4));
    if (day && (*day < 1 || *day > 31)) {
        return std::string(LangText(lang::DayOutOfRange, language));
    }
    if (month && (*month < 1 || *month > 12)) {
        return std::string(LangText(lang::MonthOutOfRange, language));
    }
    if (day && month && *day > lastDayOf(*month, year)) {
        return std::string(LangText(lang::NoSuchDayInMonth, language));
    }
    return std::nullopt;
}

DateKey MakeDateKey(int year, int month, int day)
{
    return DateKey(NumToText(year) + twoDigits(month) + twoDigits(day));
}

DateKey TodayKey(const Clock& clock)
{
    const LocalDate today = clock.today();
    return MakeDateKey(today.year, today.month, today.day);
}

} // namespace zelmora
