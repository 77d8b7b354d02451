#pragma once
// Opens a file the program has just written with the program the desktop associates
// with that kind of file.

#include "core/base/Status.h"

#include <filesystem>
#include <memory>

namespace zelmora {

class FileOpener {
public:
    enum class Kind { Text, Html };

    virtual ~FileOpener() = default;
    // Starts the associated program on `file` and returns at once.
    virtual Status open(const std::filesystem::path& file, Kind kind) const = 0;
};

// The opener of this system: xdg-open on Linux, the registered open command on Windows.
std::unique_ptr<FileOpener> makeSystemFileOpener();

} // namespace zelmora
