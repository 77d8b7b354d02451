// The desktop's notifications through a bus of the test's own: a dbus-daemon started for
// each test, on which a recorder owns org.freedesktop.Notifications.

#include "WindowFixture.h"

#include "gui/app/DBusNotifications.h"
#include "gui/app/DatesPage.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusError>
#include <QDBusMessage>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTabWidget>

#include <fstream>

namespace zelmora::test {
namespace {

const QString Service = QStringLiteral("org.freedesktop.Notifications");
const QString Path = QStringLiteral("/org/freedesktop/Notifications");

struct NotifyCall {
    QString application;
    uint replaces;
    QString icon;
    QString summary;
    QString body;
    QStringList actions;
    QVariantMap hints;
    int timeout;
};

// Stands for the desktop's notification service: records every call, answers with numbers
// of its own, or refuses.
class NotificationRecorder : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    explicit NotificationRecorder(const QDBusConnection& bus) : m_bus(bus) {}

    // The user clicks notification `id`, or the desktop closes it.
    void invoke(uint id) { emitSignal(QStringLiteral("ActionInvoked"), {id, QStringLiteral("default")}); }
    void close(uint id) { emitSignal(QStringLiteral("NotificationClosed"), {id, 2u}); }

    std::vector<NotifyCall> calls;
    bool refuse = false;

public slots:
    uint Notify(const QString& application, uint replaces, const QString& icon, const QString& summary,
                const QString& body, const QStringList& actions, const QVariantMap& hints, int timeout)
    {
        if (refuse) {
            sendErrorReply(QDBusError::AccessDenied, QStringLiteral("not now"));
            return 0;
        }
        calls.push_back({application, replaces, icon, summary, body, actions, hints, timeout});
        return static_cast<uint>(calls.size()) + 40;
    }

private:
    void emitSignal(const QString& name, const QVariantList& arguments)
    {
        QDBusMessage signal = QDBusMessage::createSignal(Path, Service, name);
        signal.setArguments(arguments);
        m_bus.send(signal);
    }

    QDBusConnection m_bus;
};

// A session bus of the test's own, with no service that starts on demand.
class PrivateBus {
public:
    explicit PrivateBus(const TempFolder& folder)
    {
        const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
        if (daemon.isEmpty()) {
            return;
        }
        const std::filesystem::path config = folder / "bus.conf";
        std::ofstream(config) << "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-BUS Bus Configuration 1.0//EN\"\n"
                                 " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                                 "<busconfig><type>session</type><listen>unix:dir="
                              << folder.path().string()
                              << "</listen><auth>EXTERNAL</auth><policy context=\"default\">"
                                 "<allow send_destination=\"*\" eavesdrop=\"true\"/><allow eavesdrop=\"true\"/>"
                                 "<allow own=\"*\"/></policy></busconfig>\n";
        m_daemon.start(daemon, {QStringLiteral("--config-file=") + QString::fromStdString(config.string()),
                                QStringLiteral("--nofork"), QStringLiteral("--print-address")});
        if (m_daemon.waitForReadyRead(10000)) {
            m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
        }
    }
    ~PrivateBus()
    {
        for (const QString& name : m_connections) {
            QDBusConnection::disconnectFromBus(name);
        }
        m_daemon.terminate();
        m_daemon.waitForFinished();
    }
    bool running() const { return !m_address.isEmpty(); }
    // A connection of its own for each side, as two programs would have.
    QDBusConnection connect(const QString& name)
    {
        m_connections << name;
        return QDBusConnection::connectToBus(m_address, name);
    }

private:
    QProcess m_daemon;
    QString m_address;
    QStringList m_connections;
};

class DesktopBus : public WindowFixture {
protected:
    void SetUp() override
    {
        if (!bus.running()) {
            GTEST_SKIP() << "no dbus-daemon here (Debian package dbus-daemon): the notification service cannot be faked";
        }
        ASSERT_TRUE(desktopSide.isConnected() && programSide.isConnected());
    }
    void TearDown() override { app.reset(); } // before the bus it was given goes
    // The recorder takes the service's name.
    void startService()
    {
        ASSERT_TRUE(desktopSide.registerObject(Path, &recorder, QDBusConnection::ExportAllSlots));
        ASSERT_TRUE(desktopSide.registerService(Service));
    }
    bool waitForCalls(std::size_t count)
    {
        return QTest::qWaitFor([&] { return recorder.calls.size() >= count; }, 5000);
    }

    PrivateBus bus{folder};
    QDBusConnection desktopSide = bus.connect(QStringLiteral("desktop"));
    QDBusConnection programSide = bus.connect(QStringLiteral("program"));
    NotificationRecorder recorder{desktopSide};
    gui::DBusNotifications sender{[this] { return programSide; }};
};

TEST_F(DesktopBus, EachNotificationIsSentWithItsDefaultActionAndComesBackWhenClicked)
{
    EXPECT_FALSE(sender.available()); // nobody owns the name yet
    startService();
    EXPECT_TRUE(sender.available());
    QSignalSpy activated(&sender, &gui::DesktopNotifications::activated);
    sender.show(QStringLiteral("Dates to celebrate"), QStringLiteral("Today: O'BRIEN Kate, Wedding <3 & more"), 7);
    ASSERT_TRUE(waitForCalls(1));
    const NotifyCall& call = recorder.calls[0];
    EXPECT_EQ(call.application, QStringLiteral("Zelmora"));
    EXPECT_EQ(call.replaces, 0u);
    EXPECT_EQ(call.summary, QStringLiteral("Dates to celebrate"));
    EXPECT_EQ(call.body, QStringLiteral("Today: O'BRIEN Kate, Wedding &lt;3 &amp; more")); // the body is markup
    EXPECT_EQ(call.actions, (QStringList{QStringLiteral("default"), QStringLiteral("Zelmora")}));
    EXPECT_EQ(call.hints.value(QStringLiteral("desktop-entry")).toString(), QStringLiteral("zelmora"));
    EXPECT_EQ(call.timeout, -1);

    // The service's answer reaches the program before anything the service sends later.
    recorder.invoke(99); // another program's notification
    recorder.invoke(41);
    ASSERT_TRUE(activated.wait(5000));
    EXPECT_EQ(activated.takeFirst().at(0).toInt(), 7);

    recorder.close(41);
    recorder.invoke(41); // closed: no longer ours
    sender.show(QStringLiteral("Zelmora"), QStringLiteral("Today's saints: Romaric"), 8);
    ASSERT_TRUE(waitForCalls(2));
    recorder.invoke(42);
    ASSERT_TRUE(activated.wait(5000));
    EXPECT_EQ(activated.size(), 1);
    EXPECT_EQ(activated.takeFirst().at(0).toInt(), 8);
}

TEST_F(DesktopBus, ARefusedNotificationFails)
{
    startService();
    recorder.refuse = true;
    QSignalSpy failed(&sender, &gui::DesktopNotifications::failed);
    sender.show(QStringLiteral("Zelmora"), QStringLiteral("Today's saints: Romaric"), 3);
    ASSERT_TRUE(failed.wait(5000));
    EXPECT_EQ(failed.takeFirst().at(0).toInt(), 3);
}

TEST_F(DesktopBus, TheWindowTellsTheDesktopAndAClickShowsTheFriendsLine)
{
    startService();
    desktop = &sender;
    writeSettings("00100"); // hidden in the tray
    writeFriends({person("ARNAUD", "Anne", {{FriendField::Anniversaire, "20/12/1980"}}),
                  person("DUPONT", "Jean", {{FriendField::Anniversaire, "08/12/1990"}})});
    launch();
    ASSERT_TRUE(waitForCalls(2));
    EXPECT_EQ(recorder.calls[0].body, QStringLiteral("Today: DUPONT Jean, Birthday (36 years)"));
    EXPECT_EQ(recorder.calls[1].body, QStringLiteral("Today's saints: Romaric"));

    recorder.invoke(41);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window().isVisible(); }, 5000));
    EXPECT_EQ(window().ListeChoix->currentWidget(), window().datesPage);
    EXPECT_EQ(window().datesPage->readOnlyText(FriendField::Nom), QStringLiteral("DUPONT"));
}

} // namespace
} // namespace zelmora::test

#include "TestDBusNotifications.moc"
