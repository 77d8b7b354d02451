#pragma once
// Requests to a WebDAV server, one at a time or several at once, each waited for in an
// event loop of its own so that the callers read as plain steps: the password goes with
// every request (one request, not two, when nothing changed), certificates are checked
// (an untrusted one is refused, never accepted quietly), redirects are followed only on
// the same server, and a server that does not answer in time is given up.

#include "core/base/LangText.h"
#include "core/base/Status.h"

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <chrono>
#include <memory>
#include <vector>

class QNetworkAccessManager;
class QNetworkReply;

namespace zelmora::sync {

struct DavRequest {
    QByteArray method;
    QUrl url;
    QByteArray depth;   // "0", "1", or none
    QByteArray body;
    QByteArray contentType = "application/xml; charset=utf-8";
    QByteArray ifMatch; // the ETag the resource must still have
    bool ifNoneMatch = false; // the resource must not exist yet

    // A query, its body XML: PROPFIND, REPORT, MKCOL.
    static DavRequest query(QByteArray method, QUrl url, QByteArray depth, QByteArray body)
    {
        DavRequest request;
        request.method = std::move(method);
        request.url = std::move(url);
        request.depth = std::move(depth);
        request.body = std::move(body);
        return request;
    }
};

struct DavResponse {
    int status = 0;   // the HTTP status; 0 when no answer came, and `failure` says why
    QByteArray body;
    QByteArray etag;
    QUrl url;         // where the answer came from, after redirects
    Status failure;

    bool answered() const { return status != 0; }
    bool succeeded() const { return status >= 200 && status < 300; }
};

class DavClient {
public:
    DavClient(QString user, QString password, std::chrono::seconds timeout, Language language);
    ~DavClient();

    DavResponse send(const DavRequest& request);
    // The requests at once (the server takes a few at a time); the answers in their order.
    std::vector<DavResponse> sendAll(const std::vector<DavRequest>& requests);

    // How many requests went to the server, redirects included.
    int requestsSent() const { return m_sent; }

    // What to tell the user of an answer that is not a success: a refused password, or the server's error.
    Status refusal(const DavResponse& response) const;

private:
    QNetworkReply* start(const DavRequest& request);
    DavResponse finish(QNetworkReply& reply, DavRequest& request, bool& redirected);

    std::unique_ptr<QNetworkAccessManager> m_network;
    QByteArray m_authorization;
    std::chrono::seconds m_timeout;
    Language m_language;
    int m_sent = 0;
};

} // namespace zelmora::sync
