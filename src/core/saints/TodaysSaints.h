#pragma once
// The line that names the saints of a day, for the tray icon's tooltip and the start-up
// notification: "Today's saints: Basile, Vassili and Grégoire".

#include "core/base/LangText.h"
#include "core/saints/SaintsCalendar.h"

#include <string>

namespace zelmora {

// Windows-1252, in `language`; empty when the calendar names nobody on `day`.
std::string todaysSaintsText(const SaintsCalendar& calendar, MonthDay day, Language language);

} // namespace zelmora
