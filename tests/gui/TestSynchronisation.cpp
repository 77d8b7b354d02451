// The window's synchronisation against a real Radicale: set up in the dialog the options
// open, then the friends of both sides meeting without the window waiting for the server.
#include "WindowFixture.h"

#include "gui/app/OptsForm.h"
#include "gui/app/SyncControl.h"
#include "sync/SyncDevices.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QLineEdit>
#include <QPushButton>

namespace zelmora::test {
namespace {

class Synchronisation : public WindowFixture {
protected:
    void SetUp() override
    {
        setenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/zelmora-test-bus", 1); // no keyring
        ASSERT_TRUE(server.start()) << server.log();
        start({person("DUPONT", "Anne", {{FriendField::Telephone, "01 11"}})});
    }
    gui::SyncDialog& syncDialog() { return app->synchronisation().dialog(); }

    RadicaleServer server;
};

TEST_F(Synchronisation, TheDialogFindsTheAddressBookAndSynchronisesWhileTheWindowGoesOn)
{
    EXPECT_TRUE(gui::missingCaptionObjects(syncDialog(), gui::SyncDialog::captions(), {}).isEmpty());
    dialogs.whileShown = [&](QDialog& shown) {
        if (shown.objectName() == "OptsForm") {
            app->optionsDialog().SyncButton->click();
            return;
        }
        gui::SyncDialog& dialog = syncDialog();
        dialog.ServerEdit->setText(QString::fromStdString(server.url()));
        dialog.UserEdit->setText(RadicaleServer::User);
        dialog.PasswordEdit->setText(RadicaleServer::Password);
        dialog.SyncNowButton->click(); // finds the book first
        ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.LastResult->toPlainText().contains("Synchronised"); }, 20000))
            << dialog.LastResult->toPlainText().toStdString();
        EXPECT_EQ(dialog.BookChoice->currentText(), "Zelmora");
        const QString result = dialog.LastResult->toPlainText();
        EXPECT_TRUE(result.startsWith("Warning: http:// sends the password unencrypted")) << result.toStdString();
        EXPECT_TRUE(result.contains("No keyring answers, so the password is kept only until Zelmora ends.")) << result.toStdString();
        EXPECT_TRUE(result.endsWith("Synchronised: here 0 added, 0 changed, 0 deleted; on the server 1 added, 0 changed, "
                                    "0 deleted.")) << result.toStdString();
    };
    child<QPushButton>("BitBtn4")->click(); // "Options"

    EXPECT_EQ(dialogs.shownModally, (std::vector<std::string>{"OptsForm", "SyncDialog"}));
    OtherProgram other(server, "/anne/zelmora/");
    ASSERT_EQ(other.cards().size(), 1u);

    // Another program adds a friend; the next sync brings it to the list.
    ASSERT_TRUE(other.put("luc.vcf", "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:luc\r\nFN:Luc Martin\r\nN:Martin;Luc;;;\r\nEND:VCARD\r\n")
                    .succeeded());
    app->synchronisation().sync().syncNow();
    EXPECT_TRUE(app->synchronisation().sync().busy());
    ASSERT_TRUE(QTest::qWaitFor([&] { return lineCount("ListBox1") == 2; }, 20000));
    EXPECT_EQ(line("ListBox1", 1), "MARTIN Luc");
    EXPECT_EQ(stored()->FriendCount, 2);

    // A change here goes there a few seconds later, by itself.
    CardSession& session = app->session();
    session.select(0);
    session.edit(FriendField::Telephone, "01 22");
    session.validate();
    const auto anneThere = [&] {
        for (const std::string& card : other.cards()) {
            if (card != "luc.vcf") {
                return other.get(card).body.toStdString();
            }
        }
        return std::string();
    };
    EXPECT_TRUE(QTest::qWaitFor([&] { return anneThere().find("01 22") != std::string::npos; }, 20000)) << anneThere();
}

} // namespace
} // namespace zelmora::test
