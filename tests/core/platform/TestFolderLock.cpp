#include "core/platform/FolderLock.h"

#include "core/platform/FileWriter.h"
#include "core/platform/Folders.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>
#endif

using namespace zelmora;
namespace fs = std::filesystem;
using namespace std::chrono_literals;

TEST(FolderLock, AHeldLockMakesOthersGiveUpUntilItIsReleased)
{
    test::TempFolder folder;
    FolderLock first;
    ASSERT_TRUE(first.acquire(folder.path(), Language::English).ok);
    FolderLock second;
    const Status busy = second.acquire(folder.path(), Language::French, 60ms);
    EXPECT_FALSE(busy.ok);
    EXPECT_NE(busy.message.find("Un autre Zelmora"), std::string::npos) << busy.message;
    EXPECT_FALSE(second.held());

    first.release();
    EXPECT_TRUE(second.acquire(folder.path(), Language::English, 0ms).ok);
}

#ifndef _WIN32 // a forked holder, and the temporaries' names of Linux
TEST(FolderLock, TheSystemReleasesTheLockOfAKilledProcess)
{
    test::TempFolder folder;
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t holder = fork();
    if (holder == 0) {
        FolderLock lock;
        const char taken = lock.acquire(folder.path(), Language::English).ok ? 'y' : 'n';
        [[maybe_unused]] const auto sent = write(ready[1], &taken, 1);
        pause();
        _exit(0);
    }
    char taken = 0;
    ASSERT_EQ(read(ready[0], &taken, 1), 1);
    ASSERT_EQ(taken, 'y');
    FolderLock lock;
    EXPECT_FALSE(lock.acquire(folder.path(), Language::English, 20ms).ok);
    kill(holder, SIGKILL);
    waitpid(holder, nullptr, 0);
    EXPECT_TRUE(lock.acquire(folder.path(), Language::English, 0ms).ok);
    close(ready[0]);
    close(ready[1]);
}

TEST(FolderLock, TakingItRemovesTheTemporariesOfKilledSaves)
{
    test::TempFolder folder;
    const std::vector<std::string> stale = {".Zelmor.dta.tmp-a1B2c3", ".Zelmor.reg.tmp-XyZ123", ".Zelmora.ini.tmp-q9W8e7"};
    const std::vector<std::string> others = {"Zelmor.dta", ".Zelmor.dta.tmp-toolong", ".notes.txt.tmp-a1B2c3"};
    for (const auto& name : stale) {
        ASSERT_TRUE(AtomicFileWriter().replace(folder / name, "x").ok);
    }
    for (const auto& name : others) {
        ASSERT_TRUE(AtomicFileWriter().replace(folder / name, "x").ok);
    }
    FolderLock lock;
    ASSERT_TRUE(lock.acquire(folder.path(), Language::English).ok);
    for (const auto& name : stale) {
        EXPECT_FALSE(fs::exists(folder / name)) << name;
    }
    for (const auto& name : others) {
        EXPECT_TRUE(fs::exists(folder / name)) << name;
    }
}
#endif
