#pragma once
// The reminders of the running window: the settings of Zelmora.ini and their dialog, the
// notifications of the reminders due (at start, at each new day, after each change of the
// friends; each one once, across restarts too), today's saints, and the calendar file
// kept up to date after each change of the friends.

#include "core/platform/Clock.h"
#include "core/platform/FileWriter.h"
#include "core/reminder/NotifiedRecord.h"
#include "core/settings/ExtraSettings.h"
#include "gui/app/DayWatcher.h"
#include "gui/app/ReminderNotifier.h"

#include <QObject>
#include <QPointer>

#include <filesystem>
#include <optional>

class QSystemTrayIcon;
class QWidget;

namespace zelmora::gui {

class Dialogs;
class RemindersForm;
class SessionSignals;

// What the reminders work with, all owned by the program.
struct ReminderSurroundings {
    std::filesystem::path dataFolder;
    const Clock& clock;
    Dialogs& dialogs;
    const FileWriter& writer;
    const FriendTable& friends;
    const Language& language;
    SessionSignals& session;
};

class WindowReminders : public QObject {
    Q_OBJECT

public:
    // Without `desktop` (none on this system), the tray icon's balloon tells.
    WindowReminders(const ReminderSurroundings& surroundings, DesktopNotifications* desktop, QSystemTrayIcon& tray,
                    QObject* parent = nullptr);

    // Reads Zelmora.ini, telling each bad value.
    void loadSettings();
    // Tells what is due today and today's saints, then follows the day and the friends.
    void start();
    // The reminders' dialog, modal over `parent`, and closing it as if cancelled.
    void editSettings(QWidget* parent);
    void closeSettings();

    const ExtraSettings& settings() const { return m_settings; }
    // Saves `settings` to Zelmora.ini (telling a failure) and acts on them at once.
    void chooseSettings(const ExtraSettings& settings);
    // "Zelmora", and today's saints on a second line.
    QString trayToolTip() const;
    DayWatcher& dayWatcher() { return m_dayWatcher; }
    const ReminderNotifier& notifier() const { return m_notifier; }

signals:
    // The day or the rule for 29 February changed: the dates are no longer those shown.
    void datesChanged();
    // A notification was clicked (0: it names no friend of the table).
    void friendWanted(std::uint16_t slot);

private:
    enum class Round { Day, Change };
    void remind(Round round);
    void friendsChanged();
    void writeLiveCalendar();
    // A failure that would come back at every round is said once.
    void tellOnce(bool& told, const Status& status);

    ReminderSurroundings m_surroundings;
    ExtraSettings m_settings;
    ReminderNotifier m_notifier;
    DayWatcher m_dayWatcher;
    std::optional<NotifiedRecord> m_record; // read at the first round
    bool m_started = false;
    bool m_toldRecordFailure = false;
    bool m_toldCalendarFailure = false;
    QPointer<RemindersForm> m_dialog;
};

} // namespace zelmora::gui
