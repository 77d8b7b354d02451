#include "core/web/FakeClassesRegistry.h"
#include "core/web/BrowserCommand.h"

#include <gtest/gtest.h>

namespace zelmora {
namespace {

using testing::FakeClassesRegistry;

BrowserProgram browser(std::string path, std::string extraParameters) { return {std::move(path), std::move(extraParameters)}; }

TEST(FindBrowser, SplitsTheThreeKindsOfRegisteredCommand)
{
    EXPECT_EQ(splitBrowserCommand(R"("C:\Program Files\Browse\browse.exe" -nohome)"),
              browser(R"(C:\Program Files\Browse\browse.exe)", "-nohome"));
    EXPECT_EQ(splitBrowserCommand(R"("C:\Program Files\Browse\browse.exe" "%1")"),
              browser(R"(C:\Program Files\Browse\browse.exe)", ""));
    EXPECT_EQ(splitBrowserCommand(R"(C:\Tools\view.com -h "%1")"), browser(R"(C:\Tools\view.com)", "-h"));
}

TEST(FindBrowser, ComparesExtensionsInCapitals)
{
    EXPECT_EQ(splitBrowserCommand(R"(c:\web\browse.exe %1)"), browser(R"(c:\web\browse.exe)", ""));
    EXPECT_EQ(splitBrowserCommand(R"(C:\web\Start.Bat)"), browser(R"(C:\web\Start.Bat)", ""));
    EXPECT_EQ(splitBrowserCommand(R"(C:\web\run.cOm   -x   )"), browser(R"(C:\web\run.cOm)", "-x"));
}

TEST(FindBrowser, TakesTheLastProgramExtensionOfTheCommand)
{
    // Searched from the end: an argument naming a program ends the path instead.
    EXPECT_EQ(splitBrowserCommand(R"(C:\b\browse.exe -config C:\b\setup.exe)"),
              browser(R"(C:\b\browse.exe -config C:\b\setup.exe)", ""));
}

TEST(FindBrowser, DropsEachPlaceholderUpToTheNextBlank)
{
    EXPECT_EQ(splitBrowserCommand(R"("C:\b\b.exe" -url "%1" -new)"), browser(R"(C:\b\b.exe)", "-url  -new"));
    EXPECT_EQ(splitBrowserCommand(R"(C:\b\b.exe -a=%1,x -b %L)"), browser(R"(C:\b\b.exe)", "-a= -b"));
}

TEST(FindBrowser, ACommandWithoutProgramExtensionIsNoBrowser)
{
    EXPECT_EQ(splitBrowserCommand(R"("C:\Program Files\Browse\browse" %1)"), BrowserProgram{});
    EXPECT_EQ(splitBrowserCommand(R"(C:\web\page.htm)"), BrowserProgram{});
    EXPECT_EQ(splitBrowserCommand("exe"), BrowserProgram{});
    EXPECT_EQ(splitBrowserCommand(""), BrowserProgram{});
}

TEST(ReadBrowserCommand, FollowsTheFileClassOfTheFirstExtensionThatHasOne)
{
    FakeClassesRegistry registry;
    registry.keys = {{".HTM", "htmlfile"},
                     {"htmlfile\\shell\\open\\command", "\"C:\\b\\browse.exe\" %1"},
                     {".HTML", "other"},
                     {"other\\shell\\open\\command", "C:\\o\\other.exe"}};
    EXPECT_EQ(ReadBrowserCommand(registry), "\"C:\\b\\browse.exe\" %1");
    EXPECT_EQ(registry.asked, (std::vector<std::string>{".HTM", "htmlfile\\shell\\open\\command"}));
}

TEST(ReadBrowserCommand, FallsBackOnTheExtensionsOwnCommand)
{
    FakeClassesRegistry registry;
    registry.keys = {{".HTM", "htmlfile"},
                     {"htmlfile\\shell\\open\\command", ""},
                     {".HTM\\shell\\open\\command", "C:\\b\\own.exe"}};
    EXPECT_EQ(ReadBrowserCommand(registry), "C:\\b\\own.exe");

    registry.keys = {{".HTM", ""}, {".HTM\\shell\\open\\command", "C:\\b\\own.exe"}};
    registry.asked.clear();
    EXPECT_EQ(ReadBrowserCommand(registry), "C:\\b\\own.exe");
    EXPECT_EQ(registry.asked, (std::vector<std::string>{".HTM", ".HTM\\shell\\open\\command"}));
}

TEST(ReadBrowserCommand, GoesOnWithTheNextExtensionWhenOneGivesNothing)
{
    FakeClassesRegistry registry;
    registry.keys = {{".HTM", std::nullopt}, // the key exists, its value cannot be read
                     {".HTML", "htmlfile"},
                     {".SHTM", "shtmlfile"},
                     {"shtmlfile\\shell\\open\\command", "C:\\s\\s.exe"}};
    EXPECT_EQ(ReadBrowserCommand(registry), "C:\\s\\s.exe");
    EXPECT_EQ(registry.asked, (std::vector<std::string>{".HTM", ".HTML", "htmlfile\\shell\\open\\command",
                                                        ".HTML\\shell\\open\\command", ".SHTML", ".SHTM",
                                                        "shtmlfile\\shell\\open\\command"}));
}

TEST(ReadBrowserCommand, NoAssociationGivesTheEmptyText)
{
    EXPECT_EQ(ReadBrowserCommand(FakeClassesRegistry{}), "");
    EXPECT_EQ(FindBrowser(FakeClassesRegistry{}), BrowserProgram{});
}

} // namespace
} // namespace zelmora
