#pragma once
// The window program as a whole: it owns the program-wide objects (the friends and the
// card's session, options, files, printing, the windows and the tray icon), runs the
// start-up in its fixed order and does what closing the main window asks. Tests build one on a folder,
// with dialogs, launchers and an automatic start of their own.

#include "core/platform/AutoStart.h"
#include "core/platform/Clock.h"
#include "core/platform/FileOpener.h"
#include "core/platform/FileWriter.h"
#include "core/session/CardSession.h"
#include "core/session/WindowCloser.h"
#include "core/settings/SettingsFile.h"
#include "core/storage/FriendsStore.h"
#include "core/storage/OutputTarget.h"
#include "core/web/GoToWeb.h"
#include "gui/app/Appearance.h"
#include "gui/app/ContactImport.h"
#include "gui/app/Dialogs.h"
#include "gui/app/Exporter.h"
#include "gui/app/FetesFiller.h"
#include "gui/app/QtTranslations.h"
#include "gui/app/SessionSignals.h"
#include "gui/report/WindowPrinting.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QSystemTrayIcon>
#include <QTimer>

#include <filesystem>
#include <memory>
#include <optional>

namespace zelmora::gui {

class AboutForm;
class DesktopNotifications;
class HelpWindow;
class LangForm;
class OptsForm;
class SyncControl;
class WindowReminders;
class ZelmoraForm;

// What the program is given from outside: tests give their own.
struct WindowEnvironment {
    std::filesystem::path dataFolder;
    const Clock& clock;
    Dialogs& dialogs;
    const WebLauncher& webLauncher;
    const FileOpener& fileOpener;
    const AutoStart& autoStart;
    std::filesystem::path executable;   // what the automatic start starts
    bool trayAvailable;                 // the desktop shows a notification area
    std::optional<Language> language;   // chosen on the command line, for this run only
    DesktopNotifications* notifications; // none: the tray icon's balloon tells of the reminders
};

class ZelmoraApp : public QObject, private CloseSteps {
    Q_OBJECT

public:
    explicit ZelmoraApp(const WindowEnvironment& environment);
    ~ZelmoraApp() override;

    // Settings, language and appearance (the chooser and the About box on a first start),
    // the friends and the dates to celebrate, the tray icon, then the main window unless
    // the program lives in the tray.
    void start();
    // Brings the main window to the front, out of the tray if need be.
    void showMainWindow();

    ZelmoraForm& mainWindow() { return *m_form; }
    OptsForm& optionsDialog() { return *m_optsForm; }
    AboutForm& aboutBox() { return *m_aboutForm; }
    LangForm& languageChooser() { return *m_langForm; }
    HelpWindow& helpWindow() { return *m_helpWindow; }
    QSystemTrayIcon& trayIcon() { return m_trayIcon; }
    const Backgrounds& backgrounds() const { return m_backgrounds; }
    const FriendTable& friends() const { return m_store.table(); }
    const DisplayOptions& displayOptions() const { return m_store.options(); }
    CardSession& session() { return m_session; }
    SyncControl& synchronisation() { return *m_syncControl; }
    const ProgramOptions& programOptions() const { return m_options; }
    WindowReminders& reminders() { return *m_reminders; }

    // The options dialog's choices, each acting at once.
    void chooseLanguage(Language language);
    void chooseStartAuto(bool on);
    void chooseTrayIcon(bool on);
    void chooseButtonShape(ButtonShape shape);
    void chooseBackground(std::uint8_t background);

private:
    void LoadSettings();
    void LoadDatabase();
    void ApplyLanguage();
    void ApplyAutoStart();
    void ApplyButtonDesign();
    void UpdateTrayIcon();
    bool inTray() const;
    // A notification was clicked: the Dates tab, on that friend's line.
    void showFriendsDates(std::uint16_t slot);
    void connectMainWindow();
    void connectDialogs();
    void connectTray();
    void showOverMainWindow(QDialog& dialog);
    void CloseSecondaryWindows();
    void readFileAgainIfChanged();
    void retryWaitingCard();
    SaveOutcome saveSettingsUnderLock();

    void settlePendingEdit() override;
    SaveOutcome saveSettings() override;
    SaveOutcome saveDatabase() override;

    const WindowEnvironment& m_environment;
    const AtomicFileWriter m_writer;
    ProgramOptions m_options;
    Language m_storedLanguage = Language::English; // what the settings file said, kept when --lang chose another
    bool m_FirstStart = true;
    bool m_toldNoTray = false;
    SettingsFile m_settings;
    FriendsStore m_store;
    CardSession m_session;
    SessionSignals m_signals;
    const OutputWriter m_outputWriter; // exports and prints never replace the data folder's own files
    WindowCloser m_closer;
    TGoToWeb m_goToWeb2;
    WindowPrinting m_printing;
    Exporter m_exporter;
    ContactImport m_contactImport;
    FetesFiller m_fetesFiller;
    Backgrounds m_backgrounds;
    std::unique_ptr<WindowReminders> m_reminders;
    QtTranslations m_qtTexts;
    std::unique_ptr<ZelmoraForm> m_form;
    std::unique_ptr<AboutForm> m_aboutForm;
    std::unique_ptr<OptsForm> m_optsForm;
    std::unique_ptr<LangForm> m_langForm;
    std::unique_ptr<HelpWindow> m_helpWindow;
    std::unique_ptr<SyncControl> m_syncControl;
    QSystemTrayIcon m_trayIcon;
    QFileSystemWatcher m_watcher;
    QTimer m_watchDelay; // a save is a burst of changes in the folder: look once it is over
    QTimer m_retryDelay; // a validated card waits for the folder's lock
};

} // namespace zelmora::gui
