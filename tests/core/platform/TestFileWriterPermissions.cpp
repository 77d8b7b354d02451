// Permissions, owners, links and devices: what a save keeps of the file it replaces.
#include "core/platform/FileReader.h"
#include "core/platform/FileWriter.h"

#include "support/AsOrdinaryUser.h"
#include "support/DeviceNodes.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

using namespace zelmora;
namespace fs = std::filesystem;

using test::entriesIn;

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

TEST(FileWriter, WritesThroughLinksAndLeavesThemInPlace)
{
    test::TempFolder folder;
    fs::create_directory(folder / "real");
    ASSERT_TRUE(AtomicFileWriter().replace(folder / "real" / "file", "old").ok);
    fs::create_symlink("real/file", folder / "link");
    fs::create_symlink("real/new", folder / "dangling");

    const AtomicFileWriter writer;
    ASSERT_TRUE(writer.replace(folder / "link", "new").ok);
    ASSERT_TRUE(writer.replace(folder / "dangling", "made").ok);
    EXPECT_TRUE(fs::is_symlink(folder / "link"));
    EXPECT_TRUE(fs::is_symlink(folder / "dangling"));
    EXPECT_EQ(readWholeFile(folder / "real" / "file").bytes, "new");
    EXPECT_EQ(readWholeFile(folder / "real" / "new").bytes, "made");
    EXPECT_EQ(entriesIn(folder / "real"), 2u);
    EXPECT_EQ(entriesIn(folder.path()), 3u);
}

TEST(FileWriter, KeepsTheOwnerOrRefusesToLockThemOut)
{
    if (geteuid() != 0) {
        GTEST_SKIP() << "giving files away needs root";
    }
    test::TempFolder folder;
    fs::permissions(folder.path(), fs::perms::all);
    const AtomicFileWriter writer;
    const auto owned = [&](const std::string& name, uid_t uid, gid_t gid, mode_t mode) {
        EXPECT_TRUE(writer.replace(folder / name, "old").ok);
        EXPECT_EQ(chown((folder / name).c_str(), uid, gid), 0);
        EXPECT_EQ(chmod((folder / name).c_str(), mode), 0);
    };
    const auto statOf = [&](const std::string& name) {
        struct stat info{};
        stat((folder / name).c_str(), &info);
        return info;
    };

    owned("shared", test::NobodyId, test::NobodyId, 0640); // root saves a user's file
    ASSERT_TRUE(writer.replace(folder / "shared", "new").ok);
    EXPECT_EQ(statOf("shared").st_uid, test::NobodyId);
    EXPECT_EQ(statOf("shared").st_gid, test::NobodyId);
    EXPECT_EQ(statOf("shared").st_mode & 07777, 0640u);

    owned("group", 1234, test::NobodyId, 0660); // a member of the group saves: the group stays
    EXPECT_EQ(test::asOrdinaryUser([&] { return writer.replace(folder / "group", "new").ok ? 0 : 1; }), 0);
    EXPECT_EQ(statOf("group").st_gid, test::NobodyId);
    EXPECT_EQ(readWholeFile(folder / "group").bytes, "new");

    owned("locked", 1234, 1234, 0602); // the owner could not read what nobody would write
    const int refused = test::asOrdinaryUser([&] {
        const Status status = writer.replace(folder / "locked", "new");
        return !status.ok && status.message.find("belongs to user 1234") != std::string::npos ? 0 : 1;
    });
    EXPECT_EQ(refused, 0);
    EXPECT_EQ(readWholeFile(folder / "locked").bytes, "old");
    EXPECT_EQ(statOf("locked").st_uid, 1234u);
    EXPECT_EQ(entriesIn(folder.path()), 3u);
}

TEST(FileWriter, DevicesAreWrittenInPlaceWithTheirErrors)
{
    if (!test::canMakeDevices()) {
        GTEST_SKIP() << "mknod needs root";
    }
    test::TempFolder folder;
    ASSERT_TRUE(test::makeFullDevice(folder / "full"));
    ASSERT_TRUE(test::makeNullDevice(folder / "null"));
    const AtomicFileWriter writer;
    const Status full = writer.replace(folder / "full", "bytes");
    EXPECT_FALSE(full.ok);
    EXPECT_NE(full.message.find("No space left on device"), std::string::npos) << full.message;
    EXPECT_TRUE(writer.replace(folder / "null", "bytes").ok);
    EXPECT_TRUE(test::isCharacterDevice(folder / "full"));
    EXPECT_TRUE(test::isCharacterDevice(folder / "null"));
    EXPECT_EQ(entriesIn(folder.path()), 2u);
}
