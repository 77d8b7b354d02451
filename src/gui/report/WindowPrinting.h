#pragma once
// What the window prints with: the print system, the report printer and the friend card
// report, set up at the first print rather than at the start (waking the print system is
// the slowest part of a window's start, and most starts print nothing).

#include "core/base/LangText.h"
#include "core/data/FriendTable.h"
#include "core/platform/Clock.h"
#include "gui/app/Dialogs.h"
#include "gui/report/CardPrinting.h"

#include <filesystem>
#include <memory>

namespace zelmora::gui {

class WindowPrinting {
public:
    WindowPrinting(const Clock& clock, const FriendTable& friends, Dialogs& dialogs, std::filesystem::path dataFolder,
                   const Language& language);
    ~WindowPrinting();

    // The print commands, ready once asked for.
    CardPrinter& cards();
    // The report's captions follow the language (once the report exists).
    void ApplyLanguage(Language language);

private:
    struct Parts;

    const Clock& m_clock;
    const FriendTable& m_friends;
    Dialogs& m_dialogs;
    std::filesystem::path m_dataFolder;
    const Language& m_language;
    std::unique_ptr<Parts> m_parts;
};

} // namespace zelmora::gui
