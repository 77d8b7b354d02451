#include "CliRunner.h"

#include "core/platform/FileReader.h"
#include "core/data/DatabaseCodec.h"
#include "core/data/FieldCodec.h"
#include "support/FailingWriter.h"
#include "support/Friends.h"

#include <gtest/gtest.h>

#include <fstream>

#ifndef _WIN32
#include "support/AsOrdinaryUser.h"
#endif

using namespace zelmora;
using test::CliRunner;

namespace {

void writeFile(const std::filesystem::path& file, std::string_view bytes)
{
    std::ofstream(file, std::ios::binary) << bytes;
}

std::string settingsField(std::string_view value)
{
    std::string bytes;
    WriteField(bytes, value);
    return bytes;
}

} // namespace

TEST(CliFriends, ListOfAMissingDatabaseIsEmptyAndCreatesNothing)
{
    const CliRunner cli;
    const auto result = cli.run({"list"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "");
    EXPECT_FALSE(std::filesystem::exists(cli.database()));
}

TEST(CliFriends, AddActsAsTheCardDoes)
{
    const CliRunner cli;
    EXPECT_EQ(cli.run({"add", "Nom=  zo\xC3\xA9 ", "Prenom= \xC3\x89mile ", "anniversaire=5/12/1980", "Date1=12/05/",
                       "Raison1=party  "})
                  .status,
              0);
    EXPECT_EQ(cli.run({"add", "NOM=adam"}).status, 0);
    EXPECT_EQ(cli.run({"list"}).out, "ADAM \nZO\xC3\x89 \xC3\x89mile\n");

    const auto table = cli.storedTable();
    const TFriend& zoe = (*table)[2];
    EXPECT_EQ(zoe.Nom.str(), "ZO\xC9");
    EXPECT_EQ(zoe.Anniversaire.str(), " 5/12/1980");
    EXPECT_EQ(zoe.Fete.str(), "  /  /    ");
    EXPECT_EQ(zoe.Date1.str(), "12/05/    ");
    EXPECT_EQ(zoe.Raison1.str(), "party  ");
    EXPECT_EQ(cli.databaseBytes().substr(0, 15), encodeDatabase(*table, {}).substr(0, 15));
}

TEST(CliFriends, AddCutsValuesToTheirCapacity)
{
    const CliRunner cli;
    ASSERT_EQ(cli.run({"add", "Nom=" + std::string(80, 'X'), "Code=12345678901234"}).status, 0);
    const auto table = cli.storedTable();
    EXPECT_EQ((*table)[1].Nom.size(), 50u);
    EXPECT_EQ((*table)[1].Code.str(), "1234567890");
}

TEST(CliFriends, UsageErrorsWriteNothing)
{
    const CliRunner cli;
    const std::vector<std::vector<std::string>> bad = {
        {"add", "Anniversaire=1980-12-05"},
        {"add", "Anniversaire=5/12/19800"},
        {"add", "Age=12"},
        {"add", "Nom"},
        {"add"},
        {"add", "Nom=\xC4\x81nanda"},
        {"delete"},
        {"list", "extra"},
        {"frobnicate"},
    };
    for (const auto& arguments : bad) {
        EXPECT_EQ(cli.run(arguments).status, 2) << arguments.back();
    }
    EXPECT_EQ(cli.runRaw({}).status, 2);
    EXPECT_EQ(cli.runRaw({"--lang", "de", "list"}).status, 2);
    EXPECT_EQ(cli.runRaw({"--today", "2026-02-30", "list"}).status, 2);
    EXPECT_EQ(cli.runRaw({"--data-dir"}).status, 2);
    EXPECT_FALSE(std::filesystem::exists(cli.database()));
}

TEST(CliFriends, ImpossibleDatesAreRefusedWithTheirField)
{
    const CliRunner cli;
    const std::pair<std::string, std::string> cases[] = {
        {"Anniversaire=31/02/2000", "Anniversaire=31/02/2000: that month has no such day"},
        {"Fete=00/00/0000", "Fete=00/00/0000: the day must be from 1 to 31"},
        {"Date1=99/99/9999", "Date1=99/99/9999: the day must be from 1 to 31"},
        {"Date2=1/13/", "Date2=1/13/: the month must be from 1 to 12"},
    };
    for (const auto& [assignment, message] : cases) {
        const auto result = cli.run({"add", "Nom=Dupont", assignment});
        EXPECT_EQ(result.status, 2) << assignment;
        EXPECT_NE(result.err.find(message), std::string::npos) << result.err;
    }
    EXPECT_NE(cli.run({"--lang", "fr", "add", "Anniversaire=30/02/"}).err.find("ce mois n'a pas ce jour"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(cli.database()));
    EXPECT_EQ(cli.run({"add", "Nom=Dupont", "Anniversaire=29/02/", "Fete=29/02/2024", "Date1=31//"}).status, 0);
}

TEST(CliFriends, ACharacterOutsideTheCodePageIsNamed)
{
    const CliRunner cli;
    const auto result = cli.run({"add", "Nom=Dupont", "Ville=\xC5\x81\xC3\xB3" "d\xC5\xBA"});
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.err.find("This character cannot be stored: U+0141 (\xC5\x81)\n"), std::string::npos) << result.err;
    const auto emoji = cli.run({"--lang", "fr", "add", "Nom=Dupont \xF0\x9F\x98\x80"});
    EXPECT_EQ(emoji.err, "zelmora-cli: Ce caract\xC3\xA8re ne peut pas \xC3\xAAtre enregistr\xC3\xA9 : U+1F600 (\xF0\x9F\x98\x80)\n");
}

TEST(CliFriends, DuplicatesAreRefusedUnlessAllowed)
{
    const CliRunner cli;
    ASSERT_EQ(cli.run({"add", "Nom=Dupont", "Prenom=Jean"}).status, 0);
    const std::string before = cli.databaseBytes();
    const auto refused = cli.run({"add", "Nom=DUPONT", "Prenom=Jean "});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("This name already exists in your database. Keep the new copy anyway ?"),
              std::string::npos);
    EXPECT_NE(refused.err.find("--allow-duplicate"), std::string::npos);
    EXPECT_EQ(cli.databaseBytes(), before);
    EXPECT_EQ(cli.run({"add", "Nom=DUPONT", "Prenom=Jean", "--allow-duplicate"}).status, 0);
    EXPECT_EQ(cli.run({"list"}).out, "DUPONT Jean\nDUPONT Jean\n");
}

TEST(CliFriends, EditChangesTheFieldsGivenWithTheChecksOfAdd)
{
    const CliRunner cli;
    ASSERT_EQ(cli.run({"add", "Nom=Dupont", "Prenom=Anne", "Telephone=01", "Anniversaire=05/01/1980"}).status, 0);
    ASSERT_EQ(cli.run({"add", "Nom=Martin", "Prenom=Luc"}).status, 0);
    const std::string before = cli.databaseBytes();
    const std::pair<std::vector<std::string>, int> refused[] = {
        {{"edit", "DUPONT Anne", "Anniversaire=31/02/1980"}, 2},
        {{"edit", "DUPONT Anne", "Age=3"}, 2},
        {{"edit", "DUPONT Anne"}, 2},
        {{"edit"}, 2},
        {{"edit", "NOBODY", "Ville=Lyon"}, 1},
        {{"edit", "DUPONT Anne", "Nom=martin", "Prenom=Luc"}, 1}, // a duplicate
    };
    for (const auto& [arguments, status] : refused) {
        EXPECT_EQ(cli.run(arguments).status, status) << arguments.back();
    }
    EXPECT_NE(cli.run({"edit", "NOBODY", "Ville=Lyon"}).err.find("NOBODY"), std::string::npos);
    EXPECT_EQ(cli.databaseBytes(), before);

    ASSERT_EQ(cli.run({"edit", "DUPONT Anne", "Nom=leblanc", "Ville=Lyon", "Telephone="}).status, 0);
    EXPECT_EQ(cli.run({"list"}).out, "LEBLANC Anne\nMARTIN Luc\n");
    const auto stored = cli.storedTable();
    const TFriend& anne = (*stored)[1];
    EXPECT_EQ(anne.Ville.str(), "Lyon");
    EXPECT_EQ(anne.Telephone.str(), "");
    EXPECT_EQ(anne.Anniversaire.str(), "05/01/1980");
}

TEST(CliFriends, AFullTableIsRefused)
{
    const CliRunner cli;
    auto table = std::make_unique<FriendTable>();
    for (int n = 1; n <= FriendTable::Capacity; ++n) {
        (*table)[++table->FriendCount] = test::fullFriend(n);
    }
    writeFile(cli.database(), encodeDatabase(*table, {}));
    const auto result = cli.run({"add", "Nom=ONE", "Prenom=More"});
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("full"), std::string::npos);
    EXPECT_EQ(cli.storedTable()->FriendCount, 1000);
}

TEST(CliFriends, DeleteRemovesTheFirstFriendOfThatName)
{
    const CliRunner cli;
    cli.run({"add", "Nom=B", "Prenom=x", "Notes=first"});
    cli.run({"add", "Nom=A"});
    cli.run({"add", "Nom=B", "Prenom=x", "Notes=second", "--allow-duplicate"});
    EXPECT_EQ(cli.run({"delete", "B x"}).status, 0);
    const auto table = cli.storedTable();
    ASSERT_EQ(table->FriendCount, 2);
    EXPECT_EQ(listText((*table)[2]), "B x");

    const auto missing = cli.run({"delete", "Nobody Here"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("No friend has this name: Nobody Here"), std::string::npos);
}

TEST(CliFriends, UnusableDatabasesAreReportedAndLeftAlone)
{
    const CliRunner cli;
    std::string newer;
    WriteField(newer, "v3.1000000");
    const std::pair<std::string, std::string> cases[] = {
        {"damaged", "Database file corrupted..."},
        {newer, "Database file adapted for Zelmora v3.1"},
        {std::string(MaxDatabaseBytes + 1, 'x'), "Database file too large to be read (more than 4 MB)..."},
    };
    for (const auto& [bytes, message] : cases) {
        writeFile(cli.database(), bytes);
        for (const auto& arguments : std::vector<std::vector<std::string>>{{"list"}, {"add", "Nom=X"}, {"delete", "X "}}) {
            const auto result = cli.run(arguments);
            EXPECT_EQ(result.status, 1);
            EXPECT_NE(result.err.find(message), std::string::npos) << result.err;
        }
        EXPECT_EQ(cli.databaseBytes(), bytes);
    }
}

TEST(CliFriends, LanguageComesFromTheSettingsOrTheOption)
{
    const CliRunner cli;
    writeFile(cli.database(), "damaged");
    EXPECT_NE(cli.run({"list"}).err.find("Database file corrupted..."), std::string::npos);
    writeFile(cli.dataFolder / "Zelmor.reg", settingsField("10010"));
    EXPECT_NE(cli.run({"list"}).err.find("Fichier de donn\xC3\xA9""es corrompu..."), std::string::npos);
    EXPECT_NE(cli.run({"--lang", "en", "list"}).err.find("Database file corrupted..."), std::string::npos);
    EXPECT_EQ(readWholeFile(cli.dataFolder / "Zelmor.reg").bytes, settingsField("10010")); // never written
}

TEST(CliFriends, OlderVersionsAreListedWithoutBeingRewritten)
{
    const CliRunner cli;
    std::string older;
    WriteField(older, "v2.3001");
    for (const char* value : {"MARTIN", "Paul", "", "", "", "", "", "", "  /  /    ", "  /  /    ", "  /  /    ", "",
                              "  /  /    ", "", ""}) {
        WriteField(older, value);
    }
    writeFile(cli.database(), older);
    EXPECT_EQ(cli.run({"list"}).out, "MARTIN Paul\n");
    EXPECT_EQ(cli.databaseBytes(), older);
}

TEST(CliFriends, FailedWritesLeaveTheFileUnchanged)
{
    const test::FailingWriter full(20);
    const CliRunner cli(full);
    writeFile(cli.database(), encodeDatabase(*test::makeTable({test::makeFriend("A")}), {}));
    const std::string before = cli.databaseBytes();
    const auto result = cli.run({"add", "Nom=B"});
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("could not be saved"), std::string::npos);
    EXPECT_NE(result.err.find("No space left on device"), std::string::npos);
    EXPECT_EQ(cli.databaseBytes(), before);
}

TEST(CliFriends, ReadOnlyFileAndFolderRefuseForReal)
{
    const CliRunner cli;
    cli.run({"add", "Nom=A"});
    const std::string before = cli.databaseBytes();
    std::filesystem::permissions(cli.database(), std::filesystem::perms::owner_read);
    EXPECT_EQ(cli.run({"list"}).out, "A \n"); // a read-only file still reads
    EXPECT_EQ(cli.run({"add", "Nom=B"}).status, 1);
    EXPECT_EQ(cli.databaseBytes(), before);

    std::filesystem::permissions(cli.database(), std::filesystem::perms::all);
#ifndef _WIN32 // a folder of Windows has no permission bits
    std::filesystem::permissions(cli.dataFolder, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec
                                                     | std::filesystem::perms::others_read
                                                     | std::filesystem::perms::others_exec);
    const int status = test::asOrdinaryUser([&] { return cli.run({"add", "Nom=C"}).status; });
    EXPECT_EQ(status, 1);
    EXPECT_EQ(cli.databaseBytes(), before);
#endif
}

TEST(CliFriends, DefaultDataFolderIsTheUsersOwn)
{
    const CliRunner cli;
    ASSERT_EQ(cli.runRaw({"add", "Nom=HOME"}).status, 0);
#ifdef _WIN32
    EXPECT_TRUE(std::filesystem::exists(cli.home / "Zelmora" / "Zelmor.dta"));
#else
    EXPECT_TRUE(std::filesystem::exists(cli.home / ".local/share/zelmora/Zelmor.dta"));
#endif
}

TEST(CliFriends, ADataFolderNamedInAnyScriptIsUsedByThatName)
{
    CliRunner cli;
    cli.dataFolder = cli.data.path() / pathFromUtf8("Zo\xC3\xA9 \xE6\x97\xA5\xE8\xA8\x98");
    ASSERT_EQ(cli.run({"add", "Nom=Dupont"}).status, 0);
    EXPECT_TRUE(std::filesystem::exists(cli.dataFolder / "Zelmor.dta"));
    EXPECT_EQ(cli.run({"list"}).out, "DUPONT \n");
    EXPECT_EQ(cli.run({"export", "text", pathToUtf8(cli.dataFolder / "Zelmor.dta")}).status, 1);
}
