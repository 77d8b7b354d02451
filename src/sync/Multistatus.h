#pragma once
// A WebDAV multistatus answer read into what this program asks for: per resource, its
// address, whether it is there, its ETag, name, kind, address data and the addresses
// it points to; and the sync token of the whole answer. Anything else is passed over.

#include "core/base/Status.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace zelmora::sync {

struct DavResource {
    QString href;
    bool found = true;            // false: the resource is gone (404), as a sync report says of a removed card
    QByteArray etag;
    QString displayName;
    bool isAddressBook = false;
    bool isCollection = false;
    QString principal;            // current-user-principal's address
    QString addressBookHome;      // addressbook-home-set's address
    std::optional<QByteArray> addressData; // the card, UTF-8
};

struct Multistatus {
    std::vector<DavResource> resources;
    QString syncToken;
};

struct MultistatusRead {
    Status status; // failure: not well-formed XML, or no multistatus (the message says where)
    Multistatus answer;
};

MultistatusRead readMultistatus(const QByteArray& xml);

// Whether an error body names the precondition (in the DAV: namespace), as a server
// refusing an outdated sync token says "valid-sync-token".
bool namesPrecondition(const QByteArray& xml, const QString& name);

} // namespace zelmora::sync
