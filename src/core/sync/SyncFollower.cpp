#include "core/sync/SyncFollower.h"

#include "core/sync/FriendMatcher.h"
#include "core/sync/SyncState.h"

#include <map>

namespace zelmora {

namespace {

using Friends = std::vector<const TFriend*>;

// The friends of `from` that `other` lacks, each counted as often as it is there.
Friends missingFrom(const FriendTable& from, const FriendTable& other)
{
    std::multimap<std::string, const TFriend*> unused;
    for (std::uint16_t slot = 1; slot <= other.FriendCount; ++slot) {
        unused.emplace(listText(other[slot]), &other[slot]);
    }
    Friends missing;
    for (std::uint16_t slot = 1; slot <= from.FriendCount; ++slot) {
        auto [first, last] = unused.equal_range(listText(from[slot]));
        const auto same = std::find_if(first, last, [&](const auto& item) { return *item.second == from[slot]; });
        if (same == last) {
            missing.push_back(&from[slot]);
        } else {
            unused.erase(same);
        }
    }
    return missing;
}

Status follow(const std::filesystem::path& folder, const FileWriter& writer, const FriendTable& before,
              const FriendTable& after)
{
    SyncStateLoad load = loadSyncState(folder);
    if (load.found != SyncStateLoad::Found::Read) {
        return Status::success(); // never synchronised, or a state the next sync will say it cannot read
    }
    const Friends gone = missingFrom(before, after);
    const Friends come = missingFrom(after, before);
    std::vector<std::optional<std::size_t>> pairs =
        gone.size() == 1 && come.size() == 1 ? std::vector<std::optional<std::size_t>>{0} : FriendMatcher::match(gone, come);
    bool changed = false;
    std::vector<bool> moved(load.state.entries.size(), false);
    for (std::size_t i = 0; i < gone.size(); ++i) {
        for (std::size_t e = 0; pairs[i] && e < load.state.entries.size(); ++e) {
            SyncEntry& entry = load.state.entries[e];
            if (!moved[e] && entry.presence == SyncEntry::Presence::Here && entry.local == *gone[i]) {
                entry.local = *come[*pairs[i]];
                entry.editedHere = true;
                moved[e] = changed = true;
                break;
            }
        }
    }
    return changed ? saveSyncState(load.state, folder, writer) : Status::success();
}

} // namespace

FriendsStore::Follower syncFollower(const std::filesystem::path& folder, const FileWriter& writer)
{
    return [folder, &writer](const FriendTable& before, const FriendTable& after) {
        return follow(folder, writer, before, after);
    };
}

} // namespace zelmora
