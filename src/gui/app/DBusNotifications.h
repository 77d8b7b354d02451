#pragma once
// Notifications through the freedesktop.org service on the session bus
// (org.freedesktop.Notifications): sent without waiting for the answer, clicked through
// the "default" action.

#include "gui/app/DesktopNotifications.h"

#include <QDBusConnection>

#include <functional>
#include <map>
#include <optional>

namespace zelmora::gui {

class DBusNotifications : public DesktopNotifications {
    Q_OBJECT

public:
    // The bus is reached at the first notification: a start with nothing to tell never waits for it.
    explicit DBusNotifications(std::function<QDBusConnection()> connectBus, QObject* parent = nullptr);

    // The service is running, or the bus starts it on demand.
    bool available() override;
    void show(const QString& title, const QString& text, int tag) override;

private slots:
    // The bus's signals, for every program's notifications: only ours are followed.
    void ActionInvoked(uint id, const QString& action);
    void NotificationClosed(uint id, uint reason);

private:
    QDBusConnection& bus();

    std::function<QDBusConnection()> m_connectBus;
    std::optional<QDBusConnection> m_bus;
    std::map<uint, int> m_tags; // the service's numbers of the notifications still shown
};

} // namespace zelmora::gui
