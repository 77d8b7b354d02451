#include "platform/MappedFile.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace zelmora {

MappedFile::MappedFile(const std::filesystem::path& file)
{
#ifndef _WIN32
    const int fd = open(file.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat info{};
    if (fd >= 0 && fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0) {
        m_size = static_cast<std::size_t>(info.st_size);
        void* mapping = mmap(nullptr, m_size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
        if (mapping != MAP_FAILED) {
            m_mapping = static_cast<const char*>(mapping);
        }
    }
    if (fd >= 0) {
        close(fd);
    }
    if (m_mapping) {
        return;
    }
#endif
    m_contents = readWholeFile(file); // says why it failed, or reads what cannot be mapped
}

MappedFile::~MappedFile()
{
#ifndef _WIN32
    if (m_mapping) {
        munmap(const_cast<char*>(m_mapping), m_size);
    }
#endif
}

} // namespace zelmora
