#pragma once
// Device nodes made in a test's own folder, never the system's: a copy of /dev/full
// fails every write with "No space left on device". Making one needs root (as in CI).

#include <filesystem>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace zelmora::test {

inline bool canMakeDevices() { return geteuid() == 0; }

// A character device with the numbers of /dev/full (1, 7) or /dev/null (1, 3).
inline bool makeFullDevice(const std::filesystem::path& node) { return mknod(node.c_str(), S_IFCHR | 0666, makedev(1, 7)) == 0; }
inline bool makeNullDevice(const std::filesystem::path& node) { return mknod(node.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0; }

inline bool isCharacterDevice(const std::filesystem::path& node)
{
    return std::filesystem::symlink_status(node).type() == std::filesystem::file_type::character;
}

} // namespace zelmora::test
