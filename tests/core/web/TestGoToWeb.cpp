#include "core/web/FakeClassesRegistry.h"
#include "core/web/GoToWeb.h"
#include "core/web/MailtoAddress.h"
#include "core/web/RegistryWebLauncher.h"

#include <gtest/gtest.h>

namespace zelmora {
namespace {

using testing::FakeClassesRegistry;

struct Started {
    std::string program;
    std::string parameters;
    int showCommand = 0;
};

// The registry route of Windows, with a recorder in place of ShellExecute.
class RegistryRoute : public ::testing::Test {
protected:
    RegistryRoute()
    {
        registry.keys = {{".HTM", "htmlfile"}, {"htmlfile\\shell\\open\\command", R"("C:\b\browse.exe" -nohome "%1")"}};
    }

    FakeClassesRegistry registry;
    std::vector<Started> started;
    bool startSucceeds = true;
    RegistryWebLauncher launcher{registry, [this](const std::string& program, const std::string& parameters, int show) {
                                     started.push_back({program, parameters, show});
                                     return startSucceeds;
                                 }};
    TGoToWeb web{launcher};
};

TEST_F(RegistryRoute, OpenUrlStartsTheBrowserWithItsParametersAndTheAddress)
{
    web.Url = "http://www.dupont.example/";
    ASSERT_TRUE(web.OpenUrl().ok);
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0].program, R"(C:\b\browse.exe)");
    EXPECT_EQ(started[0].parameters, "-nohome http://www.dupont.example/");
    EXPECT_EQ(started[0].showCommand, 3); // maximized, the component's default
}

TEST_F(RegistryRoute, WithoutExtraParametersTheLineStartsWithABlank)
{
    registry.keys["htmlfile\\shell\\open\\command"] = R"("C:\b\browse.exe" "%1")";
    web.BrowserState = TBrowserState::gwNormal;
    web.Url = "www.dupont.example";
    ASSERT_TRUE(web.OpenUrl().ok);
    EXPECT_EQ(started.at(0).parameters, " http://www.dupont.example");
    EXPECT_EQ(started.at(0).showCommand, 1);
}

TEST_F(RegistryRoute, SendMailHandsTheBrowserAnEncodedMailtoAddress)
{
    web.EMail = "jean@dupont.example";
    web.EMailSubject = "Zelmora v3.0";
    ASSERT_TRUE(web.SendMail().ok);
    EXPECT_EQ(started.at(0).parameters, "-nohome mailto:jean@dupont.example?subject=Zelmora%20v3.0&body=");
}

TEST_F(RegistryRoute, NothingStartsWithoutABrowser)
{
    registry.keys.clear();
    EXPECT_FALSE(web.OpenUrl().ok);
    EXPECT_FALSE(web.SendMail().ok);
    registry.keys = {{".HTM", "htmlfile"}, {"htmlfile\\shell\\open\\command", "C:\\b\\browse %1"}};
    EXPECT_FALSE(web.OpenUrl().ok);
    EXPECT_TRUE(started.empty());
}

TEST_F(RegistryRoute, AFailedStartIsToldWithTheBrowsersName)
{
    startSucceeds = false;
    const Status opened = web.OpenUrl();
    EXPECT_NE(opened.message.find("could not be started"), std::string::npos) << opened.message;
    EXPECT_NE(opened.message.find("browse.exe"), std::string::npos) << opened.message;
    EXPECT_EQ(started.size(), 1u);
}

TEST(MailtoAddress, EncodesWhatAUrlCannotHoldAsUtf8Bytes)
{
    EXPECT_EQ(mailtoAddress("a@b.example", "", ""), "mailto:a@b.example?subject=&body=");
    EXPECT_EQ(mailtoAddress("x", "Tom & Jerry? #1 100% \"<ok>\"", ""),
              "mailto:x?subject=Tom%20%26%20Jerry%3F%20%231%20100%25%20%22%3Cok%3E%22&body=");
    // Windows-1252 é and €, and a line break of the body.
    EXPECT_EQ(mailtoAddress("x", "F\xEAte", "Co\xFBt 5\x80\r\nMerci"),
              "mailto:x?subject=F%C3%AAte&body=Co%C3%BBt%205%E2%82%AC%0D%0AMerci");
    EXPECT_EQ(mailtoAddress("ann+zel@x.example,bob@y.example", "a+b=c/d", ""),
              "mailto:ann+zel@x.example,bob@y.example?subject=a%2Bb%3Dc%2Fd&body=");
    EXPECT_EQ(mailtoAddress("who?@x&y", "", ""), "mailto:who%3F@x%26y?subject=&body=");
}

TEST_F(RegistryRoute, OnlyWebAddressesAreOpened)
{
    const struct {
        std::string url;
        std::string parameter; // empty: refused
    } cases[] = {
        {"https://zelmora.example/", "https://zelmora.example/"},
        {"HTTP://zelmora.example", "HTTP://zelmora.example"},
        {"www.dupont.example/a://b", "http://www.dupont.example/a://b"},
        {"-nohome", "http://-nohome"},
        {"www.x.example --flag \"y\"", "http://www.x.example%20--flag%20%22y%22"},
        {"file:///etc/passwd", ""},
        {"smb://server/share", ""},
        {"javascript:alert(1)", ""},
        {" http://x.example", ""},
        {"mailto:ann@x.example", ""},
        {"", ""},
    };
    for (const auto& c : cases) {
        started.clear();
        web.Url = c.url;
        const Status opened = web.OpenUrl();
        EXPECT_EQ(opened.ok, !c.parameter.empty()) << c.url;
        if (c.parameter.empty()) {
            EXPECT_TRUE(started.empty()) << c.url;
            EXPECT_NE(opened.message.find("Only web addresses (http or https) are opened, not: " + c.url),
                      std::string::npos) << opened.message;
        } else {
            EXPECT_EQ(started.at(0).parameters, "-nohome " + c.parameter);
        }
    }
}

} // namespace
} // namespace zelmora
