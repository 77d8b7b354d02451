// Setting the account up against a real Radicale: the address book found (or made), the
// server's address kept, and the addresses, passwords and certificates that are refused.
#include "SyncDevices.h"

#include "core/settings/ExtraSettings.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sys/wait.h>

namespace zelmora::test {
namespace {

class RadicaleSetupTest : public testing::Test {
protected:
    void SetUp() override { needEventLoop(); }
};

TEST_F(RadicaleSetupTest, FindsOrMakesTheAddressBookAndSaysWhenNoKeyringKeepsThePassword)
{
    RadicaleServer server; // and no desktop session: no keyring answers
    ASSERT_TRUE(server.start()) << server.log();
    ZelmoraDevice device(server);
    const CliResult setUp = device.setUp();
    ASSERT_EQ(setUp.status, 0) << setUp.err;
    EXPECT_EQ(setUp.out, "Synchronisation set up with the address book \"Zelmora\" (" + server.url("/anne/zelmora/") + ").\n");
    EXPECT_NE(setUp.err.find("Warning: http:// sends the password unencrypted"), std::string::npos) << setUp.err;
    EXPECT_NE(setUp.err.find("No keyring answers, so the password is not stored; give it with --password-stdin on each run."),
              std::string::npos) << setUp.err;
    const ExtraSettings settings = loadExtraSettings(device.cli.dataFolder, Language::English).settings;
    EXPECT_EQ(settings.syncServer, server.url());
    EXPECT_EQ(settings.syncUser, "anne");
    EXPECT_EQ(settings.syncAddressBook, server.url("/anne/zelmora/"));
    EXPECT_EQ(readWholeFile(device.cli.dataFolder / "Zelmora.ini").bytes.find(RadicaleServer::Password), std::string::npos);

    const CliResult withoutPassword = device.cli.run({"sync"});
    EXPECT_EQ(withoutPassword.status, 1);
    EXPECT_NE(withoutPassword.err.find("No keyring answers"), std::string::npos) << withoutPassword.err;

    // A second device chooses among several books by name.
    ZelmoraDevice other(server);
    const CliResult named = other.run({"sync", "--setup", server.url(), "--user", "anne", "--book", "nothing-such",
                                       "--password-stdin"});
    EXPECT_EQ(named.status, 1);
    EXPECT_NE(named.err.find("No address book is named \"nothing-such\"; the server has: Zelmora"), std::string::npos)
        << named.err;
    EXPECT_EQ(other.run({"sync", "--setup", server.url(), "--user", "anne", "--book", "zelmora", "--password-stdin"}).status, 0);
}

TEST_F(RadicaleSetupTest, AWrongPasswordAnUntrustedCertificateAndPlainHttpElsewhereAreRefused)
{
    RadicaleServer server;
    ASSERT_TRUE(server.start());
    ZelmoraDevice device(server);
    const CliResult wrong = device.setUp("not the password");
    EXPECT_EQ(wrong.status, 1);
    EXPECT_NE(wrong.err.find("The server refused the user name or password (HTTP 401)"), std::string::npos) << wrong.err;

    RadicaleServer selfSigned(true);
    ASSERT_TRUE(selfSigned.start()) << selfSigned.log();
    ZelmoraDevice secure(selfSigned);
    const CliResult untrusted = secure.setUp();
    EXPECT_EQ(untrusted.status, 1);
    EXPECT_NE(untrusted.err.find("The server's certificate is not trusted, so nothing was sent: "), std::string::npos)
        << untrusted.err;
    EXPECT_EQ(selfSigned.requests(), 0);

    const CliResult elsewhere = device.run({"sync", "--setup", "http://dav.example.org/", "--user", "anne", "--password-stdin"});
    EXPECT_EQ(elsewhere.status, 1);
    EXPECT_NE(elsewhere.err.find("Plain http:// is accepted only for a server on this computer; use https:// for "
                                 "http://dav.example.org/"),
              std::string::npos) << elsewhere.err;
    EXPECT_FALSE(std::filesystem::exists(device.cli.dataFolder / "Zelmora.ini"));
}

TEST_F(RadicaleSetupTest, SyncWithoutAnAccountOrWithBadOptionsSaysHow)
{
    RadicaleServer server; // not started: nothing is asked of it
    ZelmoraDevice device(server);
    const CliResult none = device.sync();
    EXPECT_EQ(none.status, 1);
    EXPECT_NE(none.err.find("No address book server is set up: zelmora-cli sync --setup URL --user NAME"), std::string::npos);
    for (const std::vector<std::string>& bad : std::vector<std::vector<std::string>>{
             {"sync", "--setup", "x"}, {"sync", "--user", "anne"}, {"sync", "--timeout", "0"}, {"sync", "--frobnicate", "1"},
             {"sync", "--book"}}) {
        EXPECT_EQ(device.cli.run(bad).status, 2) << bad[1];
    }
}

// The installed road: zelmora-cli hands `sync` to zelmora-cli-sync, with the data folder,
// the language, the arguments and the password on the standard input.
TEST_F(RadicaleSetupTest, TheProgramHandsTheSyncToItsHelperWithEverythingItWasGiven)
{
    RadicaleServer server;
    ASSERT_TRUE(server.start()) << server.log();
    ZelmoraDevice device(server);
    ASSERT_EQ(device.cli.run({"add", "Nom=DUPONT", "Prenom=Anne"}).status, 0);
    const auto runProgram = [&](const std::string& arguments) {
        const std::string command = "printf '%s\\n' " + std::string(RadicaleServer::Password) + " | " ZELMORA_CLI
                                    " --data-dir '" + device.cli.dataFolder.string() + "' --lang fr sync " + arguments +
                                    " --password-stdin 2>/dev/null";
        FILE* pipe = popen(command.c_str(), "r");
        std::string out;
        for (int c; (c = std::fgetc(pipe)) != EOF;) {
            out += static_cast<char>(c);
        }
        const int status = pclose(pipe);
        return std::pair{WEXITSTATUS(status), out};
    };
    const auto [setUpStatus, setUp] = runProgram("--setup " + server.url() + " --user anne");
    EXPECT_EQ(setUpStatus, 0);
    EXPECT_EQ(setUp, "Synchronisation réglée avec le carnet d'adresses « Zelmora » (" + server.url("/anne/zelmora/") + ").\n");
    const auto [syncStatus, synced] = runProgram("");
    EXPECT_EQ(syncStatus, 0);
    EXPECT_EQ(synced, "Synchronisé : ici 0 ajoutés, 0 modifiés, 0 supprimés ; sur le serveur 1 ajoutés, 0 modifiés, "
                      "0 supprimés.\n");
}

} // namespace
} // namespace zelmora::test
