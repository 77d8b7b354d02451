#include "core/sync/SyncApply.h"

#include "core/platform/FolderLock.h"

namespace zelmora {

namespace {

bool sameFriends(const FriendTable& one, const FriendTable& other)
{
    if (one.FriendCount != other.FriendCount) {
        return false;
    }
    for (std::uint16_t slot = 1; slot <= one.FriendCount; ++slot) {
        if (!(one[slot] == other[slot])) {
            return false;
        }
    }
    return true;
}

} // namespace

SyncApplied applySyncPlan(const SyncPlan& plan, const FriendTable& plannedOn, FriendsStore& store,
                          const FileWriter& writer, const ChangeFriends& change, Language language)
{
    SyncApplied applied;
    const auto saveState = [&](const FriendTable&, const FriendTable&) {
        return saveSyncState(plan.state, store.folder(), writer);
    };
    if (plan.tableChanged) {
        const FriendsStore::Outcome outcome = change(
            [&](FriendTable& table, DisplayOptions&) {
                applied.changedMeanwhile = !sameFriends(table, plannedOn);
                if (!applied.changedMeanwhile) {
                    table = *plan.table;
                }
                return applied.changedMeanwhile ? Status::failure({}) : Status::success();
            },
            saveState);
        applied.status = applied.changedMeanwhile ? Status::success() : outcome.status;
        return applied;
    }
    // Only the state changes: the friends' file is left as it is. Read again by another
    // program meanwhile, it is left to be read by its owner's own road.
    FolderLock lock;
    if (applied.status = lock.acquire(store.folder(), language); !applied.status.ok) {
        return applied;
    }
    applied.changedMeanwhile = store.changedOnDisk() || !sameFriends(store.table(), plannedOn);
    const SyncStateLoad kept = loadSyncState(store.folder());
    if (!applied.changedMeanwhile && !(kept.found == SyncStateLoad::Found::Read && kept.state == plan.state)) {
        applied.status = saveState(plannedOn, plannedOn); // an idle sync writes nothing
    }
    return applied;
}

} // namespace zelmora
