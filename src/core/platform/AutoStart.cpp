#include "core/platform/AutoStart.h"

namespace zelmora {

Status ApplyAutoStart(bool StartAuto, const std::filesystem::path& executable, const AutoStart& autoStart,
                      Language language)
{
    const Status applied = autoStart.apply(StartAuto, executable);
    if (applied.ok) {
        return applied;
    }
    return Status::failure(LangTextWithReason(lang::AutoStartFailed, language, applied.message));
}

} // namespace zelmora
