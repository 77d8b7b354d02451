#pragma once
// A file's bytes for as long as the object lives, mapped into memory where the system
// allows it. For the database this spares copying a megabyte into a fresh buffer, whose
// page faults cost a command such as `zelmora-cli list` a third of its time. The checks
// are those of readWholeFile (regular files only, within a size), which also serves
// where nothing can be mapped.

#include "core/platform/FileReader.h"

#include <cstdint>
#include <filesystem>
#include <string_view>

namespace zelmora {

class MappedFile {
public:
    MappedFile(const std::filesystem::path& file, std::uintmax_t maxBytes);
    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    FileContents::State state() const { return m_read.state; }
    const std::string& message() const { return m_read.message; }
    std::string_view bytes() const { return m_mapping ? std::string_view(m_mapping, m_size) : m_read.bytes; }

private:
    // Maps the file (its links followed already) when it is a regular, non-empty file
    // within `maxBytes`; false otherwise.
    bool map(const std::filesystem::path& file, std::uintmax_t maxBytes);
    void unmap();

    FileContents m_read; // the state, and the bytes themselves when the file was not mapped
    const char* m_mapping = nullptr;
    std::size_t m_size = 0;
};

} // namespace zelmora
