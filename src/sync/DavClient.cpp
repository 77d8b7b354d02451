#include "sync/DavClient.h"

#include "core/base/Cp1252.h"
#include "core/data/DateText.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslError>

#include <functional>

namespace zelmora::sync {

namespace {

constexpr int MostRedirects = 5;
// A few requests at a time: enough to keep a server busy, not enough to crowd it.
constexpr std::size_t InFlight = 6;

std::string cp1252Of(const QString& text) { return cp1252::forDisplay(text.toStdString()); }

// The same server, or the same one over https.
bool mayFollow(const QUrl& from, const QUrl& to)
{
    const bool sameScheme = from.scheme() == to.scheme() || (from.scheme() == "http" && to.scheme() == "https");
    return sameScheme && from.host() == to.host() && (from.port() == to.port() || from.scheme() != to.scheme());
}

} // namespace

DavClient::DavClient(QString user, QString password, std::chrono::seconds timeout, Language language)
    : m_network(std::make_unique<QNetworkAccessManager>()),
      m_authorization("Basic " + (user + ":" + password).toUtf8().toBase64()), m_timeout(timeout), m_language(language)
{
}

DavClient::~DavClient() = default;

QNetworkReply* DavClient::start(const DavRequest& request)
{
    QNetworkRequest http(request.url);
    http.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    http.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
    http.setTransferTimeout(static_cast<int>(std::chrono::milliseconds(m_timeout).count()));
    http.setRawHeader("Authorization", m_authorization);
    http.setRawHeader("User-Agent", "Zelmora/3.0");
    if (!request.body.isEmpty()) {
        http.setRawHeader("Content-Type", request.contentType);
    }
    if (!request.depth.isEmpty()) {
        http.setRawHeader("Depth", request.depth);
    }
    if (!request.ifMatch.isEmpty()) {
        http.setRawHeader("If-Match", request.ifMatch);
    }
    if (request.ifNoneMatch) {
        http.setRawHeader("If-None-Match", "*");
    }
    ++m_sent;
    QNetworkReply* reply = m_network->sendCustomRequest(http, request.method, request.body);
    // Nothing is ignored: the errors are kept to say why the server is not trusted.
    QObject::connect(reply, &QNetworkReply::sslErrors, reply, [reply](const QList<QSslError>& errors) {
        QStringList texts;
        for (const QSslError& error : errors) {
            texts << error.errorString();
        }
        reply->setProperty("sslErrors", texts.join(QStringLiteral("; ")));
    });
    return reply;
}

DavResponse DavClient::finish(QNetworkReply& reply, DavRequest& request, bool& redirected)
{
    DavResponse response;
    response.url = request.url;
    response.status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    response.body = reply.isOpen() ? reply.readAll() : QByteArray();
    response.etag = reply.rawHeader("ETag");
    redirected = false;
    if (response.status >= 301 && response.status <= 308 && response.status != 304 && reply.hasRawHeader("Location")) {
        const QUrl target = request.url.resolved(QUrl::fromEncoded(reply.rawHeader("Location")));
        redirected = mayFollow(request.url, target);
        request.url = target;
        return response;
    }
    if (response.status != 0) {
        return response;
    }
    const QString ssl = reply.property("sslErrors").toString();
    if (!ssl.isEmpty() || reply.error() == QNetworkReply::SslHandshakeFailedError) {
        response.failure = Status::failure(std::string(LangText(lang::SyncUntrusted, m_language))
                                           + cp1252Of(ssl.isEmpty() ? reply.errorString() : ssl));
    } else if (reply.error() == QNetworkReply::OperationCanceledError || reply.error() == QNetworkReply::TimeoutError) {
        response.failure = Status::failure(
            LangTextFilled(lang::SyncTimedOut, m_language, {NumToText(static_cast<std::int32_t>(m_timeout.count()))}));
    } else {
        response.failure =
            Status::failure(std::string(LangText(lang::SyncUnreachable, m_language)) + cp1252Of(reply.errorString()));
    }
    return response;
}

DavResponse DavClient::send(const DavRequest& request) { return sendAll({request}).front(); }

std::vector<DavResponse> DavClient::sendAll(const std::vector<DavRequest>& requests)
{
    std::vector<DavResponse> responses(requests.size());
    std::vector<DavRequest> pending = requests;
    std::vector<int> redirects(requests.size(), 0);
    QEventLoop loop;
    std::size_t next = 0;
    int running = 0;
    // Starts request `i` (again, after a redirect); its answer comes back through the loop.
    std::function<void(std::size_t)> launch = [&](std::size_t i) {
        QNetworkReply* reply = start(pending[i]);
        ++running;
        QObject::connect(reply, &QNetworkReply::finished, &loop, [&, reply, i] {
            --running;
            bool redirected = false;
            responses[i] = finish(*reply, pending[i], redirected);
            reply->deleteLater();
            if (redirected && ++redirects[i] <= MostRedirects) {
                launch(i);
            } else if (next < pending.size()) {
                launch(next++);
            }
            if (running == 0) {
                loop.quit();
            }
        });
    };
    while (next < pending.size() && next < InFlight) {
        launch(next++);
    }
    if (running > 0) {
        loop.exec();
    }
    return responses;
}

Status DavClient::refusal(const DavResponse& response) const
{
    if (!response.answered()) {
        return response.failure;
    }
    const std::string status = NumToText(response.status);
    if (response.status == 401 || response.status == 403) {
        return Status::failure(LangTextFilled(lang::SyncRefused, m_language, {"HTTP " + status}));
    }
    return Status::failure(std::string(LangText(lang::SyncServerError, m_language)) + "HTTP " + status + " ("
                           + cp1252Of(response.url.toDisplayString()) + ")");
}

} // namespace zelmora::sync
