#include "core/reminder/DueReminders.h"

#include "support/Friends.h"

#include <gtest/gtest.h>

using namespace zelmora;
using test::makeFriend;
using test::makeTable;

namespace {

using F = FriendField;

ReminderPlan birthdaysOnly(std::initializer_list<int> days, LeapDayRule rule = LeapDayRule::MarchFirst)
{
    ReminderPlan plan;
    plan.birthdays = leadTimes(days);
    plan.saintsDays = plan.otherDates = leadTimes({});
    plan.leapDay = rule;
    return plan;
}

} // namespace

TEST(DueReminders, LeadTimesReachAcrossMonthsYearsAndTheLeapDay)
{
    constexpr auto March = LeapDayRule::MarchFirst;
    constexpr auto February = LeapDayRule::FebruaryLast;
    struct Case {
        std::string_view birthday;
        LocalDate today;
        int lead;
        LeapDayRule rule;
        std::optional<LocalDate> due; // the occurrence reminded of, if any
        std::optional<std::uint16_t> age;
    };
    for (const Case& c : std::initializer_list<Case>{
             {"15/12/1980", {2026, 12, 8}, 7, March, LocalDate{2026, 12, 15}, 46},
             {"15/12/1980", {2026, 12, 15}, 0, March, LocalDate{2026, 12, 15}, 46},
             {"15/12/1980", {2026, 12, 9}, 7, March, std::nullopt, std::nullopt},
             {" 1/ 2/1990", {2026, 1, 25}, 7, March, LocalDate{2026, 2, 1}, 36},     // across a month end
             {" 4/ 1/2000", {2026, 12, 28}, 7, March, LocalDate{2027, 1, 4}, 27},    // across a year end
             {"31/12/2000", {2026, 12, 1}, 30, March, LocalDate{2026, 12, 31}, 26},
             {" 3/12/1980", {2026, 12, 7}, 361, March, LocalDate{2027, 12, 3}, 47}, // earlier this month: next year
             {"29/02/1980", {2027, 2, 22}, 7, March, LocalDate{2027, 3, 1}, 47},
             {"29/02/1980", {2027, 2, 21}, 7, February, LocalDate{2027, 2, 28}, 47},
             {"29/02/1980", {2027, 2, 21}, 7, March, std::nullopt, std::nullopt},
             {"29/02/1980", {2028, 2, 22}, 7, March, LocalDate{2028, 2, 29}, 48},   // a leap year keeps its day
             {"29/02/1980", {2027, 3, 1}, 0, March, LocalDate{2027, 3, 1}, 47},
             {"29/02/    ", {2027, 2, 28}, 0, February, LocalDate{2027, 2, 28}, std::nullopt},
             {"12/05/    ", {2027, 5, 5}, 7, March, LocalDate{2027, 5, 12}, std::nullopt}, // no year, no age
             {"12/05/2027", {2027, 5, 12}, 0, March, LocalDate{2027, 5, 12}, std::nullopt}, // born today
             {"31/04/1980", {2027, 4, 30}, 1, March, std::nullopt, std::nullopt},  // no such day
             {"12/  /1970", {2027, 5, 12}, 0, March, std::nullopt, std::nullopt},  // no month
             {"  /  /    ", {2027, 5, 12}, 0, March, std::nullopt, std::nullopt},
         }) {
        const auto table = makeTable({makeFriend("DUPONT", "Jean", {{F::Anniversaire, c.birthday}})});
        const std::vector<DueReminder> due = dueReminders(*table, c.today, birthdaysOnly({c.lead}, c.rule));
        ASSERT_EQ(due.size(), c.due ? 1u : 0u) << c.birthday << " " << c.today.month << "/" << c.today.day;
        if (c.due) {
            EXPECT_EQ(due[0], (DueReminder{1, F::Anniversaire, *c.due, static_cast<std::uint16_t>(c.lead), c.age}))
                << c.birthday;
        }
    }
}

TEST(DueReminders, EachKindOfDateHasItsOwnLeadTimesTodayFirst)
{
    const auto table = makeTable({
        makeFriend("DUPONT", "Jean", {{F::Anniversaire, "15/12/1980"}, {F::Fete, "08/12/    "}}),
        makeFriend("MARTIN", "Paul", {{F::Date1, "09/12/2005"}, {F::Date2, "08/12/2010"}, {F::Fete, "15/12/    "}}),
    });
    ReminderPlan plan; // birthdays on the day and a week ahead, the others on the day
    plan.otherDates = leadTimes({0, 1});
    const std::vector<DueReminder> due = dueReminders(*table, {2026, 12, 8}, plan);
    ASSERT_EQ(due.size(), 4u);
    EXPECT_EQ(due[0].date, F::Fete); // Jean's saint's day today
    EXPECT_EQ(due[1].date, F::Date2); // then Paul's second date, today
    EXPECT_EQ(due[2].date, F::Date1); // tomorrow
    EXPECT_EQ(due[3].date, F::Anniversaire); // in a week; Paul's saint's day then is not reminded ahead
    EXPECT_EQ(due[3].daysBefore, 7);
}

TEST(DueReminders, UpcomingDatesAreEveryDateOfTheNextDays)
{
    const auto table = makeTable({
        makeFriend("DUPONT", "Jean", {{F::Anniversaire, "15/12/1980"}, {F::Fete, "08/12/    "}}),
        makeFriend("MARTIN", "Paul", {{F::Anniversaire, "29/02/1984"}, {F::Date1, "16/12/2005"}}),
    });
    const auto days = [&](std::uint16_t ahead, LocalDate today) {
        std::vector<int> found;
        for (const DueReminder& r : upcomingDates(*table, today, ahead, LeapDayRule::MarchFirst)) {
            found.push_back(r.daysBefore);
        }
        return found;
    };
    EXPECT_EQ(days(7, {2026, 12, 8}), (std::vector<int>{0, 7}));
    EXPECT_EQ(days(8, {2026, 12, 8}), (std::vector<int>{0, 7, 8}));
    EXPECT_EQ(days(0, {2026, 12, 9}), (std::vector<int>{}));
    EXPECT_EQ(days(365, {2026, 12, 9}), (std::vector<int>{6, 7, 82, 364}));
}
