#pragma once
// Which dates the user should hear of today: those the lead times reach (a birthday in
// seven days, a saint's day today), or every date of the next few days. Pure: the same
// table, day and plan always give the same reminders.

#include "core/data/FriendDates.h"
#include "core/data/FriendTable.h"
#include "core/data/ReminderPlan.h"
#include "core/platform/Clock.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace zelmora {

struct DueReminder {
    std::uint16_t slot = 0;                       // the friend's slot in the table
    FriendField date = FriendField::Anniversaire; // one of FriendDates
    LocalDate occurrence;                         // the day it is celebrated on
    std::uint16_t daysBefore = 0;                 // 0 on the day itself
    std::optional<std::uint16_t> age;             // years since the date, when it has a year

    friend bool operator==(const DueReminder&, const DueReminder&) = default;
};

// The reminders the plan makes due `today`: today's first, then the nearest, each day in
// table order. A date that is no day of the year (31/04, a blank month) reminds of nothing.
std::vector<DueReminder> dueReminders(const FriendTable& table, LocalDate today, const ReminderPlan& plan);

// Every date celebrated from `today` to `days` days later, in the same order.
std::vector<DueReminder> upcomingDates(const FriendTable& table, LocalDate today, std::uint16_t days,
                                       LeapDayRule rule);

} // namespace zelmora
