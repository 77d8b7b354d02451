#include "core/saints/SaintsCalendar.h"

#include "core/base/FoldedName.h"

#include <algorithm>

namespace zelmora {

SaintsCalendar::SaintsCalendar(std::span<const SaintEntry> entries) : m_entries(entries.begin(), entries.end())
{
    std::stable_sort(m_entries.begin(), m_entries.end(),
                     [](const SaintEntry& a, const SaintEntry& b) { return a.day < b.day; });
    // Equal keys keep their order of insertion, so each name's days stay in calendar order.
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        m_byName.emplace(foldName(m_entries[i].name.view()), i);
    }
}

const SaintsCalendar& SaintsCalendar::french()
{
    static const SaintsCalendar calendar(frenchSaintEntries());
    return calendar;
}

std::vector<SaintCandidate> SaintsCalendar::candidates(std::string_view firstName) const
{
    std::vector<SaintCandidate> found;
    const std::string folded = foldName(firstName);
    if (!folded.empty()) {
        addMatches(folded, true, found);
        addMatches(firstPart(folded), false, found);
    }
    return found;
}

void SaintsCalendar::addMatches(std::string_view foldedName, bool wholeName, std::vector<SaintCandidate>& found) const
{
    const auto [first, last] = m_byName.equal_range(foldedName);
    for (auto match = first; match != last; ++match) {
        const SaintEntry& entry = m_entries[match->second];
        const bool dayKnown = std::any_of(found.begin(), found.end(),
                                          [&](const SaintCandidate& c) { return c.day == entry.day; });
        if (!dayKnown) {
            found.push_back({entry.day, entry.name.view(), wholeName});
        }
    }
}

std::vector<std::string_view> SaintsCalendar::namesOn(MonthDay day) const
{
    std::vector<std::string_view> names;
    for (const SaintEntry& entry : m_entries) {
        if (entry.day == day) {
            names.push_back(entry.name.view());
        }
    }
    return names;
}

std::vector<SaintCandidate> bestCandidates(const std::vector<SaintCandidate>& candidates)
{
    const bool anyWhole = std::any_of(candidates.begin(), candidates.end(),
                                      [](const SaintCandidate& c) { return c.wholeName; });
    std::vector<SaintCandidate> best;
    std::copy_if(candidates.begin(), candidates.end(), std::back_inserter(best),
                 [&](const SaintCandidate& c) { return c.wholeName == anyWhole; });
    return best;
}

} // namespace zelmora
