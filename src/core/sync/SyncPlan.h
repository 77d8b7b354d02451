#pragma once
// One synchronisation worked out without touching either side: from the state of the last
// one, what the server's listing says changed there, the friends here and the cards
// fetched, which friends change here, which cards are created, updated or deleted there,
// and the state once all that is done. The transport only carries it out.

#include "core/base/LangText.h"
#include "core/base/Status.h"
#include "core/data/FriendTable.h"
#include "core/sync/FieldMerge.h"
#include "core/sync/SyncState.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zelmora {

// What the server's listing said: with a sync token, the cards changed or removed since;
// without, every card (complete), so that those it does not name are gone.
struct ServerListing {
    struct Member {
        std::string href;
        std::string etag;
    };
    std::vector<Member> members;
    std::vector<std::string> removed;
    bool complete = false;
};

struct FetchedCard {
    std::string etag;
    std::string text;
};
// By href; a card asked for but missing was removed meanwhile.
using FetchedCards = std::map<std::string, FetchedCard, std::less<>>;

struct ServerWrite {
    enum class Kind { Create, Update, Delete };
    Kind kind = Kind::Create;
    std::string href;
    std::string etag;       // that the card must still have (update, delete)
    std::string card;       // what a create or an update sends
    std::string friendName; // for messages: the friend's list text (Windows-1252)
    std::size_t entry = 0;  // the plan state's entry whose ETag the server's answer gives (create, update)
};

struct SyncSummary {
    std::size_t addedHere = 0;
    std::size_t changedHere = 0;
    std::size_t deletedHere = 0;
    std::size_t created = 0;
    std::size_t updated = 0;
    std::size_t deletedThere = 0;
    struct Conflict {
        std::string friendName; // Windows-1252
        FieldConflict field;
    };
    std::vector<Conflict> conflicts;
    std::vector<std::string> waitingForRoom; // names of the cards the table had no room for
    std::size_t nameless = 0;                // cards without any name, left on the server

    bool changedAnything() const { return addedHere + changedHere + deletedHere + created + updated + deletedThere > 0; }
};

struct SyncPlan {
    std::unique_ptr<FriendTable> table = std::make_unique<FriendTable>(); // the friends afterwards, sorted
    bool tableChanged = false;
    SyncState state; // once every write went through; the sync token is the caller's
    std::vector<ServerWrite> writes;
    SyncSummary summary;
};

class SyncPlanner {
public:
    // `bookPath` is the address book's path on the server, ending with "/": new cards go there.
    SyncPlanner(const SyncState& state, const ServerListing& listing, const FriendTable& table, std::string bookPath,
                Language language);
    ~SyncPlanner();

    // The cards to fetch first: changed on the server, or changed here (to be patched).
    std::vector<std::string> cardsToFetch() const;

    struct Result {
        Status status; // failure: a fetched card is no vCard
        SyncPlan plan;
    };
    // `newUid` names each new card.
    Result plan(const FetchedCards& fetched, const std::function<std::string()>& newUid) const;

private:
    class Run;
    enum class ServerSide { Unchanged, Changed, Removed };
    struct EntryView {
        ServerSide server = ServerSide::Unchanged;
        std::uint16_t slot = 0; // the friend here; 0 when deleted here (or not a friend here)
        bool changedHere = false;
    };

    const SyncState& m_state;
    const ServerListing& m_listing;
    const FriendTable& m_table;
    std::string m_bookPath;
    Language m_language;
    std::vector<EntryView> m_views;            // one per entry of the state
    std::vector<std::string> m_newOnServer;    // listed cards the state does not know
    std::vector<std::uint16_t> m_newHere;      // friends no entry is
};

} // namespace zelmora
