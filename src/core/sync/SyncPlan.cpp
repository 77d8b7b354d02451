#include "core/sync/SyncPlan.h"

#include "core/exchange/FriendCard.h"
#include "core/sync/CardPatch.h"
#include "core/sync/FriendMatcher.h"
#include "core/sync/ServerCard.h"

#include <set>

namespace zelmora {

namespace {

using Presence = SyncEntry::Presence;

// The fields where the server's card did not take what was wanted (a date the card could
// not place): there, the server's reading wins, so that both sides agree.
TFriend agreed(const MergedFriend& merged, const TFriend& serverReads)
{
    TFriend result = merged.merged;
    for (std::size_t i = 0; i < FriendFieldCount; ++i) {
        const auto field = static_cast<FriendField>(i);
        if (fieldText(merged.seen, field) != fieldText(serverReads, field)) {
            fieldRef(result, field).assign(fieldText(serverReads, field));
        }
    }
    return result;
}

} // namespace

SyncPlanner::SyncPlanner(const SyncState& state, const ServerListing& listing, const FriendTable& table,
                         std::string bookPath, Language language)
    : m_state(state), m_listing(listing), m_table(table), m_bookPath(std::move(bookPath)), m_language(language),
      m_views(state.entries.size())
{
    std::map<std::string_view, std::string_view> listed; // href to ETag
    for (const ServerListing::Member& member : listing.members) {
        listed[member.href] = member.etag;
    }
    const std::set<std::string_view> removed(listing.removed.begin(), listing.removed.end());
    std::set<std::string_view> known;
    std::vector<const TFriend*> before;
    std::vector<std::size_t> beforeEntries;
    for (std::size_t i = 0; i < state.entries.size(); ++i) {
        const SyncEntry& entry = state.entries[i];
        known.insert(entry.href);
        const auto found = listed.find(entry.href);
        if (removed.contains(entry.href) || (listing.complete && found == listed.end())) {
            m_views[i].server = ServerSide::Removed;
        } else if (found != listed.end() && found->second != entry.etag) {
            m_views[i].server = ServerSide::Changed;
        }
        if (entry.presence == Presence::Here) {
            before.push_back(&entry.local);
            beforeEntries.push_back(i);
        }
    }
    for (const ServerListing::Member& member : listing.members) {
        if (!known.contains(member.href)) {
            m_newOnServer.push_back(member.href);
        }
    }
    std::vector<const TFriend*> now;
    for (std::uint16_t slot = 1; slot <= table.FriendCount; ++slot) {
        now.push_back(&table[slot]);
    }
    std::vector<bool> matched(now.size(), false);
    const auto pairs = FriendMatcher::match(before, now);
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        if (pairs[i]) {
            EntryView& view = m_views[beforeEntries[i]];
            view.slot = static_cast<std::uint16_t>(*pairs[i] + 1);
            const SyncEntry& entry = state.entries[beforeEntries[i]];
            view.changedHere = entry.editedHere || !(table[view.slot] == entry.local);
            matched[*pairs[i]] = true;
        }
    }
    for (std::size_t i = 0; i < now.size(); ++i) {
        if (!matched[i]) {
            m_newHere.push_back(static_cast<std::uint16_t>(i + 1));
        }
    }
}

SyncPlanner::~SyncPlanner() = default;

std::vector<std::string> SyncPlanner::cardsToFetch() const
{
    std::vector<std::string> hrefs = m_newOnServer;
    const bool roomHere = !m_table.isFull();
    for (std::size_t i = 0; i < m_views.size(); ++i) {
        const SyncEntry& entry = m_state.entries[i];
        const EntryView& view = m_views[i];
        if (view.server == ServerSide::Removed) {
            continue;
        }
        // A card not here is fetched again when it may come now: it got a name, or there is room.
        const bool mayCome = entry.presence == Presence::Nameless ? view.server == ServerSide::Changed : roomHere;
        const bool wanted = entry.presence == Presence::Here ? view.server == ServerSide::Changed || view.changedHere
                                                             : mayCome;
        if (wanted) {
            hrefs.push_back(entry.href);
        }
    }
    return hrefs;
}

// One planning: what each entry, each new card and each new friend becomes.
class SyncPlanner::Run {
public:
    Run(const SyncPlanner& planner, const FetchedCards& fetched, const std::function<std::string()>& newUid)
        : m_planner(planner), m_fetched(fetched), m_newUid(newUid), m_kept(planner.m_table.FriendCount + 1, true)
    {
        m_plan.state.addressBook = planner.m_state.addressBook;
        m_plan.state.syncToken = planner.m_state.syncToken;
        m_plan.state.serverHasNoSyncToken = planner.m_state.serverHasNoSyncToken;
        m_replaced.resize(planner.m_table.FriendCount + 1);
    }

    Status run()
    {
        for (std::size_t i = 0; i < m_planner.m_views.size(); ++i) {
            if (Status done = entry(m_planner.m_state.entries[i], m_planner.m_views[i]); !done.ok) {
                return done;
            }
        }
        if (Status done = newOnServer(); !done.ok) {
            return done;
        }
        for (const std::uint16_t slot : m_newHere) {
            create(m_planner.m_table[slot], m_newUid());
        }
        finishTable();
        return Status::success();
    }

    SyncPlan take() { return std::move(m_plan); }

private:
    // The fetched card of `href`: nothing when it was not fetched or is gone; a failure when it is no card.
    Status card(std::string_view href, std::optional<ServerCard>& read, std::string& etag) const
    {
        const auto found = m_fetched.find(href);
        if (found == m_fetched.end()) {
            return Status::success();
        }
        read = ServerCard::read(found->second.text, m_planner.m_language);
        etag = found->second.etag;
        return read ? Status::success()
                    : Status::failure(std::string(LangText(lang::SyncNotACard, m_planner.m_language)) + std::string(href));
    }

    Status entry(const SyncEntry& known, const EntryView& view)
    {
        std::optional<ServerCard> read;
        std::string etag = known.etag;
        if (Status fetched = card(known.href, read, etag); !fetched.ok) {
            return fetched;
        }
        const bool here = known.presence == Presence::Here;
        // A changed card of a friend here is always fetched: when it is missing, it went meanwhile.
        const bool gone = view.server == ServerSide::Removed || (view.server == ServerSide::Changed && !read && here);
        if (!here) {
            if (gone) {
                return Status::success();
            }
            if (read) {
                arrived(known, *read, etag); // a name, or room, at last
            } else {
                m_plan.state.entries.push_back(known);
            }
            return Status::success();
        }
        if (view.slot == 0) {
            deletedHere(known, gone, read, etag);
        } else if (gone) {
            deletedThere(known, view);
        } else if (view.changedHere || read) {
            reconcile(known, view.slot, view.changedHere, read ? &*read : nullptr, etag);
        } else {
            m_plan.state.entries.push_back(known);
        }
        return Status::success();
    }

    void deletedHere(const SyncEntry& known, bool gone, const std::optional<ServerCard>& read, const std::string& etag)
    {
        if (gone) {
            return; // deleted on both sides
        }
        if (!read) { // unchanged there: deleted there too
            m_plan.writes.push_back({ServerWrite::Kind::Delete, known.href, known.etag, {}, listText(known.local), 0});
            ++m_plan.summary.deletedThere;
            return;
        }
        arrived(known, *read, etag); // changed there: kept, changed
    }

    void deletedThere(const SyncEntry& known, const EntryView& view)
    {
        const TFriend& here = m_planner.m_table[view.slot];
        if (!view.changedHere) {
            m_kept[view.slot] = false;
            ++m_plan.summary.deletedHere;
            return;
        }
        create(here, known.uid.empty() ? m_newUid() : known.uid, known.href); // changed here: kept, changed
    }

    // The friend here and the server's card (or, unchanged there, the last sync's reading) merged.
    void reconcile(SyncEntry known, std::uint16_t slot, bool changedHere, const ServerCard* read, const std::string& etag)
    {
        const TFriend& here = m_planner.m_table[slot];
        const TFriend& server = read ? read->mapped.record : known.base;
        const TFriend hereSeen = changedHere ? asServerReads(here, m_planner.m_language) : known.base;
        const MergedFriend merged = mergeFriend({known.base, here, hereSeen, server});
        for (const FieldConflict& conflict : merged.conflicts) {
            m_plan.summary.conflicts.push_back({listText(merged.merged), conflict});
        }
        std::vector<CardPart> parts;
        for (const CardPart part : CardParts) {
            if (!samePart(part, merged.seen, server)) {
                parts.push_back(part);
            }
        }
        known.etag = etag;
        known.base = server;
        known.local = merged.merged;
        known.editedHere = false;
        if (!parts.empty() && read) {
            const std::string patched = patchCard(*read, merged.merged, parts, m_planner.m_language);
            known.base = ServerCard::read(patched, m_planner.m_language)->mapped.record;
            known.local = agreed(merged, known.base);
            m_plan.writes.push_back({ServerWrite::Kind::Update, known.href, etag, patched, listText(known.local),
                                     m_plan.state.entries.size()});
            ++m_plan.summary.updated;
        }
        if (!(known.local == here)) {
            m_replaced[slot] = known.local;
            ++m_plan.summary.changedHere;
        }
        m_plan.state.entries.push_back(std::move(known));
    }

    // A card to become a friend here, when it has a name and the table has room.
    void arrived(const SyncEntry& known, const ServerCard& read, const std::string& etag)
    {
        SyncEntry entry = known;
        entry.etag = etag;
        entry.base = entry.local = read.mapped.record;
        entry.editedHere = false;
        entry.uid = read.uid();
        m_arrivals.push_back(std::move(entry));
    }

    Status newOnServer()
    {
        std::vector<ServerCard> cards;
        std::vector<SyncEntry> entries;
        for (const std::string& href : m_planner.m_newOnServer) {
            std::optional<ServerCard> read;
            std::string etag;
            if (Status fetched = card(href, read, etag); !fetched.ok) {
                return fetched;
            }
            if (read) {
                entries.push_back({Presence::Here, read->uid(), href, etag, read->mapped.record, read->mapped.record, false});
                cards.push_back(std::move(*read));
            }
        }
        pairWithNewHere(cards, entries);
        return Status::success();
    }

    // A card new there and a friend new here with the same name (or birthday) are one friend
    // that met for the first time: merged with nothing as their ancestor.
    void pairWithNewHere(const std::vector<ServerCard>& cards, std::vector<SyncEntry>& entries)
    {
        std::vector<const TFriend*> there;
        std::vector<const TFriend*> here;
        for (const ServerCard& card : cards) {
            there.push_back(&card.mapped.record);
        }
        for (const std::uint16_t slot : m_newHere) {
            here.push_back(&m_planner.m_table[slot]);
        }
        const auto pairs = FriendMatcher::match(there, here);
        std::set<std::uint16_t> paired;
        for (std::size_t i = 0; i < cards.size(); ++i) {
            if (!pairs[i] || !cards[i].hasName()) {
                arrived(entries[i], cards[i], entries[i].etag);
                continue;
            }
            const std::uint16_t slot = m_newHere[*pairs[i]];
            paired.insert(slot);
            entries[i].base = emptyCardFriend();
            reconcile(entries[i], slot, true, &cards[i], entries[i].etag);
        }
        std::erase_if(m_newHere, [&](std::uint16_t slot) { return paired.contains(slot); });
    }

    void create(const TFriend& here, const std::string& uid, std::string href = {})
    {
        if (href.empty()) {
            href = m_planner.m_bookPath + uid + ".vcf";
        }
        const std::string card = FriendCard(VCardVersion::V3, m_planner.m_language).card(here, uid);
        const TFriend base = ServerCard::read(card, m_planner.m_language)->mapped.record;
        m_plan.writes.push_back({ServerWrite::Kind::Create, href, {}, card, listText(here), m_plan.state.entries.size()});
        m_plan.state.entries.push_back({Presence::Here, uid, href, {}, base, here, false});
        ++m_plan.summary.created;
    }

    // Friends replaced and deleted in their slots, then the cards that arrived while there is room.
    void finishTable()
    {
        FriendTable& table = *m_plan.table;
        const FriendTable& before = m_planner.m_table;
        for (std::uint16_t slot = 1; slot <= before.FriendCount; ++slot) {
            if (m_kept[slot]) {
                table[++table.FriendCount] = m_replaced[slot].value_or(before[slot]);
            }
        }
        for (SyncEntry& entry : m_arrivals) {
            if (entry.base.Nom.empty() && entry.base.Prenom.empty()) {
                entry.presence = Presence::Nameless;
                ++m_plan.summary.nameless;
            } else if (table.isFull()) {
                entry.presence = Presence::WaitingForRoom;
                m_plan.summary.waitingForRoom.push_back(listText(entry.base));
            } else {
                entry.presence = Presence::Here;
                table[++table.FriendCount] = entry.local;
                ++m_plan.summary.addedHere;
            }
            m_plan.state.entries.push_back(std::move(entry));
        }
        table.SortFriends();
        m_plan.tableChanged = m_plan.summary.addedHere + m_plan.summary.changedHere + m_plan.summary.deletedHere > 0;
    }

    const SyncPlanner& m_planner;
    const FetchedCards& m_fetched;
    const std::function<std::string()>& m_newUid;
    std::vector<bool> m_kept;                   // by slot
    std::vector<std::optional<TFriend>> m_replaced; // by slot
    std::vector<SyncEntry> m_arrivals;
    std::vector<std::uint16_t> m_newHere = m_planner.m_newHere;
    SyncPlan m_plan;
};

SyncPlanner::Result SyncPlanner::plan(const FetchedCards& fetched, const std::function<std::string()>& newUid) const
{
    Run run(*this, fetched, newUid);
    Status status = run.run();
    return {std::move(status), run.take()};
}

} // namespace zelmora
