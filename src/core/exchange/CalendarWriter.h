#pragma once
// The dates to celebrate as an iCalendar file: one yearly all-day event per non-empty
// date of each friend, named in the user's language, with a UID that stays the same
// from one export to the next so that a calendar updates its events instead of
// doubling them. Dates without a day and a month are left out and counted.

#include "core/base/LangText.h"
#include "core/data/FriendTable.h"
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
    // `stamp` is when the calendar is made (DTSTAMP).
    CalendarWriter(Language language, const LocalDateTime& stamp) : m_language(language), m_stamp(stamp) {}

    CalendarText write(const FriendTable& table) const;

private:
    Language m_language;
    LocalDateTime m_stamp;
};

} // namespace zelmora
