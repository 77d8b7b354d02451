#include "core/saints/FeteProposals.h"

#include "Utf8.h"
#include "support/Friends.h"

#include <gtest/gtest.h>

using namespace zelmora;
using test::cp1252Of;
using test::makeFriend;

namespace {

TFriend withFete(std::string_view prenom, std::string_view fete)
{
    return makeFriend("DUPONT", prenom, {{FriendField::Fete, fete}});
}

std::unique_ptr<FriendTable> friends()
{
    return test::makeTable({
        withFete("Jean-Marie", "  /  /    "), // the whole name has one day: sure
        withFete("Pierre", "  /  /    "),     // seven days
        withFete(cp1252Of("Élodie"), "12/12/    "), // already set
        withFete("Zorglub", "  /  /    "),    // no saint
        withFete("jean louis", ""),           // no text at all; only the first part, five days
        withFete("Nicolas-Zorglub", "  /  /    "), // only the first part, one day: sure
    });
}

} // namespace

TEST(FeteProposals, ProposeForEmptySaintsDaysWhoseFirstNameIsKnown)
{
    const auto table = friends();
    const std::vector<FeteProposal> proposals = proposeFetes(*table, SaintsCalendar::french());
    ASSERT_EQ(proposals.size(), 4u);
    const struct {
        std::uint16_t slot;
        bool sure;
        std::size_t candidates;
    } expected[] = {{1, true, 6}, {2, false, 7}, {5, false, 5}, {6, true, 1}};
    for (std::size_t i = 0; i < proposals.size(); ++i) {
        EXPECT_EQ(proposals[i].slot, expected[i].slot);
        EXPECT_EQ(proposals[i].sure, expected[i].sure) << expected[i].slot;
        EXPECT_EQ(proposals[i].candidates.size(), expected[i].candidates) << expected[i].slot;
    }
    EXPECT_EQ(proposals[0].candidates.front().day, MonthDay({4, 8}));
}

TEST(FeteProposals, SureChoicesAreTheSingleBestDays)
{
    const auto table = friends();
    const std::vector<FeteChoice> choices = sureChoices(proposeFetes(*table, SaintsCalendar::french()));
    ASSERT_EQ(choices.size(), 2u);
    EXPECT_EQ(choices[0].slot, 1);
    EXPECT_EQ(choices[0].day, MonthDay({4, 8}));
    EXPECT_EQ(choices[1].slot, 6);
    EXPECT_EQ(choices[1].day, MonthDay({6, 12}));
}

TEST(FeteProposals, ApplyWritesOnlyEmptySaintsDays)
{
    const auto table = friends();
    const FeteChoice choices[] = {
        {1, {4, 8}},
        {3, {22, 10}}, // set meanwhile: kept
        {5, {23, 10}}, // no text at all counts as empty
        {7, {1, 1}},   // no such friend
        {0, {1, 1}},
    };
    EXPECT_EQ(applyFetes(*table, choices), 2u);
    EXPECT_EQ((*table)[1].Fete, "04/08/    ");
    EXPECT_EQ((*table)[2].Fete, "  /  /    ");
    EXPECT_EQ((*table)[3].Fete, "12/12/    ");
    EXPECT_EQ((*table)[5].Fete, "23/10/    ");
    EXPECT_EQ((*table)[7].Fete, "");
}

TEST(FeteProposals, ChosenDaysFindTheirFriendsInTheTableAsItIsNow)
{
    const auto shown = friends();
    TFriend changedMeanwhile = (*shown)[2];
    changedMeanwhile.Ville.assign("Lyon");
    // Another program added a friend in front, changed one and deleted another.
    const auto now = test::makeTable({makeFriend("ARNAUD", "Anne"), (*shown)[1], changedMeanwhile, (*shown)[6]});
    const ChosenFete chosen[] = {
        {(*shown)[6], {6, 12}},
        {(*shown)[2], {29, 6}}, // found by its name
        {(*shown)[4], {1, 1}},  // deleted
        {(*shown)[1], {4, 8}},
    };
    const std::vector<FeteChoice> choices = choicesIn(*now, chosen);
    ASSERT_EQ(choices.size(), 3u);
    const FeteChoice expected[] = {{4, {6, 12}}, {3, {29, 6}}, {2, {4, 8}}};
    for (std::size_t i = 0; i < choices.size(); ++i) {
        EXPECT_EQ(choices[i].slot, expected[i].slot) << i;
        EXPECT_EQ(choices[i].day, expected[i].day) << i;
    }
}
