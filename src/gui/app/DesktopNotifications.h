#pragma once
// The desktop's own notifications, which stay in its list until the user reads them.
// Behind an interface: the freedesktop.org service on Linux, none on Windows (the tray
// icon's balloon tells instead), a recorder in tests.

#include <QObject>
#include <QString>

#include <memory>

namespace zelmora::gui {

class DesktopNotifications : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // Whether a notification service is there to show them now.
    virtual bool available() = 0;
    // Asks for one notification. `tag` comes back through activated() when the user
    // clicks it, or through failed() when the service refused it.
    virtual void show(const QString& title, const QString& text, int tag) = 0;

signals:
    void activated(int tag);
    void failed(int tag);
};

// The system's service; nothing where the system has none.
std::unique_ptr<DesktopNotifications> makeSystemNotifications();

} // namespace zelmora::gui
