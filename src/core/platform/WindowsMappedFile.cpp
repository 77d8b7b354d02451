#include "core/platform/MappedFile.h"

namespace zelmora {

// A megabyte is read fast enough here; mapping is kept for the systems where it pays.
bool MappedFile::map(const std::filesystem::path&, std::uintmax_t) { return false; }

void MappedFile::unmap() {}

} // namespace zelmora
