#pragma once
// The dates to celebrate as an iCalendar file: one yearly all-day event per non-empty
// date of each friend, named in the user's language, with a UID that stays the same
// from one export to the next so that a calendar updates its events instead of
// doubling them, and an alarm per lead time so that the calendar reminds as Zelmora
// does. Dates without a day and a month are left out and counted.

#include "core/base/LangText.h"
#include "core/data/FriendTable.h"
#include "core/data/ReminderPlan.h"
#include "core/platform/Clock.h"

#include <cstddef>
#include <string>

namespace zelmora {

struct CalendarText {
    std::string bytes; // UTF-8, CRLF line ends
    std::size_t leftOut = 0;
};

class CalendarWriter {
public:
    // `stamp` is when the calendar is made (DTSTAMP); `plan` gives the alarms and the
    // day of 29 February in common years.
    CalendarWriter(Language language, const UtcDateTime& stamp, const ReminderPlan& plan)
        : m_language(language), m_stamp(stamp), m_plan(plan)
    {
    }

    CalendarText write(const FriendTable& table) const;

private:
    Language m_language;
    UtcDateTime m_stamp;
    ReminderPlan m_plan;
};

} // namespace zelmora
