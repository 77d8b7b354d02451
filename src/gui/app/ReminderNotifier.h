#pragma once
// The one road by which the running window tells its user of a date: the reminders due
// and today's saints go to the desktop's notifications, or, where the desktop has none,
// into one balloon of the tray icon. A click on one asks for the friend it names.

#include "core/data/FriendTable.h"
#include "gui/app/DesktopNotifications.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <string>
#include <vector>

class QSystemTrayIcon;

namespace zelmora::gui {

struct Notice {
    QString title;
    QString text;
    std::string friendName; // the friend's list text (Windows-1252); empty when it names none
};

class ReminderNotifier : public QObject {
    Q_OBJECT

public:
    // Without `desktop` (none on this system), the tray icon's balloon tells.
    ReminderNotifier(DesktopNotifications* desktop, QSystemTrayIcon& tray, const FriendTable& friends,
                     QObject* parent = nullptr);

    // One notification per notice on the desktop, or all of them in one balloon: a
    // balloon replaces the one before. Those the desktop refuses go into one balloon too.
    void tell(const std::vector<Notice>& notices);
    // The text of the last balloon shown, empty for none.
    const QString& balloonShown() const { return m_balloonShown; }

signals:
    // A notice was clicked: the slot its friend has now, 0 when it names none (or a friend
    // deleted since).
    void friendWanted(std::uint16_t slot);

private:
    void refused(int tag);
    void showBalloon();
    void activate(int tag);

    struct Told {
        Notice notice;
        int firstOfItsTelling; // the tag of the first notice told with it
    };

    DesktopNotifications* m_desktop;
    QSystemTrayIcon& m_tray;
    const FriendTable& m_friends;
    std::vector<Told> m_told; // a notice's tag is its place here
    std::vector<int> m_balloonTags;
    QString m_balloonShown;
};

} // namespace zelmora::gui
