// What keeps zelmora-cli from losing friends or hiding a failure: the folder's lock, the
// data folder check, control characters, and where output may go.
#include "CliRunner.h"

#include "core/storage/DatabaseFile.h"
#include "core/export/TextExport.h"
#include "core/platform/FolderLock.h"
#include "support/AsOrdinaryUser.h"
#include "support/DeviceNodes.h"
#include "support/Friends.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <fstream>
#include <sstream>

using namespace zelmora;
using test::CliRunner;

TEST(CliGuards, AddGivesUpWhileAnotherWriterHoldsTheLock)
{
    const CliRunner cli;
    FolderLock held;
    ASSERT_TRUE(held.acquire(cli.dataFolder, Language::English).ok);
    const auto result = cli.run({"add", "Nom=Dupont"});
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("Another Zelmora is changing the data in this folder"), std::string::npos) << result.err;
    EXPECT_FALSE(std::filesystem::exists(cli.database()));
    EXPECT_EQ(cli.run({"list"}).status, 0) << "reading never waits for the lock";
}

TEST(CliGuards, TheDataFolderMustBeAFolderAndOnlyAddMayCreateIt)
{
    CliRunner cli;
    std::ofstream(cli.data / "file") << "x";
    const auto missing = (cli.data / "missing").string();
    const auto file = (cli.data / "file").string();
    const struct {
        std::vector<std::string> arguments;
        int status;
        std::string message;
    } cases[] = {
        {{"--data-dir", missing, "list"}, 1, "This data folder does not exist: "},
        {{"--data-dir", missing, "export", "html", (cli.data / "page.htm").string()}, 1, "does not exist"},
        {{"--data-dir", missing, "delete", "X"}, 1, "does not exist"},
        {{"--data-dir", file, "add", "Nom=A"}, 1, "This data folder is not a folder: "},
        {{"--data-dir", missing, "add", "Nom=A"}, 0, ""},
    };
    for (const auto& c : cases) {
        const auto result = cli.runRaw(c.arguments);
        EXPECT_EQ(result.status, c.status) << c.arguments.back();
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    }
    EXPECT_FALSE(std::filesystem::exists(cli.data / "page.htm"));
    EXPECT_TRUE(std::filesystem::exists(cli.data / "missing" / "Zelmor.dta"));

    cli.homeSet = false;
    const auto homeless = cli.runRaw({"list"});
    EXPECT_EQ(homeless.status, 1);
    EXPECT_NE(homeless.err.find("neither HOME nor XDG_DATA_HOME"), std::string::npos) << homeless.err;
}

TEST(CliGuards, ControlCharactersAreRefusedAndShownAsQuestionMarks)
{
    const CliRunner cli;
    EXPECT_EQ(cli.run({"add", "Nom=A\x1b[2J"}).status, 2);
    EXPECT_EQ(cli.run({"add", "Nom=A", "Notes=two\nlines"}).status, 2);
    EXPECT_FALSE(std::filesystem::exists(cli.database()));

    // Values written by another program: an escape, a line break, a C1 control.
    const auto table = test::makeTable({test::makeFriend("A\x1b[2J", "B\nC\x9D")});
    const AtomicFileWriter writer;
    ASSERT_TRUE(DatabaseFile(cli.database(), writer).write(*table, {}).status.ok);
    EXPECT_EQ(cli.run({"list"}).out, "A?[2J B?C?\n");
    const auto missing = cli.run({"delete", "A\x1b[2J B"});
    EXPECT_NE(missing.err.find("No friend has this name: A?[2J B"), std::string::npos) << missing.err;
}

TEST(CliGuards, ExportGoesToStandardOutputOrAFileButNeverOverTheData)
{
    const CliRunner cli;
    ASSERT_EQ(cli.run({"add", "Nom=Dupont"}).status, 0);
    const auto text = cli.run({"export", "text", "-"});
    EXPECT_EQ(text.status, 0);
    const AtomicFileWriter writer;
    auto table = std::make_unique<FriendTable>();
    DisplayOptions options;
    ASSERT_EQ(DatabaseFile(cli.database(), writer).LoadDatabase(*table, options, Language::English).status,
              LoadStatus::Loaded);
    EXPECT_EQ(text.out, buildTextExport(*table, Language::English));

    const std::string before = cli.databaseBytes();
    for (const auto& name : {"Zelmor.dta", "./Zelmor.reg"}) {
        const auto refused = cli.run({"export", "html", (cli.dataFolder / name).string()});
        EXPECT_EQ(refused.status, 1);
        EXPECT_NE(refused.err.find("An export or a print never replaces the program's own files"), std::string::npos) << refused.err;
    }
    EXPECT_EQ(cli.databaseBytes(), before);
    EXPECT_FALSE(std::filesystem::exists(cli.dataFolder / "Zelmor.reg"));
}

TEST(CliGuards, AnOutputThatCannotBeWrittenExitsOne)
{
    std::ostringstream err;
    EXPECT_EQ(cli::writeOutput(0, "lines\n", -1, err), 1);
    EXPECT_NE(err.str().find("cannot write the output: Bad file descriptor"), std::string::npos) << err.str();
    EXPECT_EQ(cli::writeOutput(2, "usage\n", -1, err), 2);

    if (!test::canMakeDevices()) {
        GTEST_SKIP() << "mknod needs root";
    }
    test::TempFolder folder;
    ASSERT_TRUE(test::makeFullDevice(folder / "full"));
    const int full = open((folder / "full").c_str(), O_WRONLY);
    ASSERT_GE(full, 0);
    err.str("");
    EXPECT_EQ(cli::writeOutput(0, "lines\n", full, err), 1);
    EXPECT_NE(err.str().find("No space left on device"), std::string::npos) << err.str();
    close(full);
}

// Another member of a shared data folder plants Zelmor.dta as a link to the user's own file.
TEST(CliGuards, ALinkPlantedByAnotherUserIsNeitherWrittenNorRead)
{
    if (geteuid() != 0) {
        GTEST_SKIP() << "a link of another user can only be made as root";
    }
    const CliRunner cli;
    const auto profile = cli.home / ".profile";
    std::ofstream(profile) << "# mine\n";
    std::filesystem::create_symlink(profile, cli.database());
    ASSERT_EQ(lchown(cli.database().c_str(), test::NobodyId, test::NobodyId), 0);
    for (const auto& arguments : std::vector<std::vector<std::string>>{{"add", "Nom=$(reboot)"}, {"list"}}) {
        const auto result = cli.run(arguments);
        EXPECT_EQ(result.status, 1) << arguments[0];
        EXPECT_NE(result.err.find("Zelmor.dta: it is a symbolic link made by user nobody (65534), which is not followed"),
                  std::string::npos)
            << result.err;
    }
    EXPECT_EQ(readWholeFile(profile).bytes, "# mine\n");
    EXPECT_EQ(test::entriesIn(cli.dataFolder), 2u); // the link and the folder's lock, no copy of the file
    EXPECT_TRUE(std::filesystem::is_symlink(cli.database()));
}
