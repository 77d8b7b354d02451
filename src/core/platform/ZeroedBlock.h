#pragma once
// A large block of zeroed memory straight from the system, for a table sized for its
// capacity: a page costs nothing until something is written into it. Where the system can,
// a block about to be filled whole takes large pages, so that filling it costs one page
// fault instead of hundreds (they were the largest cost of reading a full database).

#include <cstddef>

namespace zelmora {

class ZeroedBlock {
public:
    // Throws std::bad_alloc when the system has no such block to give.
    explicit ZeroedBlock(std::size_t bytes);
    ~ZeroedBlock();
    ZeroedBlock(const ZeroedBlock&) = delete;
    ZeroedBlock& operator=(const ZeroedBlock&) = delete;

    void* data() const { return m_data; }
    // Most of the block is about to be written: large pages, where the system has them.
    void expectFilling();

private:
    void* m_data = nullptr;
    void* m_mapping = nullptr; // what the system gave, of which m_data is a part
    std::size_t m_mappedBytes = 0;
};

} // namespace zelmora
