#include "core/platform/FileReader.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sys/stat.h>

using namespace zelmora;

TEST(FileReader, ReadsRegularFilesWhole)
{
    test::TempFolder folder;
    std::string bytes(3'000'000, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<char>(i * 7);
    }
    std::ofstream(folder / "big", std::ios::binary) << bytes;
    std::ofstream(folder / "empty", std::ios::binary);
    EXPECT_EQ(readWholeFile(folder / "big").bytes, bytes);
    EXPECT_EQ(readWholeFile(folder / "empty").state, FileContents::State::Read);
    EXPECT_EQ(readWholeFile(folder / "empty").bytes, "");
}

TEST(FileReader, RefusesWhatIsNoRegularFileOrTooLargeWithoutReadingIt)
{
    test::TempFolder folder;
#ifndef _WIN32 // Windows has no FIFO in its folders
    ASSERT_EQ(mkfifo((folder / "fifo").c_str(), 0600), 0);
#endif
    std::ofstream(folder / "large", std::ios::binary) << std::string(101, 'x');

    EXPECT_EQ(readWholeFile(folder / "absent").state, FileContents::State::Missing);
#ifndef _WIN32
    const FileContents fifo = readWholeFile(folder / "fifo"); // would wait for a writer if opened
    EXPECT_EQ(fifo.state, FileContents::State::Failed);
    EXPECT_NE(fifo.message.find("not a regular file"), std::string::npos) << fifo.message;
#endif
    EXPECT_EQ(readWholeFile(folder.path()).state, FileContents::State::Failed);
    EXPECT_EQ(readWholeFile(folder / "large", 100).state, FileContents::State::TooLarge);
    EXPECT_EQ(readWholeFile(folder / "large", 101).bytes.size(), 101u);
}
