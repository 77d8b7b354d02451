// The single-instance socket: where it lies, and with whom it talks.
#include "gui/app/SingleInstance.h"

#include "support/AsOrdinaryUser.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <QTest>

#include <csignal>
#include <future>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>

namespace zelmora::test {
namespace {

namespace fs = std::filesystem;

class SingleInstanceTest : public ::testing::Test {
protected:
    SingleInstanceTest()
    {
        fs::permissions(runtime.path(), fs::perms::owner_all);
        fs::permissions(shared.path(), fs::perms::all);
        setEnvironment("XDG_RUNTIME_DIR", runtime.path());
        setEnvironment("TMPDIR", temporary.path());
    }
    ~SingleInstanceTest() override
    {
        for (const auto& [name, value] : m_saved) {
            value.isNull() ? qunsetenv(name) : qputenv(name, value);
        }
    }
    void setEnvironment(const char* name, const fs::path& value)
    {
        m_saved.emplace_back(name, qgetenv(name));
        qputenv(name, QByteArray::fromStdString(value.string()));
    }
    static QString inFolder(const fs::path& folder) { return QString::fromStdString(folder.string()) + '/'; }

    // Asks from another thread, as a second program would, while this one answers.
    bool secondStartShows()
    {
        auto asked = std::async(std::launch::async, [this] { return gui::SingleInstance(data.path()).askRunningWindowToShow(); });
        while (asked.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready) {
            QTest::qWait(10);
        }
        return asked.get();
    }

    TempFolder runtime;
    TempFolder temporary;
    TempFolder shared; // a folder every user may write to, as /tmp
    TempFolder data;

private:
    std::vector<std::pair<const char*, QByteArray>> m_saved;
};

// A child giving up root listens at `socketFile` until killed, or connects to it, asks to
// be shown and ends once the other end closes.
pid_t asNobody(const fs::path& socketFile, bool listens)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string path = socketFile.string();
    path.copy(address.sun_path, sizeof address.sun_path - 1);
    int ready[2];
    if (pipe(ready) != 0) {
        return -1;
    }
    const pid_t child = fork();
    if (child == 0) {
        const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        if (setgid(NobodyId) != 0 || setuid(NobodyId) != 0 || fd < 0) {
            _exit(2);
        }
        const auto* any = reinterpret_cast<const sockaddr*>(&address);
        if (listens) {
            if (bind(fd, any, sizeof address) != 0 || listen(fd, 4) != 0 || write(ready[1], "y", 1) != 1) {
                _exit(3);
            }
            for (;;) {
                pause();
            }
        }
        char answer = 0;
        if (connect(fd, any, sizeof address) != 0 || write(fd, "show\n", 5) != 5) {
            _exit(3);
        }
        while (read(fd, &answer, 1) > 0) {
        }
        _exit(0);
    }
    char taken = 0;
    close(ready[1]);
    if (listens && read(ready[0], &taken, 1) != 1) {
        return -1;
    }
    close(ready[0]);
    return child;
}

} // namespace

TEST_F(SingleInstanceTest, ASecondStartOnTheSameFolderShowsTheFirst)
{
    gui::SingleInstance first(data.path());
    ASSERT_TRUE(first.listen());
    EXPECT_TRUE(first.name().startsWith(inFolder(runtime.path()) + "zelmora-")) << first.name().toStdString();
    int shown = 0;
    QObject::connect(&first, &gui::SingleInstance::showRequested, [&] { ++shown; });
    EXPECT_TRUE(secondStartShows());
    EXPECT_TRUE(QTest::qWaitFor([&] { return shown == 1; }));
}

TEST_F(SingleInstanceTest, WithoutAPrivateRuntimeFolderTheSocketGoesToAFolderOfTheUsersOwn)
{
    fs::permissions(runtime.path(), fs::perms::all); // others may enter: not the user's alone
    const fs::path own = temporary / ("zelmora-" + std::to_string(geteuid()));
    {
        gui::SingleInstance first(data.path());
        EXPECT_TRUE(first.name().startsWith(inFolder(own))) << first.name().toStdString();
        EXPECT_EQ(fs::status(own).permissions() & fs::perms::all, fs::perms::owner_all);
        EXPECT_TRUE(first.listen());
    }
    if (geteuid() != 0) {
        return;
    }
    ASSERT_EQ(chown(own.c_str(), NobodyId, NobodyId), 0); // a folder another user made first
    gui::SingleInstance refused(data.path());
    EXPECT_TRUE(refused.name().isEmpty());
    EXPECT_FALSE(refused.askRunningWindowToShow());
    EXPECT_FALSE(refused.listen()); // no service, but the window starts
}

TEST_F(SingleInstanceTest, AListenerOfAnotherUserIsIgnoredAndReplaced)
{
    if (geteuid() != 0) {
        GTEST_SKIP() << "a listener of another user can only be made as root";
    }
    gui::SingleInstance probe(data.path());
    const pid_t listener = asNobody(shared / "socket", true);
    ASSERT_GT(listener, 0);
    ASSERT_EQ(std::rename((shared / "socket").c_str(), probe.name().toStdString().c_str()), 0); // as if it got there first

    gui::SingleInstance second(data.path());
    EXPECT_FALSE(second.askRunningWindowToShow());
    EXPECT_TRUE(second.listen());
    kill(listener, SIGKILL);
    waitpid(listener, nullptr, 0);
}

TEST_F(SingleInstanceTest, TheWindowDoesNotAnswerAnotherUser)
{
    if (geteuid() != 0) {
        GTEST_SKIP() << "a program of another user can only be run as root";
    }
    gui::SingleInstance first(data.path());
    ASSERT_TRUE(first.listen());
    int shown = 0;
    QObject::connect(&first, &gui::SingleInstance::showRequested, [&] { ++shown; });
    const fs::path alias = shared / "alias"; // the same socket, reachable by anyone
    ASSERT_EQ(link(first.name().toStdString().c_str(), alias.c_str()), 0);
    ASSERT_EQ(chmod(alias.c_str(), 0666), 0);

    const pid_t asker = asNobody(alias, false);
    ASSERT_GT(asker, 0);
    int status = -1;
    EXPECT_TRUE(QTest::qWaitFor([&] { return waitpid(asker, &status, WNOHANG) == asker; }));
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    QTest::qWait(50);
    EXPECT_EQ(shown, 0);
}

} // namespace zelmora::test
