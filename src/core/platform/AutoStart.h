#pragma once
// Starting the program automatically when the user logs in.

#include "core/base/LangText.h"
#include "core/base/Status.h"

#include <filesystem>
#include <memory>

namespace zelmora {

class AutoStart {
public:
    virtual ~AutoStart() = default;
    // Registers `executable` to start at logon, or removes that registration (its
    // absence is no error).
    virtual Status apply(bool on, const std::filesystem::path& executable) const = 0;
};

// The automatic start of this system: an XDG autostart entry on Linux, the Run value on Windows.
std::unique_ptr<AutoStart> makeSystemAutoStart();

// Follows the StartAuto option at once; on failure the message is language text 186 and
// the system's reason.
Status ApplyAutoStart(bool StartAuto, const std::filesystem::path& executable, const AutoStart& autoStart,
                      Language language);

} // namespace zelmora
