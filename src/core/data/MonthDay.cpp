#include "core/data/MonthDay.h"

#include <charconv>

namespace zelmora {

namespace {

// The days of each month in a leap year.
constexpr std::uint8_t LongestMonths[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

std::string twoDigits(unsigned value) { return {static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)}; }

// One or two digits and nothing else.
std::optional<unsigned> smallNumber(std::string_view digits)
{
    unsigned value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || digits.size() > 2 || error != std::errc{} || end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    return value;
}

} // namespace

bool MonthDay::exists() const { return month >= 1 && month <= 12 && day >= 1 && day <= LongestMonths[month - 1]; }

std::string MonthDay::text() const { return twoDigits(day) + "/" + twoDigits(month); }

ShortText<10> MonthDay::feteText() const { return ShortText<10>(text() + "/    "); }

MonthDay MonthDay::of(const LocalDate& date)
{
    return {static_cast<std::uint8_t>(date.day), static_cast<std::uint8_t>(date.month)};
}

std::optional<MonthDay> MonthDay::parse(std::string_view dayAndMonth)
{
    const std::size_t slash = dayAndMonth.find('/');
    if (slash == std::string_view::npos) {
        return std::nullopt;
    }
    const auto day = smallNumber(dayAndMonth.substr(0, slash));
    const auto month = smallNumber(dayAndMonth.substr(slash + 1));
    if (!day || !month) {
        return std::nullopt;
    }
    const MonthDay parsed{static_cast<std::uint8_t>(*day), static_cast<std::uint8_t>(*month)};
    return parsed.exists() ? std::optional(parsed) : std::nullopt;
}

} // namespace zelmora
