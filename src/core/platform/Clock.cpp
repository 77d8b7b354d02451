#include "core/platform/Clock.h"

#include <chrono>
#include <ctime>

namespace zelmora {

LocalDateTime SystemClock::now() const
{
    const std::time_t seconds = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &seconds);
#else
    localtime_r(&seconds, &local);
#endif
    return {{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday}, local.tm_hour, local.tm_min, local.tm_sec};
}

UtcDateTime SystemClock::utcNow() const
{
    const std::time_t seconds = std::time(nullptr);
    std::tm utc{};
#ifdef _WIN32
    gmtime_s(&utc, &seconds);
#else
    gmtime_r(&seconds, &utc);
#endif
    return {{utc.tm_year + 1900, utc.tm_mon + 1, utc.tm_mday}, utc.tm_hour, utc.tm_min, utc.tm_sec};
}

UtcDateTime FixedClock::utcNow() const
{
    using namespace std::chrono;
    const LocalDate& date = m_moment.date;
    const sys_seconds local = sys_days(year_month_day(year(date.year), month(static_cast<unsigned>(date.month)),
                                                      day(static_cast<unsigned>(date.day))))
                              + hours(m_moment.hour) + minutes(m_moment.minute) + seconds(m_moment.second);
    const sys_seconds utc = local - m_utcOffset;
    const sys_days utcDay = floor<days>(utc);
    const year_month_day utcDate(utcDay);
    const hh_mm_ss<seconds> time(utc - utcDay);
    return {{static_cast<int>(utcDate.year()), static_cast<int>(static_cast<unsigned>(utcDate.month())),
             static_cast<int>(static_cast<unsigned>(utcDate.day()))},
            static_cast<int>(time.hours().count()), static_cast<int>(time.minutes().count()),
            static_cast<int>(time.seconds().count())};
}

std::optional<LocalDate> parseIsoDate(std::string_view text)
{
    const auto digitsAt = [&](std::size_t from, std::size_t count) -> std::optional<int> {
        int value = 0;
        for (std::size_t i = from; i < from + count; ++i) {
            if (text[i] < '0' || text[i] > '9') {
                return std::nullopt;
            }
            value = value * 10 + (text[i] - '0');
        }
        return value;
    };
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
        return std::nullopt;
    }
    const auto year = digitsAt(0, 4);
    const auto month = digitsAt(5, 2);
    const auto day = digitsAt(8, 2);
    if (!year || !month || !day) {
        return std::nullopt;
    }
    const std::chrono::year_month_day date{std::chrono::year{*year}, std::chrono::month{static_cast<unsigned>(*month)},
                                           std::chrono::day{static_cast<unsigned>(*day)}};
    if (!date.ok() || *year < 1) {
        return std::nullopt;
    }
    return LocalDate{*year, *month, *day};
}

} // namespace zelmora
