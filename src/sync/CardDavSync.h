#pragma once
// One round of a synchronisation with a CardDAV address book: what changed there since the
// last sync token (or every ETag, when the server keeps no token), the cards to merge or
// patch fetched a hundred at a time, the plan worked out, then the cards created, updated
// and deleted there, each only if nobody changed it meanwhile. An idle round is one request.

#include "core/data/FriendTable.h"
#include "core/sync/SyncPlan.h"
#include "core/sync/SyncState.h"
#include "sync/DavClient.h"

#include <QUrl>

namespace zelmora::sync {

struct SyncRound {
    Status status;      // failure: nothing was changed here, and the message says why
    bool again = false; // a card changed there meanwhile (412): the round must be planned anew
    SyncPlan plan;      // its state carries the server's new sync token
};

class CardDavSync {
public:
    CardDavSync(DavClient& client, QUrl addressBook, Language language);

    // Lists, fetches and plans: a trial stops there.
    SyncRound prepare(const FriendTable& friends, const SyncState& state);
    // Creates, updates and deletes the round's cards there, taking the ETags of the answers
    // into its state; a card changed meanwhile makes the round one to plan again.
    void send(SyncRound& round);

private:
    struct Listing {
        ServerListing members;
        QString syncToken;
        bool noSyncToken = false;
    };
    Status list(const SyncState& state, Listing& listing);
    Status listChanges(const QString& token, Listing& listing, bool& refused);
    Status listEtags(Listing& listing);
    Status fetch(const std::vector<std::string>& hrefs, FetchedCards& cards);
    Status unreadable(const Status& why) const;

    DavClient& m_client;
    QUrl m_addressBook;
    Language m_language;
};

} // namespace zelmora::sync
