#include "core/web/GoToWeb.h"

#include "core/platform/WebAddress.h"
#include "core/web/MailtoAddress.h"

namespace zelmora {

namespace {

Status launched(const Status& started, Language language)
{
    return started.ok ? started : Status::failure(LangTextWithReason(lang::WebLaunchFailed, language, started.message));
}

} // namespace

Status TGoToWeb::OpenUrl() const
{
    if (Url.empty()) {
        return Status::failure(LangTextWithReason(lang::NotAWebAddress, MessageLanguage, Url));
    }
    switch (addressKind(Url)) {
    case AddressKind::Web:
        return launched(m_launcher.launch(Url, BrowserState), MessageLanguage);
    case AddressKind::NoScheme: // "www.example.org": a browser would take it for a web address too
        return launched(m_launcher.launch("http://" + Url, BrowserState), MessageLanguage);
    default:
        return Status::failure(LangTextWithReason(lang::NotAWebAddress, MessageLanguage, Url));
    }
}

Status TGoToWeb::SendMail() const
{
    return launched(m_launcher.launch(mailtoAddress(EMail, EMailSubject, EMailBody), BrowserState), MessageLanguage);
}

} // namespace zelmora
