#include "core/platform/FileWriter.h"

#include "core/platform/FileReader.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
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

std::string describe(const fs::path& file, std::string_view what, int error)
{
    return fileMessage(what, file, systemErrorText(error));
}

#ifdef _WIN32
int openTemporary(const fs::path& target, fs::path& temporary)
{
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        temporary = target;
        temporary += L".tmp" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(attempt);
        const int fd = _wopen(temporary.c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY, _S_IREAD | _S_IWRITE);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}
int syncFile(int fd) { return _commit(fd); }
int closeFile(int fd) { return _close(int(fd)); }
bool moveOver(const fs::path& from, const fs::path& to)
{
    return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
void syncFolder(const fs::path&) {} // MOVEFILE_WRITE_THROUGH already waits for the rename
#else
int openTemporary(const fs::path& target, fs::path& temporary)
{
    std::string pattern = (target.parent_path() / ("." + target.filename().string() + ".tmp-XXXXXX")).string();
    const int fd = mkstemp(pattern.data()); // created readable and writable by the user only
    temporary = pattern;
    return fd;
}
int syncFile(int fd) { return fsync(fd); }
int closeFile(int fd) { return close(fd); }
bool moveOver(const fs::path& from, const fs::path& to) { return std::rename(from.c_str(), to.c_str()) == 0; }
void syncFolder(const fs::path& folder)
{
    // Makes the rename itself durable; a folder that cannot be opened is no reason to fail.
    const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}
#endif

// Keeps the permissions the user gave an existing file.
void copyPermissions(const fs::path& from, int toFd)
{
#ifndef _WIN32
    struct stat info{};
    if (stat(from.c_str(), &info) == 0) {
        fchmod(toFd, info.st_mode & 07777);
    }
#else
    (void)from;
    (void)toFd;
#endif
}

} // namespace

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

Status AtomicFileWriter::writeChunk(int fd, std::string_view bytes) const
{
    while (!bytes.empty()) {
#ifdef _WIN32
        const auto written = _write(fd, bytes.data(), static_cast<unsigned>(bytes.size()));
#else
        const auto written = write(fd, bytes.data(), bytes.size());
#endif
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return Status::failure(systemErrorText(errno));
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return Status::success();
}

Status AtomicFileWriter::replace(const fs::path& target, std::string_view bytes) const
{
    if (isReadOnlyFile(target)) {
        return Status::failure(fileMessage("cannot write", target, "the file is read-only"));
    }
    fs::path temporary;
    const int fd = openTemporary(target, temporary);
    if (fd < 0) {
        return Status::failure(describe(target.parent_path(), "cannot create a file in", errno));
    }
    copyPermissions(target, fd);

    // Each step gives the system's reason; the message names the target once, at the end.
    constexpr std::size_t ChunkSize = 1 << 16;
    Status step;
    for (std::size_t offset = 0; step.ok && offset < bytes.size(); offset += ChunkSize) {
        step = writeChunk(fd, bytes.substr(offset, ChunkSize));
    }
    if (step.ok && m_flush == Flush::ToDisk && syncFile(fd) != 0) {
        step = Status::failure(systemErrorText(errno));
    }
    if (closeFile(fd) != 0 && step.ok) {
        step = Status::failure(systemErrorText(errno));
    }
    if (step.ok && !moveOver(temporary, target)) {
        step = Status::failure(systemErrorText(errno));
    }
    if (!step.ok) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return Status::failure(fileMessage("cannot write", target, step.message));
    }
    if (m_flush == Flush::ToDisk) {
        syncFolder(target.parent_path());
    }
    return step;
}

} // namespace zelmora
