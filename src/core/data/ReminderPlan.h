#pragma once
// When the user wants to hear of each kind of date: on the day and up to three times
// before it, separately for birthdays, saint's days and the two other dates, and where
// 29 February falls in a common year. The reminders, the calendar export and the
// settings file share it.

#include "core/data/DateText.h"
#include "core/data/Friend.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>

namespace zelmora {

// A few day counts ahead of a date, 0 being the day itself; distinct, in increasing order.
class LeadTimes {
public:
    static constexpr std::size_t MostBefore = 3;        // reminders ahead of the day
    static constexpr std::uint16_t LongestLead = 365;   // a year ahead at most

    LeadTimes() = default;
    // Nothing when a count is out of range or repeated, or more than three come before the day.
    static std::optional<LeadTimes> from(std::span<const int> days);

    std::span<const std::uint16_t> days() const { return {m_days.data(), m_count}; }
    bool contains(int days) const { return std::find(begin(), end(), days) != end(); }
    bool empty() const { return m_count == 0; }
    // The furthest count ahead, 0 when there is none.
    std::uint16_t longest() const { return m_count == 0 ? 0 : m_days[m_count - 1]; }

    const std::uint16_t* begin() const { return m_days.data(); }
    const std::uint16_t* end() const { return m_days.data() + m_count; }

    friend bool operator==(const LeadTimes& a, const LeadTimes& b)
    {
        return std::equal(a.begin(), a.end(), b.begin(), b.end());
    }

private:
    std::array<std::uint16_t, MostBefore + 1> m_days{};
    std::size_t m_count = 0;
};

// Lead times known to be valid, for defaults and tests.
inline LeadTimes leadTimes(std::initializer_list<int> days)
{
    return LeadTimes::from(std::span<const int>(days.begin(), days.size())).value();
}

struct ReminderPlan {
    LeadTimes birthdays = leadTimes({0, 7});
    LeadTimes saintsDays = leadTimes({0});
    LeadTimes otherDates = leadTimes({0}); // Date1 and Date2
    LeapDayRule leapDay = LeapDayRule::MarchFirst;

    // The lead times of one of the four date fields.
    const LeadTimes& forDate(FriendField date) const
    {
        return date == FriendField::Anniversaire ? birthdays : date == FriendField::Fete ? saintsDays : otherDates;
    }
};

} // namespace zelmora
