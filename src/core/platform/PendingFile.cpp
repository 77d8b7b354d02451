#include "core/platform/PendingFile.h"

#include "core/platform/FileCalls.h"
#include "core/platform/FileReader.h"
#include "core/platform/OwnLinks.h"

#include <cerrno>

namespace zelmora {

namespace fs = std::filesystem;
using namespace filecalls;

namespace {

Status systemFailure() { return Status::failure(systemErrorText(errno)); }

} // namespace

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
    const FollowedLinks followed = followOwnLinks(target);
    if (followed.refusal) {
        return Status::failure(fileMessage("cannot write", target, *followed.refusal));
    }
    std::string reason;
    const TargetKind kind = targetKind(target, reason);
    if (kind == TargetKind::Unusable) {
        return Status::failure(fileMessage("cannot write", target, reason));
    }
    m_special = kind == TargetKind::Special;
    m_target = followed.file;
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
    return filecalls::whyNotWritable(m_temporary).value_or("the document was written only in part");
}

Status writeInPlace(const fs::path& target, std::string_view bytes, const ChunkWriter& writeChunk)
{
    if (const auto refusal = followOwnLinks(target).refusal) {
        return Status::failure(fileMessage("cannot write", target, *refusal));
    }
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
        if (entry->is_regular_file(error) && isTemporaryName(entry->path().filename(), target)) {
            fs::remove(entry->path(), error);
        }
    }
}

} // namespace zelmora
