#pragma once
// The window's fill of the empty saints' days: the card settled first, every proposal of
// the calendar shown, and the days the user kept written in one change of the friends.

#include "core/base/LangText.h"
#include "core/session/CardSession.h"
#include "gui/app/Dialogs.h"

class QWidget;

namespace zelmora::gui {

class FetesFiller {
public:
    FetesFiller(CardSession& session, Dialogs& dialogs, const Language& language)
        : m_session(session), m_dialogs(dialogs), m_language(language)
    {
    }

    // The proposals' dialog opens over `window`.
    void run(QWidget* window);

private:
    CardSession& m_session;
    Dialogs& m_dialogs;
    const Language& m_language;
};

} // namespace zelmora::gui
