#pragma once
// A planned synchronisation made true here: the friends it planned, and the state it leaves
// written under the folder's lock with them, if the friends are still those it was planned
// on. When they changed meanwhile (an edit in the window, another program), nothing is
// applied and the next round, once the friends are read again, takes the change in.

#include "core/platform/FileWriter.h"
#include "core/storage/FriendsStore.h"
#include "core/sync/SyncPlan.h"

#include <functional>

namespace zelmora {

// The road by which the friends change: FriendsStore::change, or the window's session.
using ChangeFriends = std::function<FriendsStore::Outcome(const FriendsStore::Change&, const FriendsStore::Follower&)>;

struct SyncApplied {
    Status status;
    bool changedMeanwhile = false; // nothing applied: plan again
};

SyncApplied applySyncPlan(const SyncPlan& plan, const FriendTable& plannedOn, FriendsStore& store,
                          const FileWriter& writer, const ChangeFriends& change, Language language);

} // namespace zelmora
