#include "CliRunner.h"

#include "core/platform/FileReader.h"
#include "core/data/DatabaseCodec.h"
#include "core/data/DateText.h"
#include "core/export/HtmlExport.h"
#include "core/export/TextExport.h"
#include "support/Friends.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace zelmora;
using test::CliRunner;
using test::makeFriend;

namespace {

const std::string Blanks16(16, ' ');

void storeFriends(const CliRunner& cli, const FriendTable& table, const DisplayOptions& options)
{
    std::ofstream(cli.database(), std::ios::binary) << encodeDatabase(table, options);
}

// Dates as the card stores them: an untouched one holds the empty mask.
std::unique_ptr<FriendTable> dupontAndMartin()
{
    const std::string_view none = EmptyDateText;
    return test::makeTable({makeFriend("Dupont", "Jean",
                                       {{FriendField::Anniversaire, "05/01/1980"}, {FriendField::Fete, "08/12/    "},
                                        {FriendField::Date1, none}, {FriendField::Date2, none}}),
                            makeFriend("Martin", "Paul",
                                       {{FriendField::Anniversaire, "07/12/1990"}, {FriendField::Fete, none},
                                        {FriendField::Date1, none}, {FriendField::Date2, none}})});
}

// Runs with a terminal of its own choosing and no NO_COLOR.
test::CliResult runOnTerminal(const CliRunner& cli, bool terminal, std::vector<std::string> arguments)
{
    arguments.insert(arguments.begin(), {"--data-dir", cli.dataFolder.string()});
    const AtomicFileWriter writer;
    const cli::CliEnvironment environment{cli.programFolder.path(), [](const char*) { return std::string(); },
                                          terminal, writer};
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::runCli(arguments, out, err, environment);
    return {status, out.str(), err.str()};
}

} // namespace

TEST(CliDates, PrintsTheListWithTheStoredOptions)
{
    const CliRunner cli;
    storeFriends(cli, *dupontAndMartin(), {.sortOrder = SortOrder::ByPerson, .extraInfo = ExtraInfo::Countdown});
    const auto result = cli.run({"--today", "2026-12-07", "dates"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "Dupont Jean" + Blanks16 + "05/01/27 Birthday     (29 days)\n"
                          "Dupont Jean" + Blanks16 + "08/12/26 Saint's day  (1 day)\n"
                          "Martin Paul" + Blanks16 + "07/12/26 Birthday     (0 days)\n");
}

TEST(CliDates, OptionsOverrideTheStoredChoices)
{
    const CliRunner cli;
    storeFriends(cli, *dupontAndMartin(), {.sortOrder = SortOrder::ByPerson, .extraInfo = ExtraInfo::Countdown});
    const auto result =
        cli.run({"--lang", "fr", "--today", "2026-12-07", "dates", "--sort", "date", "--info", "age", "--window", "week"});
    EXPECT_EQ(result.out, "07/12/26 Martin Paul" + Blanks16 + "Anniversaire (36 ans)\n"
                          "08/12/26 Dupont Jean" + Blanks16 + "F\xC3\xAAte         \n");
    EXPECT_EQ(cli.run({"--today", "2026-12-07", "dates", "--info", "none"}).out.find('('), std::string::npos);
}

TEST(CliDates, TheLeapDayFollowsZelmoraIni)
{
    const CliRunner cli;
    auto table = dupontAndMartin();
    fieldRef((*table)[2], FriendField::Anniversaire).assign("29/02/1992");
    storeFriends(cli, *table, {.extraInfo = ExtraInfo::Countdown});
    const std::string martin = "Martin Paul" + Blanks16 + "Birthday     ";
    EXPECT_EQ(cli.run({"--today", "2027-02-28", "dates"}).out, "01/03/27 " + martin + "(1 day)\n");
    std::ofstream(cli.dataFolder / "Zelmora.ini") << "leap-day-in-common-years = february-28\n";
    EXPECT_EQ(cli.run({"--today", "2027-02-28", "dates"}).out, "28/02/27 " + martin + "(0 days)\n");
}

TEST(CliDates, RedOnlyOnATerminalWhenADateFallsToday)
{
    const CliRunner cli;
    storeFriends(cli, *dupontAndMartin(), {});
    const auto red = runOnTerminal(cli, true, {"--today", "2026-12-07", "dates"});
    EXPECT_EQ(red.out.substr(0, 5), "\x1b[31m");
    EXPECT_EQ(runOnTerminal(cli, false, {"--today", "2026-12-07", "dates"}).out.find('\x1b'), std::string::npos);
    EXPECT_EQ(runOnTerminal(cli, true, {"--today", "2026-12-06", "dates"}).out.find('\x1b'), std::string::npos);
    storeFriends(cli, *dupontAndMartin(), {.todayColour = TodayColour::Black});
    EXPECT_EQ(runOnTerminal(cli, true, {"--today", "2026-12-07", "dates"}).out.find('\x1b'), std::string::npos);
}

TEST(CliDates, BadOptionsAreUsageErrors)
{
    const CliRunner cli;
    storeFriends(cli, *dupontAndMartin(), {});
    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {"dates", "--window"}, {"dates", "--window", "year"}, {"dates", "--colour", "red"},
             {"--today", "07/12/2026", "dates"}, {"export", "pdf", "x"}, {"export", "text"}}) {
        EXPECT_EQ(cli.run(arguments).status, 2) << arguments.back();
    }
}

TEST(CliExport, WritesExactlyWhatTheExportTabWrites)
{
    const CliRunner cli;
    const auto table = dupontAndMartin();
    storeFriends(cli, *table, {});
    ASSERT_EQ(cli.run({"export", "text", (cli.data / "Friends.TXT").string()}).status, 0);
    ASSERT_EQ(cli.run({"--lang", "fr", "export", "html", (cli.data / "Friends.HTM").string()}).status, 0);
    EXPECT_EQ(readWholeFile(cli.data / "Friends.TXT").bytes, buildTextExport(*table, Language::English));
    EXPECT_EQ(readWholeFile(cli.data / "Friends.HTM").bytes, buildHtmlExport(*table, Language::French));
}

TEST(CliExport, AFailedExportSaysSoAndKeepsTheOldFile)
{
    const CliRunner cli;
    storeFriends(cli, *dupontAndMartin(), {});
    const auto target = cli.data / "Friends.TXT";
    std::ofstream(target) << "old";
    std::filesystem::permissions(target, std::filesystem::perms::owner_read);
    const auto result = cli.run({"export", "text", target.string()});
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("Impossible to save the exported file: cannot write " + target.string()), std::string::npos)
        << result.err;
    EXPECT_EQ(readWholeFile(target).bytes, "old");
}

TEST(CliRemind, PrintsTheRemindersDueTodayAndNothingElse)
{
    const CliRunner cli;
    storeFriends(cli, *dupontAndMartin(), {});
    const auto today = cli.run({"--today", "2026-12-07", "remind"});
    EXPECT_EQ(today.status, 0);
    EXPECT_EQ(today.out, "Today: Martin Paul, Birthday (36 years)\n"); // the saint's day of the 8th: on the day only
    EXPECT_EQ(today.err, "");
    EXPECT_EQ(cli.run({"--lang", "fr", "--today", "2026-12-29", "remind"}).out,
              "Dans 7 jours : Dupont Jean, Anniversaire (47 ans) le 05/01\n");

    const auto nothing = cli.run({"--today", "2026-12-09", "remind"});
    EXPECT_EQ(nothing.status, 0);
    EXPECT_EQ(nothing.out, ""); // so that cron sends no mail
    EXPECT_EQ(nothing.err, "");
}

TEST(CliRemind, DaysListsEveryDateOfTheNextDays)
{
    const CliRunner cli;
    storeFriends(cli, *dupontAndMartin(), {});
    EXPECT_EQ(cli.run({"--today", "2026-12-07", "remind", "--days", "1"}).out,
              "Today: Martin Paul, Birthday (36 years)\n"
              "Tomorrow: Dupont Jean, Saint's day on 08/12\n");
    EXPECT_EQ(cli.run({"--today", "2026-12-07", "remind", "--days=0"}).out, "Today: Martin Paul, Birthday (36 years)\n");
    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {"remind", "--days"}, {"remind", "--days", "x"}, {"remind", "--days", "366"}, {"remind", "--days", "-1"},
             {"remind", "--days", "1", "2"}, {"remind", "--window", "1"}, {"remind", "today"}}) {
        const auto result = cli.run(arguments);
        EXPECT_EQ(result.status, 2) << arguments.back();
        EXPECT_NE(result.err.find("remind takes --days N"), std::string::npos) << result.err;
    }
}

TEST(CliRemind, LeadTimesAndTheLeapDayComeFromZelmoraIni)
{
    const CliRunner cli;
    auto table = dupontAndMartin();
    fieldRef((*table)[2], FriendField::Anniversaire).assign("29/02/1992");
    storeFriends(cli, *table, {});
    std::ofstream(cli.dataFolder / "Zelmora.ini") << "remind-saints-days = 0, 1\nleap-day-in-common-years = february-28\n"
                                                     "remind-birthdays = soon\n";
    const auto result = cli.run({"--today", "2027-02-28", "remind"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "Today: Martin Paul, Birthday (35 years)\n");
    EXPECT_EQ(result.err, "zelmora-cli: Zelmora.ini: remind-birthdays cannot be \"soon\"; its default \"0, 7\" is used.\n");
    EXPECT_EQ(cli.run({"--today", "2026-12-07", "remind"}).out,
              "Tomorrow: Dupont Jean, Saint's day on 08/12\n");
}
