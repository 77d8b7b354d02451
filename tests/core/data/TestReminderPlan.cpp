#include "core/data/ReminderPlan.h"

#include <gtest/gtest.h>

#include <vector>

using namespace zelmora;

namespace {

std::optional<LeadTimes> from(std::vector<int> days) { return LeadTimes::from(days); }

std::vector<int> daysOf(const LeadTimes& lead) { return {lead.begin(), lead.end()}; }

} // namespace

TEST(LeadTimes, TheDayAndUpToThreeBeforeInOrder)
{
    EXPECT_EQ(daysOf(*from({30, 0, 7, 1})), (std::vector<int>{0, 1, 7, 30}));
    EXPECT_EQ(daysOf(*from({365, 1, 2})), (std::vector<int>{1, 2, 365}));
    EXPECT_TRUE(from({})->empty());
    EXPECT_EQ(from({7, 30})->longest(), 30);
    for (const std::vector<int>& bad : std::vector<std::vector<int>>{
             {1, 2, 3, 4}, {0, 1, 2, 3, 4}, {7, 7}, {-1}, {366}}) {
        EXPECT_FALSE(from(bad)) << bad.size();
    }
}

TEST(ReminderPlan, DefaultsRemindOfBirthdaysAWeekAhead)
{
    const ReminderPlan plan;
    EXPECT_EQ(daysOf(plan.forDate(FriendField::Anniversaire)), (std::vector<int>{0, 7}));
    EXPECT_EQ(daysOf(plan.forDate(FriendField::Fete)), (std::vector<int>{0}));
    EXPECT_EQ(daysOf(plan.forDate(FriendField::Date1)), (std::vector<int>{0}));
    EXPECT_EQ(&plan.forDate(FriendField::Date2), &plan.otherDates);
    EXPECT_EQ(plan.leapDay, LeapDayRule::MarchFirst);
}
