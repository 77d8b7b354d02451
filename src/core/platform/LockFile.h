#pragma once
// An advisory lock on a file, held through an open handle: flock on Linux, LockFileEx on
// Windows. The system drops it when the handle closes, so a killed process never leaves
// the lock behind.

#include "core/base/Status.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace zelmora {

class LockFile {
public:
    enum class Attempt { Taken, Busy, Failed };

    LockFile() = default;
    ~LockFile() { close(); }
    LockFile(LockFile&& other) noexcept : m_handle(other.m_handle) { other.m_handle = NoHandle; }
    LockFile& operator=(LockFile&& other) noexcept
    {
        if (this != &other) {
            close();
            m_handle = other.m_handle;
            other.m_handle = NoHandle;
        }
        return *this;
    }
    LockFile(const LockFile&) = delete;
    LockFile& operator=(const LockFile&) = delete;

    // Opens (or creates) the lock file; the system's reason when it cannot.
    Status open(const std::filesystem::path& file);
    // One try at the exclusive lock, without waiting; `reason` is filled on failure.
    Attempt tryLock(std::string& reason);
    // Closes the handle, which lets go of the lock.
    void close();
    bool isOpen() const { return m_handle != NoHandle; }

private:
    static constexpr std::intptr_t NoHandle = -1;
    std::intptr_t m_handle = NoHandle;
};

} // namespace zelmora
