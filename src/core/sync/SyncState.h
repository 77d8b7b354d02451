#pragma once
// What the last synchronisation with an address book server left, kept in the data folder
// beside the friends (Zelmora.sync) and written under the folder's lock with them: which
// friend is which card there (its UID, address and ETag), the friend as both sides had it
// then (the ancestor of a three-way merge) and as it stands here since (to find it again).

#include "core/base/LangText.h"
#include "core/base/Status.h"
#include "core/data/Friend.h"
#include "core/platform/FileWriter.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelmora {

struct SyncEntry {
    // Whether the card is one of the friends here: a card the table had no room for, or one
    // without a name, stays on the server only, and is looked at again later.
    enum class Presence { Here, WaitingForRoom, Nameless };

    Presence presence = Presence::Here;
    std::string uid;
    std::string href; // the card's path on the server, as the server writes it
    std::string etag; // as the server sent it, quotes included; empty when unknown
    TFriend base;     // the friend as the server's card read at the last sync
    TFriend local;    // the friend as it stands here: as synchronised, or edited since
    bool editedHere = false; // `local` was edited since the last sync (the window or the command line said so)

    friend bool operator==(const SyncEntry&, const SyncEntry&) = default;
};

struct SyncState {
    std::string addressBook;  // the address book's URL the entries belong to
    std::string syncToken;    // the server's token of the last sync; empty before the first
    bool serverHasNoSyncToken = false; // the server refused one: list the ETags instead
    std::vector<SyncEntry> entries;

    friend bool operator==(const SyncState&, const SyncState&) = default;
};

std::string syncStateText(const SyncState& state);
// Nothing when the text is no state this program wrote.
std::optional<SyncState> readSyncState(std::string_view text);

struct SyncStateLoad {
    enum class Found { None, Read, Damaged } found = Found::None;
    SyncState state;
    std::string message; // why a damaged or unreadable file was not used (Windows-1252)
};

// The data folder's state; a file that cannot be read is as good as none, and says why.
SyncStateLoad loadSyncState(const std::filesystem::path& folder);
// What a sync with `addressBook` starts from: the data folder's state when it belongs to
// that book, else an empty one. `warning` says why a damaged file was passed over (Windows-1252).
struct LastSyncState {
    SyncState state;
    std::string warning;
};
LastSyncState lastSyncState(const std::filesystem::path& folder, const std::string& addressBook, Language language);
// The caller holds the folder's lock.
Status saveSyncState(const SyncState& state, const std::filesystem::path& folder, const FileWriter& writer);

} // namespace zelmora
