#include "core/platform/AutoStart.h"

#include "core/platform/FileWriter.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace zelmora;
namespace fs = std::filesystem;

TEST(AutoStart, TheCommandNamesOnlyAFolderTheProgramWouldNotFindItself)
{
    test::TempFolder home;
    test::TempFolder program;
    const EnvironmentLookup environment = [&](const char* name) {
        const bool isHome = std::string(name) == "HOME" || std::string(name) == "APPDATA";
        return isHome ? home.path().string() : std::string();
    };
    const fs::path executable = program / "zelmora";
    EXPECT_EQ(startCommand(executable, UserDataFolder(environment), environment), (StartCommand{executable, std::nullopt}));
    EXPECT_EQ(startCommand(executable, home / "friends", environment), (StartCommand{executable, home / "friends"}));
    EXPECT_EQ(startCommand(executable, "relative", environment).dataFolder, fs::absolute("relative"));

    ASSERT_TRUE(AtomicFileWriter().replace(program / "Zelmor.dta", "").ok); // a portable copy
    EXPECT_EQ(startCommand(executable, program.path(), environment), (StartCommand{executable, std::nullopt}));
    EXPECT_EQ(startCommand(executable, UserDataFolder(environment), environment).dataFolder, UserDataFolder(environment));
}
