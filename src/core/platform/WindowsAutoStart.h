#pragma once
// The automatic start of Windows: the value "Zelmora" under the Run key of the user.

#include "core/platform/AutoStart.h"

namespace zelmora {

class WindowsAutoStart final : public AutoStart {
public:
    // Under HKEY_CURRENT_USER.
    static constexpr const char* RunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
    static constexpr const char* ValueName = "Zelmora";

    Status apply(bool on, const std::filesystem::path& executable) const override;
};

} // namespace zelmora
