#include "core/sync/SyncApply.h"

#include "core/platform/FileReader.h"
#include "core/platform/Folders.h"
#include "support/Friends.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace zelmora {
namespace {

using test::makeFriend;

class SyncApplyTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(store.change([](FriendTable& table, DisplayOptions&) {
                             table = *test::makeTable({makeFriend("DUPONT", "Anne")});
                             return Status::success();
                         }).status.ok);
        plannedOn = store.table();
        plan.state = {"https://x/book/", "token-2", false, {}};
    }
    SyncApplied apply()
    {
        return applySyncPlan(plan, plannedOn, store, writer,
                             [&](const FriendsStore::Change& change, const FriendsStore::Follower& written) {
                                 return store.change(change, LockPatience, written);
                             },
                             Language::English);
    }
    std::string stateBytes() const { return readWholeFile(folder / SyncStateFileName).bytes; }

    test::TempFolder folder;
    AtomicFileWriter writer{AtomicFileWriter::Flush::No};
    Language language = Language::English;
    FriendsStore store{folder.path(), language, writer};
    FriendTable plannedOn;
    SyncPlan plan;
};

TEST_F(SyncApplyTest, ThePlannedFriendsAndTheStateAreWrittenTogether)
{
    *plan.table = *test::makeTable({makeFriend("DUPONT", "Anne"), makeFriend("MARTIN", "Luc")});
    plan.tableChanged = true;
    const SyncApplied applied = apply();
    EXPECT_TRUE(applied.status.ok);
    EXPECT_FALSE(applied.changedMeanwhile);
    EXPECT_EQ(store.table().FriendCount, 2);
    EXPECT_EQ(loadSyncState(folder.path()).state, plan.state);
}

TEST_F(SyncApplyTest, FriendsChangedMeanwhileTakeNothingInAndWriteNothing)
{
    FriendsStore otherProgram(folder.path(), language, writer);
    ASSERT_TRUE(otherProgram.change([](FriendTable& table, DisplayOptions&) {
                                table[1].Telephone.assign("01");
                                return Status::success();
                            }).status.ok);
    for (const bool tableChanged : {true, false}) {
        plan.tableChanged = tableChanged;
        const SyncApplied applied = apply();
        EXPECT_TRUE(applied.status.ok) << tableChanged;
        EXPECT_TRUE(applied.changedMeanwhile) << tableChanged;
        EXPECT_FALSE(std::filesystem::exists(folder / SyncStateFileName)) << tableChanged;
        store.readAgainIfChanged();
    }
    EXPECT_EQ(store.table()[1].Telephone, "01");
}

TEST_F(SyncApplyTest, AnIdleSyncLeavesTheFriendsFileAndAnUnchangedStateAlone)
{
    const auto friendsWritten = std::filesystem::last_write_time(folder / DatabaseFileName);
    ASSERT_TRUE(apply().status.ok);
    const auto stateWritten = std::filesystem::last_write_time(folder / SyncStateFileName);
    ASSERT_TRUE(apply().status.ok);
    EXPECT_EQ(std::filesystem::last_write_time(folder / SyncStateFileName), stateWritten);
    EXPECT_EQ(std::filesystem::last_write_time(folder / DatabaseFileName), friendsWritten);
    plan.state.syncToken = "token-3";
    ASSERT_TRUE(apply().status.ok);
    EXPECT_EQ(loadSyncState(folder.path()).state.syncToken, "token-3");
}

} // namespace
} // namespace zelmora
