#include "core/platform/Folders.h"

#include "core/base/PathText.h"
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
#ifdef _WIN32
    EXPECT_EQ(DataFolder(program.path(), environmentOf({{"APPDATA", "C:\\Users\\Zo\xC3\xA9\\AppData"}})),
              fs::path(L"C:\\Users\\Zo\u00E9\\AppData\\Zelmora"));
    EXPECT_EQ(DataFolder(program.path(), environmentOf({{"HOME", "C:\\Users\\Zoe"}})), fs::path());
    ASSERT_TRUE(AtomicFileWriter().replace(program / SettingsFileName, "x").ok);
    EXPECT_EQ(DataFolder(program.path(), environmentOf({{"APPDATA", "C:\\Users\\Zoe"}})), program.path());
#else
    EXPECT_EQ(DataFolder(program.path(), environmentOf({{"HOME", "/home/zoe"}})), "/home/zoe/.local/share/zelmora");
    EXPECT_EQ(DataFolder(program.path(), environmentOf({{"HOME", "/home/zoe"}, {"XDG_DATA_HOME", "/data"}})),
              "/data/zelmora");
    EXPECT_EQ(DataFolder(program.path(), environmentOf({{"HOME", "/home/zoe"}, {"XDG_DATA_HOME", "relative"}})),
              "/home/zoe/.local/share/zelmora");
    EXPECT_EQ(DataFolder(program.path(), environmentOf({})), fs::path()); // never relative to the current folder

    ASSERT_TRUE(AtomicFileWriter().replace(program / SettingsFileName, "x").ok);
    EXPECT_EQ(DataFolder(program.path(), environmentOf({{"HOME", "/home/zoe"}})), program.path());
#endif
}

TEST(Folders, ProgramFolderIsTheExecutablesFolder)
{
    EXPECT_EQ(ExecutablePath().stem(), "test_platform");
    EXPECT_EQ(ProgramFolder(), ExecutablePath().parent_path());
}

TEST(Folders, EnsureFolderCreatesAPrivateFolderOrSaysWhy)
{
    test::TempFolder folder;
    EXPECT_TRUE(ensureFolder(folder / "a" / "b").ok);
#ifndef _WIN32 // where folders have permission bits
    EXPECT_EQ(fs::status(folder / "a" / "b").permissions() & fs::perms::all, fs::perms::owner_all);
#endif
    ASSERT_TRUE(AtomicFileWriter().replace(folder / "file", "").ok);
    const Status failure = ensureFolder(folder / "file" / "sub");
    ASSERT_FALSE(failure.ok);
    EXPECT_NE(failure.message.find(pathToUtf8(fs::path("file") / "sub")), std::string::npos);
}
