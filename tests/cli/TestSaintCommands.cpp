#include "CliRunner.h"

#include "core/data/DatabaseCodec.h"
#include "support/Friends.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace zelmora;
using test::CliRunner;

namespace {

// A real writer that counts the files it writes.
class CountingWriter : public AtomicFileWriter {
public:
    Status replace(const std::filesystem::path& target, std::string_view bytes) const override
    {
        ++writes;
        return AtomicFileWriter::replace(target, bytes);
    }
    mutable int writes = 0;
};

TFriend friendWithFete(std::string_view nom, std::string_view prenom, std::string_view fete = "  /  /    ")
{
    return test::makeFriend(nom, prenom, {{FriendField::Fete, fete}});
}

void storeFriends(const CliRunner& cli, std::initializer_list<TFriend> friends)
{
    std::ofstream(cli.database(), std::ios::binary) << encodeDatabase(*test::makeTable(friends), {});
}

} // namespace

TEST(CliSaints, FeteListsTheDaysOfAFirstNameTypedAnyHow)
{
    const CliRunner cli;
    for (const char* typed : {"\xC3\xA9lodie", "ELODIE", " Elodie "}) {
        const auto result = cli.run({"fete", typed});
        EXPECT_EQ(result.status, 0) << typed;
        EXPECT_EQ(result.out, "22/10 \xC3\x89lodie\n") << typed;
    }
    EXPECT_EQ(cli.run({"fete", "jean baptiste"}).out,
              "07/04 Jean-Baptiste\n24/06 Jean-Baptiste\n31/01 Jean\n08/03 Jean\n09/04 Jean\n23/10 Jean\n27/12 Jean\n");
}

TEST(CliSaints, FeteOfAnUnknownNameFailsWithAMessage)
{
    const CliRunner cli;
    const auto english = cli.run({"fete", "Zorglub"});
    EXPECT_EQ(english.status, 1);
    EXPECT_EQ(english.out, "");
    EXPECT_EQ(english.err, "zelmora-cli: No saint's day is known for this first name: Zorglub\n");
    EXPECT_EQ(cli.run({"--lang", "fr", "fete", "Zorglub"}).err,
              "zelmora-cli: Aucune f\xC3\xAAte n'est connue pour ce pr\xC3\xA9nom : Zorglub\n");
    EXPECT_EQ(cli.run({"fete", "\xC4\x81nanda"}).status, 1); // not storable, so no saint either
}

TEST(CliSaints, FeteDateListsTheNamesOfTheDay)
{
    const CliRunner cli;
    EXPECT_EQ(cli.run({"fete", "--date", "6/12"}).out, "Nicolas\n");
    EXPECT_EQ(cli.run({"fete", "--date", "02/01"}).out, "Basile\nVassili\nGr\xC3\xA9goire\n");
    EXPECT_EQ(cli.run({"fete", "--date", "29/02"}).status, 0);
}

TEST(CliSaints, FeteUsageErrors)
{
    const CliRunner cli;
    const std::vector<std::vector<std::string>> bad = {
        {"fete"}, {"fete", "Jean", "Marie"}, {"fete", "--date"}, {"fete", "--date", "31/04"},
        {"fete", "--date", "12-06"}, {"fete", "--day", "12/06"}, {"fill-fetes", "--now"}, {"fill-fetes", "x"},
    };
    for (const auto& arguments : bad) {
        EXPECT_EQ(cli.run(arguments).status, 2) << arguments.back();
    }
}

TEST(CliSaints, FillFetesSetsOnlyEmptySaintsDaysOfSureNamesInOneWrite)
{
    const CountingWriter writer;
    const CliRunner cli(writer);
    storeFriends(cli, {
        friendWithFete("DUPONT", "Jean-Marie"),
        friendWithFete("MARTIN", "Pierre"),
        friendWithFete("MOREAU", "\xC9lodie", "12/12/    "),
        friendWithFete("PETIT", "Zorglub"),
        friendWithFete("ROUX", "nicolas", ""),
    });
    const auto result = cli.run({"fill-fetes"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "Saint's day set: 04/08 DUPONT Jean-Marie\n"
                          "Several saint's days, left empty: MARTIN Pierre (15/04, 23/04, 27/04, 29/06, 01/08, 09/12, 21/12)\n"
                          "Saint's day set: 06/12 ROUX nicolas\n"
                          "Saint's days set: 2, left empty for several days: 1\n");
    EXPECT_EQ(writer.writes, 1);

    const auto table = cli.storedTable();
    EXPECT_EQ((*table)[1].Fete, "04/08/    ");
    EXPECT_EQ((*table)[2].Fete, "  /  /    ");
    EXPECT_EQ((*table)[3].Fete, "12/12/    ");
    EXPECT_EQ((*table)[4].Fete, "  /  /    ");
    EXPECT_EQ((*table)[5].Fete, "06/12/    ");
}

TEST(CliSaints, FillFetesWithNothingToSetWritesNothing)
{
    const CountingWriter writer;
    const CliRunner cli(writer);
    storeFriends(cli, {friendWithFete("MARTIN", "Pierre"), friendWithFete("PETIT", "Zorglub")});
    const auto result = cli.run({"--lang", "fr", "fill-fetes"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, "Plusieurs f\xC3\xAAtes possibles, laiss\xC3\xA9" "e vide : MARTIN Pierre (15/04, 23/04, 27/04, 29/06, 01/08, 09/12, 21/12)\n"
                          "F\xC3\xAAtes inscrites : 0, laiss\xC3\xA9" "es vides pour plusieurs jours : 1\n");
    EXPECT_EQ(writer.writes, 0);
}

TEST(CliSaints, FillFetesDryRunTellsAndWritesNothing)
{
    const CountingWriter writer;
    const CliRunner cli(writer);
    storeFriends(cli, {friendWithFete("DUPONT", "Jean-Marie")});
    const std::string before = cli.databaseBytes();
    const auto result = cli.run({"fill-fetes", "--dry-run"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "Would set the saint's day: 04/08 DUPONT Jean-Marie\n"
                          "Trial run, nothing written. Saint's days set: 1, left empty for several days: 0\n");
    EXPECT_EQ(writer.writes, 0);
    EXPECT_EQ(cli.databaseBytes(), before);
}
