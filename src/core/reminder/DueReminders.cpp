#include "core/reminder/DueReminders.h"

#include <algorithm>
#include <chrono>

namespace zelmora {

namespace {

using std::chrono::sys_days;

sys_days daysOf(int year, int month, int day)
{
    return sys_days(std::chrono::year_month_day(std::chrono::year(year), std::chrono::month(static_cast<unsigned>(month)),
                                                std::chrono::day(static_cast<unsigned>(day))));
}

struct Occurrence {
    LocalDate day;
    std::uint16_t daysAhead = 0;
};

// The first day on or after `today` that the date "dd/mm/..." is celebrated on; nothing
// for a date that no year holds.
std::optional<Occurrence> nextOccurrence(std::string_view date, LocalDate today, sys_days todayDays, LeapDayRule rule)
{
    static constexpr int longestMonth[13] = {0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const int month = TextToNum(date.substr(std::min<std::size_t>(3, date.size()), 2));
    const int day = TextToNum(date.substr(0, 2));
    if (month < 1 || month > 12 || day < 1 || day > longestMonth[month]) {
        return std::nullopt;
    }
    for (const int year : {today.year, today.year + 1}) {
        const MonthDay celebrated = CelebratedDay(month, day, year, rule);
        const sys_days when = daysOf(year, celebrated.month, celebrated.day);
        if (when >= todayDays) {
            return Occurrence{{year, celebrated.month, celebrated.day}, static_cast<std::uint16_t>((when - todayDays).count())};
        }
    }
    return std::nullopt; // not reached: next year's day always comes after today
}

std::optional<std::uint16_t> ageAt(std::string_view date, int occurrenceYear)
{
    const int born = TextToNum(date.substr(std::min<std::size_t>(6, date.size()), 4));
    if (born == 0 || born >= occurrenceYear) {
        return std::nullopt;
    }
    return static_cast<std::uint16_t>(occurrenceYear - born);
}

// Every date of the table whose next occurrence `wanted(date field, days ahead)` accepts.
template <class Wanted>
std::vector<DueReminder> collect(const FriendTable& table, LocalDate today, LeapDayRule rule, const Wanted& wanted)
{
    const sys_days todayDays = daysOf(today.year, today.month, today.day);
    std::vector<DueReminder> due;
    for (std::uint16_t slot = 1; slot <= table.FriendCount; ++slot) {
        for (const FriendDate& kind : FriendDates) {
            const std::string_view date = fieldText(table[slot], kind.field);
            const std::optional<Occurrence> next = nextOccurrence(date, today, todayDays, rule);
            if (next && wanted(kind.field, next->daysAhead)) {
                due.push_back({slot, kind.field, next->day, next->daysAhead, ageAt(date, next->day.year)});
            }
        }
    }
    std::stable_sort(due.begin(), due.end(),
                     [](const DueReminder& a, const DueReminder& b) { return a.daysBefore < b.daysBefore; });
    return due;
}

} // namespace

std::vector<DueReminder> dueReminders(const FriendTable& table, LocalDate today, const ReminderPlan& plan)
{
    return collect(table, today, plan.leapDay,
                   [&plan](FriendField field, std::uint16_t daysAhead) { return plan.forDate(field).contains(daysAhead); });
}

std::vector<DueReminder> upcomingDates(const FriendTable& table, LocalDate today, std::uint16_t days, LeapDayRule rule)
{
    return collect(table, today, rule, [days](FriendField, std::uint16_t daysAhead) { return daysAhead <= days; });
}

} // namespace zelmora
