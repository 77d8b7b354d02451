#include "core/data/ReminderPlan.h"

namespace zelmora {

std::optional<LeadTimes> LeadTimes::from(std::span<const int> days)
{
    if (days.size() > MostBefore + 1) {
        return std::nullopt;
    }
    LeadTimes lead;
    for (const int count : days) {
        if (count < 0 || count > LongestLead || lead.contains(count)) {
            return std::nullopt;
        }
        // Kept in order as they come: at most four.
        std::size_t at = lead.m_count++;
        for (; at > 0 && lead.m_days[at - 1] > count; --at) {
            lead.m_days[at] = lead.m_days[at - 1];
        }
        lead.m_days[at] = static_cast<std::uint16_t>(count);
    }
    if (lead.m_count == MostBefore + 1 && !lead.contains(0)) {
        return std::nullopt; // four reminders ahead of the day
    }
    return lead;
}

} // namespace zelmora
