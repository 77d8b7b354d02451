#include "core/platform/AutoStart.h"

#include <system_error>

namespace zelmora {

StartCommand startCommand(const std::filesystem::path& executable, const std::filesystem::path& dataFolder,
                          const EnvironmentLookup& environment)
{
    if (sameFile(dataFolder, DataFolder(executable.parent_path(), environment))) {
        return {executable, std::nullopt};
    }
    std::error_code error; // the session starts it from elsewhere: a relative folder would be lost
    const std::filesystem::path absolute = std::filesystem::absolute(dataFolder, error);
    return {executable, error ? dataFolder : absolute};
}

Status ApplyAutoStart(bool startAtLogin, const std::filesystem::path& executable, const std::filesystem::path& dataFolder,
                      const AutoStart& autoStart, Language language)
{
    const Status applied = autoStart.apply(startAtLogin, startCommand(executable, dataFolder));
    if (applied.ok) {
        return applied;
    }
    return Status::failure(LangTextWithReason(lang::AutoStartFailed, language, applied.message));
}

} // namespace zelmora
