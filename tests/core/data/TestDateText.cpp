#include "core/data/DateText.h"

#include <gtest/gtest.h>

using namespace zelmora;

namespace {

std::string next(std::string_view date, std::string_view today = "20261207")
{
    return NextOccurrenceKey(date, today).str();
}

} // namespace

TEST(DateText, KeysAndDatesSwapTheirParts)
{
    EXPECT_EQ(DateToKey("07/12/1970").str(), "19701207");
    EXPECT_EQ(KeyToDate("20261207").str(), "07/12/2026");
    EXPECT_EQ(DateToKey("12/05/    ").str(), "    0512");
    EXPECT_EQ(DateToKey("07/12/19701234").str(), "19701207"); // cut to ten characters first
    EXPECT_EQ(DateToKey("").str(), "");
}

TEST(DateText, NextOccurrenceDependsOnTheMonthOnly)
{
    EXPECT_EQ(next("25/12/1980"), "20261225");
    EXPECT_EQ(next("03/12/1980"), "20261203"); // earlier this month: this year, before today
    EXPECT_EQ(next("05/01/1980"), "20270105");
    EXPECT_EQ(next("12/05/    "), "20270512");
    EXPECT_EQ(next("12/  /1970"), "2027  12");  // a blank month reads as 0: always next year
    EXPECT_EQ(next("31/02/2000", "20260115"), "20260231"); // impossible days stay as typed
}

TEST(DateText, TwentyNinthOfFebruaryIsCelebratedByOneRule)
{
    struct Case {
        std::string_view date;
        std::string_view today;
        LeapDayRule rule;
        std::string_view expected;
    };
    constexpr auto March = LeapDayRule::MarchFirst;
    constexpr auto February = LeapDayRule::FebruaryLast;
    for (const Case& c : std::initializer_list<Case>{
             {"29/02/1980", "20270115", March, "20270301"},
             {"29/02/1980", "20270228", March, "20270301"},  // one day ahead, as the day count says
             {"29/02/1980", "20270301", March, "20270301"},  // today
             {"29/02/1980", "20270405", March, "20280229"},  // a leap year next
             {"29/02/1980", "20280301", March, "20290301"},
             {"29/02/    ", "20270301", March, "20270301"},  // without a year
             {"29/ 2/1980", "20270301", March, "20270301"},  // as the mask pads a typed "2"
             {"29/02/1980", "20270228", February, "20270228"},
             {"29/02/1980", "20270301", February, "20280229"},
             {"29/02/1980", "20280115", February, "20280229"},
             {"28/02/1980", "20270301", March, "20280228"},  // other days never move
             {"01/03/1980", "20270301", February, "20270301"},
         }) {
        EXPECT_EQ(NextOccurrenceKey(c.date, c.today, c.rule).str(), c.expected) << c.date << " " << c.today;
    }
    EXPECT_EQ(next("29/02/1980", "20270228"), "20270301"); // 1 March unless told otherwise
    EXPECT_EQ(CelebratedDay(2, 29, 2028, February), (MonthDay{29, 2}));
    EXPECT_EQ(CelebratedDay(2, 29, 2100, March), (MonthDay{1, 3}));
    EXPECT_EQ(CelebratedDay(12, 31, 2027, March), (MonthDay{31, 12}));
}

TEST(DateText, EmptyDateNeverFallsInAWindow)
{
    const std::string key = next(EmptyDateText);
    EXPECT_EQ(key, "0    ");
    EXPECT_LT(compareBytes(key, "20261207"), 0);
}

TEST(DateText, AgeIsTheDifferenceOfYears)
{
    EXPECT_EQ(AgeInYears("19700512", "20270512"), 57);
    EXPECT_EQ(AgeInYears("    0512", "20270512"), 2027);
    EXPECT_EQ(AgeInYears("20300101", "20270101"), 65533); // held in 16 bits
}

TEST(DateText, DayNumberDifferencesAreCalendarDays)
{
    EXPECT_EQ(DayNumber("20260401") - DayNumber("20260301"), 31);
    EXPECT_EQ(DayNumber("20240301") - DayNumber("20240228"), 2);
    EXPECT_EQ(DayNumber("20260229"), DayNumber("20260301"));
    EXPECT_EQ(DayNumber("20270105") - DayNumber("20261225"), 11);
    EXPECT_EQ(DayNumber("00000017"), 17);
    for (int year = 2001; year <= 2035; ++year) {
        const int days = IsLeapYear(static_cast<std::uint16_t>(year)) ? 366 : 365;
        EXPECT_EQ(DayNumber(MakeDateKey(year + 1, 1, 1).view()) - DayNumber(MakeDateKey(year, 1, 1).view()), days)
            << year;
    }
}

TEST(DateText, LeapYearsFollowTheGregorianRule)
{
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_TRUE(IsLeapYear(2024));
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_FALSE(IsLeapYear(2026));
}

TEST(DateText, NumbersAndTexts)
{
    EXPECT_EQ(TextToNum(""), 0);
    EXPECT_EQ(TextToNum("    "), 0);
    EXPECT_EQ(TextToNum("ab"), 0);
    EXPECT_EQ(TextToNum(" 12"), 12);
    EXPECT_EQ(TextToNum("07"), 7);
    EXPECT_EQ(TextToNum("5 "), 5);
    EXPECT_EQ(TextToNum("99999999999"), 999999999); // stops before leaving 32 bits
    EXPECT_EQ(NumToText(0), "0");
    EXPECT_EQ(NumToText(-5), "-5");
}

TEST(DateText, TodayKeyPadsMonthAndDay)
{
    EXPECT_EQ(TodayKey(FixedClock(LocalDate{2026, 12, 7})).str(), "20261207");
    EXPECT_EQ(TodayKey(FixedClock(LocalDate{2027, 1, 5})).str(), "20270105");
}

TEST(DateText, MaskedDatePadsEachGroupWithLeadingBlanks)
{
    EXPECT_EQ(MaskedDate("5/12/1980")->str(), " 5/12/1980");
    EXPECT_EQ(MaskedDate("12/05/")->str(), "12/05/    ");
    EXPECT_EQ(MaskedDate("1/2/80")->str(), " 1/ 2/  80");
    EXPECT_EQ(MaskedDate("//")->str(), EmptyDateText);
    EXPECT_EQ(MaskedDate("")->str(), EmptyDateText);
    for (const char* bad : {"5-12-1980", "123/12/1980", "12/05", "12/05/19800", "a/12/1980", "1/2/3/4", " 5/12/1980"}) {
        EXPECT_FALSE(MaskedDate(bad)) << bad;
    }
}

TEST(DateText, IsoDatesAreCheckedAgainstTheCalendar)
{
    EXPECT_EQ(parseIsoDate("2026-12-07"), (LocalDate{2026, 12, 7}));
    EXPECT_EQ(parseIsoDate("2024-02-29"), (LocalDate{2024, 2, 29}));
    EXPECT_FALSE(parseIsoDate("2026-02-29"));
    EXPECT_FALSE(parseIsoDate("2026-13-01"));
    EXPECT_FALSE(parseIsoDate("26-12-07"));
    EXPECT_FALSE(parseIsoDate("2026/12/07"));
}

TEST(DateText, TypedDatesMustBeDaysOfTheCalendar)
{
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"05/12/1980", ""},
        {"  /  /    ", ""},
        {"29/02/2024", ""},
        {"29/02/    ", ""}, // no year: any year's 29 February
        {"31/  /    ", ""}, // no month: any day up to 31
        {"  /12/    ", ""},
        {"31/12/0000", ""},
        {"31/02/2000", "that month has no such day"},
        {"29/02/2026", "that month has no such day"},
        {"31/04/    ", "that month has no such day"},
        {"00/00/0000", "the day must be from 1 to 31"},
        {"99/99/9999", "the day must be from 1 to 31"},
        {"32/  /    ", "the day must be from 1 to 31"},
        {"45/13/2000", "the day must be from 1 to 31"},
        {"12/13/2000", "the month must be from 1 to 12"},
        {"  /00/    ", "the month must be from 1 to 12"},
    };
    for (const auto& [date, reason] : cases) {
        EXPECT_EQ(whyImpossibleDate(date, Language::English).value_or(""), reason) << date;
    }
    EXPECT_EQ(whyImpossibleDate("12/13/2000", Language::French), "le mois doit aller de 1 \xE0 12");
}
