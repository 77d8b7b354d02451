#pragma once
// What closing the main window does, whatever asked for it (the close box, "Quit", the
// tray menu): settle the card, save the settings and the friends, then end the program,
// hide the window in the tray, or stay when the user chose to keep unsaved data.

#include "core/base/Status.h"

namespace zelmora {

// The program's side of the close, in the order in which it runs.
class CloseSteps {
public:
    virtual ~CloseSteps() = default;
    virtual void settlePendingEdit() = 0;
    virtual SaveOutcome saveSettings() = 0;
    virtual SaveOutcome saveDatabase() = 0;
};

enum class CloseOutcome { End, Hide, Refuse };

class WindowCloser {
public:
    bool QuitRequested = false; // "Quit" was chosen in the tray menu
    bool StayOpen = false;      // a failed save of the settings was answered with Cancel

    // `inTray`: the tray option is on and a notification area shows the icon, so the
    // window can be found again once hidden.
    CloseOutcome CloseMainWindow(CloseSteps& steps, bool inTray);
};

} // namespace zelmora
