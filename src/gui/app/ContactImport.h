#pragma once
// The window's import of a file of contacts, vCard or CSV: the file is read and parsed on
// another thread behind a progress dialog whose Cancel changes nothing; only adding the
// friends runs on the window's thread, through the session's one road.

#include "core/base/LangText.h"
#include "core/exchange/ContactParser.h"
#include "core/session/CardSession.h"
#include "gui/app/Dialogs.h"

#include <filesystem>

namespace zelmora::gui {

class ContactImport {
public:
    ContactImport(CardSession& session, Dialogs& dialogs, const std::filesystem::path& dataFolder,
                  const Language& language)
        : m_session(session), m_dialogs(dialogs), m_dataFolder(dataFolder), m_language(language)
    {
    }

    // Settles the card, asks for the file, reads it, adds its friends and says what was done.
    void run();

private:
    ParsedContacts read(const std::filesystem::path& file) const;
    void add(const ParsedContacts& contacts);

    CardSession& m_session;
    Dialogs& m_dialogs;
    std::filesystem::path m_dataFolder;
    const Language& m_language;
};

} // namespace zelmora::gui
