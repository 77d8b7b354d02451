#include "core/saints/FeteProposals.h"

#include "core/data/DateText.h"

namespace zelmora {

bool isEmptyFete(std::string_view fete) { return fete.empty() || fete == EmptyDateText; }

std::vector<FeteProposal> proposeFetes(const FriendTable& table, const SaintsCalendar& calendar)
{
    std::vector<FeteProposal> proposals;
    for (std::uint16_t slot = 1; slot <= table.FriendCount; ++slot) {
        const TFriend& friendRecord = table[slot];
        if (!isEmptyFete(friendRecord.Fete.view())) {
            continue;
        }
        std::vector<SaintCandidate> candidates = calendar.candidates(friendRecord.Prenom.view());
        if (!candidates.empty()) {
            const bool sure = bestCandidates(candidates).size() == 1;
            proposals.push_back({slot, std::move(candidates), sure});
        }
    }
    return proposals;
}

std::vector<FeteChoice> sureChoices(const std::vector<FeteProposal>& proposals)
{
    std::vector<FeteChoice> choices;
    for (const FeteProposal& proposal : proposals) {
        if (proposal.sure) {
            choices.push_back({proposal.slot, proposal.candidates.front().day});
        }
    }
    return choices;
}

std::vector<FeteChoice> choicesIn(const FriendTable& table, std::span<const ChosenFete> chosen)
{
    std::vector<FeteChoice> choices;
    for (const ChosenFete& fete : chosen) {
        if (const std::uint16_t slot = table.findAgain(fete.friendRecord)) {
            choices.push_back({slot, fete.day});
        }
    }
    return choices;
}

std::size_t applyFetes(FriendTable& table, std::span<const FeteChoice> choices)
{
    std::size_t written = 0;
    for (const FeteChoice& choice : choices) {
        if (choice.slot >= 1 && choice.slot <= table.FriendCount && isEmptyFete(table[choice.slot].Fete.view())) {
            table[choice.slot].Fete.assign(choice.day.feteText().view());
            ++written;
        }
    }
    return written;
}

} // namespace zelmora
