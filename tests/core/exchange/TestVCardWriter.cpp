#include "core/exchange/VCardWriter.h"

#include "core/exchange/ContactMapping.h"
#include "core/exchange/FriendCard.h"
#include "core/exchange/VCardContact.h"
#include "support/Friends.h"
#include "VCardText.h"

#include <gtest/gtest.h>

namespace zelmora {
namespace {

using F = FriendField;

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = text.find("\r\n"); end != std::string::npos; end = text.find("\r\n", start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

std::vector<std::string> linesStartingWith(const std::string& text, std::string_view start)
{
    std::vector<std::string> found;
    for (const std::string& line : linesOf(text)) {
        if (line.starts_with(start)) {
            found.push_back(line);
        }
    }
    return found;
}

TEST(VCardWriter, WritesEveryDateWithTheLabelThatBringsItBack)
{
    const auto table = test::makeTable({test::makeFriend(
        "DUPONT", "Anne", {{F::Anniversaire, "05/01/1980"}, {F::Fete, "26/07/    "}, {F::Date1, "01/09/2010"},
                           {F::Raison1, "Rentr\xE9" "e, \xE9" "cole"}, {F::Date2, "12/06/2005"},
                           {F::Raison2, "Anniversaire de mariage"}})});
    const std::string cards = VCardWriter(Language::French).write(*table);
    EXPECT_EQ(linesStartingWith(cards, "BDAY"), std::vector<std::string>{"BDAY:19800105"});
    EXPECT_EQ(linesStartingWith(cards, "saint."),
              (std::vector<std::string>{"saint.X-ABDATE:--0726", "saint.X-ABLabel:F\xC3\xAAte"}));
    EXPECT_EQ(linesStartingWith(cards, "date1."),
              (std::vector<std::string>{"date1.X-ABDATE:20100901", "date1.X-ABLabel:Rentr\xC3\xA9" "e\\, \xC3\xA9" "cole"}));
    EXPECT_EQ(linesStartingWith(cards, "date2."), std::vector<std::string>{"date2.ANNIVERSARY:20050612"});
}

TEST(VCardWriter, EachCardKeepsItsUidFromOneExportToTheNext)
{
    auto table = test::makeTable({test::makeFriend("DUPONT", "Anne"), test::makeFriend("MARTIN", "Luc")});
    const std::vector<std::string> before = linesStartingWith(VCardWriter(Language::English).write(*table), "UID:");
    ASSERT_EQ(before.size(), 2u);
    EXPECT_TRUE(before[0].starts_with("UID:urn:zelmora:")) << before[0];
    EXPECT_NE(before[0], before[1]);

    (*table)[++table->FriendCount] = test::makeFriend("ADAM", "Eve");
    table->SortFriends();
    const std::vector<std::string> after = linesStartingWith(VCardWriter(Language::French).write(*table), "UID:");
    EXPECT_EQ(std::vector<std::string>(after.begin() + 1, after.end()), before);
}

TEST(FriendCard, VersionThreeWritesDatesWithoutAYearAndAnniversariesAsAppleDoes)
{
    const TFriend f = test::makeFriend("DUPONT", "Anne",
                                       {{F::Anniversaire, "05/01/1980"}, {F::Fete, "29/02/    "}, {F::Date1, "12/06/2005"},
                                        {F::Raison1, "Wedding anniversary"}, {F::Date2, "01/09/    "}, {F::Raison2, "Rentr\xE9" "e"}});
    const std::string card = FriendCard(VCardVersion::V3, Language::English).card(f, "u-1");
    EXPECT_EQ(linesStartingWith(card, "VERSION"), std::vector<std::string>{"VERSION:3.0"});
    EXPECT_EQ(linesStartingWith(card, "UID"), std::vector<std::string>{"UID:u-1"});
    EXPECT_EQ(linesStartingWith(card, "BDAY"), std::vector<std::string>{"BDAY:1980-01-05"});
    EXPECT_EQ(linesStartingWith(card, "saint."), (std::vector<std::string>{"saint.X-ABDATE;X-APPLE-OMIT-YEAR=1604:1604-02-29",
                                                                          "saint.X-ABLabel:Saint's day"}));
    EXPECT_EQ(linesStartingWith(card, "date1."),
              (std::vector<std::string>{"date1.X-ABDATE:2005-06-12", "date1.X-ABLabel:_$!<Anniversary>!$_"}));

    // Every date comes back where it was.
    const std::vector<VCard> read = test::readCards(card);
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(ContactMapping(Language::English).map(VCardContact::fromCard(read[0])).record, f);
}

TEST(FriendCard, APartWithNothingToSayHasNoLines)
{
    const FriendCard writer(VCardVersion::V3, Language::English);
    const TFriend f = test::makeFriend("DUPONT", "", {{F::Anniversaire, "  /  /    "}, {F::Telephone, "01 23"}});
    for (const CardPart part : {CardPart::Address, CardPart::Mobile, CardPart::Email, CardPart::WebSite, CardPart::Notes,
                                CardPart::Birthday, CardPart::SaintsDay, CardPart::OtherDate1, CardPart::OtherDate2}) {
        EXPECT_EQ(writer.partLines(part, f), "") << static_cast<int>(part);
    }
    EXPECT_EQ(writer.partLines(CardPart::Phone, f), "TEL;TYPE=voice:01 23\r\n");
    EXPECT_EQ(writer.partLines(CardPart::Names, f), "FN:DUPONT\r\nN:DUPONT;;;;\r\n");
}

} // namespace
} // namespace zelmora
