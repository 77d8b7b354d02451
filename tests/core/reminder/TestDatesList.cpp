#include "core/reminder/DatesList.h"

#include "support/Friends.h"

#include <gtest/gtest.h>

#include <random>

using namespace zelmora;
using test::makeFriend;
using test::makeTable;

namespace {

TFriend withDates(std::string_view nom, std::string_view prenom, std::string_view birthday,
                  std::string_view saintsDay = EmptyDateText, std::string_view date1 = EmptyDateText,
                  std::string_view date2 = EmptyDateText)
{
    return makeFriend(nom, prenom,
                      {{FriendField::Anniversaire, birthday},
                       {FriendField::Fete, saintsDay},
                       {FriendField::Date1, date1},
                       {FriendField::Date2, date2}});
}

class DatesListTest : public testing::Test {
protected:
    std::vector<std::string> build(const FriendTable& table, LocalDate today = {2026, 12, 7},
                                   Language language = Language::English)
    {
        list->BuildDatesList(table, options, today, leapDay);
        return lines(language);
    }
    std::vector<std::string> lines(Language language = Language::English) const
    {
        std::vector<std::string> shown;
        for (std::uint16_t entry = 1; entry <= list->DateEntryCount; ++entry) {
            shown.push_back(FormatDateLine((*list)[entry], list->order(), options.extraInfo, language));
        }
        return shown;
    }

    std::unique_ptr<DatesList> list = std::make_unique<DatesList>();
    DisplayOptions options;
    LeapDayRule leapDay = LeapDayRule::MarchFirst;
};

const std::string DupontLine = "05/01/27 Dupont Jean" + std::string(16, ' ') + "Birthday" + std::string(5, ' ');

} // namespace

TEST(WatchWindow, EndsAMonthTwoWeeksOrAWeekAhead)
{
    EXPECT_EQ(WindowEndKey({2026, 12, 7}, WatchWindow::OneMonth).str(), "20270107");
    EXPECT_EQ(WindowEndKey({2026, 8, 25}, WatchWindow::OneWeek).str(), "20260901");
    EXPECT_EQ(WindowEndKey({2026, 2, 28}, WatchWindow::TwoWeeks).str(), "20260314");
    EXPECT_EQ(WindowEndKey({2024, 2, 28}, WatchWindow::TwoWeeks).str(), "20240313");
    EXPECT_EQ(WindowEndKey({2026, 12, 20}, WatchWindow::TwoWeeks).str(), "20270103");
    EXPECT_EQ(WindowEndKey({2026, 1, 31}, WatchWindow::OneMonth).str(), "20260231"); // all of February, nothing of March
}

TEST_F(DatesListTest, ListsWhatFallsInTheWindowEndIncluded)
{
    const auto table = makeTable({withDates("A", "", "05/01/1980"), withDates("B", "", "03/12/1980"),
                                  withDates("C", "", "07/01/1990"), withDates("D", "", "08/01/1990")});
    options.extraInfo = ExtraInfo::Nothing;
    const auto lines = build(*table);
    ASSERT_EQ(list->DateEntryCount, 2);
    EXPECT_EQ(list->TodayKey.str(), "20261207");
    EXPECT_EQ(list->WindowEndKey.str(), "20270107");
    EXPECT_EQ((*list)[1].Date.str(), "05/01/2027");
    EXPECT_EQ((*list)[1].Age, 47);
    EXPECT_EQ((*list)[1].Days, 29);
    EXPECT_EQ((*list)[2].FriendIndex, 3);
    EXPECT_EQ(lines.size(), 2u);
}

TEST_F(DatesListTest, LinesInBothOrdersSuffixesAndLanguages)
{
    const auto table = makeTable({withDates("Dupont", "Jean", "05/01/1980")});
    EXPECT_EQ(build(*table), (std::vector<std::string>{DupontLine + "(47 years)"}));
    EXPECT_EQ(DupontLine.size(), 49u);

    options.extraInfo = ExtraInfo::Countdown;
    EXPECT_EQ(build(*table), (std::vector<std::string>{DupontLine + "(29 days)"}));
    options.extraInfo = ExtraInfo::Nothing;
    EXPECT_EQ(build(*table), (std::vector<std::string>{DupontLine}));

    options.sortOrder = SortOrder::ByPerson;
    options.extraInfo = ExtraInfo::Age;
    EXPECT_EQ(build(*table),
              (std::vector<std::string>{"Dupont Jean" + std::string(16, ' ') + "05/01/27 Birthday     (47 years)"}));

    options.sortOrder = SortOrder::ByDate;
    const std::string french = "05/01/27 Dupont Jean" + std::string(16, ' ') + "Anniversaire ";
    EXPECT_EQ(build(*table, {2026, 12, 7}, Language::French), (std::vector<std::string>{french + "(47 ans)"}));
    options.extraInfo = ExtraInfo::Countdown;
    EXPECT_EQ(build(*table, {2026, 12, 7}, Language::French), (std::vector<std::string>{french + "(29 jours)"}));
    EXPECT_EQ(build(*table, {2027, 1, 4}, Language::French), (std::vector<std::string>{french + "(1 jour)"}));
    EXPECT_EQ(build(*table, {2027, 1, 4}), (std::vector<std::string>{DupontLine + "(1 day)"}));
}

TEST_F(DatesListTest, LongNamesAreCutSoColumnsStayAligned)
{
    const auto table = makeTable({withDates(std::string(30, 'N'), "Prenom", "25/12/1990")});
    options.extraInfo = ExtraInfo::Nothing;
    const auto lines = build(*table);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "25/12/26 " + std::string(27, 'N') + "Birthday     ");
}

TEST_F(DatesListTest, SortByPersonThenDateWithinTheSameFriend)
{
    const auto table = makeTable(
        {withDates("Martin", "Paul", "20/12/1970", "10/12/    "), withDates("Durand", "Anne", "15/12/1980")});
    options.sortOrder = SortOrder::ByPerson;
    options.extraInfo = ExtraInfo::Nothing;
    build(*table);
    ASSERT_EQ(list->DateEntryCount, 3);
    EXPECT_EQ((*list)[1].Nom.str(), "Durand");
    EXPECT_EQ((*list)[2].occasion, Occasion::SaintsDay);
    EXPECT_EQ((*list)[3].occasion, Occasion::Birthday);

    list->SortDatesByDate();
    EXPECT_EQ(lines()[0].substr(0, 8), "10/12/26");
    EXPECT_EQ(lines()[2].substr(0, 8), "20/12/26");
}

TEST_F(DatesListTest, RedOnlyWhenADateFallsTodayAndTheOptionAsks)
{
    const auto today = makeTable({withDates("A", "", "07/12/1990"), withDates("B", "", "10/12/1990")});
    build(*today);
    EXPECT_TRUE(list->ShownInRed);
    EXPECT_EQ((*list)[1].Days, 0);

    options.todayColour = TodayColour::Black;
    build(*today);
    EXPECT_FALSE(list->ShownInRed);

    options.todayColour = TodayColour::Red;
    build(*makeTable({withDates("B", "", "10/12/1990")}));
    EXPECT_FALSE(list->ShownInRed);
}

TEST_F(DatesListTest, ADateWithoutAYearShowsNoAgeButItsCountdown)
{
    const auto table = makeTable({withDates("Dupont", "Jean", "05/01/    ")});
    EXPECT_EQ(build(*table), (std::vector<std::string>{DupontLine}));
    EXPECT_EQ((*list)[1].Age, 2027); // kept as computed; only the line leaves it out
    options.extraInfo = ExtraInfo::Countdown;
    EXPECT_EQ(build(*table), (std::vector<std::string>{DupontLine + "(29 days)"}));
}

TEST_F(DatesListTest, ABirthYearAfterTheOccurrenceShowsNoAge)
{
    const auto lines = build(*makeTable({withDates("Dupont", "Jean", "05/01/2030"), withDates("Zoe", "", "06/01/2027")}));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], DupontLine);
    EXPECT_EQ(lines[1].substr(lines[1].size() - 9), "(0 years)"); // born on the day itself
}

TEST_F(DatesListTest, CountdownAcrossNewYear)
{
    const auto table = makeTable({withDates("A", "", "05/01/2000")});
    options.extraInfo = ExtraInfo::Countdown;
    build(*table, {2026, 12, 25});
    EXPECT_EQ((*list)[1].Days, 11);
}

TEST_F(DatesListTest, TwentyNinthOfFebruaryIsListedOnTheFirstOfMarchInACommonYear)
{
    const auto table = makeTable({withDates("Dupont", "Jean", "29/02/1980")});
    const std::string person = " Dupont Jean" + std::string(16, ' ') + "Birthday     ";
    options.extraInfo = ExtraInfo::Countdown;
    EXPECT_EQ(build(*table, {2027, 2, 28}), (std::vector<std::string>{"01/03/27" + person + "(1 day)"}));
    EXPECT_FALSE(list->ShownInRed);
    options.extraInfo = ExtraInfo::Age;
    EXPECT_EQ(build(*table, {2027, 3, 1}), (std::vector<std::string>{"01/03/27" + person + "(47 years)"}));
    EXPECT_TRUE(list->ShownInRed);
    EXPECT_EQ((*list)[1].Days, 0);
    EXPECT_EQ(build(*table, {2028, 2, 28}), (std::vector<std::string>{"29/02/28" + person + "(48 years)"}));
}

TEST_F(DatesListTest, TheLastDayOfFebruaryRuleListsTwentyNinthOfFebruaryOnTheTwentyEighth)
{
    const auto table = makeTable({withDates("Dupont", "Jean", "29/02/1980")});
    const std::string person = " Dupont Jean" + std::string(16, ' ') + "Birthday     ";
    leapDay = LeapDayRule::FebruaryLast;
    options.extraInfo = ExtraInfo::Countdown;
    EXPECT_EQ(build(*table, {2027, 2, 21}), (std::vector<std::string>{"28/02/27" + person + "(7 days)"}));
    EXPECT_FALSE(list->ShownInRed);
    EXPECT_EQ(build(*table, {2027, 2, 28}), (std::vector<std::string>{"28/02/27" + person + "(0 days)"}));
    EXPECT_TRUE(list->ShownInRed);
    EXPECT_TRUE(build(*table, {2027, 3, 1}).empty()); // next celebrated on 29/02/2028, out of the month
    EXPECT_EQ(build(*table, {2028, 2, 28}), (std::vector<std::string>{"29/02/28" + person + "(1 day)"}));
}

TEST_F(DatesListTest, EmptyDatesAndEmptyTablesListNothing)
{
    build(*makeTable({withDates("Z", "", "08/12/1990")}));
    build(*makeTable({withDates("A", "", EmptyDateText)}));
    EXPECT_EQ(list->DateEntryCount, 0);
    EXPECT_TRUE(build(FriendTable{}).empty());
}

TEST_F(DatesListTest, EveryDateOfAFullTableIsKept)
{
    auto table = std::make_unique<FriendTable>();
    for (int n = 0; n < FriendTable::Capacity; ++n) {
        table->AppendFriend(withDates("F" + std::to_string(n), "", "08/12/1980", "09/12/    ",
                                                   "10/12/2000", "11/12/2010"));
    }
    const auto lines = build(*table);
    EXPECT_EQ(list->DateEntryCount, 4000);
    EXPECT_EQ(lines.size(), 4000u);
    EXPECT_EQ((*list)[4000].Date.str(), "11/12/2026");
}

TEST_F(DatesListTest, EqualDatesEndWhereTheExchangeSortLeavesThem)
{
    std::mt19937 random(3);
    auto table = std::make_unique<FriendTable>();
    std::vector<std::pair<std::string, std::string>> reference; // (key, person) in build order
    for (int n = 0; n < 200; ++n) {
        const std::string day = std::to_string(10 + random() % 3);
        table->AppendFriend(withDates("P" + std::to_string(n), "", day + "/12/1990"));
        reference.emplace_back("202612" + day, "P" + std::to_string(n));
    }
    for (std::size_t i = 0; i + 1 < reference.size(); ++i) {
        for (std::size_t j = i + 1; j < reference.size(); ++j) {
            if (reference[j].first < reference[i].first) {
                std::swap(reference[i], reference[j]);
            }
        }
    }
    build(*table);
    for (std::uint16_t k = 1; k <= list->DateEntryCount; ++k) {
        EXPECT_EQ((*list)[k].Nom.str(), reference[k - 1].second) << k;
    }
}
