#pragma once
// Opens a web address in the user's browser and starts a new e-mail with recipient,
// subject and body. Callers set the fields they need, then call OpenUrl or SendMail.

#include "core/base/LangText.h"
#include "core/base/Status.h"
#include "core/web/WebLauncher.h"

#include <string>
#include <string_view>

namespace zelmora {

// The maker's own web page and mail address.
inline constexpr std::string_view ZelmoraWebPage = "https://zelmora.example/";
inline constexpr std::string_view ZelmoraMailAddress = "contact@zelmora.example";

class TGoToWeb {
public:
    explicit TGoToWeb(const WebLauncher& launcher) : m_launcher(launcher) {}

    // Windows-1252 texts.
    std::string Url{ZelmoraWebPage};
    std::string EMail{ZelmoraMailAddress};
    std::string EMailSubject;
    std::string EMailBody;
    TBrowserState BrowserState = TBrowserState::gwMaximized;
    Language MessageLanguage = Language::English;

    // Opens Url when it is a web address (http, https, or no scheme, taken as http); any
    // other address is refused. The message says why nothing was opened.
    Status OpenUrl() const;
    // Starts a new e-mail to EMail, always as an encoded "mailto:" address.
    Status SendMail() const;

private:
    const WebLauncher& m_launcher;
};

} // namespace zelmora
