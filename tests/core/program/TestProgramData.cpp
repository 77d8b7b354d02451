#include "core/program/ProgramData.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <thread>

using namespace zelmora;
using namespace std::chrono_literals;

TEST(ProgramData, ChangesInParallelThreadsAllKeepTheirFriend)
{
    test::TempFolder folder;
    const AtomicFileWriter writer(AtomicFileWriter::Flush::No);
    constexpr int Writers = 12;
    std::vector<std::thread> threads;
    std::vector<Status> results(Writers);
    for (int n = 0; n < Writers; ++n) {
        threads.emplace_back([&, n] {
            ProgramData data(folder / "data", Language::English, writer);
            results[n] = data.change([n](FriendTable& table, DisplayOptions&) {
                table.AppendFriend();
                table[table.FriendCount].Nom.assign("N" + std::to_string(n));
                return Status::success();
            }, 10s);
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    for (const Status& result : results) {
        EXPECT_TRUE(result.ok) << result.message;
    }
    ProgramData data(folder / "data", Language::English, writer);
    ASSERT_TRUE(data.loadForReading().ok);
    EXPECT_EQ(data.table().FriendCount, Writers);
}

TEST(ProgramData, AFailedChangeSavesNothingAndReadingCreatesNothing)
{
    test::TempFolder folder;
    const AtomicFileWriter writer;
    ProgramData data(folder.path(), Language::English, writer);
    EXPECT_TRUE(data.loadForReading().ok);
    EXPECT_EQ(data.table().FriendCount, 0);
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));

    const Status refused = data.change([](FriendTable& table, DisplayOptions&) {
        table.AppendFriend();
        return Status::failure("no");
    });
    EXPECT_EQ(refused.message, "no");
    EXPECT_FALSE(std::filesystem::exists(folder / "Zelmor.dta"));
}
