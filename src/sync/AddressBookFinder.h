#pragma once
// Finds the user's address books on a CardDAV server as clients are meant to: the address
// given, or /.well-known/carddav on its server, names the user's principal; the principal
// names the home of the address books; the home lists them. A user without any gets one,
// named Zelmora.

#include "sync/DavClient.h"

#include <QString>
#include <QUrl>

#include <vector>

namespace zelmora::sync {

struct AddressBook {
    QUrl url;
    QString name; // its display name, or the last part of its address
};

struct AddressBooksFound {
    Status status;
    std::vector<AddressBook> books;
};

class AddressBookFinder {
public:
    AddressBookFinder(DavClient& client, Language language) : m_client(client), m_language(language) {}

    AddressBooksFound find(const QUrl& server);

    // The book named `name` (its name or the last part of its address, in any case), or
    // the first when no name is given; a failure naming those there are.
    static AddressBooksFound choose(const AddressBooksFound& found, const QString& name, Language language);

private:
    // The principal's address, from the address itself or its server's well-known one.
    Status findPrincipal(const QUrl& server, QUrl& principal, std::vector<AddressBook>& books);
    Status findHome(const QUrl& principal, QUrl& home);
    Status listBooks(const QUrl& home, std::vector<AddressBook>& books);
    Status createBook(const QUrl& home, std::vector<AddressBook>& books);
    Status notAnAddressBookServer(const QUrl& server) const;

    DavClient& m_client;
    Language m_language;
};

} // namespace zelmora::sync
