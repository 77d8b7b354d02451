#pragma once
// Which server addresses may carry a password: https:// anywhere, its certificate checked;
// plain http:// only to this computer, with a warning. An address without a scheme is
// taken as https://.

#include "core/base/LangText.h"
#include "core/base/Status.h"

#include <QString>
#include <QUrl>

namespace zelmora::sync {

struct ServerAddress {
    Status status;
    QUrl url;
    bool plainHttp = false; // accepted, but to be warned of
};

ServerAddress checkServerAddress(const QString& text, Language language);

// The address of `href` (a path, or a whole address) on the server of `base`.
QUrl resolvedHref(const QUrl& base, const QString& href);
// The path of an address as the server writes its hrefs, ending with "/" for a collection.
QString pathOf(const QUrl& url);

} // namespace zelmora::sync
