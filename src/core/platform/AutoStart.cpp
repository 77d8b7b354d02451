#include "platform/AutoStart.h"

#include "data/Cp1252.h"

namespace zelmora {

std::optional<std::string> ApplyAutoStart(bool StartAuto, const std::filesystem::path& executable,
                                          const AutoStart& autoStart, Language language)
{
    const FileStatus status = autoStart.apply(StartAuto, executable);
    if (status.ok) {
        return std::nullopt;
    }
    return std::string(LangText(lang::AutoStartFailed, language)) + cp1252::forDisplay(status.reason);
}

} // namespace zelmora
