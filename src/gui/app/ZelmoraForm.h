#pragma once
// The main window: a fixed window holding the four tabs (dates to celebrate, friend
// cards, export, options). Every change of tab settles the card, rebuilds the dates list
// and empties its read-only card. What closing does is the program's to decide.

#include "core/data/DateText.h"
#include "core/data/DisplayOptions.h"
#include "core/platform/Clock.h"
#include "core/session/CardSession.h"
#include "core/session/WindowCloser.h"
#include "gui/app/Captions.h"
#include "gui/app/OptionPages.h"

#include <QWidget>

#include <functional>

class QAction;
class QMenu;
class QTabWidget;

namespace zelmora::gui {

class DatesListModel;
class DatesPage;
class FriendCardPage;
class FriendListModel;
class SessionSignals;

class ZelmoraForm : public QWidget {
    Q_OBJECT

public:
    ZelmoraForm(CardSession& session, SessionSignals& sessionSignals, const DisplayOptions& options, const Language& language,
                const LeapDayRule& leapDay, const Clock& clock, QWidget* parent = nullptr);

    // The captions of this window, and the caption table that gives them.
    void ApplyLanguage(Language language);
    static std::span<const Caption> captions();
    static std::span<const ItemsCaption> itemCaptions();

    // After the friends were loaded: the option groups and the dates to celebrate.
    void showData();
    // The window's title: the product, marked while the card holds unsaved changes (and
    // described so to screen readers).
    void showTitle();

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
    void csvExportWanted();
    void fillFetesWanted();
    void helpWanted();
    void aboutWanted();
    void optionsWanted();
    void displayOptionsChosen(const DisplayOptions& options);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void createTrayMenu();
    void setGlyphs();
    // What a screen reader says for the fields without a label and the picture-only buttons.
    void nameUnlabelled(Language language);
    void ListeChoixChange();

    CardSession& m_session;
    const Clock& m_clock;
    DisplayOptionGroups m_optionGroups;
    FriendListModel* m_friendList;
    DatesListModel* m_datesList;
    QString m_unsavedDescription;
    bool m_centred = false;
};

} // namespace zelmora::gui
