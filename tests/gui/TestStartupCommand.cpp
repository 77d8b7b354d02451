// The window program's command line as a newcomer tries it.
#include "gui/app/StartupCommand.h"
#include "gui/app/WindowStart.h"

#include <gtest/gtest.h>

#include <sstream>

namespace zelmora::test {

TEST(StartupCommand, HelpShowsTheWindowsOwnOptionsBeforePrintingAndVersionTheVersion)
{
    const FixedClock clock;
    for (const char* asked : {"--help", "-h"}) {
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_TRUE(gui::needsNoApplication({asked}));
        EXPECT_EQ(gui::runStartupCommand({asked}, out, err, {}, clock), 0);
        const std::string help = out.str();
        for (const char* option : {"  --data-dir DIR", "  --lang en|fr", "  --today DATE"}) {
            EXPECT_LT(help.find(option), help.find("  --print-pdf FILE")) << option;
        }
    }
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_TRUE(gui::needsNoApplication({"--lang", "fr", "--version"}));
    EXPECT_EQ(gui::runStartupCommand({"--version"}, out, err, {}, clock), 0);
    EXPECT_EQ(out.str(), "zelmora 3.0\n");
    EXPECT_FALSE(gui::needsNoApplication({"--lang", "fr"}));
}

TEST(StartupCommand, UnknownOptionsAreNamedWithTheCloseOne)
{
    const std::pair<std::vector<std::string>, std::string> window[] = {
        {{"--versio"}, "unknown option --versio (did you mean --version?)"},
        {{"--data", "x"}, "unknown option --data (did you mean --data-dir?)"},
        {{"--foo"}, "unknown option --foo"},
        {{"folder"}, "unexpected argument 'folder'"},
        {{"--data-dir", ""}, "--data-dir needs a value"},
        {{"--today", "0001-01-01"}, "--today takes a date written YYYY-MM-DD, from 1900 to 2199, not '0001-01-01'"},
    };
    for (const auto& [arguments, message] : window) {
        std::string problem;
        EXPECT_FALSE(gui::parseWindowRequest(arguments, problem)) << arguments[0];
        EXPECT_EQ(problem, message);
    }
    std::string problem;
    EXPECT_FALSE(gui::parsePrintPdf({"--print-pdf", "x.pdf", "--frend", "A B"}, problem));
    EXPECT_EQ(problem, "unknown option --frend (did you mean --friend?)");
    EXPECT_FALSE(gui::parsePrintPdf({"--print-pdf", "x.pdf", "--today", "2026-01-01"}, problem));
    EXPECT_EQ(problem, "unknown option --today");
}

} // namespace zelmora::test
