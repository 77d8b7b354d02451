#include "CliRunner.h"

#include <gtest/gtest.h>

using namespace zelmora;

TEST(CliNoSync, ABuildWithoutSynchronisationSaysSoAndChangesNothing)
{
    const test::CliRunner cli;
    const test::CliResult result = cli.run({"sync", "--dry-run"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "zelmora-cli: This build of Zelmora cannot synchronise with an address book server.\n");
    EXPECT_FALSE(std::filesystem::exists(cli.database()));
}
