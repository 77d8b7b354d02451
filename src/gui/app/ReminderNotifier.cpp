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
        connect(m_desktop, &DesktopNotifications::failed, this, [this](int tag) { showBalloon(tag, 1); });
    }
    connect(&m_tray, &QSystemTrayIcon::messageClicked, this, [this] { activate(m_balloonTag); });
}

void ReminderNotifier::tell(const std::vector<Notice>& notices)
{
    if (notices.empty()) {
        return;
    }
    const int first = static_cast<int>(m_told.size());
    m_told.insert(m_told.end(), notices.begin(), notices.end());
    if (!m_desktop || !m_desktop->available()) {
        showBalloon(first, static_cast<int>(notices.size()));
        return;
    }
    for (int tag = first; tag < static_cast<int>(m_told.size()); ++tag) {
        m_desktop->show(m_told[tag].title, m_told[tag].text, tag);
    }
}

void ReminderNotifier::showBalloon(int firstTag, int count)
{
    if (!m_tray.isVisible()) {
        return; // no icon to speak from: the window itself shows the dates
    }
    QStringList lines;
    for (int tag = firstTag; tag < firstTag + count; ++tag) {
        lines << m_told[tag].text;
    }
    m_balloonTag = firstTag;
    m_balloonShown = lines.join(QLatin1Char('\n'));
    m_tray.showMessage(m_told[firstTag].title, m_balloonShown, programIcon(), BalloonMilliseconds);
}

void ReminderNotifier::activate(int tag)
{
    if (tag < 0 || tag >= static_cast<int>(m_told.size())) {
        return;
    }
    const std::string& name = m_told[tag].friendName;
    emit friendWanted(name.empty() ? 0 : m_friends.FindFriend(name));
}

} // namespace zelmora::gui
