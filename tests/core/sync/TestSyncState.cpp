#include "core/sync/SyncState.h"

#include "core/platform/Folders.h"
#include "support/Friends.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace zelmora {
namespace {

using F = FriendField;

SyncState sample()
{
    SyncState state{"https://dav.example.org/anne/friends/", "http://radicale.org/ns/sync/1", false, {}};
    // Every byte a field may hold comes back, tabs, line ends and backslashes included.
    const TFriend notes = test::makeFriend("DUPONT", "Anne", {{F::Notes, "a\tb\r\nc\\n\xE9"}, {F::Anniversaire, "  /  /    "}});
    state.entries.push_back({SyncEntry::Presence::Here, "u-1", "/anne/friends/u-1.vcf", "\"e1\"", notes, test::fullFriend(1), true});
    state.entries.push_back({SyncEntry::Presence::WaitingForRoom, "", "/anne/friends/x.vcf", "", {}, {}, false});
    return state;
}

TEST(SyncState, WhatIsWrittenReadsBackTheSame)
{
    const SyncState state = sample();
    EXPECT_EQ(readSyncState(syncStateText(state)), state);
    SyncState noToken{"https://x/", "", true, {}};
    EXPECT_EQ(readSyncState(syncStateText(noToken)), noToken);
}

TEST(SyncState, AFileOfAnythingElseIsNoState)
{
    const std::string text = syncStateText(sample());
    std::string badEscape = text;
    badEscape.replace(badEscape.find("\\t"), 2, "\\q");
    std::string shortLine = text;
    shortLine.erase(shortLine.rfind('\t'));
    for (const std::string& bad : {std::string("zelmora-sync 1\n"), text.substr(1), badEscape, shortLine,
                                   text + "unknown\tkey\n"}) {
        EXPECT_FALSE(readSyncState(bad).has_value()) << bad;
    }
}

TEST(SyncState, TheDataFoldersFileIsNoneWhenMissingAndSaysWhyWhenDamaged)
{
    test::TempFolder folder;
    EXPECT_EQ(loadSyncState(folder.path()).found, SyncStateLoad::Found::None);
    ASSERT_TRUE(saveSyncState(sample(), folder.path(), AtomicFileWriter()).ok);
    const SyncStateLoad read = loadSyncState(folder.path());
    EXPECT_EQ(read.found, SyncStateLoad::Found::Read);
    EXPECT_EQ(read.state, sample());

    ASSERT_TRUE(AtomicFileWriter().replace(folder / SyncStateFileName, "garbage").ok);
    const SyncStateLoad damaged = loadSyncState(folder.path());
    EXPECT_EQ(damaged.found, SyncStateLoad::Found::Damaged);
    EXPECT_NE(damaged.message.find("Zelmora.sync"), std::string::npos) << damaged.message;
}

} // namespace
} // namespace zelmora
