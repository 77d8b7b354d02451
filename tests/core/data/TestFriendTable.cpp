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

const auto keepIt = [] { return true; };
const auto refuseIt = [] { return false; };

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
        (*table)[++table->FriendCount] = f;
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
    table->FriendCount = FriendTable::Capacity;
    table->CurrentFriend = 7;
    EXPECT_FALSE(table->AppendFriend());
    EXPECT_EQ(table->FriendCount, 1000);
    EXPECT_EQ(table->CurrentFriend, 7);
    EXPECT_FALSE(table->EditPending);
    EXPECT_FALSE(table->NewPending);
}

TEST(FriendTable, CancellingANewFriendRestoresThePreviousOne)
{
    auto table = makeTable({makeFriend("A"), makeFriend("B")});
    table->CurrentFriend = 2;
    ASSERT_TRUE(table->AppendFriend());
    EXPECT_EQ(table->FriendCount, 3);
    EXPECT_EQ(table->CurrentFriend, 3);
    table->CancelCard();
    EXPECT_EQ(table->FriendCount, 2);
    EXPECT_EQ(table->CurrentFriend, 2);
    EXPECT_FALSE(table->EditPending);
    EXPECT_FALSE(table->NewPending);
}

TEST(FriendTable, ValidatingStoresTrimsSortsAndFollowsTheFriend)
{
    auto table = makeTable({makeFriend("MARTIN", "Paul"), makeFriend("ZOLA", "Emile")});
    ASSERT_TRUE(table->AppendFriend());
    CardTexts typed = card("  DUPONT  ", "\tJean ");
    typed[fieldIndex(FriendField::Raison1)] = "party  ";
    ASSERT_TRUE(table->ValidateCard(typed, refuseIt));
    EXPECT_EQ(listTexts(*table), (std::vector<std::string>{"DUPONT Jean", "MARTIN Paul", "ZOLA Emile"}));
    EXPECT_EQ(table->CurrentFriend, 1);
    EXPECT_EQ((*table)[1].Raison1.str(), "party  "); // only the names are trimmed
    EXPECT_FALSE(table->EditPending);
    EXPECT_FALSE(table->NewPending);
}

TEST(FriendTable, ValidatingFindsAFriendWhoseNamesFillTheirCapacity)
{
    auto table = makeTable({makeFriend("A")});
    ASSERT_TRUE(table->AppendFriend());
    const std::string fifty(50, 'N');
    ASSERT_TRUE(table->ValidateCard(card(fifty + "cut", fifty), refuseIt));
    EXPECT_EQ(table->CurrentFriend, 2);
    EXPECT_EQ((*table)[2].Nom.str(), fifty);
}

TEST(FriendTable, DuplicateNameAsksAndARefusalCancels)
{
    auto table = makeTable({makeFriend("DUPONT", "Jean")});
    int asked = 0;
    ASSERT_TRUE(table->AppendFriend());
    EXPECT_FALSE(table->ValidateCard(card("DUPONT", " Jean"), [&] { ++asked; return false; }));
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(table->FriendCount, 1);

    ASSERT_TRUE(table->AppendFriend());
    EXPECT_TRUE(table->ValidateCard(card("DUPONT", "Jean"), keepIt));
    EXPECT_EQ(listTexts(*table), (std::vector<std::string>{"DUPONT Jean", "DUPONT Jean"}));
}

TEST(FriendTable, EditingAFriendDoesNotCountItselfAsADuplicate)
{
    auto table = makeTable({makeFriend("DUPONT", "Jean"), makeFriend("MARTIN", "Paul")});
    table->CurrentFriend = 1;
    EXPECT_TRUE(table->ValidateCard(card("DUPONT", "Jean"), refuseIt));
    EXPECT_EQ(table->FriendCount, 2);
}

TEST(FriendTable, DeletingClosesTheGapAndKeepsTheCurrentSlotInRange)
{
    auto table = makeTable({makeFriend("A"), makeFriend("B"), makeFriend("C")});
    table->CurrentFriend = 3;
    table->DeleteFriend(3);
    EXPECT_EQ(listTexts(*table), (std::vector<std::string>{"A ", "B "}));
    EXPECT_EQ(table->CurrentFriend, 2);
    table->CurrentFriend = 1;
    table->DeleteFriend(1);
    EXPECT_EQ(listTexts(*table), (std::vector<std::string>{"B "}));
    table->DeleteFriend(1);
    EXPECT_EQ(table->FriendCount, 0);
    EXPECT_EQ(table->CurrentFriend, 0);
    EXPECT_EQ(table->ShowCard(0), CardTexts{});
}

TEST(FriendTable, TypingIntoTheEmptiedCardAddsAFriendInsteadOfLosingIt)
{
    auto table = makeTable({makeFriend("A")});
    table->DeleteFriend(1);
    ASSERT_EQ(table->CurrentFriend, 0);
    EXPECT_TRUE(table->ValidateCard(card("NEW", "One"), refuseIt));
    EXPECT_EQ(listTexts(*table), (std::vector<std::string>{"NEW One"}));
    EXPECT_EQ(table->CurrentFriend, 1);
    EXPECT_EQ((*table)[0], TFriend{});
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
    table->CurrentFriend = 3;
    EXPECT_TRUE(table->NameExists("DUPONT Anne"));
    EXPECT_FALSE(table->NameExists("MARTIN Paul"));
}

TEST(FriendTable, SortOrdersKeysThatDifferOnlyInLengthOrZeroBytes)
{
    using namespace std::string_literals;
    const std::vector<TFriend> records = {makeFriend("a\0\0"s), makeFriend("a"), makeFriend(""), makeFriend("a\0"s),
                                          makeFriend("a", "\0"s), makeFriend("abcdefgh\0"s), makeFriend("abcdefgh")};
    EXPECT_EQ(sortedByTable(records), referenceSort(records));
}
