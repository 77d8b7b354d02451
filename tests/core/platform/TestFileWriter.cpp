#include "core/platform/FileReader.h"
#include "core/platform/FileWriter.h"

#include "support/FailingWriter.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace zelmora;
namespace fs = std::filesystem;

using test::entriesIn;

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

TEST(PendingFile, OnlyACommitReplacesTheTarget)
{
    test::TempFolder folder;
    ASSERT_TRUE(AtomicFileWriter().replace(folder / "file", "old").ok);
    {
        PendingFile abandoned;
        ASSERT_TRUE(abandoned.open(folder / "file").ok);
        std::ofstream(abandoned.path()) << "half";
    }
    EXPECT_EQ(readWholeFile(folder / "file").bytes, "old");
    EXPECT_EQ(entriesIn(folder.path()), 1u);

    PendingFile pending;
    ASSERT_TRUE(pending.open(folder / "file").ok);
    EXPECT_EQ(pending.path().parent_path(), folder.path());
    std::ofstream(pending.path()) << "whole";
    ASSERT_TRUE(pending.commit().ok);
    EXPECT_EQ(readWholeFile(folder / "file").bytes, "whole");
    EXPECT_EQ(entriesIn(folder.path()), 1u);
}
