#include "sync/CardDavSync.h"

#include "core/base/Cp1252.h"
#include "sync/Multistatus.h"
#include "sync/ServerAddress.h"

#include <QUuid>

namespace zelmora::sync {

namespace {

constexpr std::size_t CardsPerFetch = 100;

const QByteArray SyncCollection = "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
                                  "<d:sync-collection xmlns:d=\"DAV:\"><d:sync-token>%1</d:sync-token>"
                                  "<d:sync-level>1</d:sync-level><d:prop><d:getetag/></d:prop></d:sync-collection>";
const QByteArray EtagsOfMembers = "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
                                  "<d:propfind xmlns:d=\"DAV:\"><d:prop><d:getetag/><d:resourcetype/></d:prop></d:propfind>";

QByteArray escapedXml(const QString& text) { return text.toHtmlEscaped().toUtf8(); }

// A server may write an href as a whole address: the path is what names the card.
std::string hrefPath(const QString& href)
{
    const qsizetype scheme = href.indexOf(QStringLiteral("://"));
    const qsizetype path = scheme < 0 ? 0 : href.indexOf(QLatin1Char('/'), scheme + 3);
    return (path < 0 ? QStringLiteral("/") : href.mid(path)).toStdString();
}

} // namespace

CardDavSync::CardDavSync(DavClient& client, QUrl addressBook, Language language)
    : m_client(client), m_addressBook(std::move(addressBook)), m_language(language)
{
}

Status CardDavSync::unreadable(const Status& why) const
{
    return Status::failure(std::string(LangText(lang::SyncUnreadableAnswer, m_language)) + cp1252::forDisplay(why.message));
}

SyncRound CardDavSync::prepare(const FriendTable& friends, const SyncState& state)
{
    SyncRound round;
    Listing listing;
    if (round.status = list(state, listing); !round.status.ok) {
        return round;
    }
    const SyncPlanner planner(state, listing.members, friends, pathOf(m_addressBook).toStdString(), m_language);
    FetchedCards cards;
    if (round.status = fetch(planner.cardsToFetch(), cards); !round.status.ok) {
        return round;
    }
    const auto newUid = [] { return QUuid::createUuid().toString(QUuid::WithoutBraces).toStdString(); };
    SyncPlanner::Result planned = planner.plan(cards, newUid);
    if (round.status = planned.status; !round.status.ok) {
        round.status = unreadable(round.status);
        return round;
    }
    round.plan = std::move(planned.plan);
    round.plan.state.syncToken = listing.syncToken.toStdString();
    round.plan.state.serverHasNoSyncToken = listing.noSyncToken;
    return round;
}

Status CardDavSync::list(const SyncState& state, Listing& listing)
{
    if (!state.serverHasNoSyncToken) {
        bool refused = false;
        const QString token = QString::fromStdString(state.syncToken);
        Status listed = listChanges(token, listing, refused);
        if (refused && !token.isEmpty()) {
            listed = listChanges({}, listing, refused); // a token the server forgot: everything again
        }
        if (!refused) {
            return listed;
        }
    }
    listing.noSyncToken = true;
    return listEtags(listing);
}

// The changes since `token`; `refused` when the server will not answer a sync report for it.
Status CardDavSync::listChanges(const QString& token, Listing& listing, bool& refused)
{
    const DavResponse response =
        m_client.send(DavRequest::query("REPORT", m_addressBook, "0", QByteArray(SyncCollection).replace("%1", escapedXml(token))));
    refused = response.answered() && response.status != 207 && response.status != 401
           && (response.status < 500 || response.status == 501);
    if (refused || !response.answered() || response.status != 207) {
        return m_client.refusal(response);
    }
    const MultistatusRead read = readMultistatus(response.body);
    if (!read.status.ok) {
        return unreadable(read.status);
    }
    listing.members = {};
    listing.members.complete = token.isEmpty();
    for (const DavResource& resource : read.answer.resources) {
        if (!resource.found) {
            listing.members.removed.push_back(hrefPath(resource.href));
        } else if (!resource.etag.isEmpty()) {
            listing.members.members.push_back({hrefPath(resource.href), resource.etag.toStdString()});
        }
    }
    listing.syncToken = read.answer.syncToken;
    return Status::success();
}

Status CardDavSync::listEtags(Listing& listing)
{
    const DavResponse response = m_client.send(DavRequest::query("PROPFIND", m_addressBook, "1", EtagsOfMembers));
    if (response.status != 207) {
        return m_client.refusal(response);
    }
    const MultistatusRead read = readMultistatus(response.body);
    if (!read.status.ok) {
        return unreadable(read.status);
    }
    listing.members = {};
    listing.members.complete = true;
    for (const DavResource& resource : read.answer.resources) {
        if (resource.found && !resource.isCollection && !resource.etag.isEmpty()) {
            listing.members.members.push_back({hrefPath(resource.href), resource.etag.toStdString()});
        }
    }
    return Status::success();
}

Status CardDavSync::fetch(const std::vector<std::string>& hrefs, FetchedCards& cards)
{
    std::vector<DavRequest> requests;
    for (std::size_t first = 0; first < hrefs.size(); first += CardsPerFetch) {
        QByteArray body = "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
                          "<c:addressbook-multiget xmlns:d=\"DAV:\" xmlns:c=\"urn:ietf:params:xml:ns:carddav\">"
                          "<d:prop><d:getetag/><c:address-data/></d:prop>";
        for (std::size_t i = first; i < std::min(hrefs.size(), first + CardsPerFetch); ++i) {
            body += "<d:href>" + escapedXml(QString::fromStdString(hrefs[i])) + "</d:href>";
        }
        requests.push_back(DavRequest::query("REPORT", m_addressBook, "1", body + "</c:addressbook-multiget>"));
    }
    for (const DavResponse& response : m_client.sendAll(requests)) {
        if (response.status != 207) {
            return m_client.refusal(response);
        }
        const MultistatusRead read = readMultistatus(response.body);
        if (!read.status.ok) {
            return unreadable(read.status);
        }
        for (const DavResource& resource : read.answer.resources) {
            if (resource.found && resource.addressData) {
                cards[hrefPath(resource.href)] = {resource.etag.toStdString(), resource.addressData->toStdString()};
            }
        }
    }
    return Status::success();
}

void CardDavSync::send(SyncRound& round)
{
    SyncPlan& plan = round.plan;
    std::vector<DavRequest> requests;
    for (const ServerWrite& write : plan.writes) {
        DavRequest request;
        request.method = write.kind == ServerWrite::Kind::Delete ? "DELETE" : "PUT";
        request.url = resolvedHref(m_addressBook, QString::fromStdString(write.href));
        request.body = QByteArray::fromStdString(write.card);
        request.contentType = "text/vcard; charset=utf-8";
        request.ifMatch = QByteArray::fromStdString(write.etag);
        request.ifNoneMatch = write.kind == ServerWrite::Kind::Create;
        requests.push_back(std::move(request));
    }
    const std::vector<DavResponse> responses = m_client.sendAll(requests);
    for (std::size_t i = 0; i < responses.size(); ++i) {
        const DavResponse& response = responses[i];
        const ServerWrite& write = plan.writes[i];
        // 412: changed meanwhile; 404: an update's card, or a delete's, went meanwhile.
        if (response.status == 412 || (response.status == 404 && write.kind == ServerWrite::Kind::Update)) {
            round.again = true;
        } else if (response.status == 404 && write.kind == ServerWrite::Kind::Delete) {
            continue; // gone already
        } else if (!response.succeeded()) {
            round.status = m_client.refusal(response);
            return;
        } else if (write.kind != ServerWrite::Kind::Delete) {
            plan.state.entries[write.entry].etag = response.etag.toStdString(); // none: the next sync fetches it
        }
    }
}

} // namespace zelmora::sync
