#include "core/platform/Folders.h"

#include "core/platform/FileWriter.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <map>

using namespace zelmora;
namespace fs = std::filesystem;

namespace {

EnvironmentLookup environmentOf(std::map<std::string, std::string> variables)
{
    return [variables](const char* name) {
        const auto found = variables.find(name);
        return found == variables.end() ? std::string() : found->second;
    };
}

} // namespace

TEST(Folders, DataLivesInTheUsersFolderUnlessTheProgramFolderHoldsIt)
{
    test::TempFolder program;
    EXPECT_EQ(DataFolder(program.path(), environmentOf({{"HOME", "/home/zoe"}})), "/home/zoe/.local/share/zelmora");
    EXPECT_EQ(DataFolder(program.path(), environmentOf({{"HOME", "/home/zoe"}, {"XDG_DATA_HOME", "/data"}})),
              "/data/zelmora");
    EXPECT_EQ(DataFolder(program.path(), environmentOf({{"HOME", "/home/zoe"}, {"XDG_DATA_HOME", "relative"}})),
              "/home/zoe/.local/share/zelmora");
    EXPECT_EQ(DataFolder(program.path(), environmentOf({})), fs::path()); // never relative to the current folder

    ASSERT_TRUE(AtomicFileWriter().replace(program / SettingsFileName, "x").ok);
    EXPECT_EQ(DataFolder(program.path(), environmentOf({{"HOME", "/home/zoe"}})), program.path());
}

TEST(Folders, ProgramFolderIsTheExecutablesFolder)
{
    EXPECT_EQ(ExecutablePath().filename(), "test_platform");
    EXPECT_EQ(ProgramFolder(), ExecutablePath().parent_path());
}

TEST(Folders, EnsureFolderCreatesAPrivateFolderOrSaysWhy)
{
    test::TempFolder folder;
    EXPECT_TRUE(ensureFolder(folder / "a" / "b").ok);
    EXPECT_EQ(fs::status(folder / "a" / "b").permissions() & fs::perms::all, fs::perms::owner_all);
    ASSERT_TRUE(AtomicFileWriter().replace(folder / "file", "").ok);
    const Status failure = ensureFolder(folder / "file" / "sub");
    ASSERT_FALSE(failure.ok);
    EXPECT_NE(failure.message.find("file/sub"), std::string::npos);
}
