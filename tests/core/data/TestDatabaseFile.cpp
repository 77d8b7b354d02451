// Loading and saving Zelmor.dta on a real disk.
#include "core/platform/FileReader.h"
#include "core/data/DatabaseFile.h"
#include "core/data/FieldCodec.h"

#include "core/platform/FileWriter.h"
#include "support/FailingWriter.h"
#include "support/Friends.h"
#include "support/ScriptedAsker.h"
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
    test::ScriptedAsker asker;
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

TEST_F(DatabaseFileTest, LoadSortsAndSaveWritesOnlyWhenSomethingChanged)
{
    createWith({makeFriend("ZOLA"), makeFriend("ADAM")});
    const auto before = std::filesystem::last_write_time(dta());
    DatabaseFile file(dta(), writer);
    ASSERT_EQ(load(file).status, LoadStatus::Loaded);
    EXPECT_EQ(listText((*table)[1]), "ADAM ");
    EXPECT_EQ(file.SaveDatabase(*table, options, asker, Language::English), SaveOutcome::NothingToSave);
    EXPECT_EQ(std::filesystem::last_write_time(dta()), before);

    options.RadioGroup3 = 1; // only the optional information changed
    EXPECT_EQ(file.SaveDatabase(*table, options, asker, Language::English), SaveOutcome::Saved);
    EXPECT_EQ(readFile(dta()).substr(0, 16), encodeDatabase(*table, options).substr(0, 16));
    EXPECT_FALSE(table->DataChanged);
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
    table->DataChanged = true;
    EXPECT_EQ(file.SaveDatabase(*table, options, asker, Language::English), SaveOutcome::NothingToSave);
    EXPECT_FALSE(file.write(*table, options).ok);
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
    table->StoreCard(1, table->ShowCard(0));
    table->DataChanged = true;
    EXPECT_EQ(file.SaveDatabase(*table, options, asker, Language::English), SaveOutcome::Saved);
    EXPECT_EQ(readFile(folder / "Zelmor.dta.damaged"), "an earlier copy");
    EXPECT_EQ(readFile(folder / "Zelmor.dta.damaged.1"), "damaged bytes");
    ASSERT_EQ(asker.told.size(), 1u);
    EXPECT_NE(asker.told[0].find("Zelmor.dta.damaged.1"), std::string::npos);

    table->DataChanged = true; // the next save has nothing damaged left to keep
    file.SaveDatabase(*table, options, asker, Language::English);
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

    table->DataChanged = true;
    asker.answerNext(false);
    EXPECT_EQ(file.SaveDatabase(*table, options, asker, Language::English), SaveOutcome::FailedStayOpen);
    EXPECT_TRUE(table->DataChanged);
    ASSERT_EQ(asker.asked.size(), 1u);
    EXPECT_TRUE(asker.asked[0].starts_with("Impossible to save the database... Quit anyway ?"));
    EXPECT_NE(asker.asked[0].find("read-only"), std::string::npos);

    asker.answerNext(true);
    EXPECT_EQ(file.SaveDatabase(*table, options, asker, Language::English), SaveOutcome::FailedQuitAnyway);
    EXPECT_FALSE(table->DataChanged);
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
        (*table)[++table->FriendCount] = test::fullFriend(n);
    }
    table->DataChanged = true;
    EXPECT_EQ(file.SaveDatabase(*table, options, asker, Language::English), SaveOutcome::FailedQuitAnyway);
    EXPECT_NE(asker.asked.at(0).find("No space left on device"), std::string::npos);
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

    table->DataChanged = true;
    EXPECT_EQ(file.SaveDatabase(*table, options, asker, Language::English), SaveOutcome::Saved);
    EXPECT_EQ(readFile(folder / "Zelmor.dta.damaged"), lowered);
    ASSERT_EQ(asker.told.size(), 1u);
    EXPECT_EQ(load(file).status, LoadStatus::Loaded);
}
