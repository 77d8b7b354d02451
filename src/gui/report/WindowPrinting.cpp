#include "gui/report/WindowPrinting.h"

#include "core/report/TBxPrinter.h"
#include "core/report/TPrtForm.h"
#include "gui/report/QtPrintPlatform.h"

namespace zelmora::gui {

struct WindowPrinting::Parts {
    Parts(const Clock& clock, const FriendTable& friends, Dialogs& dialogs, const std::filesystem::path& dataFolder,
          const Language& language)
        : platform(clock), printer(platform), form(language, printer),
          cards(form, friends, platform.qtPrinter().qprinter(), dialogs, dataFolder, language)
    {
    }

    QtPrintPlatform platform;
    report::TBxPrinter printer;
    report::TPrtForm form;
    CardPrinter cards;
};

WindowPrinting::WindowPrinting(const Clock& clock, const FriendTable& friends, Dialogs& dialogs,
                               std::filesystem::path dataFolder, const Language& language)
    : m_clock(clock), m_friends(friends), m_dialogs(dialogs), m_dataFolder(std::move(dataFolder)), m_language(language)
{
}

WindowPrinting::~WindowPrinting() = default;

CardPrinter& WindowPrinting::cards()
{
    if (!m_parts) {
        m_parts = std::make_unique<Parts>(m_clock, m_friends, m_dialogs, m_dataFolder, m_language);
    }
    return m_parts->cards;
}

void WindowPrinting::ApplyLanguage(Language language)
{
    if (m_parts) {
        m_parts->form.ApplyLanguage(language);
    }
}

} // namespace zelmora::gui
