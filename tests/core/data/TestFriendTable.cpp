#include "core/data/FriendTable.h"

#include "support/Friends.h"

#include <gtest/gtest.h>

#include <random>

using namespace zelmora;
using zelmora::test::makeFriend;
using zelmora::test::makeTable;

namespace {

std::vector<std::string> listTexts(const FriendTable& table)
{
    std::vector<std::string> texts;
    for (std::uint16_t slot = 1; slot <= table.FriendCount; ++slot) {
        texts.push_back(listText(table[slot]));
    }
    return texts;
}

CardTexts card(std::string nom, std::string prenom)
{
    CardTexts texts;
    texts[fieldIndex(FriendField::Nom)] = std::move(nom);
    texts[fieldIndex(FriendField::Prenom)] = std::move(prenom);
    return texts;
}


// The exchange sort done literally on whole records: the reference the table must match.
std::vector<std::string> referenceSort(std::vector<TFriend> records)
{
    const auto key = [](const TFriend& f) { return f.Nom.str() + f.Prenom.str(); };
    for (std::size_t i = 0; i + 1 < records.size(); ++i) {
        for (std::size_t j = i + 1; j < records.size(); ++j) {
            if (compareBytes(key(records[j]), key(records[i])) < 0) {
                std::swap(records[i], records[j]);
            }
        }
    }
    std::vector<std::string> texts;
    for (const TFriend& f : records) {
        texts.push_back(listText(f) + "|" + f.Notes.str());
    }
    return texts;
}

// The same records through SortFriends, described the same way.
std::vector<std::string> sortedByTable(const std::vector<TFriend>& records)
{
    auto table = std::make_unique<FriendTable>();
    for (const TFriend& f : records) {
        table->AppendFriend(f);
    }
    table->SortFriends();
    std::vector<std::string> sorted;
    for (std::uint16_t slot = 1; slot <= table->FriendCount; ++slot) {
        sorted.push_back(listText((*table)[slot]) + "|" + (*table)[slot].Notes.str());
    }
    return sorted;
}

} // namespace

TEST(FriendTable, SortsOnByteCodesOfNomThenPrenom)
{
    auto table = makeTable({makeFriend("dupont"), makeFriend("Zorro"), makeFriend("\xC9mile"), makeFriend("zoe"),
                            makeFriend("a", "bd"), makeFriend("ab", "c")});
    table->SortFriends();
    EXPECT_EQ(listTexts(*table),
              (std::vector<std::string>{"Zorro ", "ab c", "a bd", "dupont ", "zoe ", "\xC9mile "}));
}

TEST(FriendTable, SortLeavesEqualKeysExactlyWhereTheExchangeSortDoes)
{
    std::mt19937 random(7);
    std::vector<TFriend> records;
    for (int i = 0; i < 300; ++i) {
        // Few distinct names, so that equal keys abound; the note tells copies apart.
        // Some share a prefix longer than a quick comparison looks at.
        const std::string shared = random() % 2 ? "SAME-LONG-START" : "";
        TFriend f = makeFriend(shared + static_cast<char>('A' + random() % 4),
                               std::string(1, static_cast<char>('a' + random() % 3)));
        f.Notes.assign(std::to_string(i));
        records.push_back(f);
    }
    EXPECT_EQ(sortedByTable(records), referenceSort(records));
}

TEST(FriendTable, AppendStopsAtTheCapacity)
{
    auto table = std::make_unique<FriendTable>();
    table->FriendCount = FriendTable::Capacity - 1;
    EXPECT_TRUE(table->AppendFriend(makeFriend("LAST")));
    EXPECT_FALSE(table->AppendFriend(makeFriend("MORE")));
    EXPECT_EQ(table->FriendCount, 1000);
    EXPECT_EQ((*table)[1000].Nom.view(), "LAST");
    EXPECT_EQ(table->ValidateCard(0, card("MORE", "")), 0);
}

TEST(FriendTable, ValidatingStoresTrimsSortsAndFollowsTheFriend)
{
    auto table = makeTable({makeFriend("MARTIN", "Paul"), makeFriend("ZOLA", "Emile")});
    CardTexts typed = card("  DUPONT  ", "\tJean ");
    typed[fieldIndex(FriendField::Raison1)] = "party  ";
    EXPECT_EQ(table->ValidateCard(0, typed), 1);
    EXPECT_EQ(listTexts(*table), (std::vector<std::string>{"DUPONT Jean", "MARTIN Paul", "ZOLA Emile"}));
    EXPECT_EQ((*table)[1].Raison1.str(), "party  "); // only the names are trimmed

    // An existing friend renamed moves, and is followed there.
    EXPECT_EQ(table->ValidateCard(1, card("ZZZ", "")), 3);
    EXPECT_EQ(listTexts(*table), (std::vector<std::string>{"MARTIN Paul", "ZOLA Emile", "ZZZ "}));
}

TEST(FriendTable, ValidatingFollowsTheFriendItselfAmongSameNames)
{
    auto table = makeTable({makeFriend("DUPONT", "Jean", {{FriendField::Ville, "Paris"}})});
    CardTexts second = card("DUPONT", "Jean");
    second[fieldIndex(FriendField::Ville)] = "Nice";
    const std::uint16_t slot = table->ValidateCard(0, second);
    EXPECT_EQ((*table)[slot].Ville.view(), "Nice");

    const std::string fifty(50, 'N');
    EXPECT_EQ((*table)[table->ValidateCard(0, card(fifty + "cut", fifty))].Nom.str(), fifty);
}

TEST(FriendTable, ADuplicateIsAnotherFriendWithTheSameName)
{
    auto table = makeTable({makeFriend("DUPONT", "Jean"), makeFriend("MARTIN", "Paul")});
    EXPECT_TRUE(table->NameExists(listTextOf(card("DUPONT", " Jean"))));
    EXPECT_FALSE(table->NameExists("DUPONT Jean", 1)); // editing a friend is no duplicate of itself
    EXPECT_FALSE(table->NameExists("dupont Jean"));
}

TEST(FriendTable, DeletingClosesTheGap)
{
    auto table = makeTable({makeFriend("A"), makeFriend("B"), makeFriend("C")});
    table->DeleteFriend(3);
    EXPECT_EQ(listTexts(*table), (std::vector<std::string>{"A ", "B "}));
    table->DeleteFriend(1);
    EXPECT_EQ(listTexts(*table), (std::vector<std::string>{"B "}));
    table->DeleteFriend(1);
    EXPECT_EQ(table->FriendCount, 0);
    table->DeleteFriend(1); // nothing left: nothing happens
    EXPECT_EQ(table->FriendCount, 0);
    EXPECT_EQ(table->ShowCard(0), CardTexts{});
}

TEST(FriendTable, StoreCardCutsEveryValueToItsCapacity)
{
    auto table = makeTable({makeFriend("A")});
    CardTexts long_;
    for (std::string& text : long_) {
        text.assign(300, 'x');
    }
    table->StoreCard(1, long_);
    const CardTexts shown = table->ShowCard(1);
    for (std::size_t i = 0; i < FriendFieldCount; ++i) {
        EXPECT_EQ(shown[i].size(), fieldRef((*table)[1], static_cast<FriendField>(i)).capacity());
    }
}

TEST(FriendTable, FindAndNameExistsCompareExactly)
{
    auto table = makeTable({makeFriend("DUPONT", "Anne"), makeFriend("DUPONT", "Anne"), makeFriend("MARTIN", "Paul")});
    EXPECT_EQ(table->FindFriend("DUPONT Anne"), 1);
    EXPECT_EQ(table->FindFriend("dupont Anne"), 0);
    EXPECT_TRUE(table->NameExists("DUPONT Anne", 3));
    EXPECT_FALSE(table->NameExists("MARTIN Paul", 3));
}

TEST(FriendTable, SortOrdersKeysThatDifferOnlyInLengthOrZeroBytes)
{
    using namespace std::string_literals;
    const std::vector<TFriend> records = {makeFriend("a\0\0"s), makeFriend("a"), makeFriend(""), makeFriend("a\0"s),
                                          makeFriend("a", "\0"s), makeFriend("abcdefgh\0"s), makeFriend("abcdefgh")};
    EXPECT_EQ(sortedByTable(records), referenceSort(records));
}
