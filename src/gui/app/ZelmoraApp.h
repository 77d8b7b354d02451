#pragma once
// The window program as a whole: it owns the program-wide objects (friends, dates list,
// options, files, printing, the windows), runs the start-up in its fixed order and does
// what closing the main window asks. Tests build one on a folder and dialogs of their own.

#include "core/card/CardEditor.h"
#include "core/card/DatabaseStore.h"
#include "core/card/WindowCloser.h"
#include "core/platform/Clock.h"
#include "core/platform/FileWriter.h"
#include "core/reminder/DatesList.h"
#include "core/report/TBxPrinter.h"
#include "core/report/TPrtForm.h"
#include "core/settings/SettingsFile.h"
#include "core/web/GoToWeb.h"
#include "gui/app/Dialogs.h"
#include "gui/app/Exporter.h"
#include "gui/report/CardPrinting.h"
#include "gui/report/QtPrintPlatform.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

#include <filesystem>
#include <memory>
#include <optional>

namespace zelmora::gui {

class ZelmoraForm;

// What the program is given from outside: tests give their own.
struct WindowEnvironment {
    std::filesystem::path dataFolder;
    const Clock& clock;
    Dialogs& dialogs;
    const WebLauncher& webLauncher;
    const FileOpener& fileOpener;
    std::optional<Language> language; // chosen on the command line, for this run only
};

class ZelmoraApp : public QObject, private CloseSteps {
    Q_OBJECT

public:
    explicit ZelmoraApp(const WindowEnvironment& environment);
    ~ZelmoraApp() override;

    // Settings and language, the friends and the dates to celebrate, then the main window.
    void start();
    // Brings the main window to the front, out of the tray if need be.
    void showMainWindow();

    ZelmoraForm& mainWindow() { return *m_form; }
    FriendTable& table() { return m_table; }
    const DisplayOptions& displayOptions() const { return m_display; }
    const ProgramOptions& programOptions() const { return m_options; }

private:
    void LoadSettings();
    void LoadDatabase();
    void ApplyLanguage();
    void connectMainWindow();
    void saveDisplayOptions();
    void readFileAgainIfChanged();
    void tellIfFailed(const Status& status);

    void settlePendingEdit() override;
    SaveOutcome saveSettings() override;
    SaveOutcome saveDatabase() override;

    const WindowEnvironment& m_environment;
    const AtomicFileWriter m_writer;
    ProgramOptions m_options;
    Language m_storedLanguage = Language::English; // what the settings file said, kept when --lang chose another
    SettingsFile m_settings;
    FriendTable m_table;
    DisplayOptions m_display;
    DatesList m_dates;
    DatabaseFile m_database;
    DatabaseStore m_store;
    CardEditor m_editor;
    WindowCloser m_closer;
    TGoToWeb m_goToWeb2;
    QtPrintPlatform m_printPlatform;
    report::BxPlatformInstallation m_printInstallation;
    report::TPrtForm m_prtForm;
    CardPrinter m_cardPrinter;
    Exporter m_exporter;
    std::unique_ptr<ZelmoraForm> m_form;
    QFileSystemWatcher m_watcher;
    QTimer m_watchDelay; // a save is a burst of changes in the folder: look once it is over
};

} // namespace zelmora::gui
