#include "core/program/DataFolderChoice.h"

#include "core/base/PathText.h"
#include "core/platform/FileWriter.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace zelmora;
namespace fs = std::filesystem;

TEST(DataFolderChoice, OnlyAFolderIsUsedAndOnlyAddMayCreateOne)
{
    test::TempFolder base;
    ASSERT_TRUE(AtomicFileWriter().replace(base / "file", "x").ok);
    const auto withHome = [&](const char* name) {
        return std::string(name) == "HOME" || std::string(name) == "APPDATA" ? pathToUtf8(base.path()) : "";
    };
    const auto homeless = [](const char*) { return std::string(); };
    const struct {
        std::optional<fs::path> asked;
        FolderUse use;
        EnvironmentLookup environment;
        std::string refusal; // empty: accepted
    } cases[] = {
        {base.path(), FolderUse::MustExist, withHome, ""},
        {base / "missing", FolderUse::MustExist, withHome, "This data folder does not exist: "},
        {base / "missing", FolderUse::MayCreate, withHome, ""},
        {base / "file", FolderUse::MustExist, withHome, "This data folder is not a folder: "},
        {base / "file", FolderUse::MayCreate, withHome, "This data folder is not a folder: "},
        {std::nullopt, FolderUse::MustExist, withHome, ""}, // the usual folder may not exist yet
        {std::nullopt, FolderUse::MayCreate, homeless, "No folder for the data"},
    };
    for (const auto& c : cases) {
        const FolderChoice choice = chooseDataFolder(c.asked, c.use, base / "program", c.environment, Language::English);
        EXPECT_EQ(choice.status.ok, c.refusal.empty()) << choice.status.message;
        EXPECT_EQ(choice.status.message.substr(0, c.refusal.size()), c.refusal);
        EXPECT_EQ(choice.folder.empty(), !c.refusal.empty());
    }
}

TEST(DataFolderChoice, AnExportNeverReplacesTheDataFilesByAnyName)
{
    test::TempFolder data;
    ASSERT_TRUE(AtomicFileWriter().replace(data / "Zelmor.dta", "x").ok);
    std::vector<fs::path> targets = {data / "Zelmor.dta", data / "." / "Zelmor.dta", data / "Zelmor.reg",
                                     data / "Zelmora.ini", data / "Zelmora.notified"};
    std::error_code noLinks; // Wine, and Windows without the right to make links
    fs::create_symlink(data / "Zelmor.dta", data / "link.txt", noLinks);
    if (!noLinks) {
        targets.push_back(data / "link.txt");
    }
    for (const fs::path& target : targets) {
        EXPECT_FALSE(checkExportTarget(target, data.path(), Language::English).ok) << target;
    }
    EXPECT_TRUE(checkExportTarget(data / "friends.txt", data.path(), Language::English).ok);
    EXPECT_TRUE(checkExportTarget(data / "Zelmora.ics", data.path(), Language::English).ok); // a calendar anyway
}
