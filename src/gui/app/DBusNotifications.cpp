#include "gui/app/DBusNotifications.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace zelmora::gui {

namespace {

const QString Service = QStringLiteral("org.freedesktop.Notifications");
const QString Path = QStringLiteral("/org/freedesktop/Notifications");
const QString DefaultAction = QStringLiteral("default"); // what a click on the notification invokes
constexpr int ServersDefaultTimeout = -1;

} // namespace

std::unique_ptr<DesktopNotifications> makeSystemNotifications()
{
    return std::make_unique<DBusNotifications>([] { return QDBusConnection::sessionBus(); });
}

DBusNotifications::DBusNotifications(std::function<QDBusConnection()> connectBus, QObject* parent)
    : DesktopNotifications(parent), m_connectBus(std::move(connectBus))
{
}

QDBusConnection& DBusNotifications::bus()
{
    if (!m_bus) {
        m_bus = m_connectBus();
        // From any sender: the service may start, or start again, after us.
        m_bus->connect(QString(), Path, Service, QStringLiteral("ActionInvoked"), this,
                       SLOT(ActionInvoked(uint, QString)));
        m_bus->connect(QString(), Path, Service, QStringLiteral("NotificationClosed"), this,
                       SLOT(NotificationClosed(uint, uint)));
    }
    return *m_bus;
}

bool DBusNotifications::available()
{
    QDBusConnectionInterface* service = bus().isConnected() ? bus().interface() : nullptr;
    return service && (service->isServiceRegistered(Service).value()
                       || service->activatableServiceNames().value().contains(Service));
}

void DBusNotifications::show(const QString& title, const QString& text, int tag)
{
    QDBusMessage notify = QDBusMessage::createMethodCall(Service, Path, Service, QStringLiteral("Notify"));
    notify << QStringLiteral("Zelmora") << 0u << QStringLiteral("zelmora") << title
           << text.toHtmlEscaped() // the body may hold markup: a "&" in a reason must stay one
           << QStringList{DefaultAction, QStringLiteral("Zelmora")}
           << QVariantMap{{QStringLiteral("desktop-entry"), QStringLiteral("zelmora")}} << ServersDefaultTimeout;
    // The answer comes later: the window never waits for the desktop.
    auto* call = new QDBusPendingCallWatcher(bus().asyncCall(notify), this);
    connect(call, &QDBusPendingCallWatcher::finished, this, [this, tag](QDBusPendingCallWatcher* finished) {
        const QDBusPendingReply<uint> reply = *finished;
        finished->deleteLater();
        if (reply.isError()) {
            emit failed(tag);
        } else {
            m_tags[reply.value()] = tag;
        }
    });
}

void DBusNotifications::ActionInvoked(uint id, const QString& action)
{
    const auto shown = m_tags.find(id);
    if (shown != m_tags.end() && action == DefaultAction) {
        emit activated(shown->second);
    }
}

void DBusNotifications::NotificationClosed(uint id, uint) { m_tags.erase(id); }

} // namespace zelmora::gui
