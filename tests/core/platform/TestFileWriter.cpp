#include "core/platform/FileReader.h"
#include "core/platform/FileWriter.h"

#include "support/AsOrdinaryUser.h"
#include "support/FailingWriter.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace zelmora;
namespace fs = std::filesystem;

namespace {

std::size_t entriesIn(const fs::path& folder) { return std::distance(fs::directory_iterator(folder), {}); }

} // namespace

TEST(FileWriter, NewFilesArePrivateAndExistingPermissionsStay)
{
    test::TempFolder folder;
    const AtomicFileWriter writer;
    ASSERT_TRUE(writer.replace(folder / "new", "one").ok);
    EXPECT_EQ(fs::status(folder / "new").permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);

    fs::permissions(folder / "new", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(writer.replace(folder / "new", "two").ok);
    EXPECT_EQ(readWholeFile(folder / "new").bytes, "two");
    EXPECT_EQ(fs::status(folder / "new").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(entriesIn(folder.path()), 1u);
}

TEST(FileWriter, FailureHalfWayKeepsTheOldFileAndLeavesNoTemporary)
{
    test::TempFolder folder;
    ASSERT_TRUE(AtomicFileWriter().replace(folder / "file", "old content").ok);
    const test::FailingWriter writer(3);
    const Status status = writer.replace(folder / "file", std::string(200000, 'x'));
    EXPECT_FALSE(status.ok);
    EXPECT_NE(status.message.find("No space left on device"), std::string::npos);
    EXPECT_EQ(readWholeFile(folder / "file").bytes, "old content");
    EXPECT_EQ(entriesIn(folder.path()), 1u);
}

TEST(FileWriter, ReadOnlyFileIsNeverReplaced)
{
    test::TempFolder folder;
    const AtomicFileWriter writer;
    ASSERT_TRUE(writer.replace(folder / "file", "keep me").ok);
    fs::permissions(folder / "file", fs::perms::owner_read);
    EXPECT_TRUE(isReadOnlyFile(folder / "file"));
    const Status status = writer.replace(folder / "file", "lost");
    EXPECT_FALSE(status.ok);
    EXPECT_NE(status.message.find("read-only"), std::string::npos);
    EXPECT_EQ(readWholeFile(folder / "file").bytes, "keep me");
}

TEST(FileWriter, ReadOnlyFolderRefusesWithTheSystemsReason)
{
    test::TempFolder folder;
    const fs::path locked = folder / "locked";
    fs::create_directory(locked);
    ASSERT_TRUE(AtomicFileWriter().replace(locked / "file", "keep me").ok);
    fs::permissions(locked / "file", fs::perms::all);
    fs::permissions(folder.path(), fs::perms::all); // nobody must reach the folder
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read
                                | fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    const int refused = test::asOrdinaryUser([&] {
        const Status status = AtomicFileWriter().replace(locked / "file", "lost");
        return !status.ok && status.message.find("Permission denied") != std::string::npos ? 0 : 1;
    });
    EXPECT_EQ(refused, 0);
    EXPECT_EQ(readWholeFile(locked / "file").bytes, "keep me");
    EXPECT_EQ(entriesIn(locked), 1u);
}
