#include "core/exchange/FriendUid.h"

#include "support/Friends.h"

#include <gtest/gtest.h>

namespace zelmora {
namespace {

using F = FriendField;

TEST(FriendUid, AFriendKeepsItsUidWhenAnotherOfTheSameNameGoes)
{
    auto table = test::makeTable({test::makeFriend("DUPONT", "Jean", {{F::Anniversaire, "01/02/1970"}}),
                                  test::makeFriend("DUPONT", "Jean", {{F::Anniversaire, "03/04/1990"}}),
                                  test::makeFriend("MARTIN", "Paul")});
    const std::string younger = FriendUids(*table).stem(2);
    const std::string martin = FriendUids(*table).stem(3);
    EXPECT_NE(FriendUids(*table).stem(1), younger);

    table->DeleteFriend(1);
    EXPECT_EQ(FriendUids(*table).stem(1), younger);
    EXPECT_EQ(FriendUids(*table).stem(2), martin);
}

TEST(FriendUid, FriendsAlikeInNameAndBirthdayAreNumberedInTableOrder)
{
    auto table = test::makeTable({test::makeFriend("DUPONT", "Jean"), test::makeFriend("DUPONT", "Jean")});
    const FriendUids uids(*table);
    EXPECT_EQ(uids.stem(1).size(), 16u);
    EXPECT_EQ(uids.stem(2), uids.stem(1) + "-2");
}

} // namespace
} // namespace zelmora
