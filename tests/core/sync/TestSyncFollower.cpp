#include "core/sync/SyncFollower.h"

#include "core/platform/Folders.h"
#include "core/sync/SyncState.h"
#include "support/Friends.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace zelmora {
namespace {

using F = FriendField;
using test::makeFriend;

class SyncFollowerTest : public testing::Test {
protected:
    void SetUp() override
    {
        store.follow(syncFollower(folder.path(), writer));
        ASSERT_TRUE(store.change([&](FriendTable& table, DisplayOptions&) {
                             table = *test::makeTable({anne, luc});
                             return Status::success();
                         }).status.ok);
    }
    void synchronised()
    {
        SyncState state{"https://x/", "t", false, {}};
        for (const TFriend* f : {&anne, &luc}) {
            state.entries.push_back({SyncEntry::Presence::Here, listText(*f), "/" + listText(*f), "\"1\"", *f, *f, false});
        }
        ASSERT_TRUE(saveSyncState(state, folder.path(), writer).ok);
    }
    std::vector<std::string> knownAs() const
    {
        std::vector<std::string> names;
        for (const SyncEntry& entry : loadSyncState(folder.path()).state.entries) {
            names.push_back(listText(entry.local));
        }
        return names;
    }
    FriendsStore::Change changing(std::function<void(FriendTable&)> change)
    {
        return [change](FriendTable& table, DisplayOptions&) {
            change(table);
            table.SortFriends();
            return Status::success();
        };
    }

    test::TempFolder folder;
    AtomicFileWriter writer{AtomicFileWriter::Flush::No};
    Language language = Language::English;
    FriendsStore store{folder.path(), language, writer};
    const TFriend anne = makeFriend("DUPONT", "Anne");
    const TFriend luc = makeFriend("MARTIN", "Luc");
};

TEST_F(SyncFollowerTest, BeforeTheFirstSynchronisationNothingIsWritten)
{
    ASSERT_TRUE(store.change(changing([](FriendTable& table) { table[1].Nom.assign("X"); })).status.ok);
    EXPECT_FALSE(std::filesystem::exists(folder / SyncStateFileName));
}

TEST_F(SyncFollowerTest, AFriendChangedAloneKeepsItsCardWhateverChanged)
{
    synchronised();
    ASSERT_TRUE(store.change(changing([](FriendTable& table) {
                         table[1] = makeFriend("LEBLANC", "Marie", {{F::Telephone, "01"}}); // Anne, all new
                     })).status.ok);
    EXPECT_EQ(knownAs(), (std::vector<std::string>{"LEBLANC Marie", "MARTIN Luc"}));
    EXPECT_TRUE(loadSyncState(folder.path()).state.entries[0].editedHere);
    EXPECT_FALSE(loadSyncState(folder.path()).state.entries[1].editedHere);
}

TEST_F(SyncFollowerTest, InLargerChangesFriendsAreFoundByNameAndTheOthersAreLeft)
{
    synchronised();
    ASSERT_TRUE(store.change(changing([](FriendTable& table) {
                         table[1].Telephone.assign("01");                   // Anne, found by her name
                         table[2] = makeFriend("DURAND", "Paul");           // Luc gone, Paul new
                         table.AppendFriend(makeFriend("ZOLA", "Emile"));   // new
                     })).status.ok);
    EXPECT_EQ(knownAs(), (std::vector<std::string>{"DUPONT Anne", "MARTIN Luc"}));
    EXPECT_EQ(loadSyncState(folder.path()).state.entries[0].local.Telephone, "01");
}

} // namespace
} // namespace zelmora
