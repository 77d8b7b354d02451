#pragma once
// Whole-file writing. Every file the program writes goes through a FileWriter, which
// replaces the old file in one step or leaves it exactly as it was.

#include "core/base/LangText.h"
#include "core/base/Status.h"
#include "core/platform/PendingFile.h"

#include <filesystem>
#include <string_view>

namespace zelmora {

class FileWriter {
public:
    virtual ~FileWriter() = default;
    // Makes `target` hold exactly `bytes`. On failure the old file, if any, is unchanged.
    virtual Status replace(const std::filesystem::path& target, std::string_view bytes) const = 0;
};

// Makes `target` hold `bytes` through `writer`; on failure the message is language text
// `pair`, then the system's reason.
Status writeFileSaying(const FileWriter& writer, const std::filesystem::path& target, std::string_view bytes,
                       std::uint16_t pair, Language language);

// Writes a temporary file beside the target, flushes it to disk and renames it over the
// target (see PendingFile: links are written through, owner and permissions kept, a
// read-only target never replaced). New files are private to the user. A target that is
// not a regular file (a device, a FIFO) is written in place, its write errors reported.
class AtomicFileWriter : public FileWriter {
public:
    using Flush = PendingFile::Flush;
    explicit AtomicFileWriter(Flush flush = Flush::ToDisk) : m_flush(flush) {}

    Status replace(const std::filesystem::path& target, std::string_view bytes) const override;

protected:
    // Writes one piece (the system's reason on failure); a test can make it fail part way.
    virtual Status writeChunk(int fd, std::string_view bytes) const;

private:
    Flush m_flush;
};

} // namespace zelmora
