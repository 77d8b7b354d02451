#include "core/saints/TodaysSaints.h"

namespace zelmora {

std::string todaysSaintsText(const SaintsCalendar& calendar, MonthDay day, Language language)
{
    const std::vector<std::string_view> names = calendar.namesOn(day);
    if (names.empty()) {
        return {};
    }
    std::string joined(names.front());
    for (std::size_t i = 1; i < names.size(); ++i) {
        joined.append(i + 1 == names.size() ? LangText(lang::AndBetweenNames, language) : ", ").append(names[i]);
    }
    std::string text(LangText(lang::TodaysSaints, language));
    return text.replace(text.find("%1"), 2, joined);
}

} // namespace zelmora
