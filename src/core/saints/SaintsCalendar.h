#pragma once
// A country's saints' days: which days celebrate a first name, and which names a day
// celebrates.

#include "core/saints/SaintEntry.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace zelmora {

struct SaintCandidate {
    MonthDay day;
    std::string_view name; // as the calendar spells it, Windows-1252
    // False when only the first part of a compound first name matched ("Jean" for
    // "Jean-Baptiste"): a weaker proposal.
    bool wholeName = true;

    friend bool operator==(const SaintCandidate&, const SaintCandidate&) = default;
};

class SaintsCalendar {
public:
    explicit SaintsCalendar(std::span<const SaintEntry> entries);

    // The French calendar built into the program.
    static const SaintsCalendar& french();

    // The days of a Windows-1252 first name, case, accents, blanks and hyphens aside: those
    // of the whole name first, then those of its first part on other days, each group in
    // calendar order. None for a name no saint bears.
    std::vector<SaintCandidate> candidates(std::string_view firstName) const;

    // The names celebrated on `day`, in the calendar's order.
    std::vector<std::string_view> namesOn(MonthDay day) const;

private:
    void addMatches(std::string_view foldedName, bool wholeName, std::vector<SaintCandidate>& found) const;

    std::vector<SaintEntry> m_entries; // in calendar order
    std::multimap<std::string, std::size_t, std::less<>> m_byName; // folded name to entry
};

// The candidates worth proposing first: those of the whole name when there are any, else
// those of its first part.
std::vector<SaintCandidate> bestCandidates(const std::vector<SaintCandidate>& candidates);

} // namespace zelmora
