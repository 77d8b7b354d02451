#include "core/platform/AssociatedCommand.h"

#include <gtest/gtest.h>

namespace zelmora {
namespace {

constexpr std::string_view File = "C:\\My Data\\Friends.TXT";

TEST(AssociatedCommand, RunsTheRegisteredProgramWithTheFileAsItsOnlyArgument)
{
    EXPECT_EQ(associatedCommandLine("C:\\WINDOWS\\NOTEPAD.EXE %1", File), "C:\\WINDOWS\\NOTEPAD.EXE C:\\My Data\\Friends.TXT");
    EXPECT_EQ(associatedCommandLine("C:\\Progs\\Browse\\browse.exe -nohome -url %1", File),
              "C:\\Progs\\Browse\\browse.exe C:\\My Data\\Friends.TXT");
}

TEST(AssociatedCommand, CutsAtTheFirstDotOfTheNameNotOfTheFolder)
{
    EXPECT_EQ(associatedCommandLine("C:\\Prog.Files\\write.exe.old %1", "F"), "C:\\Prog.Files\\write.exe F");
    EXPECT_EQ(associatedCommandLine("C:wordpad.exe /p", "F"), "C:wordpad.exe F"); // a colon ends the folder too
    EXPECT_EQ(associatedCommandLine("view.com", "F"), "view.com F");
    EXPECT_EQ(associatedCommandLine("D:\\x\\a.b", "F"), "D:\\x\\a.b F"); // shorter than three letters: all kept
}

TEST(AssociatedCommand, ClosesTheQuoteOfAQuotedProgramPath)
{
    EXPECT_EQ(associatedCommandLine("\"C:\\Program Files\\Internet Explorer\\iexplore.exe\" -nohome", "F"),
              "\"C:\\Program Files\\Internet Explorer\\iexplore.exe\" F");
}

TEST(AssociatedCommand, ANameWithoutExtensionEndsAtItsFirstBlank)
{
    EXPECT_EQ(associatedCommandLine("C:\\WINDOWS\\notepad %1", "F"), "C:\\WINDOWS\\notepad F");
    EXPECT_EQ(associatedCommandLine("\"C:\\Program Files\\Editor\\edit\" \"%1\"", "F"),
              "\"C:\\Program Files\\Editor\\edit\" F");
    EXPECT_EQ(associatedCommandLine("notepad", "F"), "notepad F");
}

TEST(AssociatedCommand, NothingRegisteredGivesNothingToRun)
{
    EXPECT_EQ(associatedCommandLine("", File), "");
}

} // namespace
} // namespace zelmora
