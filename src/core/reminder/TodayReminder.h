#pragma once
// What the tray icon says when the program starts hidden: the dates to celebrate in the
// watch window, today's first, in a few lines, so that a user who never opens the
// window still learns of today's birthdays.

#include "core/base/LangText.h"
#include "core/reminder/DatesList.h"

#include <optional>
#include <string>

namespace zelmora {

struct ReminderMessage {
    std::string title; // Windows-1252
    std::string text;  // one date per line
};

inline constexpr std::size_t ReminderLines = 4;

// Nothing when no date is due.
std::optional<ReminderMessage> todayReminder(const DatesList& dates, Language language);

} // namespace zelmora
