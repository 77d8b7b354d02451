#pragma once
// A new version of a file, filled under another name and put in the file's place in one
// step, or not at all. The caller writes the temporary itself (through descriptor() or by
// name, as a print system does), then commits or discards it.

#include "core/base/Status.h"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace zelmora {

class PendingFile {
public:
    enum class Flush { ToDisk, No }; // No is for benchmarks, which measure the program, not the disk

    PendingFile() = default;
    ~PendingFile() { discard(); }
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    // Creates the temporary for `target`; a read-only target is refused. A link is written
    // through where it may be followed (see OwnLinks.h): the temporary goes beside the file
    // it points to, and the link stays. The old file's permissions, group
    // and owner are kept where the system allows; a save that would lock the old owner out
    // of the file is refused. A target that exists and is not a regular file (a device, a
    // FIFO) is never replaced: the temporary then goes to the system's temporary folder and
    // commit() writes its bytes into the target.
    Status open(const std::filesystem::path& target);

    const std::filesystem::path& path() const { return m_temporary; }
    const std::filesystem::path& target() const { return m_target; }
    int descriptor() const { return m_fd; }
    bool isOpen() const { return m_fd >= 0; }

    // Flushes the temporary and renames it over the target (or copies it into a special
    // target). On failure the target is unchanged and the temporary is gone.
    Status commit(Flush flush = Flush::ToDisk);
    // Removes the temporary; the target stays as it was.
    void discard();

    // Why the temporary cannot be written further, found by trying: for writers such as
    // a print system that do not report their own write errors.
    std::string whyNotWritable() const;

private:
    std::filesystem::path m_target; // links followed
    std::filesystem::path m_temporary;
    int m_fd = -1;
    bool m_special = false;
};

// Whether the file exists and may not be written (no write permission, or no write bit
// at all, which counts even for an administrator).
bool isReadOnlyFile(const std::filesystem::path& file);

// What a target is, for a writer: nothing yet, a file that is replaced, something that is
// written in place (a device, a FIFO), or something that cannot be written at all.
enum class TargetKind { Missing, Regular, Special, Unusable };
TargetKind targetKind(const std::filesystem::path& file, std::string& reason);

// Writes all of `bytes` to `fd`; the system's reason on failure.
Status writeAll(int fd, std::string_view bytes);

// Writes `bytes` into an existing file that is not replaced (a device, a FIFO), through
// `writeChunk`; every failure is reported with the system's reason. Links are followed
// only where they may be.
using ChunkWriter = std::function<Status(int fd, std::string_view bytes)>;
Status writeInPlace(const std::filesystem::path& target, std::string_view bytes, const ChunkWriter& writeChunk = writeAll);

// Removes the temporaries that saves of `target` left behind when their process was
// killed. Only while no other process may be saving it (under the data folder's lock).
void removeStaleTemporaries(const std::filesystem::path& target);

} // namespace zelmora
