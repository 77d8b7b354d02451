#include "CliRunner.h"

#include "core/exchange/ExchangeFiles.h"
#include "core/platform/FileReader.h"
#include "core/storage/FriendsStore.h"
#include "core/settings/ExtraSettings.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace zelmora;
using test::CliRunner;

namespace {

const std::string Cards = "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Dupont;Ren\xC3\xA9\r\nBDAY:--0105\r\nEND:VCARD\r\n"
                          "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Anne Martin\r\nTEL;TYPE=cell:06 11\r\nEND:VCARD\r\n"
                          "BEGIN:VCARD\r\nVERSION:4.0\r\nORG:Nobody\r\nEND:VCARD\r\n";

std::filesystem::path cardsFile(const CliRunner& cli, std::string_view bytes = Cards)
{
    const auto file = cli.programFolder.path() / "friends.vcf";
    std::ofstream(file, std::ios::binary) << bytes;
    return file;
}

} // namespace

TEST(CliExchange, ImportWritesOnceAndSkipsDuplicatesTheSecondTime)
{
    const CliRunner cli;
    const auto file = cardsFile(cli).string();
    const auto first = cli.run({"import", file});
    EXPECT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(first.out, "Imported: 2, skipped as duplicates: 0, skipped without a name: 1, characters changed to ?: 0\n");
    EXPECT_EQ(cli.run({"list"}).out, "DUPONT Ren\xC3\xA9\nMARTIN Anne\n");
    const std::string stored = cli.databaseBytes();

    const auto again = cli.run({"--lang", "fr", "import", file});
    EXPECT_EQ(again.status, 1); // nothing to write
    EXPECT_EQ(again.out, "D\xC3\xA9j\xC3\xA0 dans votre base de donn\xC3\xA9" "es, ignor\xC3\xA9 : DUPONT Ren\xC3\xA9\n"
                         "D\xC3\xA9j\xC3\xA0 dans votre base de donn\xC3\xA9" "es, ignor\xC3\xA9 : MARTIN Anne\n"
                         "Import\xC3\xA9s : 0, ignor\xC3\xA9s car en double : 2, ignor\xC3\xA9s sans nom : 1, "
                         "caract\xC3\xA8res chang\xC3\xA9s en ? : 0\n");
    EXPECT_EQ(cli.databaseBytes(), stored);

    EXPECT_EQ(cli.run({"import", "--allow-duplicate", file}).status, 0);
    EXPECT_EQ(cli.run({"list"}).out, "DUPONT Ren\xC3\xA9\nDUPONT Ren\xC3\xA9\nMARTIN Anne\nMARTIN Anne\n");
}

TEST(CliExchange, DryRunAndBadFilesWriteNothing)
{
    const CliRunner cli;
    const auto dry = cli.run({"import", cardsFile(cli).string(), "--dry-run"});
    EXPECT_EQ(dry.status, 0);
    EXPECT_EQ(dry.out, "Would import: DUPONT Ren\xC3\xA9\nWould import: MARTIN Anne\nTrial run, nothing written. "
                       "Imported: 2, skipped as duplicates: 0, skipped without a name: 1, characters changed to ?: 0\n");
    EXPECT_FALSE(std::filesystem::exists(cli.database()));

    const auto bad = cli.run({"import", cardsFile(cli, Cards + "BEGIN:VCARD\r\nN:Cut;Short\r\n").string()});
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.err, "zelmora-cli: This is not a vCard file that can be read: line 15: a card is not ended "
                       "(END:VCARD is missing)\n");
    EXPECT_FALSE(std::filesystem::exists(cli.database()));
    EXPECT_EQ(cli.run({"import", (cli.programFolder / "missing.vcf").string()}).status, 1);
}

TEST(CliExchange, ExportsReadBackInAnotherFolder)
{
    const CliRunner cli;
    ASSERT_EQ(cli.run({"import", cardsFile(cli).string()}).status, 0);
    ASSERT_EQ(cli.run({"add", "Nom=Later", "Fete=12//"}).status, 0);
    const auto cards = cli.programFolder / "out.vcf";
    const auto calendar = cli.programFolder / "out.ics";
    EXPECT_EQ(cli.run({"export", "vcard", cards.string()}).status, 0);
    const auto ics = cli.run({"--today", "2026-12-07", "export", "ics", calendar.string()});
    EXPECT_EQ(ics.status, 0);
    EXPECT_EQ(ics.out, "");
    EXPECT_EQ(ics.err, "zelmora-cli: Dates left out of the calendar for lack of a day and month: 1\n");
    EXPECT_NE(readWholeFile(calendar).bytes.find("DTSTAMP:20261207T000000Z\r\nDTSTART;VALUE=DATE:20000105\r\n"),
              std::string::npos);
    const auto standardOutput = cli.run({"--today", "2026-12-07", "export", "ics", "-"});
    EXPECT_EQ(standardOutput.out, readWholeFile(calendar).bytes); // the calendar alone
    EXPECT_EQ(standardOutput.err, ics.err);

    const CliRunner other;
    EXPECT_EQ(other.run({"import", cards.string()}).status, 0);
    EXPECT_EQ(other.run({"list"}).out, cli.run({"list"}).out);
}

TEST(CliExchange, TheCalendarExportIsTheLiveCalendarWithItsAlarms)
{
    const CliRunner cli;
    ASSERT_EQ(cli.run({"add", "Nom=Dupont", "Anniversaire=05/01/1980", "Date1=12/06/2005"}).status, 0);
    std::ofstream(cli.dataFolder / "Zelmora.ini") << "remind-other-dates = 1, 30\n";
    const auto exported = cli.run({"--lang", "fr", "--today", "2026-12-07", "export", "ics", "-"});
    EXPECT_EQ(exported.status, 0);
    EXPECT_NE(exported.out.find("TRIGGER:-P30D\r\n"), std::string::npos) << exported.out;

    const AtomicFileWriter writer;
    FriendsStore data(cli.dataFolder, Language::French, writer);
    ASSERT_TRUE(data.read().ok);
    const ExtraSettings settings = loadExtraSettings(cli.dataFolder, Language::French).settings;
    const FixedClock clock(LocalDate{2026, 12, 7});
    ASSERT_TRUE(WriteLiveCalendar(data.table(), Language::French, clock, settings, cli.dataFolder, AtomicFileWriter())
                    .status.ok);
    EXPECT_EQ(readWholeFile(cli.dataFolder / "Zelmora.ics").bytes, exported.out);
}

TEST(CliExchange, UsageAndWriteFailures)
{
    const CliRunner cli;
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"import"}, {"import", "a.vcf", "b.vcf"}, {"import", "a.vcf", "--merge"},
          {"export", "vcard"}, {"export", "pdf", "x"}}) {
        EXPECT_EQ(cli.run(arguments).status, 2) << arguments.back();
    }
    const auto refused = cli.run({"export", "ics", cli.programFolder.path().string()});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.err.starts_with("zelmora-cli: Impossible to save the exported file: ")) << refused.err;
    EXPECT_EQ(cli.run({"export", "text", (cli.programFolder / "f.txt").string()}).status, 0);
}
