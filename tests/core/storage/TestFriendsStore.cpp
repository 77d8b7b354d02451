// The one road by which the friends change: lock, read again, change, write.
#include "core/storage/FriendsStore.h"

#include "core/platform/FileReader.h"
#include "support/FailingWriter.h"
#include "support/Friends.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <thread>

using namespace zelmora;
using namespace std::chrono_literals;
using test::makeFriend;

namespace {

class FriendsStoreTest : public testing::Test {
protected:
    // What another program writes.
    void writeFriends(std::initializer_list<TFriend> friends)
    {
        auto table = test::makeTable(friends);
        table->SortFriends();
        ASSERT_TRUE(AtomicFileWriter().replace(folder / "Zelmor.dta", encodeDatabase(*table, {})).ok);
    }
    std::string fileBytes() const { return readWholeFile(folder / "Zelmor.dta").bytes; }
    static FriendsStore::Change adding(std::string_view name)
    {
        return [name = std::string(name)](FriendTable& table, DisplayOptions&) {
            table.AppendFriend(makeFriend(name));
            table.SortFriends();
            return Status::success();
        };
    }

    test::TempFolder folder;
    Language language = Language::English;
    AtomicFileWriter writer{AtomicFileWriter::Flush::No};
};

} // namespace

TEST_F(FriendsStoreTest, ChangesInParallelThreadsAllKeepTheirFriend)
{
    constexpr int Writers = 12;
    std::vector<std::thread> threads;
    std::vector<Status> results(Writers);
    for (int n = 0; n < Writers; ++n) {
        threads.emplace_back([&, n] {
            FriendsStore store(folder / "data", language, writer);
            results[n] = store.change(adding("N" + std::to_string(n)), 10s).status;
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    for (const Status& result : results) {
        EXPECT_TRUE(result.ok) << result.message;
    }
    FriendsStore store(folder / "data", language, writer);
    ASSERT_TRUE(store.read().ok);
    EXPECT_EQ(store.table().FriendCount, Writers);
}

TEST_F(FriendsStoreTest, ReadingCreatesNothingAndAFailedChangeWritesNothing)
{
    FriendsStore store(folder.path(), language, writer);
    EXPECT_TRUE(store.read().ok);
    EXPECT_EQ(store.table().FriendCount, 0);
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));

    const FriendsStore::Outcome refused = store.change([](FriendTable& table, DisplayOptions&) {
        table.AppendFriend();
        return Status::failure("no");
    });
    EXPECT_EQ(refused.status.message, "no");
    EXPECT_EQ(store.table().FriendCount, 0);
    EXPECT_FALSE(std::filesystem::exists(folder / "Zelmor.dta"));
}

TEST_F(FriendsStoreTest, WhatWasNotWrittenIsNotInMemoryEither)
{
    writeFriends({makeFriend("ADAM")});
    const std::string before = fileBytes();
    {
        FriendsStore store(folder.path(), language, writer);
        store.open();
        FolderLock anotherProgram;
        ASSERT_TRUE(anotherProgram.acquire(folder.path(), language).ok);
        const FriendsStore::Outcome busy = store.change(adding("BUSY"), 50ms);
        EXPECT_TRUE(busy.lockBusy);
        EXPECT_NE(busy.status.message.find("Another Zelmora"), std::string::npos) << busy.status.message;
        EXPECT_EQ(store.table().FriendCount, 1);
    }
    const test::FailingWriter full(10);
    FriendsStore store(folder.path(), language, full);
    store.open();
    const FriendsStore::Outcome failed = store.change(adding("FULL"));
    EXPECT_FALSE(failed.lockBusy);
    EXPECT_TRUE(failed.status.message.starts_with("The database file could not be saved and was left unchanged: "));
    EXPECT_EQ(store.table().FriendCount, 1);
    EXPECT_EQ(fileBytes(), before);
}

TEST_F(FriendsStoreTest, TheFollowerSeesEveryWrittenChangeUnlessTheChangeBringsItsOwn)
{
    FriendsStore store(folder.path(), language, writer);
    std::vector<std::pair<std::uint16_t, std::uint16_t>> followed; // friends before and after
    store.follow([&](const FriendTable& before, const FriendTable& after) {
        followed.emplace_back(before.FriendCount, after.FriendCount);
        EXPECT_TRUE(std::filesystem::exists(folder / "Zelmor.dta")); // told once the friends are written
        return Status::failure("the follower's file is full");
    });
    ASSERT_TRUE(store.change(adding("ANN")).status.ok); // a follower's failure leaves the change standing
    EXPECT_EQ(store.table().FriendCount, 1);
    EXPECT_EQ(store.takeNotices(), std::vector<std::string>{"the follower's file is full"});
    EXPECT_FALSE(store.change([](FriendTable&, DisplayOptions&) { return Status::failure("no"); }).status.ok);

    bool ownFollowerRan = false;
    const auto own = [&](const FriendTable&, const FriendTable&) { return Status{ownFollowerRan = true, {}}; };
    ASSERT_TRUE(store.change(adding("BOB"), LockPatience, own).status.ok);
    EXPECT_TRUE(ownFollowerRan);
    EXPECT_EQ(followed, (std::vector<std::pair<std::uint16_t, std::uint16_t>>{{0, 1}}));
}

TEST_F(FriendsStoreTest, AnotherProgramsChangeIsReadAgainBeforeTheNextChange)
{
    writeFriends({makeFriend("BOB")});
    FriendsStore store(folder.path(), language, writer);
    store.open();
    writeFriends({makeFriend("ANN"), makeFriend("BOB")}); // zelmora-cli add, meanwhile
    const FriendsStore::Outcome outcome = store.change(adding("CID"));
    ASSERT_TRUE(outcome.status.ok);
    EXPECT_TRUE(outcome.reread);
    FriendsStore reader(folder.path(), language, writer);
    ASSERT_TRUE(reader.read().ok);
    ASSERT_EQ(reader.table().FriendCount, 3);
    EXPECT_EQ(reader.table()[1].Nom.view(), "ANN");
}

TEST_F(FriendsStoreTest, ADamagedFileIsRefusedToCommandsButKeptAsideByTheWindow)
{
    ASSERT_TRUE(AtomicFileWriter().replace(folder / "Zelmor.dta", "damaged").ok);
    FriendsStore command(folder.path(), language, writer);
    EXPECT_FALSE(command.read().ok);
    EXPECT_FALSE(command.change(adding("ANN")).status.ok);
    EXPECT_EQ(fileBytes(), "damaged");

    FriendsStore window(folder.path(), language, writer);
    EXPECT_EQ(window.open().status, LoadStatus::Damaged);
    ASSERT_TRUE(window.change(adding("ANN")).status.ok);
    EXPECT_EQ(readWholeFile(folder / "Zelmor.dta.damaged").bytes, "damaged");
    const std::vector<std::string> notices = window.takeNotices();
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_NE(notices[0].find("Zelmor.dta.damaged"), std::string::npos);
    EXPECT_TRUE(window.takeNotices().empty());
}

TEST_F(FriendsStoreTest, OptionsChosenOnScreenWaitForTheNextWrite)
{
    writeFriends({makeFriend("ANN")});
    FriendsStore store(folder.path(), language, writer);
    store.open();
    EXPECT_FALSE(store.hasUnsavedChanges());
    DisplayOptions options;
    options.watchWindow = WatchWindow::OneWeek;
    store.chooseOptions(options);
    EXPECT_TRUE(store.hasUnsavedChanges());
    ASSERT_TRUE(store.saveUnsaved().status.ok);
    EXPECT_FALSE(store.hasUnsavedChanges());
    FriendsStore reader(folder.path(), language, writer);
    ASSERT_TRUE(reader.read().ok);
    EXPECT_EQ(reader.options().watchWindow, WatchWindow::OneWeek);
}
