#include "core/data/MonthDay.h"

#include <gtest/gtest.h>

using namespace zelmora;

TEST(MonthDay, ParsesOnlyDaysOfTheYear)
{
    const struct {
        const char* text;
        std::optional<MonthDay> parsed;
    } cases[] = {
        {"24/06", MonthDay{24, 6}},
        {"4/6", MonthDay{4, 6}},
        {"29/02", MonthDay{29, 2}},
        {"31/12", MonthDay{31, 12}},
        {"30/02", std::nullopt},
        {"31/04", std::nullopt},
        {"00/01", std::nullopt},
        {"01/13", std::nullopt},
        {"24-06", std::nullopt},
        {"24/06/2020", std::nullopt},
        {"124/6", std::nullopt},
        {" 4/6", std::nullopt},
        {"+4/6", std::nullopt},
        {"/", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MonthDay::parse(c.text), c.parsed) << c.text;
    }
}
