// The plan of a synchronisation, against an address book held in memory: each test runs
// syncs as the transport would (list, fetch what the plan asks for, plan, write) and looks
// at both sides afterwards.
#include "core/sync/SyncPlan.h"

#include "core/exchange/FriendCard.h"
#include "support/Friends.h"

#include <gtest/gtest.h>

namespace zelmora {
namespace {

using F = FriendField;
using test::makeFriend;

constexpr std::string_view Book = "/anne/friends/";

class SyncPlanTest : public testing::Test {
protected:
    // A card put on the server by another device.
    void putThere(const std::string& name, const std::string& card)
    {
        server[std::string(Book) + name + ".vcf"] = {"\"" + std::to_string(++etags) + "\"", card};
    }
    void putThere(const std::string& name, const TFriend& f)
    {
        putThere(name, FriendCard(VCardVersion::V3, Language::English).card(f, name));
    }
    void removeThere(const std::string& name) { server.erase(std::string(Book) + name + ".vcf"); }

    // One synchronisation, the whole listing given (as without a sync token); the server
    // takes the writes and the friends here become the plan's.
    SyncPlan sync()
    {
        ServerListing listing;
        listing.complete = true;
        for (const auto& [href, card] : server) {
            listing.members.push_back({href, card.etag});
        }
        const SyncPlanner planner(state, listing, *table, std::string(Book), Language::English);
        fetchedHrefs = planner.cardsToFetch();
        FetchedCards fetched;
        for (const std::string& href : fetchedHrefs) {
            if (server.contains(href)) {
                fetched[href] = server[href];
            }
        }
        int uids = 0;
        SyncPlanner::Result result = planner.plan(fetched, [&] { return "new-" + std::to_string(++uids); });
        EXPECT_TRUE(result.status.ok) << result.status.message;
        SyncPlan& plan = result.plan;
        for (const ServerWrite& write : plan.writes) {
            if (write.kind == ServerWrite::Kind::Delete) {
                EXPECT_EQ(server.at(write.href).etag, write.etag);
                server.erase(write.href);
                continue;
            }
            EXPECT_EQ(write.kind == ServerWrite::Kind::Create ? "" : server.at(write.href).etag, write.etag);
            server[write.href] = {"\"" + std::to_string(++etags) + "\"", write.card};
            plan.state.entries[write.entry].etag = server[write.href].etag;
        }
        state = plan.state;
        *table = *plan.table;
        return std::move(plan);
    }

    const TFriend& here(std::string_view list) const { return (*table)[table->FindFriend(list)]; }
    std::size_t writesOf(const SyncPlan& plan, ServerWrite::Kind kind) const
    {
        return static_cast<std::size_t>(std::count_if(plan.writes.begin(), plan.writes.end(),
                                                      [&](const ServerWrite& write) { return write.kind == kind; }));
    }
    std::string thereText(const std::string& name) const { return server.at(std::string(Book) + name + ".vcf").text; }

    std::unique_ptr<FriendTable> table = std::make_unique<FriendTable>();
    SyncState state{"https://dav.example.org/anne/friends/", "", false, {}};
    FetchedCards server;
    std::vector<std::string> fetchedHrefs;
    int etags = 0;

    const TFriend anne = makeFriend("DUPONT", "Anne", {{F::Anniversaire, "05/01/1980"}, {F::Telephone, "01 11"}});
    const TFriend luc = makeFriend("MARTIN", "Luc", {{F::Fete, "18/10/    "}});
};

TEST_F(SyncPlanTest, AFirstSyncSendsWhatIsOnlyHereTakesWhatIsOnlyThereAndJoinsFriendsOfOneName)
{
    *table = *test::makeTable({anne, makeFriend("ZOLA", "Emile", {{F::Ville, "Paris"}})});
    putThere("luc", luc);
    putThere("emile", makeFriend("ZOLA", "Emile", {{F::Mail, "emile@example.org"}}));

    const SyncPlan plan = sync();
    EXPECT_EQ(plan.summary.addedHere, 1u);
    EXPECT_EQ(plan.summary.created, 1u);
    EXPECT_EQ(plan.summary.updated, 1u); // Emile's city went there
    EXPECT_EQ(table->FriendCount, 3);
    EXPECT_EQ(here("MARTIN Luc").Fete, "18/10/    ");
    EXPECT_EQ(here("ZOLA Emile").Mail, "emile@example.org");
    EXPECT_NE(thereText("emile").find("ADR:;;;Paris;;;"), std::string::npos);
    EXPECT_NE(thereText("new-1").find("FN:Anne DUPONT"), std::string::npos);
    EXPECT_NE(thereText("new-1").find("UID:new-1"), std::string::npos);
    EXPECT_TRUE(plan.summary.conflicts.empty());

    const SyncPlan idle = sync();
    EXPECT_TRUE(fetchedHrefs.empty());
    EXPECT_TRUE(idle.writes.empty());
    EXPECT_FALSE(idle.tableChanged);
    EXPECT_FALSE(idle.summary.changedAnything());
}

TEST_F(SyncPlanTest, AnEditOnEitherSideReachesTheOtherAndTheSameFieldKeepsTheServersValue)
{
    *table = *test::makeTable({anne, luc});
    sync();

    (*table)[table->FindFriend("DUPONT Anne")].Telephone.assign("01 22"); // an edit here
    SyncPlan plan = sync();
    EXPECT_EQ(fetchedHrefs, std::vector<std::string>{"/anne/friends/new-1.vcf"}); // to patch it
    EXPECT_EQ(plan.summary.updated, 1u);
    EXPECT_NE(thereText("new-1").find("TEL;TYPE=voice:01 22"), std::string::npos);

    putThere("new-2", makeFriend("MARTIN", "Luc", {{F::Fete, "18/10/    "}, {F::Mail, "luc@example.org"}})); // there
    plan = sync();
    EXPECT_EQ(plan.summary.changedHere, 1u);
    EXPECT_TRUE(plan.writes.empty());
    EXPECT_EQ(here("MARTIN Luc").Mail, "luc@example.org");

    // Both change Anne's phone, and each side one field more.
    putThere("new-1", makeFriend("DUPONT", "Anne", {{F::Anniversaire, "05/01/1980"}, {F::Telephone, "01 99"}, {F::Ville, "Lyon"}}));
    TFriend& anneHere = (*table)[table->FindFriend("DUPONT Anne")];
    anneHere.Telephone.assign("01 33");
    anneHere.Mail.assign("anne@example.org");
    plan = sync();
    ASSERT_EQ(plan.summary.conflicts.size(), 1u);
    EXPECT_EQ(plan.summary.conflicts[0].friendName, "DUPONT Anne");
    EXPECT_EQ(plan.summary.conflicts[0].field.field, F::Telephone);
    EXPECT_EQ(plan.summary.conflicts[0].field.here, "01 33");
    const TFriend& merged = here("DUPONT Anne");
    EXPECT_EQ(merged.Telephone, "01 99");
    EXPECT_EQ(merged.Ville, "Lyon");
    EXPECT_EQ(merged.Mail, "anne@example.org");
    EXPECT_NE(thereText("new-1").find("EMAIL:anne@example.org"), std::string::npos);
    EXPECT_NE(thereText("new-1").find("01 99"), std::string::npos);
}

TEST_F(SyncPlanTest, DeletedOnOneSideAndUnchangedOnTheOtherIsDeletedOnBoth)
{
    *table = *test::makeTable({anne, luc});
    sync();
    table->DeleteFriend(table->FindFriend("DUPONT Anne"));
    removeThere("new-2"); // Luc
    const SyncPlan plan = sync();
    EXPECT_EQ(plan.summary.deletedThere, 1u);
    EXPECT_EQ(plan.summary.deletedHere, 1u);
    EXPECT_EQ(table->FriendCount, 0);
    EXPECT_TRUE(server.empty());
    EXPECT_TRUE(state.entries.empty());
}

TEST_F(SyncPlanTest, DeletedOnOneSideAndChangedOnTheOtherIsKeptChanged)
{
    *table = *test::makeTable({anne, luc});
    sync();
    table->DeleteFriend(table->FindFriend("DUPONT Anne"));
    putThere("new-1", makeFriend("DUPONT", "Anne", {{F::Telephone, "01 44"}}));
    (*table)[table->FindFriend("MARTIN Luc")].Notes.assign("changed here");
    removeThere("new-2");
    const SyncPlan plan = sync();
    EXPECT_EQ(here("DUPONT Anne").Telephone, "01 44");
    EXPECT_EQ(plan.summary.created, 1u); // Luc again, at his address
    EXPECT_NE(thereText("new-2").find("NOTE:changed here"), std::string::npos);
    EXPECT_EQ(table->FriendCount, 2);
}

TEST_F(SyncPlanTest, AFriendRenamedByAnotherProgramIsFoundByBirthdayAndKeepsItsCard)
{
    *table = *test::makeTable({anne});
    sync();
    putThere("new-1", thereText("new-1").insert(thereText("new-1").find("END:VCARD"), "PHOTO;VALUE=uri:http://x/p.jpg\r\n"));
    sync();
    (*table)[1].Nom.assign("MARTIN");
    const SyncPlan plan = sync();
    EXPECT_EQ(plan.summary.created, 0u);
    EXPECT_EQ(plan.summary.updated, 1u);
    EXPECT_NE(thereText("new-1").find("N:MARTIN;Anne;;;"), std::string::npos);
    EXPECT_NE(thereText("new-1").find("PHOTO;VALUE=uri:http://x/p.jpg"), std::string::npos);
}

TEST_F(SyncPlanTest, WhatTheTableHasNoRoomForStaysOnTheServerAndComesWhenThereIsRoom)
{
    for (int n = 0; n < FriendTable::Capacity - 1; ++n) {
        table->AppendFriend(test::fullFriend(n));
    }
    putThere("luc", luc);
    putThere("x", makeFriend("ZOLA", "Emile"));
    putThere("nameless", "BEGIN:VCARD\r\nVERSION:3.0\r\nTEL:01\r\nEND:VCARD\r\n");
    SyncPlan plan = sync();
    EXPECT_EQ(table->FriendCount, FriendTable::Capacity);
    EXPECT_EQ(plan.summary.waitingForRoom, std::vector<std::string>{"ZOLA Emile"});
    EXPECT_EQ(plan.summary.nameless, 1u);
    EXPECT_EQ(writesOf(plan, ServerWrite::Kind::Delete), 0u);
    EXPECT_EQ(server.size(), 3u + (FriendTable::Capacity - 1));

    table->DeleteFriend(1);
    plan = sync();
    EXPECT_EQ(plan.summary.addedHere, 1u);
    EXPECT_EQ(plan.summary.deletedThere, 1u);
    EXPECT_NE(table->FindFriend("ZOLA Emile"), 0);
    EXPECT_EQ(server.size(), 3u + (FriendTable::Capacity - 2));
}

TEST_F(SyncPlanTest, ACardThatIsNoVCardStopsThePlan)
{
    putThere("bad", "this is no card");
    ServerListing listing{{{"/anne/friends/bad.vcf", "\"1\""}}, {}, true};
    const SyncPlanner planner(state, listing, *table, std::string(Book), Language::English);
    const SyncPlanner::Result result = planner.plan(server, [] { return "u"; });
    EXPECT_FALSE(result.status.ok);
    EXPECT_NE(result.status.message.find("/anne/friends/bad.vcf"), std::string::npos);
}

} // namespace
} // namespace zelmora
