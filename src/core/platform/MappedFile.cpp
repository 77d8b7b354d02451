#include "core/platform/MappedFile.h"

#include "core/platform/OwnLinks.h"

namespace zelmora {

MappedFile::MappedFile(const std::filesystem::path& file, std::uintmax_t maxBytes)
{
    const FollowedLinks followed = followOwnLinks(file);
    if (followed.refusal || !map(followed.file, maxBytes)) {
        m_read = readWholeFile(file, maxBytes); // says why, or reads what cannot be mapped
    }
}

MappedFile::~MappedFile() { unmap(); }

} // namespace zelmora
