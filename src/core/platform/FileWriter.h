#pragma once
// Whole-file writing. Every file the program writes goes through a FileWriter, which
// replaces the old file in one step or leaves it exactly as it was.

#include "core/base/Status.h"

#include <filesystem>
#include <string_view>

namespace zelmora {

class FileWriter {
public:
    virtual ~FileWriter() = default;
    // Makes `target` hold exactly `bytes`. On failure the old file, if any, is unchanged.
    virtual Status replace(const std::filesystem::path& target, std::string_view bytes) const = 0;
};

// Writes a temporary file beside the target, flushes it to disk and renames it over the
// target. A read-only target is never replaced. New files are private to the user.
class AtomicFileWriter : public FileWriter {
public:
    enum class Flush { ToDisk, No }; // No is for benchmarks, which measure the program, not the disk
    explicit AtomicFileWriter(Flush flush = Flush::ToDisk) : m_flush(flush) {}

    Status replace(const std::filesystem::path& target, std::string_view bytes) const override;

protected:
    // Writes one piece to the temporary file (the system's reason on failure); a test can
    // make it fail part way.
    virtual Status writeChunk(int fd, std::string_view bytes) const;

private:
    Flush m_flush;
};

// Whether the file exists and may not be written (no write permission, or no write bit
// at all, which counts even for an administrator).
bool isReadOnlyFile(const std::filesystem::path& file);

} // namespace zelmora
