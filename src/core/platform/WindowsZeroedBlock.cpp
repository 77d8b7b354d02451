#include "core/platform/ZeroedBlock.h"

#include <new>
#include <windows.h>

namespace zelmora {

ZeroedBlock::ZeroedBlock(std::size_t bytes)
{
    // Committed pages are zeroed by the system when first touched.
    m_mapping = VirtualAlloc(nullptr, bytes, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
    if (!m_mapping) {
        throw std::bad_alloc();
    }
    m_data = m_mapping;
    m_mappedBytes = bytes;
}

ZeroedBlock::~ZeroedBlock() { VirtualFree(m_mapping, 0, MEM_RELEASE); }

// Large pages need a privilege ordinary users lack: the block keeps its small pages.
void ZeroedBlock::expectFilling() {}

} // namespace zelmora
