// The real zelmora-cli.exe started by Windows, with arguments that its ANSI code page
// cannot hold.
#include "CliRunner.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace fs = std::filesystem;

namespace {

DWORD runCli(std::wstring arguments)
{
    std::wstring line = L"\"" + fs::path(ZELMORA_CLI).make_preferred().wstring() + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        return 255;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 255;
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return status;
}

} // namespace

TEST(CliProgram, ANonAsciiDataFolderAndNameReachTheProgramWhole)
{
    zelmora::test::CliRunner cli;
    cli.dataFolder = cli.data.path() / L"Zo\u00E9 \u65E5\u8A18";
    EXPECT_EQ(runCli(L"--data-dir \"" + cli.dataFolder.wstring() + L"\" add Nom=Lef\u00E8vre \"Prenom=Ana\u00EFs\""), 0u);
    EXPECT_EQ(cli.run({"list"}).out, "LEF\xC3\x88VRE Ana\xC3\xAFs\n");
}
