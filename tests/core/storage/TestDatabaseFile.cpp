// Loading and saving Zelmor.dta on a real disk.
#include "core/storage/DatabaseFile.h"

#include "core/data/FieldCodec.h"
#include "core/platform/FileReader.h"
#include "core/platform/FileWriter.h"
#include "support/FailingWriter.h"
#include "support/Friends.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sys/stat.h>

using namespace zelmora;
using zelmora::test::makeFriend;

namespace {

std::string readFile(const std::filesystem::path& file) { return readWholeFile(file).bytes; }

void writeFile(const std::filesystem::path& file, std::string_view bytes)
{
    std::ofstream(file, std::ios::binary) << bytes;
}

class DatabaseFileTest : public testing::Test {
protected:
    std::filesystem::path dta() const { return folder / "Zelmor.dta"; }

    LoadResult load(DatabaseFile& file, Language language = Language::English)
    {
        return file.LoadDatabase(*table, options, language);
    }

    // A valid file holding the given friends.
    void createWith(std::initializer_list<TFriend> friends)
    {
        writeFile(dta(), encodeDatabase(*test::makeTable(friends), {}));
    }

    test::TempFolder folder;
    AtomicFileWriter writer;
    std::unique_ptr<FriendTable> table = std::make_unique<FriendTable>();
    DisplayOptions options;
};

} // namespace

TEST_F(DatabaseFileTest, MissingFileIsCreatedPrivateWithTheHeaderOnly)
{
    DatabaseFile file(dta(), writer);
    EXPECT_EQ(load(file).status, LoadStatus::Created);
    EXPECT_EQ(readFile(dta()), encodeDatabase(FriendTable{}, {}));
#ifndef _WIN32 // where files have permission bits
    EXPECT_EQ(std::filesystem::status(dta()).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
#endif
    EXPECT_EQ(table->FriendCount, 0);
    EXPECT_EQ(file.FileVersion(), "");
}

TEST_F(DatabaseFileTest, MissingFileCanBeLeftMissing)
{
    DatabaseFile file(dta(), writer);
    EXPECT_EQ(file.LoadDatabase(*table, options, Language::English, DatabaseFile::WhenMissing::LeaveMissing).status,
              LoadStatus::Missing);
    EXPECT_FALSE(std::filesystem::exists(dta()));
}

TEST_F(DatabaseFileTest, AFolderThatCannotHoldTheFileIsSaidClearly)
{
    writeFile(folder / "plain-file", "");
    DatabaseFile file(folder / "plain-file" / "zelmora" / "Zelmor.dta", writer);
    const LoadResult result = load(file, Language::French);
    EXPECT_EQ(result.status, LoadStatus::CannotCreate);
    EXPECT_TRUE(result.message.starts_with("Impossible de cr\xE9""er le fichier de donn\xE9""es dans ce dossier : "))
        << result.message;
    EXPECT_NE(result.message.find("plain-file"), std::string::npos);
}

TEST_F(DatabaseFileTest, LoadSortsAndKnowsTheStoredOptionsAndAnotherProgramsChange)
{
    createWith({makeFriend("ZOLA"), makeFriend("ADAM")});
    DatabaseFile file(dta(), writer);
    file.watchForChanges();
    ASSERT_EQ(load(file).status, LoadStatus::Loaded);
    EXPECT_EQ(listText((*table)[1]), "ADAM ");
    EXPECT_FALSE(file.changedOnDisk());

    options.extraInfo = ExtraInfo::Countdown;
    ASSERT_TRUE(file.write(*table, options).status.ok);
    EXPECT_EQ(file.storedOptions(), options);
    EXPECT_EQ(readFile(dta()).substr(0, 16), encodeDatabase(*table, options).substr(0, 16));
    EXPECT_FALSE(file.changedOnDisk()); // its own write

    createWith({makeFriend("BOB")});
    EXPECT_TRUE(file.changedOnDisk());
}

TEST_F(DatabaseFileTest, NewerVersionIsNeverOverwritten)
{
    std::string newer;
    WriteField(newer, "v3.1000003");
    newer += "friends of a later version";
    writeFile(dta(), newer);
    DatabaseFile file(dta(), writer);
    const LoadResult result = load(file);
    EXPECT_EQ(result.status, LoadStatus::NewerVersion);
    EXPECT_EQ(result.message, "Database file adapted for Zelmora v3.1");

    table->AppendFriend();
    EXPECT_TRUE(file.isNewerVersion());
    EXPECT_FALSE(file.write(*table, options).status.ok);
    EXPECT_EQ(readFile(dta()), newer);
}

TEST_F(DatabaseFileTest, DamagedFileIsKeptAsideBeforeTheFirstSave)
{
    writeFile(dta(), "damaged bytes");
    writeFile(folder / "Zelmor.dta.damaged", "an earlier copy");
    DatabaseFile file(dta(), writer);
    EXPECT_EQ(load(file).message, "Database file corrupted...");
    EXPECT_EQ(table->FriendCount, 0);

    table->AppendFriend();
    const DatabaseFile::Written written = file.write(*table, options);
    EXPECT_TRUE(written.status.ok);
    EXPECT_EQ(written.keptCopy, folder / "Zelmor.dta.damaged.1");
    EXPECT_EQ(readFile(folder / "Zelmor.dta.damaged"), "an earlier copy");
    EXPECT_EQ(readFile(folder / "Zelmor.dta.damaged.1"), "damaged bytes");

    EXPECT_TRUE(file.write(*table, options).keptCopy.empty()); // nothing damaged left to keep
    EXPECT_FALSE(std::filesystem::exists(folder / "Zelmor.dta.damaged.2"));
}

TEST_F(DatabaseFileTest, ReadOnlyFileLoadsAndRefusesTheSave)
{
    createWith({makeFriend("ADAM")});
    const std::string original = readFile(dta());
    std::filesystem::permissions(dta(), std::filesystem::perms::owner_read);
    DatabaseFile file(dta(), writer);
    EXPECT_EQ(load(file).status, LoadStatus::Loaded);
    EXPECT_EQ(table->FriendCount, 1);

    const Status written = file.write(*table, options).status;
    EXPECT_FALSE(written.ok);
    EXPECT_NE(written.message.find("read-only"), std::string::npos) << written.message;
    EXPECT_EQ(readFile(dta()), original);
}

TEST_F(DatabaseFileTest, AWriteThatFailsHalfWayLeavesTheOldFileWhole)
{
    createWith({makeFriend("ADAM")});
    const std::string original = readFile(dta());
    const test::FailingWriter full(10);
    DatabaseFile file(dta(), full);
    load(file);
    for (int n = 0; n < 5; ++n) {
        table->AppendFriend(test::fullFriend(n));
    }
    EXPECT_NE(file.write(*table, options).status.message.find("No space left on device"), std::string::npos);
    EXPECT_EQ(readFile(dta()), original);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1); // no temporary left
}

TEST_F(DatabaseFileTest, BytesAfterTheCountedFriendsAreKeptAsideBeforeTheFirstSave)
{
    // A count lowered from 3 to 1 by damage: the two friends after it must not be lost silently.
    const auto three = test::makeTable({makeFriend("ANN"), makeFriend("BOB"), makeFriend("CID")});
    const std::size_t headerSize = encodeDatabase(FriendTable{}, {}).size();
    const std::string lowered = encodeDatabase(*test::makeTable({makeFriend("ANN")}), {}).substr(0, headerSize)
                              + encodeDatabase(*three, {}).substr(headerSize);
    writeFile(dta(), lowered);

    DatabaseFile file(dta(), writer);
    const LoadResult loaded = load(file);
    EXPECT_EQ(loaded.status, LoadStatus::MoreThanCounted);
    EXPECT_NE(loaded.message.find("more than its count"), std::string::npos) << loaded.message;
    ASSERT_EQ(table->FriendCount, 1);
    EXPECT_EQ((*table)[1].Nom.view(), "ANN");

    EXPECT_FALSE(file.write(*table, options).keptCopy.empty());
    EXPECT_EQ(readFile(folder / "Zelmor.dta.damaged"), lowered);
    EXPECT_EQ(load(file).status, LoadStatus::Loaded);
}

TEST_F(DatabaseFileTest, ADamagedFileOfAnySizeIsKeptAsideWithoutReadingItWhole)
{
    // Far larger than any database: copied by the system, never held in memory.
    {
        std::ofstream big(dta(), std::ios::binary);
        big.seekp(64 * 1024 * 1024);
        big << "end";
    }
    DatabaseFile file(dta(), writer);
    EXPECT_EQ(load(file).status, LoadStatus::Damaged);
    table->AppendFriend(makeFriend("KEPT"));
    const DatabaseFile::Written written = file.write(*table, options);
    ASSERT_TRUE(written.status.ok) << written.status.message;
    EXPECT_EQ(std::filesystem::file_size(folder / "Zelmor.dta.damaged"), 64u * 1024 * 1024 + 3);
    EXPECT_EQ(load(file).status, LoadStatus::Loaded);
    EXPECT_EQ((*table)[1].Nom.view(), "KEPT");
}
