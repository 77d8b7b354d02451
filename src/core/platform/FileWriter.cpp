#include "core/platform/FileWriter.h"

#include "core/platform/FileReader.h"

namespace zelmora {

namespace fs = std::filesystem;

Status AtomicFileWriter::writeChunk(int fd, std::string_view bytes) const { return writeAll(fd, bytes); }

Status AtomicFileWriter::replace(const fs::path& target, std::string_view bytes) const
{
    std::string reason;
    if (targetKind(target, reason) == TargetKind::Special) {
        return writeInPlace(target, bytes, [this](int fd, std::string_view chunk) { return writeChunk(fd, chunk); });
    }
    PendingFile pending;
    if (Status opened = pending.open(target); !opened.ok) {
        return opened;
    }
    // Each step gives the system's reason; the message names the target once, at the end.
    constexpr std::size_t ChunkSize = 1 << 16;
    for (std::size_t offset = 0; offset < bytes.size(); offset += ChunkSize) {
        if (const Status step = writeChunk(pending.descriptor(), bytes.substr(offset, ChunkSize)); !step.ok) {
            return Status::failure(fileMessage("cannot write", pending.target(), step.message));
        }
    }
    return pending.commit(m_flush);
}

Status writeFileSaying(const FileWriter& writer, const std::filesystem::path& target, std::string_view bytes,
                       std::uint16_t pair, Language language)
{
    const Status written = writer.replace(target, bytes);
    if (written.ok) {
        return written;
    }
    return Status::failure(LangTextWithReason(pair, language, written.message));
}

} // namespace zelmora
