#include "gui/app/ReminderNotifier.h"

#include "gui/appearance/ProgramIcon.h"

#include <QStringList>
#include <QSystemTrayIcon>

namespace zelmora::gui {

namespace {

constexpr int BalloonMilliseconds = 60000;

} // namespace

ReminderNotifier::ReminderNotifier(DesktopNotifications* desktop, QSystemTrayIcon& tray, const FriendTable& friends,
                                   QObject* parent)
    : QObject(parent), m_desktop(desktop), m_tray(tray), m_friends(friends)
{
    if (m_desktop) {
        connect(m_desktop, &DesktopNotifications::activated, this, &ReminderNotifier::activate);
        connect(m_desktop, &DesktopNotifications::failed, this, &ReminderNotifier::refused);
    }
    connect(&m_tray, &QSystemTrayIcon::messageClicked, this, [this] {
        if (!m_balloonTags.empty()) {
            activate(m_balloonTags.front());
        }
    });
}

void ReminderNotifier::tell(const std::vector<Notice>& notices)
{
    if (notices.empty()) {
        return;
    }
    const int first = static_cast<int>(m_told.size());
    for (const Notice& notice : notices) {
        m_told.push_back({notice, first});
    }
    const int end = static_cast<int>(m_told.size());
    if (m_desktop && m_desktop->available()) {
        for (int tag = first; tag < end; ++tag) {
            m_desktop->show(m_told[tag].notice.title, m_told[tag].notice.text, tag);
        }
    } else {
        m_balloonTags.clear();
        for (int tag = first; tag < end; ++tag) {
            m_balloonTags.push_back(tag);
        }
        showBalloon();
    }
}

void ReminderNotifier::refused(int tag)
{
    // The refusals of one telling come one by one: each makes the balloon longer.
    const int telling = m_told[tag].firstOfItsTelling;
    if (m_balloonTags.empty() || m_told[m_balloonTags.front()].firstOfItsTelling != telling) {
        m_balloonTags.clear();
    }
    m_balloonTags.push_back(tag);
    showBalloon();
}

void ReminderNotifier::showBalloon()
{
    if (!m_tray.isVisible()) {
        return; // no icon to speak from: the window itself shows the dates
    }
    QStringList lines;
    for (const int tag : m_balloonTags) {
        lines << m_told[tag].notice.text;
    }
    m_balloonShown = lines.join(QLatin1Char('\n'));
    m_tray.showMessage(m_told[m_balloonTags.front()].notice.title, m_balloonShown, programIcon(), BalloonMilliseconds);
}

void ReminderNotifier::activate(int tag)
{
    if (tag < 0 || tag >= static_cast<int>(m_told.size())) {
        return; // not one of ours
    }
    const std::string& name = m_told[tag].notice.friendName;
    emit friendWanted(name.empty() ? 0 : m_friends.FindFriend(name));
}

} // namespace zelmora::gui
