// Whole synchronisations through zelmora-cli against a real Radicale: both ways, edits on
// either side, the same field on both, deletes, a foreign card's other properties, and
// everything that must leave the friends as they were.
#include "SyncDevices.h"

#include "core/platform/Folders.h"
#include "core/sync/SyncState.h"
#include "sync/CardDavSync.h"

#include <gtest/gtest.h>

namespace zelmora::test {
namespace {

const std::string Book = "/anne/zelmora/";

std::string card(const std::string& uid, std::initializer_list<std::string_view> properties)
{
    std::string text = "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:" + uid + "\r\n";
    for (const std::string_view line : properties) {
        text.append(line).append("\r\n");
    }
    return text + "END:VCARD\r\n";
}

class RadicaleSyncTest : public testing::Test {
protected:
    void SetUp() override
    {
        needEventLoop();
        ASSERT_TRUE(server.start()) << server.log();
        here.cli.run({"add", "Nom=Dupont", "Prenom=Anne", "Telephone=01 11", "Anniversaire=05/01/1980", "Fete=26/07/"});
        here.cli.run({"add", "Nom=Martin", "Prenom=Luc"});
        const CliResult setUp = here.setUp();
        ASSERT_EQ(setUp.status, 0) << setUp.err;
        ASSERT_EQ(there.setUp().status, 0);
    }
    const TFriend& friendOf(ZelmoraDevice& device, std::string_view name)
    {
        m_table = device.cli.storedTable();
        const std::uint16_t slot = m_table->FindFriend(name);
        EXPECT_NE(slot, 0) << name;
        return (*m_table)[slot];
    }
    // The cards of the friends of `device`, as the server holds them.
    std::string serverCardOf(ZelmoraDevice& device, std::string_view name)
    {
        for (const SyncEntry& entry : loadSyncState(device.cli.dataFolder).state.entries) {
            if (listText(entry.local) == name) {
                return other.get(entry.href.substr(Book.size())).body.toStdString();
            }
        }
        ADD_FAILURE() << "no card for " << name;
        return {};
    }

    RadicaleServer server;
    ZelmoraDevice here{server};
    ZelmoraDevice there{server};
    OtherProgram other{server, Book};

private:
    std::unique_ptr<FriendTable> m_table;
};

TEST_F(RadicaleSyncTest, AFirstSyncGoesBothWaysAndAnIdleOneIsOneRequest)
{
    ASSERT_TRUE(other.put("emile.vcf", card("emile", {"FN:Emile Zola", "N:Zola;Emile;;;", "EMAIL:emile@example.org"})).succeeded());
    const CliResult first = here.sync();
    ASSERT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(first.out, "Synchronised: here 1 added, 0 changed, 0 deleted; on the server 2 added, 0 changed, 0 deleted.\n");
    EXPECT_EQ(here.list(), "DUPONT Anne\nMARTIN Luc\nZOLA Emile\n");
    EXPECT_EQ(other.cards().size(), 3u);

    ASSERT_EQ(there.sync().status, 0);
    EXPECT_EQ(there.list(), here.list());
    EXPECT_EQ(friendOf(there, "DUPONT Anne").Fete.str(), "26/07/    "); // the saint's day went there and came back

    const int before = server.requests();
    const CliResult idle = here.sync();
    EXPECT_EQ(idle.out, "Synchronised: nothing changed on either side.\n") << idle.err;
    EXPECT_EQ(server.requests() - before, 1);
}

TEST_F(RadicaleSyncTest, EditsOnBothDevicesMeetAndTheSameFieldKeepsTheServersValue)
{
    ASSERT_EQ(here.sync().status, 0);
    ASSERT_EQ(there.sync().status, 0);
    ASSERT_EQ(here.cli.run({"edit", "DUPONT Anne", "Telephone=01 22"}).status, 0);
    ASSERT_EQ(there.cli.run({"edit", "DUPONT Anne", "Mail=anne@example.org"}).status, 0);
    ASSERT_EQ(here.sync().status, 0);
    ASSERT_EQ(there.sync().status, 0);
    ASSERT_EQ(here.sync().status, 0);
    for (ZelmoraDevice* device : {&here, &there}) {
        EXPECT_EQ(friendOf(*device, "DUPONT Anne").Telephone.str(), "01 22");
        EXPECT_EQ(friendOf(*device, "DUPONT Anne").Mail.str(), "anne@example.org");
    }

    ASSERT_EQ(here.cli.run({"edit", "DUPONT Anne", "Telephone=01 33"}).status, 0);
    ASSERT_EQ(there.cli.run({"edit", "DUPONT Anne", "Telephone=01 99"}).status, 0);
    ASSERT_EQ(there.sync().status, 0);
    const CliResult both = here.sync();
    ASSERT_EQ(both.status, 0) << both.err;
    EXPECT_NE(both.out.find("DUPONT Anne, Phone Number: changed on both sides; the server's value was kept"),
              std::string::npos) << both.out;
    EXPECT_EQ(friendOf(here, "DUPONT Anne").Telephone.str(), "01 99");
    const std::string report = readWholeFile(here.cli.dataFolder / SyncReportFileName).bytes;
    EXPECT_NE(report.find("DUPONT Anne, Phone Number: the server's \"01 99\" was kept; this computer had \"01 33\"."),
              std::string::npos) << report;
}

TEST_F(RadicaleSyncTest, DeletesGoBothWaysAndARenameKeepsTheCard)
{
    ASSERT_EQ(here.sync().status, 0);
    ASSERT_EQ(there.sync().status, 0);
    ASSERT_EQ(here.cli.run({"delete", "MARTIN Luc"}).status, 0);
    ASSERT_EQ(here.cli.run({"edit", "DUPONT Anne", "Nom=Leblanc"}).status, 0);
    EXPECT_NE(here.sync().out.find("on the server 0 added, 1 changed, 1 deleted"), std::string::npos);
    EXPECT_EQ(other.cards().size(), 1u);
    ASSERT_EQ(there.sync().status, 0);
    EXPECT_EQ(there.list(), "LEBLANC Anne\n");

    const std::string anne = other.cards().front();
    ASSERT_TRUE(other.remove(anne).succeeded()); // deleted by another program
    EXPECT_NE(here.sync().out.find("here 0 added, 0 changed, 1 deleted"), std::string::npos);
    EXPECT_EQ(here.list(), "");
}

TEST_F(RadicaleSyncTest, ACardWithAPhotoAndAnOrganisationEditedHereKeepsThemOnTheServer)
{
    const std::string photo = "PHOTO;ENCODING=b;TYPE=JPEG:/9j/4AAQSkZJRgABAQEASABIAAD/2wBDAAMCAgMCAgMDAwMEAwMEBQgFBQQE";
    ASSERT_TRUE(other.put("paul.vcf", card("paul", {"FN:Paul Durand", "N:Durand;Paul;;;", "ORG:ACME;Sales", photo,
                                                    "TEL;TYPE=WORK,VOICE:01 44", "TEL;TYPE=HOME,VOICE:01 55",
                                                    "EMAIL;TYPE=WORK:paul@acme.example"}))
                    .succeeded());
    ASSERT_EQ(here.sync().status, 0);
    ASSERT_EQ(here.cli.run({"edit", "DURAND Paul", "Telephone=01 66", "Ville=Lyon"}).status, 0);
    ASSERT_EQ(here.sync().status, 0);
    const std::string after = other.get("paul.vcf").body.toStdString();
    for (const std::string_view kept : {std::string_view("ORG:ACME;Sales"), std::string_view("TEL;TYPE=WORK,VOICE:01 44"),
                                        std::string_view("EMAIL;TYPE=WORK:paul@acme.example"),
                                        std::string_view("/9j/4AAQSkZJRgABAQEASABIAAD")}) {
        EXPECT_NE(after.find(kept), std::string::npos) << kept << " in\n" << after;
    }
    EXPECT_NE(after.find("01 66"), std::string::npos) << after;
    EXPECT_EQ(after.find("01 55"), std::string::npos) << after; // the home phone was the friend's
    EXPECT_NE(after.find("Lyon"), std::string::npos) << after;
}

TEST_F(RadicaleSyncTest, AWrongPasswordOrAFailingDownOrSilentServerChangeNothingAndTheNextSyncTriesAgain)
{
    ASSERT_EQ(here.sync().status, 0);
    ASSERT_EQ(here.cli.run({"edit", "DUPONT Anne", "Telephone=01 77"}).status, 0);
    const std::string database = here.cli.databaseBytes();
    const std::string state = readWholeFile(here.cli.dataFolder / SyncStateFileName).bytes;
    const auto unchanged = [&](const CliResult& result, std::string_view message) {
        EXPECT_EQ(result.status, 1);
        EXPECT_NE(result.err.find(message), std::string::npos) << result.err;
        EXPECT_EQ(here.cli.databaseBytes(), database);
        EXPECT_EQ(readWholeFile(here.cli.dataFolder / SyncStateFileName).bytes, state);
    };
    unchanged(here.run({"sync", "--password-stdin"}, "wrong"), "The server refused the user name or password (HTTP 401)");
    std::ofstream(server.storedFile("zelmora", "broken.vcf")) << "no card"; // the server cannot read its own
    unchanged(here.sync(), "The server answered with an error; nothing was changed: HTTP 500");
    std::filesystem::remove(server.storedFile("zelmora", "broken.vcf"));
    server.pause();
    unchanged(here.sync({"--timeout", "1"}), "The server did not answer within 1 seconds; nothing was changed.");
    server.resume();
    server.stop();
    unchanged(here.sync(), "The server cannot be reached; nothing was changed: ");

    ASSERT_TRUE(server.start());
    ASSERT_EQ(here.sync().status, 0);
    EXPECT_NE(serverCardOf(here, "DUPONT Anne").find("01 77"), std::string::npos);
}

TEST_F(RadicaleSyncTest, ACardChangedMeanwhileIsFetchedAgainMergedAndSent)
{
    ASSERT_EQ(here.sync().status, 0);
    ASSERT_EQ(here.cli.run({"edit", "DUPONT Anne", "Telephone=01 88"}).status, 0);
    // This device plans its round; another changes the card before this one sends.
    sync::DavClient client(RadicaleServer::User, RadicaleServer::Password, std::chrono::seconds(10), Language::English);
    sync::CardDavSync sync(client, QUrl(QString::fromStdString(server.url(Book))), Language::English);
    sync::SyncRound round = sync.prepare(*here.cli.storedTable(), loadSyncState(here.cli.dataFolder).state);
    ASSERT_TRUE(round.status.ok) << round.status.message;
    std::string theirs = serverCardOf(here, "DUPONT Anne");
    theirs.insert(theirs.find("END:VCARD"), "EMAIL:anne@example.org\r\n");
    const std::string href = round.plan.writes.at(0).href;
    ASSERT_TRUE(other.put(href.substr(Book.size()), theirs).succeeded());
    sync.send(round);
    EXPECT_TRUE(round.status.ok);
    EXPECT_TRUE(round.again); // 412: nothing overwritten blindly

    const CliResult merged = here.sync();
    ASSERT_EQ(merged.status, 0) << merged.err;
    EXPECT_EQ(friendOf(here, "DUPONT Anne").Mail.str(), "anne@example.org");
    const std::string card = serverCardOf(here, "DUPONT Anne");
    EXPECT_NE(card.find("01 88"), std::string::npos) << card;
    EXPECT_NE(card.find("anne@example.org"), std::string::npos) << card;
}

TEST_F(RadicaleSyncTest, ATrialWritesNothingAndAServerWithoutTokensIsListedInOneRequest)
{
    const CliResult trial = here.sync({"--dry-run"});
    EXPECT_EQ(trial.out, "Trial run, nothing written: here 0 added, 0 changed, 0 deleted; on the server 2 added, 0 changed, "
                         "0 deleted.\n");
    EXPECT_TRUE(other.cards().empty());
    EXPECT_FALSE(std::filesystem::exists(here.cli.dataFolder / SyncStateFileName));

    ASSERT_EQ(here.sync().status, 0);
    SyncState state = loadSyncState(here.cli.dataFolder).state;
    state.serverHasNoSyncToken = true; // as a server that keeps no tokens leaves it
    ASSERT_TRUE(saveSyncState(state, here.cli.dataFolder, AtomicFileWriter()).ok);
    const int before = server.requests();
    EXPECT_EQ(here.sync().out, "Synchronised: nothing changed on either side.\n");
    EXPECT_EQ(server.requests() - before, 1);
    EXPECT_NE(server.log().rfind("PROPFIND request for '" + Book + "' with depth '1'"), std::string::npos);
}

} // namespace
} // namespace zelmora::test
