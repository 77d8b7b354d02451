#include "core/session/WindowCloser.h"

namespace zelmora {

CloseOutcome WindowCloser::CloseMainWindow(CloseSteps& steps, bool inTray)
{
    StayOpen = false;
    steps.settlePendingEdit();
    if (steps.saveSettings() == SaveOutcome::FailedStayOpen) {
        StayOpen = true;
    }
    // The friends are saved whatever the answer about the settings.
    const bool friendsUnsaved = steps.saveDatabase() == SaveOutcome::FailedStayOpen;
    if (StayOpen || friendsUnsaved) {
        return CloseOutcome::Refuse;
    }
    if (QuitRequested || !inTray) {
        return CloseOutcome::End;
    }
    return CloseOutcome::Hide;
}

} // namespace zelmora
