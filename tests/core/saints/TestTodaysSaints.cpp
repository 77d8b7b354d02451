#include "core/saints/TodaysSaints.h"

#include "Utf8.h"

#include <gtest/gtest.h>

using namespace zelmora;
using test::cp1252Of;

namespace {

constexpr SaintEntry Entries[] = {{{2, 1}, "Basile"}, {{2, 1}, "Vassili"}, {{2, 1}, "Grégoire"}, {{6, 12}, "Nicolas"}};

} // namespace

TEST(TodaysSaints, NamesTheSaintsOfTheDayInEachLanguage)
{
    const SaintsCalendar calendar(Entries);
    const struct {
        MonthDay day;
        Language language;
        const char* text;
    } cases[] = {
        {{6, 12}, Language::English, "Today's saints: Nicolas"},
        {{6, 12}, Language::French, "Bonne fête aux Nicolas !"},
        {{2, 1}, Language::English, "Today's saints: Basile, Vassili and Grégoire"},
        {{2, 1}, Language::French, "Bonne fête aux Basile, Vassili et Grégoire !"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(todaysSaintsText(calendar, c.day, c.language), cp1252Of(c.text)) << c.text;
    }
}

TEST(TodaysSaints, NothingForADayWithoutSaints)
{
    EXPECT_EQ(todaysSaintsText(SaintsCalendar(Entries), {7, 12}, Language::French), "");
}
