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
                          "BEGIN:VCARD\r\nVERSION:4.0\r\nNOTE:Nobody\r\nEND:VCARD\r\n";

std::filesystem::path cardsFile(const CliRunner& cli, std::string_view bytes = Cards, std::string_view name = "friends.vcf")
{
    const auto file = cli.programFolder.path() / std::string(name);
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

    const auto bad = cli.run({"import", cardsFile(cli, "Name,Phone\r\nAnne,01\r\n", "friends.csv").string()});
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.err, "zelmora-cli: This file holds no vCard and no CSV header row of Google Contacts, Outlook or "
                       "Thunderbird.\n");
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

// A phone's export with odd lines, Japanese names and a fax number imports all it can,
// and the summary says what it could not keep.
TEST(CliExchange, ImportsRealPhoneFilesAndSaysWhatItLeftOut)
{
    const CliRunner cli;
    const std::string phone = "BEGIN:VCARD\r\r\nVERSION:2.1\r\r\nN;CHARSET=SHIFT_JIS;ENCODING=QUOTED-PRINTABLE:=93=FA=96=7B\r\r\n"
                              "FN:Taro\r\r\n# synced\r\r\nTEL;FAX:01 fax\r\r\nTEL;HOME:01 home\r\r\nEND:VCARD\r\r\n";
    const auto imported = cli.run({"import", cardsFile(cli, phone).string()});
    EXPECT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(imported.out, "Unreadable lines skipped: 1 (lines 5)\n"
                            "Characters changed to ? for: ?? \n"
                            "Not kept, the card has no place for them: other phones 1\n"
                            "Imported: 1, skipped as duplicates: 0, skipped without a name: 0, characters changed to ?: 2\n");
}

TEST(CliExchange, CsvImportAndExport)
{
    const CliRunner cli;
    const std::string google = "\xEF\xBB\xBF" "First Name,Last Name,Birthday,E-mail 1 - Label,E-mail 1 - Value\r\n"
                               "Ren\xC3\xA9,Dupont,--01-05,* Home,rene@example.org\r\n";
    const auto dry = cli.run({"import", "--dry-run", cardsFile(cli, google, "google.csv").string()});
    EXPECT_EQ(dry.status, 0) << dry.err;
    EXPECT_EQ(dry.out, "Would import: DUPONT Ren\xC3\xA9\nTrial run, nothing written. "
                       "Imported: 1, skipped as duplicates: 0, skipped without a name: 0, characters changed to ?: 0\n");
    EXPECT_FALSE(std::filesystem::exists(cli.database()));

    ASSERT_EQ(cli.run({"import", cardsFile(cli, google, "google.csv").string()}).status, 0);
    const auto csv = cli.programFolder / "out.csv";
    EXPECT_EQ(cli.run({"export", "csv", csv.string()}).status, 0);
    const std::string written = readWholeFile(csv).bytes;
    EXPECT_TRUE(written.starts_with("\xEF\xBB\xBF" "First Name,Last Name,Birthday,Notes,E-mail 1 - Label,")) << written;
    EXPECT_NE(written.find("\r\nRen\xC3\xA9,DUPONT,--01-05,,Other,rene@example.org,"), std::string::npos) << written;

    const CliRunner other;
    EXPECT_EQ(other.run({"import", csv.string()}).status, 0);
    EXPECT_EQ(other.run({"list"}).out, "DUPONT Ren\xC3\xA9\n");
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
