#pragma once
// What a due reminder says, in the user's language: one line per reminder ("In 7 days:
// DUPONT Jean, Birthday (47 years) on 15/12"), and the notifications the desktop shows,
// one per reminder or a single summary when many are due at once.

#include "core/base/LangText.h"
#include "core/reminder/DueReminders.h"

#include <span>
#include <string>
#include <vector>

namespace zelmora {

// "Today: MARTIN Paul, Saint's day", "In 7 days: DUPONT Jean, Birthday (47 years) on 15/12";
// a date with a reason typed on the card is named by it. Windows-1252.
std::string reminderLine(const DueReminder& reminder, const FriendTable& table, Language language);

// "7 dates to celebrate, 2 of them today".
std::string reminderSummary(std::span<const DueReminder> reminders, Language language);

struct ReminderNotification {
    std::string title;      // Windows-1252
    std::string text;       // one reminder a line
    std::uint16_t slot = 0; // the friend whose line to select when it is activated; 0 for a summary

    friend bool operator==(const ReminderNotification&, const ReminderNotification&) = default;
};

// More due at once than this make one summary instead of one notification each.
inline constexpr std::size_t MostSeparateNotifications = 4;

// One notification per reminder, or one summary listing the first few.
std::vector<ReminderNotification> reminderNotifications(std::span<const DueReminder> reminders,
                                                        const FriendTable& table, Language language);

} // namespace zelmora
