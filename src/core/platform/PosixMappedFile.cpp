#include "core/platform/MappedFile.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zelmora {

bool MappedFile::map(const std::filesystem::path& file, std::uintmax_t maxBytes)
{
    // Non-blocking, so that a FIFO in the file's place cannot hold the program at the open;
    // `file` is where the links lead, so a link put in its place meanwhile is not followed.
    const int fd = open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) {
        return false;
    }
    struct stat info{};
    if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0
        && static_cast<std::uintmax_t>(info.st_size) <= maxBytes) {
        const auto size = static_cast<std::size_t>(info.st_size);
        void* mapping = mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
        if (mapping != MAP_FAILED) {
            m_mapping = static_cast<const char*>(mapping);
            m_size = size;
        }
    }
    close(fd);
    return m_mapping != nullptr;
}

void MappedFile::unmap()
{
    if (m_mapping) {
        munmap(const_cast<char*>(m_mapping), m_size);
    }
}

} // namespace zelmora
