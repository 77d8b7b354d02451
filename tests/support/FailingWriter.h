#pragma once
// A real AtomicFileWriter whose writing fails after a given number of bytes, as a full
// disk would make it.

#include "core/platform/FileWriter.h"

#include <cstdint>

namespace zelmora::test {

class FailingWriter : public AtomicFileWriter {
public:
    explicit FailingWriter(std::size_t failAfterBytes = SIZE_MAX) : m_budget(failAfterBytes) {}
    // From now on, writing fails after `bytes` more.
    void failAfter(std::size_t bytes) { m_budget = bytes; }

protected:
    Status writeChunk(int fd, std::string_view bytes) const override
    {
        if (bytes.size() > m_budget) {
            [[maybe_unused]] const Status partial = AtomicFileWriter::writeChunk(fd, bytes.substr(0, m_budget));
            m_budget = 0;
            return Status::failure("No space left on device");
        }
        m_budget -= bytes.size();
        return AtomicFileWriter::writeChunk(fd, bytes);
    }

private:
    mutable std::size_t m_budget;
};

} // namespace zelmora::test
