#pragma once
// Opens files through xdg-open, which picks the program from the file's type.

#include "core/platform/FileOpener.h"

#include <string>

namespace zelmora {

class XdgFileOpener final : public FileOpener {
public:
    // `command` is the opener to run; tests put a harmless program in place of xdg-open.
    explicit XdgFileOpener(std::string command = "xdg-open") : m_command(std::move(command)) {}

    Status open(const std::filesystem::path& file, Kind kind) const override;

private:
    std::string m_command;
};

} // namespace zelmora
