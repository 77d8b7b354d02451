#include "core/data/Friend.h"

#include <gtest/gtest.h>

using namespace zelmora;

TEST(ShortText, CutsOnStore)
{
    ShortText<5> text("abcdefgh");
    EXPECT_EQ(text.view(), "abcde");
    text.assign("xy");
    EXPECT_EQ(text.view(), "xy");
}

TEST(ShortText, ComparesOnUnsignedBytesShorterFirst)
{
    EXPECT_LT(compareBytes("Zorro", "dupont"), 0);
    EXPECT_LT(compareBytes("zoe", "\xC9mile"), 0);
    EXPECT_LT(compareBytes("ab", "abc"), 0);
    EXPECT_EQ(compareBytes("", ""), 0);
    EXPECT_GT(compareJoined("a", "bd", "ab", "c"), 0); // abd after abc
    EXPECT_EQ(compareJoined("ab", "c", "a", "bc"), 0);
    EXPECT_LT(compareJoined("", "", "", "x"), 0);
    EXPECT_GT(compareJoined("x\xE9", "", "x", "z"), 0);
}

TEST(Friend, FieldsKeepTheirCapacitiesAndNames)
{
    TFriend f;
    const std::size_t capacities[] = {50, 50, 100, 100, 10, 50, 50, 50, 30, 30, 10, 10, 10, 50, 10, 50, 100, 50, 200};
    for (std::size_t i = 0; i < FriendFieldCount; ++i) {
        EXPECT_EQ(fieldRef(f, static_cast<FriendField>(i)).capacity(), capacities[i]) << FriendFieldNames[i];
        EXPECT_EQ(friendFieldByName(FriendFieldNames[i]), static_cast<FriendField>(i));
    }
    EXPECT_EQ(friendFieldByName("aNNiVERSAIRE"), FriendField::Anniversaire);
    EXPECT_FALSE(friendFieldByName("Age"));
    f.Nom.assign("Dupont");
    f.Prenom.assign("Anne");
    EXPECT_EQ(listText(f), "Dupont Anne");
}
