#include "sync/ServerAddress.h"

#include "core/base/Cp1252.h"

#include <QHostAddress>

namespace zelmora::sync {

namespace {

bool isThisComputer(const QString& host)
{
    const QHostAddress address(host);
    return host.compare(QStringLiteral("localhost"), Qt::CaseInsensitive) == 0 || (!address.isNull() && address.isLoopback());
}

} // namespace

ServerAddress checkServerAddress(const QString& text, Language language)
{
    const QString trimmed = text.trimmed();
    ServerAddress checked;
    checked.url = QUrl::fromUserInput(trimmed.contains(QStringLiteral("://")) ? trimmed : QStringLiteral("https://") + trimmed);
    const QString scheme = checked.url.scheme();
    const std::string shown = cp1252::forDisplay(trimmed.toStdString());
    if (!checked.url.isValid() || checked.url.host().isEmpty() || (scheme != "https" && scheme != "http")) {
        checked.status = Status::failure(std::string(LangText(lang::SyncNotAddressBook, language)) + shown);
    } else if (scheme == "http" && !isThisComputer(checked.url.host())) {
        checked.status = Status::failure(std::string(LangText(lang::SyncPlainHttpRefused, language)) + shown);
    }
    checked.plainHttp = scheme == "http";
    if (checked.url.path().isEmpty()) {
        checked.url.setPath(QStringLiteral("/"));
    }
    return checked;
}

QUrl resolvedHref(const QUrl& base, const QString& href) { return base.resolved(QUrl::fromEncoded(href.toUtf8())); }

QString pathOf(const QUrl& url) { return url.path(QUrl::FullyEncoded); }

} // namespace zelmora::sync
