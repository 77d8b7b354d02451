// xdg-open as the launcher of Linux, with a recording program in its place.
#include "core/platform/RecordingProgram.h"
#include "core/web/GoToWeb.h"
#include "core/web/XdgWebLauncher.h"

#include <gtest/gtest.h>

namespace zelmora {
namespace {

using testing::RecordingProgram;

TEST(XdgWebLauncher, HandsTheOpenerTheMailtoAddressAsOneArgument)
{
    const RecordingProgram opener;
    const XdgWebLauncher launcher(opener.command());
    TGoToWeb web(launcher);
    web.EMail = "jean@dupont.example";
    web.EMailSubject = "Zelmora v3.0";
    web.EMailBody = "Bonne f\xEAte !";

    ASSERT_TRUE(web.SendMail().ok);
    EXPECT_EQ(opener.waitForArguments(),
              std::vector<std::string>{"mailto:jean@dupont.example?subject=Zelmora%20v3.0&body=Bonne%20f%C3%AAte%20%21"});
}

TEST(XdgWebLauncher, OpensTheUrlAndReportsAMissingOpener)
{
    const RecordingProgram opener;
    const XdgWebLauncher launcher(opener.command());
    TGoToWeb web(launcher);
    web.Url = "www.dupont.example/?a=1&b=2 3";
    ASSERT_TRUE(web.OpenUrl().ok);
    EXPECT_EQ(opener.waitForArguments(), std::vector<std::string>{"http://www.dupont.example/?a=1&b=2 3"});

    const XdgWebLauncher missing("/nonexistent/xdg-open");
    EXPECT_FALSE(TGoToWeb(missing).OpenUrl().ok);
}

} // namespace
} // namespace zelmora
