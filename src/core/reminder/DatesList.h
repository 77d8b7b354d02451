#pragma once
// The dates to celebrate: every birthday, saint's day and other date whose next yearly
// occurrence falls between today and the end of the watch window, as entries sorted by date
// or by person. The lines are formatted where they are shown (FormatDateLine).

#include "core/base/LangText.h"
#include "core/data/DateText.h"
#include "core/data/DisplayOptions.h"
#include "core/data/FriendTable.h"
#include "core/platform/Clock.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zelmora {

// The four dates of a friend, in the order they are collected.
enum class Occasion : std::uint8_t { Birthday, SaintsDay, Date1, Date2 };

// The occasion's name in the list ("Birthday", "Saint's day", "Date 1", "Date 2").
std::string_view occasionLabel(Occasion occasion, Language language);

struct TDateEntry {
    ShortText<50> Nom;
    ShortText<50> Prenom;
    DateText Date;          // the occurrence, "dd/mm/yyyy"
    std::uint16_t Age = 0;  // years since the friend's date
    std::uint16_t Days = 0; // days from today to the occurrence
    Occasion occasion = Occasion::Birthday;
    std::uint16_t FriendIndex = 0;
    bool YearKnown = false; // the friend's date has a year, so Age means something
};

// The last day of the watch window that starts `today`, as a date key.
DateKey WindowEndKey(LocalDate today, WatchWindow window);

class DatesList {
public:
    // Entries 1 to DateEntryCount: line k - 1 of a list shows entry k.
    const TDateEntry& operator[](std::uint16_t entry) const { return m_entries[entry - 1u]; }
    std::uint16_t DateEntryCount = 0;
    DateKey TodayKey;
    DateKey WindowEndKey;
    // Whether the list is shown red: a date falls today and the options ask for it.
    bool ShownInRed = false;

    // Collects the dates in the window, 29 February where `leapDay` puts it in a common
    // year, and sorts them by the options' order.
    void BuildDatesList(const FriendTable& table, const DisplayOptions& options, LocalDate today, LeapDayRule leapDay);
    void SortDatesByPerson();
    void SortDatesByDate();
    // The order the entries are in now.
    SortOrder order() const { return m_order; }

private:
    void collect(const FriendTable& table, bool highlightToday, LeapDayRule leapDay);

    std::vector<TDateEntry> m_entries;
    SortOrder m_order = SortOrder::ByDate;
};

// One line of the list (49 characters, then the optional "(n years)" or "(n days)"), with
// the date first or the person first as `order` says.
std::string FormatDateLine(const TDateEntry& entry, SortOrder order, ExtraInfo extra, Language language);

} // namespace zelmora
