#include "core/platform/ZeroedBlock.h"

#include <cstdint>
#include <new>
#include <sys/mman.h>

namespace zelmora {

namespace {

// The size of a large page on the systems we run on; aligning to it lets the system use one.
constexpr std::size_t LargePage = std::size_t{2} << 20;

std::size_t roundedUp(std::size_t bytes) { return (bytes + LargePage - 1) / LargePage * LargePage; }

} // namespace

ZeroedBlock::ZeroedBlock(std::size_t bytes)
{
    // Anonymous memory is zeroed by the system; a large page more leaves room to align.
    m_mappedBytes = roundedUp(bytes) + LargePage;
    m_mapping = mmap(nullptr, m_mappedBytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (m_mapping == MAP_FAILED) {
        throw std::bad_alloc();
    }
    const auto start = reinterpret_cast<std::uintptr_t>(m_mapping);
    m_data = reinterpret_cast<void*>((start + LargePage - 1) / LargePage * LargePage);
}

ZeroedBlock::~ZeroedBlock() { munmap(m_mapping, m_mappedBytes); }

void ZeroedBlock::expectFilling()
{
    // Only a hint: where large pages are off, the block simply keeps small ones.
    madvise(m_data, m_mappedBytes - LargePage, MADV_HUGEPAGE);
}

} // namespace zelmora
