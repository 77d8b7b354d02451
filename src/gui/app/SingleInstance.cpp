#include "gui/app/SingleInstance.h"

#include "gui/app/LocalPeer.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>

namespace zelmora::gui {

namespace {

constexpr int WaitMs = 1000;
const QByteArray ShowMessage = QByteArrayLiteral("show\n");

// A name of its own for each folder and user; socket names have a short limit.
QString serverName(const std::filesystem::path& dataFolder)
{
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::weakly_canonical(dataFolder, error);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(QByteArray::fromStdString((error ? dataFolder : folder).string()));
    hash.addData(QDir::homePath().toUtf8());
    return QStringLiteral("zelmora-") + QString::fromLatin1(hash.result().toHex().left(24));
}

} // namespace

SingleInstance::SingleInstance(const std::filesystem::path& dataFolder, QObject* parent)
    : QObject(parent), m_name(privateServerName(serverName(dataFolder)))
{
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server.nextPendingConnection()) {
            if (!peerIsThisUser(socket->socketDescriptor())) {
                socket->abort(); // another user's program has nothing to ask of this window
                socket->deleteLater();
                continue;
            }
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->readAll().contains(ShowMessage)) {
                    emit showRequested();
                }
                socket->disconnectFromServer();
            });
        }
    });
}

bool SingleInstance::askRunningWindowToShow() const
{
    if (m_name.isEmpty()) {
        return false;
    }
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(WaitMs) || !peerIsThisUser(socket.socketDescriptor())) {
        return false; // no window, or a listener of another user's: this one starts
    }
    socket.write(ShowMessage);
    socket.waitForBytesWritten(WaitMs);
    socket.waitForDisconnected(WaitMs);
    return true;
}

bool SingleInstance::listen()
{
    if (m_name.isEmpty()) {
        return false;
    }
    if (m_server.listen(m_name)) {
        return true;
    }
    // A window that ended without closing its server leaves the name behind, as does
    // a listener that is not ours.
    QLocalServer::removeServer(m_name);
    return m_server.listen(m_name);
}

} // namespace zelmora::gui
