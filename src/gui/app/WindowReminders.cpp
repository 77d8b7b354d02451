#include "gui/app/WindowReminders.h"

#include "core/exchange/ExchangeFiles.h"
#include "core/reminder/DueReminders.h"
#include "core/reminder/ReminderTexts.h"
#include "core/saints/TodaysSaints.h"
#include "gui/app/Dialogs.h"
#include "gui/app/RemindersForm.h"
#include "gui/app/SessionSignals.h"
#include "gui/widgets/QtText.h"

namespace zelmora::gui {

namespace {

const QString ProductName = QStringLiteral("Zelmora");

QString saintsOf(LocalDate day, Language language)
{
    return fromCp1252(todaysSaintsText(SaintsCalendar::french(), MonthDay::of(day), language));
}

} // namespace

WindowReminders::WindowReminders(const ReminderSurroundings& surroundings, DesktopNotifications* desktop,
                                 QSystemTrayIcon& tray, QObject* parent)
    : QObject(parent), m_surroundings(surroundings), m_notifier(desktop, tray, surroundings.friends),
      m_dayWatcher(surroundings.clock)
{
    connect(&m_notifier, &ReminderNotifier::friendWanted, this, &WindowReminders::friendWanted);
    connect(&m_dayWatcher, &DayWatcher::newDay, this, [this] {
        emit datesChanged();
        remind(Round::Day);
    });
    connect(&m_surroundings.session, &SessionSignals::friendsUpdated, this, &WindowReminders::friendsChanged);
}

void WindowReminders::loadSettings()
{
    const ExtraSettingsRead read = loadExtraSettings(m_surroundings.dataFolder, m_surroundings.language);
    m_settings = read.settings;
    for (const std::string& message : read.messages) {
        m_surroundings.dialogs.tell(message);
    }
}

void WindowReminders::start()
{
    m_started = true;
    m_dayWatcher.start();
    remind(Round::Day);
}

QString WindowReminders::trayToolTip() const
{
    const QString saints = saintsOf(m_surroundings.clock.today(), m_surroundings.language);
    return saints.isEmpty() ? ProductName : ProductName + QLatin1Char('\n') + saints;
}

void WindowReminders::remind(Round round)
{
    const FriendTable& friends = m_surroundings.friends;
    const Language language = m_surroundings.language;
    const LocalDate today = m_surroundings.clock.today();
    if (!m_record) {
        m_record = loadNotifiedRecord(m_surroundings.dataFolder);
    }
    const std::vector<DueReminder> unshown = m_record->takeUnshown(dueReminders(friends, today, m_settings), friends, today);
    std::vector<Notice> notices;
    for (const ReminderNotification& notification : reminderNotifications(unshown, friends, language)) {
        notices.push_back({fromCp1252(notification.title), fromCp1252(notification.text),
                           notification.slot ? listText(friends[notification.slot]) : std::string()});
    }
    // The day's greeting: at start and when a new day begins, not at every change.
    if (const QString saints = saintsOf(today, language); round == Round::Day && !saints.isEmpty()) {
        notices.push_back({ProductName, saints, {}});
    }
    m_notifier.tell(notices);
    if (!unshown.empty()) {
        tellOnce(m_toldRecordFailure,
                 saveNotifiedRecord(*m_record, m_surroundings.dataFolder, m_surroundings.writer, language));
    }
}

void WindowReminders::friendsChanged()
{
    if (!m_started) {
        return; // the friends as first read: start() tells what is due
    }
    writeLiveCalendar();
    remind(Round::Change);
}

void WindowReminders::writeLiveCalendar()
{
    if (!m_settings.liveCalendar) {
        return;
    }
    const Language language = m_surroundings.language;
    Status written = WriteLiveCalendar(m_surroundings.friends, language, m_surroundings.clock, m_settings,
                                       m_surroundings.dataFolder, m_surroundings.writer)
                         .status;
    if (!written.ok) {
        written.message = LangTextWithReason(lang::LiveCalendarNotKept, language, written.message);
    }
    tellOnce(m_toldCalendarFailure, written);
}

void WindowReminders::tellOnce(bool& told, const Status& status)
{
    if (!status.ok && !told) {
        m_surroundings.dialogs.tell(status.message);
    }
    told = !status.ok;
}

void WindowReminders::editSettings(QWidget* parent)
{
    RemindersForm dialog(m_surroundings.language, parent);
    dialog.showSettings(m_settings);
    connect(&dialog, &RemindersForm::settingsChosen, this, &WindowReminders::chooseSettings);
    m_dialog = &dialog;
    m_surroundings.dialogs.showModal(dialog);
}

void WindowReminders::closeSettings()
{
    if (m_dialog) {
        m_dialog->reject();
    }
}

void WindowReminders::chooseSettings(const ExtraSettings& settings)
{
    const Language language = m_surroundings.language;
    // Only the reminders' part: the synchronisation's account in the same file stays.
    const Status saved = changeExtraSettings(m_surroundings.dataFolder, m_surroundings.writer, language,
                                             [&](ExtraSettings& stored) {
                                                 static_cast<ReminderPlan&>(stored) = settings;
                                                 stored.liveCalendar = settings.liveCalendar;
                                             });
    if (!saved.ok) {
        m_surroundings.dialogs.tell(saved.message); // the choices still hold until the program ends
    }
    m_settings = settings;
    emit datesChanged();
    writeLiveCalendar();
    remind(Round::Change);
}

} // namespace zelmora::gui
