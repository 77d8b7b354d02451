// The registry of a real Windows (or Wine): the user's Run value and the classes lookup,
// on keys the tests write and remove themselves.
#include "core/base/PathText.h"
#include "core/platform/WindowsAutoStart.h"
#include "core/platform/WindowsClassesRegistry.h"

#include <gtest/gtest.h>

#include <windows.h>

using namespace zelmora;
namespace fs = std::filesystem;

namespace {

std::optional<std::wstring> userValue(const std::wstring& key, const std::wstring& name)
{
    wchar_t data[1024];
    DWORD size = sizeof data;
    if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), name.c_str(), RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND,
                     nullptr, data, &size)
        != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return std::wstring(data);
}

const std::wstring RunKey = pathFromUtf8(WindowsAutoStart::RunKey).native();

} // namespace

TEST(WindowsAutoStart, WritesReadsBackAndRemovesTheUsersRunValue)
{
    const StartCommand usual{L"C:\\Program Files\\Zelm\u00F6ra \u65E5\\zelmora.exe", std::nullopt};
    const WindowsAutoStart autoStart;

    ASSERT_TRUE(autoStart.apply(true, usual).ok);
    EXPECT_EQ(userValue(RunKey, L"Zelmora"), L"\"" + usual.executable.wstring() + L"\"");

    ASSERT_TRUE(autoStart.apply(false, usual).ok);
    EXPECT_EQ(userValue(RunKey, L"Zelmora"), std::nullopt);
    EXPECT_TRUE(autoStart.apply(false, usual).ok); // nothing left to remove is no error
}

TEST(WindowsAutoStart, TheValueCarriesTheFolderAndOnlyThatFolderRemovesIt)
{
    const StartCommand usual{L"C:\\Zelmora\\zelmora.exe", std::nullopt};
    const StartCommand onShared{usual.executable, L"D:\\shared friends\\"};
    const WindowsAutoStart autoStart;

    ASSERT_TRUE(autoStart.apply(true, onShared).ok);
    const std::wstring value = L"\"C:\\Zelmora\\zelmora.exe\" --data-dir \"D:\\shared friends\\\\\"";
    EXPECT_EQ(userValue(RunKey, L"Zelmora"), value);
    EXPECT_EQ(runCommand(StartCommand{L"C:\\z.exe", L"say \"hi\""}), L"\"C:\\z.exe\" --data-dir \"say \\\"hi\\\"\"");

    ASSERT_TRUE(autoStart.apply(false, usual).ok); // another folder's value stays
    EXPECT_EQ(userValue(RunKey, L"Zelmora"), value);
    ASSERT_TRUE(autoStart.apply(false, onShared).ok);
    EXPECT_EQ(userValue(RunKey, L"Zelmora"), std::nullopt);
}

class ClassesKey : public ::testing::Test {
protected:
    // A class of the test's own, written where the lookup reads. Wine does not show the
    // user's Software\Classes there, so the key goes under the machine's classes: on
    // Windows the test needs an administrator.
    const std::wstring m_class = L"ZelmoraTest" + std::to_wstring(GetCurrentProcessId());

    ~ClassesKey() override { RegDeleteTreeW(HKEY_CLASSES_ROOT, m_class.c_str()); }

    void writeCommand(DWORD type, const std::wstring& command) const
    {
        const std::wstring key = m_class + L"\\shell\\open\\command";
        ASSERT_EQ(RegSetKeyValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, type, command.c_str(),
                                  static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t))),
                  ERROR_SUCCESS);
    }
    std::string commandKey() const { return pathToUtf8(m_class) + "\\shell\\open\\command"; }
};

TEST_F(ClassesKey, TheOpenCommandIsReadInUtf8AndExpanded)
{
    const WindowsClassesRegistry registry;
    EXPECT_EQ(registry.defaultValue(commandKey()), std::nullopt);

    writeCommand(REG_SZ, L"\"C:\\\u00C9diteurs\\\u7DE8\u96C6.exe\" \"%1\"");
    EXPECT_EQ(registry.defaultValue(commandKey()), "\"C:\\\xC3\x89" "diteurs\\\xE7\xB7\xA8\xE9\x9B\x86.exe\" \"%1\"");

    writeCommand(REG_EXPAND_SZ, L"%SystemRoot%\\system32\\NOTEPAD.EXE %1");
    const std::optional<std::string> expanded = registry.defaultValue(commandKey());
    ASSERT_TRUE(expanded);
    EXPECT_EQ(expanded->find('%'), expanded->rfind('%')) << *expanded; // only the %1 is left
    EXPECT_TRUE(expanded->ends_with("\\system32\\NOTEPAD.EXE %1")) << *expanded;
}
