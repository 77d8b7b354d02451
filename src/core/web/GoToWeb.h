#pragma once
// Opens a web address in the user's browser and starts a new e-mail with recipient,
// subject and body. Callers set the fields they need, then call OpenUrl or SendMail.

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

    // Windows-1252 texts, taken as they are.
    std::string Url{ZelmoraWebPage};
    std::string EMail{ZelmoraMailAddress};
    std::string EMailSubject;
    std::string EMailBody;
    TBrowserState BrowserState = TBrowserState::gwMaximized;

    // Each is true when the browser or mail program could be started.
    bool OpenUrl() const;
    bool SendMail() const;

private:
    const WebLauncher& m_launcher;
};

} // namespace zelmora
