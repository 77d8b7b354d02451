#include "core/platform/LockFile.h"

#include "core/platform/FileReader.h"
#include "core/platform/OwnLinks.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zelmora {

Status LockFile::open(const std::filesystem::path& file)
{
    close();
    const FollowedLinks followed = followOwnLinks(file);
    if (followed.refusal) {
        return Status::failure(fileMessage("cannot open", file, *followed.refusal));
    }
    // Never waits on a FIFO, never follows a link put in the place of the checked ones.
    // Read access is enough for flock, which lets a group share a folder whose lock file
    // one member made.
    constexpr int Flags = O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY;
    int fd = ::open(followed.file.c_str(), O_RDWR | O_CREAT | Flags, 0644);
    if (fd < 0 && errno == EACCES) {
        fd = ::open(followed.file.c_str(), O_RDONLY | Flags);
    }
    if (fd < 0) {
        return Status::failure(fileMessage("cannot open", file, systemErrorText(errno)));
    }
    struct stat info{};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return Status::failure(fileMessage("cannot open", file, "it is not a regular file"));
    }
    m_handle = fd;
    return Status::success();
}

LockFile::Attempt LockFile::tryLock(std::string& reason)
{
    while (flock(static_cast<int>(m_handle), LOCK_EX | LOCK_NB) != 0) {
        if (errno == EWOULDBLOCK) {
            return Attempt::Busy;
        }
        if (errno != EINTR) {
            reason = systemErrorText(errno);
            return Attempt::Failed;
        }
    }
    return Attempt::Taken;
}

void LockFile::close()
{
    if (m_handle != NoHandle) {
        ::close(static_cast<int>(m_handle));
        m_handle = NoHandle;
    }
}

} // namespace zelmora
