// The command line as a newcomer tries it: help, version, options and their slips.
#include "CliRunner.h"

#include <gtest/gtest.h>

using namespace zelmora;
using test::CliRunner;

TEST(Cli, HelpAndVersionNeedNoDataFolder)
{
    CliRunner cli;
    cli.homeSet = false;
    for (const char* asked : {"--help", "help"}) {
        const auto help = cli.runRaw({asked});
        EXPECT_EQ(help.status, 0);
        EXPECT_TRUE(help.out.starts_with("Usage: zelmora-cli")) << help.out;
        EXPECT_NE(help.out.find("  import FILE.vcf"), std::string::npos);
    }
    const auto version = cli.runRaw({"--lang", "fr", "--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "zelmora-cli 3.0\n");
    EXPECT_EQ(version.err, "");
}

TEST(Cli, ACommandFollowedByHelpShowsItsOwnUsage)
{
    const CliRunner cli;
    const auto add = cli.run({"add", "--help"});
    EXPECT_EQ(add.status, 0);
    EXPECT_NE(add.out.find("  add FIELD=VALUE... [--allow-duplicate]"), std::string::npos) << add.out;
    EXPECT_EQ(add.out.find("  list "), std::string::npos) << add.out;
    const auto exportHelp = cli.run({"export", "--help"});
    EXPECT_NE(exportHelp.out.find("export text|html FILE"), std::string::npos);
    EXPECT_NE(exportHelp.out.find("export vcard|ics FILE"), std::string::npos);
    EXPECT_EQ(cli.run({"dates", "--help"}).status, 0);
    EXPECT_FALSE(std::filesystem::exists(cli.database()));
}

TEST(Cli, UnknownOptionsAreNamedWithTheCloseOne)
{
    const CliRunner cli;
    const std::pair<std::string, std::string> cases[] = {
        {"--versio", "unknown option --versio (did you mean --version?)"},
        {"--data", "unknown option --data (did you mean --data-dir?)"},
        {"--lnag", "unknown option --lnag (did you mean --lang?)"},
        {"--foo", "unknown option --foo\n"},
    };
    for (const auto& [option, message] : cases) {
        const auto result = cli.runRaw({option});
        EXPECT_EQ(result.status, 2) << option;
        EXPECT_TRUE(result.err.starts_with("zelmora-cli: " + message)) << result.err;
    }
    EXPECT_TRUE(cli.runRaw({"--lang"}).err.starts_with("zelmora-cli: --lang needs a value"));
}

TEST(Cli, RunOptionsRefuseWhatNoUserMeans)
{
    const CliRunner cli;
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--data-dir", "", "list"}, "--data-dir needs a value"},
        {{"--today", "0001-01-01", "dates"}, "--today takes a date written YYYY-MM-DD, from 1900 to 2199"},
        {{"--today", "1899-12-31", "dates"}, "from 1900 to 2199"},
        {{"--today", "2200-01-01", "dates"}, "from 1900 to 2199"},
    };
    for (const auto& [arguments, message] : cases) {
        const auto result = cli.runRaw(arguments);
        EXPECT_EQ(result.status, 2) << arguments[1];
        EXPECT_NE(result.err.find(message), std::string::npos) << result.err;
    }
    EXPECT_EQ(cli.run({"--today", "1900-01-01", "dates"}).status, 0);
    EXPECT_EQ(cli.run({"--today", "2199-12-31", "dates"}).status, 0);
}
