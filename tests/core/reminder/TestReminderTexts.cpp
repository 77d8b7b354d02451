#include "core/reminder/ReminderTexts.h"

#include "support/Friends.h"

#include <gtest/gtest.h>

using namespace zelmora;
using test::makeFriend;
using test::makeTable;

namespace {

using F = FriendField;
constexpr Language En = Language::English;
constexpr Language Fr = Language::French;

std::unique_ptr<FriendTable> twoFriends()
{
    return makeTable({makeFriend("DUPONT", "Jean", {{F::Raison1, "Wedding"}}), makeFriend("MARTIN", "Paul")});
}

DueReminder reminder(std::uint16_t slot, F date, std::uint16_t daysBefore, std::optional<std::uint16_t> age = {})
{
    return {slot, date, {2026, 12, 15}, daysBefore, age};
}

} // namespace

TEST(ReminderTexts, OneLinePerReminderInBothLanguages)
{
    const auto table = twoFriends();
    struct Case {
        DueReminder due;
        Language language;
        std::string_view line;
    };
    for (const Case& c : std::initializer_list<Case>{
             {reminder(1, F::Anniversaire, 7, 47), En, "In 7 days: DUPONT Jean, Birthday (47 years) on 15/12"},
             {reminder(1, F::Anniversaire, 7, 47), Fr, "Dans 7 jours : DUPONT Jean, Anniversaire (47 ans) le 15/12"},
             {reminder(2, F::Fete, 0), En, "Today: MARTIN Paul, Saint's day"},
             {reminder(2, F::Fete, 0), Fr, "Aujourd'hui : MARTIN Paul, F\xEAte"},
             {reminder(2, F::Anniversaire, 1, 1), En, "Tomorrow: MARTIN Paul, Birthday (1 year) on 15/12"},
             {reminder(2, F::Anniversaire, 1, 1), Fr, "Demain : MARTIN Paul, Anniversaire (1 an) le 15/12"},
             {reminder(1, F::Date1, 0, 21), En, "Today: DUPONT Jean, Wedding (21 years)"}, // the reason typed
             {reminder(1, F::Date2, 30), En, "In 30 days: DUPONT Jean, Date #2 on 15/12"},
         }) {
        EXPECT_EQ(reminderLine(c.due, *table, c.language), c.line);
    }
}

TEST(ReminderTexts, SummaryCountsTodaysDates)
{
    const std::vector<DueReminder> due = {reminder(1, F::Fete, 0), reminder(2, F::Fete, 0), reminder(1, F::Date1, 3),
                                          reminder(2, F::Date1, 7), reminder(2, F::Date2, 9)};
    EXPECT_EQ(reminderSummary(due, En), "5 dates to celebrate, 2 of them today");
    EXPECT_EQ(reminderSummary(due, Fr), "5 dates \xE0 souhaiter, dont 2 aujourd'hui");
    EXPECT_EQ(reminderSummary(std::span(due).subspan(2), En), "3 dates to celebrate in the coming days");
}

TEST(ReminderTexts, OneNotificationEachUpToFourThenOneSummary)
{
    const auto table = twoFriends();
    std::vector<DueReminder> due = {reminder(2, F::Fete, 0), reminder(1, F::Date1, 3), reminder(2, F::Date1, 7),
                                    reminder(1, F::Date2, 9)};
    const std::vector<ReminderNotification> each = reminderNotifications(due, *table, En);
    ASSERT_EQ(each.size(), 4u);
    EXPECT_EQ(each[0], (ReminderNotification{"Dates to celebrate", "Today: MARTIN Paul, Saint's day", 2}));
    EXPECT_EQ(each[3].slot, 1);

    due.push_back(reminder(2, F::Date2, 10));
    due.push_back(reminder(2, F::Anniversaire, 11));
    const std::vector<ReminderNotification> summary = reminderNotifications(due, *table, En);
    ASSERT_EQ(summary.size(), 1u);
    EXPECT_EQ(summary[0].title, "6 dates to celebrate, 1 of them today");
    EXPECT_EQ(summary[0].text, "Today: MARTIN Paul, Saint's day\n"
                               "In 3 days: DUPONT Jean, Wedding on 15/12\n"
                               "In 7 days: MARTIN Paul, Date #1 on 15/12\n"
                               "In 9 days: DUPONT Jean, Date #2 on 15/12\n"
                               "... and 2 more");
    EXPECT_EQ(summary[0].slot, 0);
    EXPECT_TRUE(reminderNotifications({}, *table, En).empty());
}
