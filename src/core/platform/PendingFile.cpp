#include "core/platform/PendingFile.h"

#include "core/platform/FileReader.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace zelmora {

namespace fs = std::filesystem;

namespace {

#ifdef _WIN32
std::wstring temporaryPrefix(const fs::path& target) { return target.filename().wstring() + L".tmp"; }
int openTemporary(const fs::path& folder, const fs::path& target, fs::path& temporary)
{
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        temporary = folder / (temporaryPrefix(target) + std::to_wstring(GetCurrentProcessId()) + L"-"
                              + std::to_wstring(attempt));
        const int fd = _wopen(temporary.c_str(), _O_CREAT | _O_EXCL | _O_RDWR | _O_BINARY, _S_IREAD | _S_IWRITE);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}
bool isTemporaryName(const std::wstring& name, const fs::path& target)
{
    const std::wstring prefix = temporaryPrefix(target);
    return name.starts_with(prefix) && name.size() > prefix.size()
        && name.find_first_not_of(L"0123456789-", prefix.size()) == std::wstring::npos;
}
int openInPlace(const fs::path& file) { return _wopen(file.c_str(), _O_WRONLY | _O_BINARY); }
int writeSome(int fd, std::string_view bytes) { return _write(fd, bytes.data(), static_cast<unsigned>(bytes.size())); }
int syncFile(int fd) { return _commit(fd); }
int closeFile(int fd) { return _close(fd); }
bool moveOver(const fs::path& from, const fs::path& to)
{
    return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
void syncFolder(const fs::path&) {} // MOVEFILE_WRITE_THROUGH already waits for the rename
Status keepOwnership(const fs::path&, int) { return Status::success(); } // the folder's ACL decides
#else
std::string temporaryPrefix(const fs::path& target) { return "." + target.filename().string() + ".tmp-"; }
int openTemporary(const fs::path& folder, const fs::path& target, fs::path& temporary)
{
    std::string pattern = (folder / (temporaryPrefix(target) + "XXXXXX")).string();
    const int fd = mkostemp(pattern.data(), O_CLOEXEC); // readable and writable by the user only
    temporary = pattern;
    return fd;
}
bool isTemporaryName(const std::string& name, const fs::path& target)
{
    const std::string prefix = temporaryPrefix(target);
    return name.starts_with(prefix) && name.size() == prefix.size() + 6;
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

// Whether the owner of `old` could still read a file of `now`'s owner, group and mode.
bool ownerCanRead(const struct stat& old, const struct stat& now)
{
    if (now.st_uid == old.st_uid) {
        return true;
    }
    return now.st_gid == old.st_gid ? (now.st_mode & S_IRGRP) != 0 : (now.st_mode & S_IROTH) != 0;
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
                                           "it belongs to user " + std::to_string(old.st_uid)
                                               + ", who could not read the file this user would write in its place"));
    }
    return Status::success();
}
#endif

Status systemFailure() { return Status::failure(systemErrorText(errno)); }

} // namespace

fs::path finalTarget(const fs::path& target)
{
    fs::path file = target;
    std::error_code error;
    for (int hops = 0; hops < 40 && fs::is_symlink(file, error); ++hops) {
        const fs::path link = fs::read_symlink(file, error);
        if (error) {
            break;
        }
        file = link.is_absolute() ? link : file.parent_path() / link;
    }
    return file;
}

bool isReadOnlyFile(const fs::path& file)
{
#ifdef _WIN32
    const DWORD attributes = GetFileAttributesW(file.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
#else
    struct stat info{};
    if (stat(file.c_str(), &info) != 0) {
        return false;
    }
    return (info.st_mode & 0222) == 0 || access(file.c_str(), W_OK) != 0;
#endif
}

TargetKind targetKind(const fs::path& file, std::string& reason)
{
    std::error_code error;
    const fs::file_status status = fs::status(file, error);
    if (status.type() == fs::file_type::not_found) {
        return TargetKind::Missing;
    }
    if (error) {
        reason = error.message();
        return TargetKind::Unusable;
    }
    if (status.type() == fs::file_type::directory) {
        reason = "it is a folder";
        return TargetKind::Unusable;
    }
    return status.type() == fs::file_type::regular ? TargetKind::Regular : TargetKind::Special;
}

Status writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const int written = writeSome(fd, bytes.substr(0, std::size_t{1} << 20));
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return systemFailure();
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return Status::success();
}

Status PendingFile::open(const fs::path& target)
{
    discard();
    std::string reason;
    const TargetKind kind = targetKind(target, reason);
    if (kind == TargetKind::Unusable) {
        return Status::failure(fileMessage("cannot write", target, reason));
    }
    m_special = kind == TargetKind::Special;
    // A device is opened by the name given: /dev/stdout links to names that are no paths.
    m_target = m_special ? target : finalTarget(target);
    if (!m_special && isReadOnlyFile(m_target)) {
        return Status::failure(fileMessage("cannot write", m_target, "the file is read-only"));
    }
    const fs::path folder = m_special ? fs::temp_directory_path() : m_target.parent_path();
    m_fd = openTemporary(folder, m_target, m_temporary);
    if (m_fd < 0) {
        return Status::failure(fileMessage("cannot create a file in", folder.empty() ? "." : folder,
                                           systemErrorText(errno)));
    }
    if (!m_special) {
        if (Status kept = keepOwnership(m_target, m_fd); !kept.ok) {
            discard();
            return kept;
        }
    }
    return Status::success();
}

Status PendingFile::commit(Flush flush)
{
    if (!isOpen()) {
        return Status::failure(fileMessage("cannot write", m_target, "nothing was written"));
    }
    Status step;
    if (m_special) {
        const FileContents contents = readWholeFile(m_temporary);
        step = contents.state == FileContents::State::Read ? writeInPlace(m_target, contents.bytes)
                                                            : Status::failure(contents.message);
        discard();
        return step;
    }
    if (flush == Flush::ToDisk && syncFile(m_fd) != 0) {
        step = systemFailure();
    }
    if (closeFile(m_fd) != 0 && step.ok) {
        step = systemFailure();
    }
    m_fd = -1;
    if (step.ok && !moveOver(m_temporary, m_target)) {
        step = systemFailure();
    }
    if (!step.ok) {
        discard();
        return Status::failure(fileMessage("cannot write", m_target, step.message));
    }
    m_temporary.clear();
    if (flush == Flush::ToDisk) {
        syncFolder(m_target.parent_path());
    }
    return step;
}

void PendingFile::discard()
{
    if (m_fd >= 0) {
        closeFile(m_fd);
        m_fd = -1;
    }
    if (!m_temporary.empty()) {
        std::error_code ignored;
        fs::remove(m_temporary, ignored);
        m_temporary.clear();
    }
}

std::string PendingFile::whyNotWritable() const
{
    const std::string unknown = "the document was written only in part";
#ifdef _WIN32
    return unknown;
#else
    const int fd = ::open(m_temporary.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (fd < 0) {
        return systemErrorText(errno);
    }
    struct stat before{};
    fstat(fd, &before);
    const Status probe = writeAll(fd, std::string(1 << 16, '\0'));
    [[maybe_unused]] const int restored = ftruncate(fd, before.st_size);
    close(fd);
    return probe.ok ? unknown : probe.message;
#endif
}

Status writeInPlace(const fs::path& target, std::string_view bytes, const ChunkWriter& writeChunk)
{
    const int fd = openInPlace(target);
    if (fd < 0) {
        return Status::failure(fileMessage("cannot write", target, systemErrorText(errno)));
    }
    Status written = writeChunk(fd, bytes);
    if (closeFile(fd) != 0 && written.ok) {
        written = systemFailure();
    }
    return written.ok ? written : Status::failure(fileMessage("cannot write", target, written.message));
}

void removeStaleTemporaries(const fs::path& target)
{
    std::error_code error;
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
        if (entry->is_regular_file(error) && isTemporaryName(entry->path().filename().native(), target)) {
            fs::remove(entry->path(), error);
        }
    }
}

} // namespace zelmora
