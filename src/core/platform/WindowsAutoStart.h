#pragma once
// The automatic start of Windows: the value "Zelmora" under the Run key of the user.

#include "core/platform/AutoStart.h"

#include <string>

namespace zelmora {

class WindowsAutoStart final : public AutoStart {
public:
    // Under HKEY_CURRENT_USER.
    static constexpr const char* RunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
    static constexpr const char* ValueName = "Zelmora";

    Status apply(bool on, const StartCommand& command) const override;
};

// `command` as the Run value holds it: each argument quoted as the C runtime reads it back.
std::wstring runCommand(const StartCommand& command);

} // namespace zelmora
