#include "core/reminder/ReminderTexts.h"

#include <algorithm>
#include <cstdio>

namespace zelmora {

namespace {

std::string whenText(std::uint16_t daysBefore, Language language)
{
    switch (daysBefore) {
    case 0: return std::string(LangText(lang::DueToday, language));
    case 1: return std::string(LangText(lang::DueTomorrow, language));
    default: return LangTextFilled(lang::DueInDays, language, {NumToText(daysBefore)});
    }
}

std::string_view occasionText(const TFriend& person, FriendField date, Language language)
{
    switch (date) {
    case FriendField::Anniversaire: return LangText(lang::BirthdayOccasion, language);
    case FriendField::Fete: return LangText(lang::SaintsDayOccasion, language);
    case FriendField::Date1:
        return person.Raison1.empty() ? LangText(lang::Date1, language) : trimControls(person.Raison1.view());
    default: return person.Raison2.empty() ? LangText(lang::Date2, language) : trimControls(person.Raison2.view());
    }
}

} // namespace

std::string reminderLine(const DueReminder& reminder, const FriendTable& table, Language language)
{
    const TFriend& person = table[reminder.slot];
    std::string line = whenText(reminder.daysBefore, language);
    line.append(trimControls(listText(person))).append(", ").append(occasionText(person, reminder.date, language));
    if (reminder.age) {
        line.append(*reminder.age == 1 ? std::string(LangText(lang::AgeOneYear, language))
                                        : LangTextFilled(lang::AgeInYearsText, language, {NumToText(*reminder.age)}));
    }
    if (reminder.daysBefore > 0) {
        char day[32];
        std::snprintf(day, sizeof day, "%02d/%02d", reminder.occurrence.day, reminder.occurrence.month);
        line.append(LangTextFilled(lang::OnDay, language, {day}));
    }
    return line;
}

std::string reminderSummary(std::span<const DueReminder> reminders, Language language)
{
    const auto today = std::count_if(reminders.begin(), reminders.end(),
                                     [](const DueReminder& r) { return r.daysBefore == 0; });
    const std::string count = NumToText(static_cast<int>(reminders.size()));
    return today > 0 ? LangTextFilled(lang::SummaryWithToday, language, {count, NumToText(static_cast<int>(today))})
                     : LangTextFilled(lang::SummaryAhead, language, {count});
}

std::vector<ReminderNotification> reminderNotifications(std::span<const DueReminder> reminders,
                                                        const FriendTable& table, Language language)
{
    std::vector<ReminderNotification> notifications;
    if (reminders.size() <= MostSeparateNotifications) {
        for (const DueReminder& reminder : reminders) {
            notifications.push_back({std::string(LangText(lang::DatesToCelebrate, language)),
                                     reminderLine(reminder, table, language), reminder.slot});
        }
        return notifications;
    }
    ReminderNotification summary{reminderSummary(reminders, language), {}, 0};
    for (std::size_t i = 0; i < MostSeparateNotifications; ++i) {
        summary.text.append(reminderLine(reminders[i], table, language)).append("\n");
    }
    const int more = static_cast<int>(reminders.size() - MostSeparateNotifications);
    summary.text.append(LangTextFilled(lang::AndMore, language, {NumToText(more)}));
    notifications.push_back(std::move(summary));
    return notifications;
}

} // namespace zelmora
