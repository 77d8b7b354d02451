#pragma once
// Opens files with the open command that the Windows registry holds for text files
// ("txtfile") or web pages ("HTTP").

#include "core/platform/ClassesRegistry.h"
#include "core/platform/FileOpener.h"

namespace zelmora {

class WindowsFileOpener final : public FileOpener {
public:
    explicit WindowsFileOpener(const ClassesRegistry& registry) : m_registry(registry) {}

    Status open(const std::filesystem::path& file, Kind kind) const override;

private:
    const ClassesRegistry& m_registry;
};

} // namespace zelmora
