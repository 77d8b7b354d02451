#include "core/web/GoToWeb.h"

#include "core/web/MailtoAddress.h"

namespace zelmora {

bool TGoToWeb::OpenUrl() const { return m_launcher.launch(Url, BrowserState); }

bool TGoToWeb::SendMail() const
{
    return m_launcher.launch(mailtoAddress(EMail, EMailSubject, EMailBody), BrowserState);
}

} // namespace zelmora
