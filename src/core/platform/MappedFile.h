#pragma once
// A file's bytes, read in one go for as long as the object lives. Where the system
// allows it the file is mapped into memory whole, which spares the copy and the
// page-by-page faults of reading a large database into a buffer.

#include "platform/FileWriter.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace zelmora {

class MappedFile {
public:
    explicit MappedFile(const std::filesystem::path& file);
    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    FileContents::State state() const { return m_contents.state; }
    const std::string& reason() const { return m_contents.reason; }
    std::string_view bytes() const { return m_mapping ? std::string_view(m_mapping, m_size) : m_contents.bytes; }

private:
    FileContents m_contents; // the bytes themselves when the file could not be mapped
    const char* m_mapping = nullptr;
    std::size_t m_size = 0;
};

} // namespace zelmora
