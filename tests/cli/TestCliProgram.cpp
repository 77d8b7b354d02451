// The real zelmora-cli executable, as a terminal runs it.
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <sys/wait.h>

namespace {

struct Output {
    int status;
    std::string text;
};

// Runs a shell command line, its error output with the standard output.
Output runShell(const std::string& commandLine)
{
    const std::string command = commandLine + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    std::string text;
    std::array<char, 4096> buffer;
    while (const std::size_t got = fread(buffer.data(), 1, buffer.size(), pipe)) {
        text.append(buffer.data(), got);
    }
    const int status = pclose(pipe);
    return {WEXITSTATUS(status), text};
}

Output run(const std::string& arguments) { return runShell(std::string(ZELMORA_CLI) + " " + arguments); }

} // namespace

TEST(CliProgram, ReadsAndPrintsUtf8)
{
    zelmora::test::TempFolder folder;
    const std::string dir = "--data-dir '" + folder.path().string() + "' ";
    EXPECT_EQ(run(dir + "add 'Nom=Lef\xC3\xA8vre' 'Prenom=Ana\xC3\xAFs'").status, 0);
    const Output listed = run(dir + "list");
    EXPECT_EQ(listed.status, 0);
    EXPECT_EQ(listed.text, "LEF\xC3\x88VRE Ana\xC3\xAFs\n");
}

TEST(CliProgram, HelpAndUsage)
{
    EXPECT_EQ(run("--help").status, 0);
    const Output bad = run("--bogus");
    EXPECT_EQ(bad.status, 2);
    EXPECT_NE(bad.text.find("Usage: zelmora-cli"), std::string::npos);
}

TEST(CliProgram, AClosedStandardOutputIsAFailure)
{
    zelmora::test::TempFolder folder;
    const std::string dir = "--data-dir '" + folder.path().string() + "' ";
    ASSERT_EQ(run(dir + "add Nom=Dupont").status, 0);
    const std::string command = std::string(ZELMORA_CLI) + " " + dir + "list 2>&1 >&-";
    FILE* pipe = popen(command.c_str(), "r");
    std::array<char, 4096> buffer;
    const std::string text(buffer.data(), fread(buffer.data(), 1, buffer.size(), pipe));
    EXPECT_EQ(WEXITSTATUS(pclose(pipe)), 1);
    EXPECT_NE(text.find("cannot write the output"), std::string::npos) << text;
}

TEST(CliProgram, TheCalendarIsStampedInUniversalTimeInAnyTimeZone)
{
    zelmora::test::TempFolder folder;
    const std::string dir = "--data-dir '" + folder.path().string() + "' ";
    ASSERT_EQ(run(dir + "add Nom=Dupont Anniversaire=05/01/1980").status, 0);
    // Fourteen hours ahead of UTC: a local time marked "Z" would be far off.
    const Output calendar = runShell("TZ=Pacific/Kiritimati " + std::string(ZELMORA_CLI) + " " + dir + "export ics -");
    const std::time_t now = std::time(nullptr);
    const std::size_t at = calendar.text.find("DTSTAMP:");
    ASSERT_NE(at, std::string::npos) << calendar.text;
    std::tm stamp{};
    ASSERT_NE(strptime(calendar.text.c_str() + at + 8, "%Y%m%dT%H%M%SZ", &stamp), nullptr);
    EXPECT_LT(std::abs(std::difftime(timegm(&stamp), now)), 120.0) << calendar.text.substr(at, 25);
}
