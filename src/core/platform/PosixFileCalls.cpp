#include "core/platform/FileCalls.h"

#include "core/platform/FileReader.h"
#include "core/platform/PendingFile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zelmora {

namespace fs = std::filesystem;

namespace {

std::string temporaryPrefix(const fs::path& target) { return "." + target.filename().string() + ".tmp-"; }

// "user bob (1001)", or "user 1001" for an id without a name.
std::string userDescription(uid_t uid)
{
    passwd entry{};
    passwd* found = nullptr;
    std::string buffer(16384, '\0');
    if (getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &found) != 0 || !found) {
        return "user " + std::to_string(uid);
    }
    return "user " + std::string(found->pw_name) + " (" + std::to_string(uid) + ")";
}

// Whether the owner of `old` could still read a file of `now`'s owner, group and mode.
bool ownerCanRead(const struct stat& old, const struct stat& now)
{
    if (now.st_uid == old.st_uid) {
        return true;
    }
    return now.st_gid == old.st_gid ? (now.st_mode & S_IRGRP) != 0 : (now.st_mode & S_IROTH) != 0;
}

} // namespace

bool isReadOnlyFile(const fs::path& file)
{
    struct stat info{};
    if (stat(file.c_str(), &info) != 0) {
        return false;
    }
    return (info.st_mode & 0222) == 0 || access(file.c_str(), W_OK) != 0;
}

namespace filecalls {

int openTemporary(const fs::path& folder, const fs::path& target, fs::path& temporary)
{
    std::string pattern = (folder / (temporaryPrefix(target) + "XXXXXX")).string();
    const int fd = mkostemp(pattern.data(), O_CLOEXEC); // readable and writable by the user only
    temporary = pattern;
    return fd;
}

bool isTemporaryName(const fs::path& name, const fs::path& target)
{
    const std::string prefix = temporaryPrefix(target);
    return name.native().starts_with(prefix) && name.native().size() == prefix.size() + 6;
}

int openInPlace(const fs::path& file) { return open(file.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY); }
int writeSome(int fd, std::string_view bytes) { return static_cast<int>(write(fd, bytes.data(), bytes.size())); }
int syncFile(int fd) { return fsync(fd); }
int closeFile(int fd) { return close(fd); }
bool moveOver(const fs::path& from, const fs::path& to) { return std::rename(from.c_str(), to.c_str()) == 0; }

void syncFolder(const fs::path& folder)
{
    // Makes the rename itself durable; a folder that cannot be opened is no reason to fail.
    const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

// Gives the new file the old one's permissions, group and owner. Only an administrator may
// give a file away, and only a member of a group may give it that group: where neither
// works, the save goes on if the old owner can still read the file, and is refused if not.
Status keepOwnership(const fs::path& target, int fd)
{
    struct stat old{};
    if (stat(target.c_str(), &old) != 0) {
        return Status::success(); // a new file: private to the user
    }
    if (old.st_uid != geteuid() || old.st_gid != getegid()) {
        if (fchown(fd, old.st_uid, old.st_gid) != 0) {
            [[maybe_unused]] const int groupOnly = fchown(fd, static_cast<uid_t>(-1), old.st_gid);
        }
    }
    fchmod(fd, old.st_mode & 07777); // after fchown, which may clear the set-id bits
    struct stat now{};
    if (fstat(fd, &now) == 0 && !ownerCanRead(old, now)) {
        return Status::failure(fileMessage("cannot write", target,
                                           "it belongs to " + userDescription(old.st_uid)
                                               + ", who could not read the file this user would write in its place"));
    }
    return Status::success();
}

std::optional<std::string> whyNotWritable(const fs::path& temporary)
{
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (fd < 0) {
        return systemErrorText(errno);
    }
    struct stat before{};
    fstat(fd, &before);
    const Status probe = writeAll(fd, std::string(1 << 16, '\0'));
    [[maybe_unused]] const int restored = ftruncate(fd, before.st_size);
    close(fd);
    return probe.ok ? std::nullopt : std::optional<std::string>(probe.message);
}

std::optional<std::string> foreignLinkOwner(const fs::path& link)
{
    struct stat info{};
    if (lstat(link.c_str(), &info) != 0 || info.st_uid == geteuid() || info.st_uid == 0) {
        return std::nullopt;
    }
    return userDescription(info.st_uid);
}

std::optional<std::string> foreignFileOwner(const fs::path& path)
{
    struct stat info{};
    if (stat(path.c_str(), &info) != 0 || info.st_uid == geteuid()) {
        return std::nullopt;
    }
    return userDescription(info.st_uid);
}

} // namespace filecalls
} // namespace zelmora
