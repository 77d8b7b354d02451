#include "core/reminder/TodayReminder.h"

#include "core/data/DateText.h"

#include <algorithm>
#include <vector>

namespace zelmora {

namespace {

// "Today: DUPONT Jean, Birthday" or "12/12: MARTIN Paul, Saint's day".
std::string reminderLine(const TDateEntry& entry, Language language)
{
    std::string line = entry.Days == 0 ? std::string(LangText(lang::Today, language)) : entry.Date.str().substr(0, 5);
    line.append(": ").append(entry.Nom.view()).append(" ").append(entry.Prenom.view());
    line.append(", ").append(trimControls(occasionLabel(entry.occasion, language).substr(0, 12)));
    return line;
}

} // namespace

std::optional<ReminderMessage> todayReminder(const DatesList& dates, Language language)
{
    if (dates.DateEntryCount == 0) {
        return std::nullopt;
    }
    std::vector<const TDateEntry*> entries;
    for (std::uint16_t entry = 1; entry <= dates.DateEntryCount; ++entry) {
        entries.push_back(&dates[entry]);
    }
    // Soonest first, whatever order the list was shown in; today is day 0.
    std::stable_sort(entries.begin(), entries.end(),
                     [](const TDateEntry* a, const TDateEntry* b) { return a->Days < b->Days; });
    ReminderMessage message{std::string(LangText(lang::DatesToCelebrate, language)), {}};
    const std::size_t shown = std::min(entries.size(), ReminderLines);
    for (std::size_t i = 0; i < shown; ++i) {
        message.text.append(i > 0 ? "\n" : "").append(reminderLine(*entries[i], language));
    }
    if (entries.size() > shown) {
        std::string more(LangText(lang::AndMore, language));
        more.replace(more.find("%1"), 2, NumToText(static_cast<std::int32_t>(entries.size() - shown)));
        message.text.append("\n").append(more);
    }
    return message;
}

} // namespace zelmora
