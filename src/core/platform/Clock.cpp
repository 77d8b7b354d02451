#include "core/platform/Clock.h"

#include <chrono>
#include <ctime>

namespace zelmora {

namespace {

enum class Zone { Local, Universal };

// The system's time now, broken down in the zone asked for.
template <class Moment>
Moment systemMoment(Zone zone)
{
    const std::time_t seconds = std::time(nullptr);
    std::tm parts{};
#ifdef _WIN32
    zone == Zone::Local ? localtime_s(&parts, &seconds) : gmtime_s(&parts, &seconds);
#else
    zone == Zone::Local ? localtime_r(&seconds, &parts) : gmtime_r(&seconds, &parts);
#endif
    return {{parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday}, parts.tm_hour, parts.tm_min, parts.tm_sec};
}

} // namespace

LocalDateTime SystemClock::now() const { return systemMoment<LocalDateTime>(Zone::Local); }

UtcDateTime SystemClock::utcNow() const { return systemMoment<UtcDateTime>(Zone::Universal); }

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
