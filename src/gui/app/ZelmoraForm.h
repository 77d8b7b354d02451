#pragma once
// The main window: a fixed window holding the four tabs (dates to celebrate, friend
// cards, export, options). Every change of tab settles the card, rebuilds the dates list
// and empties its read-only card. What closing does is the program's to decide.

#include "core/card/CardEditor.h"
#include "core/card/WindowCloser.h"
#include "core/data/DisplayOptions.h"
#include "core/platform/Clock.h"
#include "core/reminder/DatesList.h"
#include "gui/app/Captions.h"
#include "gui/app/OptionPages.h"

#include <QWidget>

#include <functional>

class QAction;
class QMenu;
class QTabWidget;

namespace zelmora::gui {

class DatesPage;
class FriendCardPage;

class ZelmoraForm : public QWidget {
    Q_OBJECT

public:
    ZelmoraForm(CardEditor& editor, FriendTable& table, DatesList& dates, DisplayOptions& options,
                const Language& language, const Clock& clock, QWidget* parent = nullptr);

    // The captions of this window, and the caption table that gives them.
    void ApplyLanguage(Language language);
    static std::span<const Caption> captions();
    static std::span<const ItemsCaption> itemCaptions();

    // After the friends were loaded or read again: the option groups, the card and the list.
    void showData();
    // The friend list and the card show what the card rules say.
    void refreshCard();

    // Decides what a close request does; the window then closes, hides or stays.
    std::function<CloseOutcome()> onClose;

    QTabWidget* ListeChoix;
    // The tray icon's menu belongs to the main window, whose captions it shares.
    QMenu* PopupTrayIcon;
    QAction* Popup1;
    QAction* Popup2;
    QAction* Popup4;
    QAction* PopupBarre1;
    QAction* Popup5;
    DatesPage* datesPage;
    FriendCardPage* cardPage;
    ExportPage* exportPage;
    OptionsPage* optionsPage;

signals:
    void webSiteWanted(const std::string& address);
    void mailWanted(const std::string& address);
    void printCardWanted(int line);
    void printDateWanted(std::uint16_t dateEntryCount, int line, std::uint16_t friendSlot);
    void printAllWanted();
    void textExportWanted();
    void htmlExportWanted();
    void vCardImportWanted();
    void vCardExportWanted();
    void calendarExportWanted();
    void helpWanted();
    void aboutWanted();
    void optionsWanted();
    void displayOptionsChanged();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void createTrayMenu();
    void setGlyphs();
    // What a screen reader says for the fields without a label and the picture-only buttons.
    void nameUnlabelled(Language language);
    void ListeChoixChange();

    CardEditor& m_editor;
    const Clock& m_clock;
    DisplayOptionGroups m_optionGroups;
    bool m_centred = false;
};

} // namespace zelmora::gui
