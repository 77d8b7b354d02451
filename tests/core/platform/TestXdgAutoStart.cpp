#include "core/platform/FileReader.h"
#include "core/platform/AutoStart.h"
#include "core/platform/FileWriter.h"
#include "core/platform/XdgAutoStart.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zelmora {
namespace {

namespace fs = std::filesystem;

const StartCommand Usual{"/opt/Zelmora/bin/zelmora", std::nullopt};
const StartCommand OnShared{"/opt/Zelmora/bin/zelmora", "/srv/shared friends"};

class XdgAutoStartTest : public ::testing::Test {
protected:
    XdgAutoStartTest()
    {
        std::string pattern = (fs::temp_directory_path() / "zelmora-autostart-XXXXXX").string();
        m_folder = mkdtemp(pattern.data());
    }
    ~XdgAutoStartTest() override
    {
        std::error_code ignored;
        fs::permissions(m_folder, fs::perms::owner_all, fs::perm_options::add, ignored);
        for (const auto& entry : fs::recursive_directory_iterator(m_folder, ignored)) {
            fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
        }
        fs::remove_all(m_folder);
    }

    XdgAutoStart autoStartWith(std::map<std::string, std::string> variables) const
    {
        return XdgAutoStart(m_writer, [variables](const char* name) {
            const auto found = variables.find(name);
            return found == variables.end() ? std::string() : found->second;
        });
    }
    XdgAutoStart autoStart() const { return autoStartWith({{"XDG_CONFIG_HOME", (m_folder / "config").string()}}); }
    fs::path entry() const { return m_folder / "config" / "autostart" / "zelmora.desktop"; }

    fs::path m_folder;
    AtomicFileWriter m_writer{AtomicFileWriter::Flush::No};
};

TEST_F(XdgAutoStartTest, WritesADesktopEntryStartingTheExecutable)
{
    ASSERT_TRUE(autoStart().apply(true, Usual).ok);
    EXPECT_EQ(readWholeFile(entry()).bytes, "[Desktop Entry]\n"
                                            "Type=Application\n"
                                            "Name=Zelmora\n"
                                            "Comment=Reminds you of your friends' birthdays and saint's days\n"
                                            "Exec=/opt/Zelmora/bin/zelmora\n"
                                            "Terminal=false\n");
}

TEST_F(XdgAutoStartTest, TheEntryNamesAFolderTheProgramWouldNotFindItself)
{
    ASSERT_TRUE(autoStart().apply(true, OnShared).ok);
    EXPECT_NE(readWholeFile(entry()).bytes.find("\nExec=/opt/Zelmora/bin/zelmora --data-dir \"/srv/shared friends\"\n"),
              std::string::npos)
        << readWholeFile(entry()).bytes;
}

TEST_F(XdgAutoStartTest, OnlyTheFolderThatRegisteredTheEntryRemovesIt)
{
    ASSERT_TRUE(autoStart().apply(true, OnShared).ok);
    const std::string shared = readWholeFile(entry()).bytes;
    EXPECT_TRUE(autoStart().apply(false, Usual).ok);
    EXPECT_EQ(readWholeFile(entry()).bytes, shared);
    EXPECT_TRUE(autoStart().apply(false, OnShared).ok);
    EXPECT_FALSE(fs::exists(entry()));
}

TEST_F(XdgAutoStartTest, NothingIsWrittenWhenNothingChanges)
{
    struct CountingWriter : AtomicFileWriter {
        Status replace(const fs::path& target, std::string_view bytes) const override
        {
            ++writes;
            return AtomicFileWriter::replace(target, bytes);
        }
        mutable int writes = 0;
    } counting;
    const XdgAutoStart counted(counting, [this](const char* name) {
        return std::string(name) == "XDG_CONFIG_HOME" ? (m_folder / "config").string() : std::string();
    });
    ASSERT_TRUE(counted.apply(true, Usual).ok);
    ASSERT_TRUE(counted.apply(true, Usual).ok);
    EXPECT_EQ(counting.writes, 1);
    ASSERT_TRUE(counted.apply(true, OnShared).ok); // the latest folder to ask for it
    EXPECT_EQ(counting.writes, 2);
}

// The entry as a session reads it: gio starts a script that records its arguments.
TEST_F(XdgAutoStartTest, TheSessionStartsExactlyThatFolderWhateverItsName)
{
    if (std::system("gio help launch > /dev/null 2>&1") != 0) {
        GTEST_SKIP() << "gio (libglib2.0-bin) is needed: make test installs it";
    }
    const fs::path script = m_folder / "recorder";
    const fs::path recorded = m_folder / "arguments";
    std::ofstream(script) << "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > '" << recorded.string()
                          << ".part'\nmv '" << recorded.string() << ".part' '" << recorded.string() << "'\n";
    fs::permissions(script, fs::perms::owner_all);
    const fs::path folder = m_folder / "our \"friends\" 100% $HOME; it's `id` \\ here";
    ASSERT_TRUE(autoStart().apply(true, StartCommand{script, folder}).ok);

    ASSERT_EQ(std::system(("gio launch '" + entry().string() + "' > /dev/null 2>&1").c_str()), 0);
    for (int wait = 0; wait < 100 && !fs::exists(recorded); ++wait) {
        usleep(50'000);
    }
    EXPECT_EQ(readWholeFile(recorded).bytes, "--data-dir\n" + folder.string() + "\n");
}

TEST_F(XdgAutoStartTest, RemovesTheEntryAndFindsNoFaultWhenItIsAlreadyGone)
{
    ASSERT_TRUE(autoStart().apply(true, Usual).ok);
    ASSERT_TRUE(fs::exists(entry()));
    EXPECT_TRUE(autoStart().apply(false, Usual).ok);
    EXPECT_FALSE(fs::exists(entry()));
    EXPECT_TRUE(autoStart().apply(false, Usual).ok);
    EXPECT_FALSE(fs::exists(m_folder / "config" / "autostart" / "zelmora.desktop"));
}

TEST_F(XdgAutoStartTest, FindsTheAutostartFolderAsTheBaseDirectoriesSay)
{
    EXPECT_EQ(autoStartWith({{"XDG_CONFIG_HOME", "/cfg"}, {"HOME", "/home/ann"}}).entryPath(),
              "/cfg/autostart/zelmora.desktop");
    EXPECT_EQ(autoStartWith({{"HOME", "/home/ann"}}).entryPath(), "/home/ann/.config/autostart/zelmora.desktop");
    EXPECT_EQ(autoStartWith({{"XDG_CONFIG_HOME", "cfg"}, {"HOME", "/home/ann"}}).entryPath(),
              "/home/ann/.config/autostart/zelmora.desktop"); // a relative folder is ignored
    EXPECT_FALSE(autoStartWith({}).apply(true, Usual).ok);
    EXPECT_TRUE(autoStartWith({}).apply(false, Usual).ok); // no folder, so nothing to remove and nothing to say
}

TEST_F(XdgAutoStartTest, ReportsAConfigurationFolderThatCannotBeCreated)
{
    std::ofstream(m_folder / "config") << "a file, not a folder";
    const XdgAutoStart blocked = autoStart();

    const Status status = blocked.apply(true, Usual);
    EXPECT_FALSE(status.ok);
    const Status applied = ApplyAutoStart(true, Usual.executable, m_folder, blocked, Language::English);
    ASSERT_FALSE(applied.ok);
    EXPECT_EQ(applied.message.rfind("Impossible to set the automatic launch: cannot create the folder ", 0), 0)
        << applied.message;
    EXPECT_EQ(ApplyAutoStart(true, Usual.executable, m_folder, blocked, Language::French)
                  .message.rfind("Impossible de r\xE9gler le lancement automatique : ", 0),
              0);
    EXPECT_TRUE(ApplyAutoStart(false, Usual.executable, m_folder, blocked, Language::English).ok);
}

// A read-only folder stops everyone but the administrator, so as root the attempt is
// made by a child that gave up its rights.
TEST_F(XdgAutoStartTest, ReportsAReadOnlyAutostartFolder)
{
    fs::create_directories(entry().parent_path());
    fs::permissions(m_folder, fs::perms::owner_all | fs::perms::others_exec | fs::perms::group_exec);
    fs::permissions(m_folder / "config", fs::perms::owner_all | fs::perms::others_exec | fs::perms::group_exec);
    fs::permissions(entry().parent_path(), fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read
                                               | fs::perms::others_exec);
    const XdgAutoStart readOnly = autoStart();
    const auto attempt = [&] {
        const Status status = readOnly.apply(true, Usual);
        return !status.ok && status.message.find("Permission denied") != std::string::npos && !fs::exists(entry());
    };
    if (geteuid() != 0) {
        EXPECT_TRUE(attempt());
        return;
    }
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        _exit(setgid(65534) == 0 && setuid(65534) == 0 && attempt() ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

TEST(DesktopExecValue, QuotesAndEscapesWhatTheDesktopEntryFormatReserves)
{
    const auto desktopExecValue = [](const fs::path& executable) { return zelmora::desktopExecValue({executable, std::nullopt}); };
    EXPECT_EQ(desktopExecValue("/usr/bin/zelmora"), "/usr/bin/zelmora");
    EXPECT_EQ(desktopExecValue("/opt/My Programs/zelmora"), "\"/opt/My Programs/zelmora\"");
    EXPECT_EQ(desktopExecValue("/opt/100%/zelmora"), "/opt/100%%/zelmora");
    EXPECT_EQ(desktopExecValue("/opt/a b%/z"), "\"/opt/a b%%/z\"");
    // Inside quotes " ` $ \ take a backslash, and that backslash is itself escaped as a
    // string value: a literal backslash takes four.
    EXPECT_EQ(desktopExecValue("/opt/say \"hi\"/z"), R"("/opt/say \\"hi\\"/z")");
    EXPECT_EQ(desktopExecValue("/opt/$HOME/z"), R"("/opt/\\$HOME/z")");
    EXPECT_EQ(desktopExecValue("/opt/`id`/z"), R"("/opt/\\`id\\`/z")");
    EXPECT_EQ(desktopExecValue("/opt/back\\slash/z"), R"("/opt/back\\\\slash/z")");
    EXPECT_EQ(desktopExecValue("/opt/it's/z"), "\"/opt/it's/z\"");
    EXPECT_EQ(desktopExecValue("/opt/tab\there/z"), R"("/opt/tab\there/z")");
    EXPECT_EQ(desktopExecValue("/opt/new\nline/z"), R"("/opt/new\nline/z")");
}

} // namespace
} // namespace zelmora
