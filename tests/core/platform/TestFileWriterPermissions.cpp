// Permissions, owners, links and devices: what a save keeps of the file it replaces, and
// which links a save or a read follows.
#include "core/platform/FileReader.h"
#include "core/platform/FileWriter.h"
#include "core/platform/LockFile.h"
#include "core/platform/MappedFile.h"

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

TEST(FileWriter, WritesThroughOwnLinksAndLeavesThemInPlace)
{
    test::TempFolder folder;
    fs::create_directory(folder / "real");
    ASSERT_TRUE(AtomicFileWriter().replace(folder / "real" / "file", "old").ok);
    fs::create_symlink("real/file", folder / "link");
    fs::create_symlink("link", folder / "second");

    const AtomicFileWriter writer;
    ASSERT_TRUE(writer.replace(folder / "link", "new").ok);
    EXPECT_EQ(readWholeFile(folder / "second").bytes, "new");
    ASSERT_TRUE(writer.replace(folder / "second", "newer").ok);
    EXPECT_TRUE(fs::is_symlink(folder / "link"));
    EXPECT_TRUE(fs::is_symlink(folder / "second"));
    EXPECT_EQ(readWholeFile(folder / "real" / "file").bytes, "newer");
    EXPECT_EQ(entriesIn(folder / "real"), 1u);
    EXPECT_EQ(entriesIn(folder.path()), 3u);
}

TEST(FileWriter, NothingIsCreatedThroughADanglingLink)
{
    test::TempFolder folder;
    fs::create_symlink("missing", folder / "dangling");
    const Status written = AtomicFileWriter().replace(folder / "dangling", "made");
    EXPECT_FALSE(written.ok);
    EXPECT_NE(written.message.find("dangling: it is a symbolic link to "), std::string::npos) << written.message;
    EXPECT_NE(written.message.find("which does not exist"), std::string::npos) << written.message;
    const FileContents read = readWholeFile(folder / "dangling");
    EXPECT_EQ(read.state, FileContents::State::Failed); // not Missing: nobody may create it
    LockFile lock;
    EXPECT_FALSE(lock.open(folder / "dangling").ok);
    EXPECT_FALSE(fs::exists(folder / "missing"));
    EXPECT_EQ(entriesIn(folder.path()), 1u);
}

// Links another user planted in a shared folder, towards the victim's own files.
TEST(FileWriter, LinksOfOtherUsersOrToTheirFilesAreNotFollowed)
{
    if (geteuid() != 0) {
        GTEST_SKIP() << "a link of another user can only be made as root";
    }
    test::TempFolder folder;
    fs::permissions(folder.path(), fs::perms::all);
    const fs::path profile = folder / ".profile";
    ASSERT_TRUE(AtomicFileWriter().replace(profile, "# the victim's own").ok);
    fs::create_symlink(profile, folder / "planted");
    ASSERT_EQ(lchown((folder / "planted").c_str(), test::NobodyId, test::NobodyId), 0);

    const auto refusedNamingTheLink = [&](const Status& status) {
        return !status.ok && status.message.find("planted: it is a symbolic link made by user nobody (65534)") != std::string::npos;
    };
    EXPECT_TRUE(refusedNamingTheLink(AtomicFileWriter().replace(folder / "planted", "echo owned")));
    const FileContents read = readWholeFile(folder / "planted");
    EXPECT_TRUE(refusedNamingTheLink(Status::failure(read.message))) << read.message;
    const MappedFile mapped(folder / "planted", NoSizeLimit);
    EXPECT_EQ(mapped.state(), FileContents::State::Failed);
    EXPECT_EQ(mapped.bytes(), "");
    LockFile lock;
    EXPECT_TRUE(refusedNamingTheLink(lock.open(folder / "planted")));
    EXPECT_EQ(readWholeFile(profile).bytes, "# the victim's own");

    // The administrator's links are trusted, but only towards the user's own files.
    const fs::path theirs = folder / "theirs";
    ASSERT_TRUE(AtomicFileWriter().replace(theirs, "theirs").ok);
    fs::create_symlink(theirs, folder / "root-link");
    const int nobodyWrites = test::asOrdinaryUser([&] {
        const Status toRootsFile = AtomicFileWriter().replace(folder / "root-link", "x");
        return !toRootsFile.ok && toRootsFile.message.find("a file of user root (0)") != std::string::npos ? 0 : 1;
    });
    EXPECT_EQ(nobodyWrites, 0);
    ASSERT_EQ(chown(theirs.c_str(), test::NobodyId, test::NobodyId), 0);
    EXPECT_EQ(test::asOrdinaryUser([&] { return AtomicFileWriter().replace(folder / "root-link", "mine").ok ? 0 : 1; }), 0);
    EXPECT_EQ(readWholeFile(theirs).bytes, "mine");
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
