#pragma once
// Filling the empty saints' days of many friends at once: what the calendar proposes for
// each, and writing the chosen days.

#include "core/data/FriendTable.h"
#include "core/saints/SaintsCalendar.h"

#include <span>
#include <vector>

namespace zelmora {

// A friend whose saint's day is empty and whose first name the calendar knows.
struct FeteProposal {
    std::uint16_t slot = 0;
    std::vector<SaintCandidate> candidates; // every day, those of the whole name first
    // The best candidates are one single day, candidates.front(): safe to set unasked.
    bool sure = false;
};

struct FeteChoice {
    std::uint16_t slot = 0;
    MonthDay day;
};

// A day the user chose for a friend, kept with the friend as it was shown: the change runs on
// the table as it is when written, where another program may have moved or changed that friend.
struct ChosenFete {
    TFriend friendRecord;
    MonthDay day;
};

// Whether a saint's day holds nothing: an untouched date, or no text at all.
bool isEmptyFete(std::string_view fete);

// The friends of `table`, in table order, whose saint's day is empty and whose first name
// has candidates; friends without a candidate are left out.
std::vector<FeteProposal> proposeFetes(const FriendTable& table, const SaintsCalendar& calendar);

// The sure proposals as choices.
std::vector<FeteChoice> sureChoices(const std::vector<FeteProposal>& proposals);

// The chosen days as choices in `table`: each friend found again by its record, else by its
// name; a friend no longer there is left out.
std::vector<FeteChoice> choicesIn(const FriendTable& table, std::span<const ChosenFete> chosen);

// Writes each chosen day into the saint's day of its slot, where that is still empty; a
// saint's day filled meanwhile is kept. Returns how many were written.
std::size_t applyFetes(FriendTable& table, std::span<const FeteChoice> choices);

} // namespace zelmora
