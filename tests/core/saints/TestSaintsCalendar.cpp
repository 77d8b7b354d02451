#include "core/saints/SaintsCalendar.h"

#include "Utf8.h"

#include <gtest/gtest.h>

using namespace zelmora;
using test::cp1252Of;

namespace {

const SaintsCalendar& french() { return SaintsCalendar::french(); }

std::vector<std::string> daysOf(const std::vector<SaintCandidate>& candidates)
{
    std::vector<std::string> days;
    for (const SaintCandidate& c : candidates) {
        days.push_back(c.day.text() + (c.wholeName ? "" : " part"));
    }
    return days;
}

} // namespace

TEST(SaintsCalendar, EveryDayOfTheYearHasANameOnlyOnce)
{
    for (std::uint8_t month = 1; month <= 12; ++month) {
        for (std::uint8_t day = 1; MonthDay{day, month}.exists(); ++day) {
            const std::vector<std::string_view> names = french().namesOn({day, month});
            EXPECT_FALSE(names.empty()) << MonthDay({day, month}).text();
            for (std::size_t i = 0; i < names.size(); ++i) {
                EXPECT_EQ(std::count(names.begin(), names.end(), names[i]), 1) << MonthDay({day, month}).text();
            }
        }
    }
}

TEST(SaintsCalendar, FindsANameWhateverItsCaseAccentsBlanksAndHyphens)
{
    const struct {
        const char* typed;
        std::vector<std::string> days;
    } cases[] = {
        {"Élodie", {"22/10"}},
        {"élodie", {"22/10"}},
        {"ELODIE", {"22/10"}},
        {"Elodie", {"22/10"}},
        {"  Nicolas ", {"06/12"}},
        {"Jean-Marie", {"04/08", "31/01 part", "08/03 part", "09/04 part", "23/10 part", "27/12 part"}},
        {"jean marie", {"04/08", "31/01 part", "08/03 part", "09/04 part", "23/10 part", "27/12 part"}},
        {"JEAN - MARIE", {"04/08", "31/01 part", "08/03 part", "09/04 part", "23/10 part", "27/12 part"}},
        {"Zorglub", {}},
        {"", {}},
        {" - ", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(daysOf(french().candidates(cp1252Of(c.typed))), c.days) << c.typed;
    }
}

TEST(SaintsCalendar, ACompoundNameGivesItsOwnDaysBeforeThoseOfItsFirstPart)
{
    const std::vector<SaintCandidate> candidates = french().candidates("Jean-Baptiste");
    EXPECT_EQ(daysOf(candidates),
              (std::vector<std::string>{"07/04", "24/06", "31/01 part", "08/03 part", "09/04 part", "23/10 part", "27/12 part"}));
    EXPECT_EQ(candidates[1].name, "Jean-Baptiste");
    EXPECT_EQ(candidates.back().name, "Jean");
}

TEST(SaintsCalendar, ACompoundNameNotInTheCalendarFallsBackOnItsFirstPart)
{
    EXPECT_EQ(daysOf(french().candidates(cp1252Of("Nicolas-Éloi"))), std::vector<std::string>{"06/12 part"});
    EXPECT_TRUE(french().candidates("Zorglub-Nicolas").empty()); // only the first part counts
}

TEST(SaintsCalendar, AnAmbiguousNameListsEveryDay)
{
    EXPECT_EQ(daysOf(french().candidates("Pierre")),
              (std::vector<std::string>{"15/04", "23/04", "27/04", "29/06", "01/08", "09/12", "21/12"}));
    EXPECT_EQ(daysOf(french().candidates("Jean")),
              (std::vector<std::string>{"31/01", "08/03", "09/04", "23/10", "27/12"}));
}

TEST(SaintsCalendar, ADayOfTheFirstPartAlreadyProposedIsNotRepeated)
{
    constexpr SaintEntry entries[] = {
        {{27, 12}, "Jean"}, {{24, 6}, "Jean-Baptiste"}, {{24, 6}, "Jean"}, {{1, 2}, "Jean"}};
    const SaintsCalendar calendar(entries);
    EXPECT_EQ(daysOf(calendar.candidates("Jean-Baptiste")), (std::vector<std::string>{"24/06", "01/02 part", "27/12 part"}));
}

TEST(SaintsCalendar, NamesOfADayInTheCalendarsOrder)
{
    constexpr SaintEntry entries[] = {{{2, 1}, "Basile"}, {{3, 1}, "Geneviève"}, {{2, 1}, "Grégoire"}};
    const SaintsCalendar calendar(entries);
    EXPECT_EQ(calendar.namesOn({2, 1}), (std::vector<std::string_view>{"Basile", cp1252Of("Grégoire")}));
    EXPECT_TRUE(calendar.namesOn({4, 1}).empty());
}
