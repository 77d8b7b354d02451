#include "sync/AddressBookFinder.h"

#include "core/base/Cp1252.h"
#include "sync/Multistatus.h"
#include "sync/ServerAddress.h"

namespace zelmora::sync {

namespace {

const QByteArray PrincipalQuery = "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
                                  "<d:propfind xmlns:d=\"DAV:\"><d:prop><d:current-user-principal/><d:resourcetype/>"
                                  "<d:displayname/></d:prop></d:propfind>";
const QByteArray HomeQuery = "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
                             "<d:propfind xmlns:d=\"DAV:\" xmlns:c=\"urn:ietf:params:xml:ns:carddav\"><d:prop>"
                             "<c:addressbook-home-set/></d:prop></d:propfind>";
const QByteArray BooksQuery = "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
                              "<d:propfind xmlns:d=\"DAV:\"><d:prop><d:resourcetype/><d:displayname/></d:prop></d:propfind>";
const QByteArray NewBook = "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
                           "<d:mkcol xmlns:d=\"DAV:\" xmlns:c=\"urn:ietf:params:xml:ns:carddav\"><d:set><d:prop>"
                           "<d:resourcetype><d:collection/><c:addressbook/></d:resourcetype>"
                           "<d:displayname>Zelmora</d:displayname></d:prop></d:set></d:mkcol>";

QString lastPart(const QUrl& url)
{
    const QStringList parts = url.path().split(QLatin1Char('/'), Qt::SkipEmptyParts);
    return parts.isEmpty() ? QString() : parts.last();
}

AddressBook bookOf(const QUrl& base, const DavResource& resource)
{
    const QUrl url = resolvedHref(base, resource.href);
    return {url, resource.displayName.isEmpty() ? lastPart(url) : resource.displayName};
}

} // namespace

Status AddressBookFinder::notAnAddressBookServer(const QUrl& server) const
{
    return Status::failure(std::string(LangText(lang::SyncNotAddressBook, m_language))
                           + cp1252::forDisplay(server.toDisplayString().toStdString()));
}

AddressBooksFound AddressBookFinder::find(const QUrl& server)
{
    AddressBooksFound found;
    QUrl principal;
    QUrl home;
    found.status = findPrincipal(server, principal, found.books);
    if (found.status.ok && found.books.empty()) {
        found.status = findHome(principal, home);
        if (found.status.ok) {
            found.status = listBooks(home, found.books);
        }
        if (found.status.ok && found.books.empty()) {
            found.status = createBook(home, found.books);
        }
    }
    return found;
}

Status AddressBookFinder::findPrincipal(const QUrl& server, QUrl& principal, std::vector<AddressBook>& books)
{
    QUrl wellKnown = server;
    wellKnown.setPath(QStringLiteral("/.well-known/carddav"));
    for (const QUrl& candidate : {server, wellKnown}) {
        const DavResponse response = m_client.send(DavRequest::query("PROPFIND", candidate, "0", PrincipalQuery));
        if (!response.answered() || response.status == 401 || response.status == 403) {
            return m_client.refusal(response);
        }
        const MultistatusRead read = response.status == 207 ? readMultistatus(response.body) : MultistatusRead{};
        if (response.status != 207 || !read.status.ok || read.answer.resources.empty()) {
            continue;
        }
        const DavResource& resource = read.answer.resources.front();
        if (resource.isAddressBook) {
            books.push_back(bookOf(response.url, resource)); // the address of a book itself
            return Status::success();
        }
        if (!resource.principal.isEmpty()) {
            principal = resolvedHref(response.url, resource.principal);
            return Status::success();
        }
    }
    return notAnAddressBookServer(server);
}

Status AddressBookFinder::findHome(const QUrl& principal, QUrl& home)
{
    const DavResponse response = m_client.send(DavRequest::query("PROPFIND", principal, "0", HomeQuery));
    if (response.status != 207) {
        return m_client.refusal(response);
    }
    const MultistatusRead read = readMultistatus(response.body);
    if (!read.status.ok || read.answer.resources.empty() || read.answer.resources.front().addressBookHome.isEmpty()) {
        return notAnAddressBookServer(principal);
    }
    home = resolvedHref(response.url, read.answer.resources.front().addressBookHome);
    return Status::success();
}

Status AddressBookFinder::listBooks(const QUrl& home, std::vector<AddressBook>& books)
{
    const DavResponse response = m_client.send(DavRequest::query("PROPFIND", home, "1", BooksQuery));
    if (response.status != 207) {
        return m_client.refusal(response);
    }
    const MultistatusRead read = readMultistatus(response.body);
    if (!read.status.ok) {
        return Status::failure(std::string(LangText(lang::SyncUnreadableAnswer, m_language)) + read.status.message);
    }
    for (const DavResource& resource : read.answer.resources) {
        if (resource.isAddressBook) {
            books.push_back(bookOf(response.url, resource));
        }
    }
    return Status::success();
}

Status AddressBookFinder::createBook(const QUrl& home, std::vector<AddressBook>& books)
{
    const QUrl url = home.resolved(QUrl(QStringLiteral("zelmora/")));
    const DavResponse response = m_client.send(DavRequest::query("MKCOL", url, {}, NewBook));
    if (!response.succeeded()) {
        return Status::failure(std::string(LangText(lang::SyncNoAddressBook, m_language))
                               + cp1252::forDisplay(home.toDisplayString().toStdString()));
    }
    books.push_back({url, QStringLiteral("Zelmora")});
    return Status::success();
}

AddressBooksFound AddressBookFinder::choose(const AddressBooksFound& found, const QString& name, Language language)
{
    if (!found.status.ok || name.isEmpty()) {
        return {found.status, found.books.empty() ? found.books : std::vector<AddressBook>{found.books.front()}};
    }
    QStringList names;
    for (const AddressBook& book : found.books) {
        if (book.name.compare(name, Qt::CaseInsensitive) == 0 || lastPart(book.url).compare(name, Qt::CaseInsensitive) == 0) {
            return {Status::success(), {book}};
        }
        names << book.name;
    }
    return {Status::failure(LangTextFilled(lang::SyncNoBookNamed, language,
                                           {cp1252::forDisplay(name.toStdString()),
                                            cp1252::forDisplay(names.join(QStringLiteral(", ")).toStdString())})),
            {}};
}

} // namespace zelmora::sync
