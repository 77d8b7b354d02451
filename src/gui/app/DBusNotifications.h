#pragma once
// Notifications through the freedesktop.org service on the session bus
// (org.freedesktop.Notifications): sent without waiting for the answer, clicked through
// the "default" action.

#include "gui/app/DesktopNotifications.h"

#include <QDBusConnection>

#include <map>

namespace zelmora::gui {

class DBusNotifications : public DesktopNotifications {
    Q_OBJECT

public:
    explicit DBusNotifications(const QDBusConnection& bus, QObject* parent = nullptr);

    // The service is running, or the bus starts it on demand.
    bool available() override;
    void show(const QString& title, const QString& text, int tag) override;

private slots:
    // The bus's signals, for every program's notifications: only ours are followed.
    void ActionInvoked(uint id, const QString& action);
    void NotificationClosed(uint id, uint reason);

private:
    QDBusConnection m_bus;
    std::map<uint, int> m_tags; // the service's numbers of the notifications still shown
};

} // namespace zelmora::gui
