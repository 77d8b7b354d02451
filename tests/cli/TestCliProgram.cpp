// The real zelmora-cli executable, as a terminal runs it.
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <sys/wait.h>

namespace {

struct Output {
    int status;
    std::string text;
};

Output run(const std::string& arguments)
{
    const std::string command = std::string(ZELMORA_CLI) + " " + arguments + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    std::string text;
    std::array<char, 4096> buffer;
    while (const std::size_t got = fread(buffer.data(), 1, buffer.size(), pipe)) {
        text.append(buffer.data(), got);
    }
    const int status = pclose(pipe);
    return {WEXITSTATUS(status), text};
}

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
