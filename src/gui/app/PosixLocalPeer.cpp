#include "gui/app/LocalPeer.h"

#include <QDir>

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zelmora::gui {

namespace {

// A folder of this user's that nobody else may enter; a link in its place does not count.
bool isPrivateFolder(const QString& folder)
{
    struct stat info{};
    return !folder.isEmpty() && lstat(QFile::encodeName(folder).constData(), &info) == 0 && S_ISDIR(info.st_mode)
        && info.st_uid == geteuid() && (info.st_mode & 077) == 0;
}

// $XDG_RUNTIME_DIR, which the session makes for the user alone, else a folder of the
// user's own in the temporary folder.
QString privateFolder()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (isPrivateFolder(runtime)) {
        return runtime;
    }
    const QString own = QDir::tempPath() + QStringLiteral("/zelmora-") + QString::number(geteuid());
    mkdir(QFile::encodeName(own).constData(), 0700); // one that exists already is checked below
    return isPrivateFolder(own) ? own : QString();
}

} // namespace

QString privateServerName(const QString& baseName)
{
    const QString folder = privateFolder();
    return folder.isEmpty() ? QString() : folder + QLatin1Char('/') + baseName;
}

bool peerIsThisUser(qintptr descriptor)
{
    ucred peer{};
    socklen_t size = sizeof peer;
    return getsockopt(static_cast<int>(descriptor), SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0
        && peer.uid == geteuid();
}

} // namespace zelmora::gui
