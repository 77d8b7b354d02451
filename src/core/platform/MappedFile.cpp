#include "core/platform/MappedFile.h"

namespace zelmora {

MappedFile::MappedFile(const std::filesystem::path& file, std::uintmax_t maxBytes)
{
    if (!map(file, maxBytes)) {
        m_read = readWholeFile(file, maxBytes); // says why, or reads what cannot be mapped
    }
}

MappedFile::~MappedFile() { unmap(); }

} // namespace zelmora
