#include "core/platform/RecordingProgram.h"
#include "core/platform/FileOpener.h"
#include "core/platform/ProcessLauncher.h"
#include "core/platform/XdgFileOpener.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <sys/wait.h>

namespace zelmora {
namespace {

using testing::RecordingProgram;
using Arguments = std::vector<std::string>;

TEST(ProcessLauncher, PassesEveryArgumentAsItIsWithoutAShell)
{
    const RecordingProgram program;
    const Arguments tricky = {"two words", "\"quoted\"", "$HOME", "a;b|c&d", "`id`", "*", ""};
    Arguments command = {program.command()};
    command.insert(command.end(), tricky.begin(), tricky.end());

    ASSERT_TRUE(startDetached(command).ok);
    EXPECT_EQ(program.waitForArguments(), tricky);
}

TEST(ProcessLauncher, ReturnsAtOnceAndLeavesNoChildToWaitFor)
{
    const RecordingProgram slowProgram(3);
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(startDetached({slowProgram.command(), "x"}).ok);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));

    // The program runs on, adopted by the system: this process has no child left.
    errno = 0;
    EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
    EXPECT_EQ(slowProgram.waitForArguments(), Arguments{"x"});
}

TEST(ProcessLauncher, ReportsAProgramThatCannotBeStarted)
{
    const Status missing = startDetached({"/nonexistent/zelmora-no-such-program", "file"});
    EXPECT_FALSE(missing.ok);
    EXPECT_NE(missing.message.find("/nonexistent/zelmora-no-such-program"), std::string::npos) << missing.message;
    EXPECT_NE(missing.message.find("No such file"), std::string::npos) << missing.message;

    EXPECT_FALSE(startDetached({"zelmora-no-such-program-in-path"}).ok);
    EXPECT_FALSE(startDetached({}).ok);
    EXPECT_FALSE(startDetached({""}).ok);
}

TEST(XdgFileOpener, HandsTheOpenerTheFileAsOneAbsoluteArgument)
{
    const RecordingProgram opener;
    const XdgFileOpener fileOpener(opener.command());

    ASSERT_TRUE(fileOpener.open("-My Friends.HTM", FileOpener::Kind::Html).ok);
    EXPECT_EQ(opener.waitForArguments(), Arguments{(std::filesystem::current_path() / "-My Friends.HTM").string()});
}

TEST(XdgFileOpener, ReportsAMissingOpener)
{
    EXPECT_FALSE(XdgFileOpener("/nonexistent/xdg-open").open("/tmp/Friends.TXT", FileOpener::Kind::Text).ok);
}

} // namespace
} // namespace zelmora
