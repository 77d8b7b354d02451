#include "core/platform/XdgFileOpener.h"

#include "core/base/PathText.h"
#include "core/platform/ProcessLauncher.h"

namespace zelmora {

Status XdgFileOpener::open(const std::filesystem::path& file, Kind) const
{
    // An absolute name can never be mistaken for an option of the opener.
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(file, error);
    return startDetached({m_command, pathToUtf8(error ? file : absolute)});
}

std::unique_ptr<FileOpener> makeSystemFileOpener() { return std::make_unique<XdgFileOpener>(); }

} // namespace zelmora
