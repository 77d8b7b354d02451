#pragma once
// The automatic start of Windows: the value "Zelmora" under the Run key of the machine.

#include "core/platform/AutoStart.h"

namespace zelmora {

class WindowsAutoStart final : public AutoStart {
public:
    Status apply(bool on, const std::filesystem::path& executable) const override;
};

} // namespace zelmora
