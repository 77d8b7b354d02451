#pragma once
// The automatic start of Windows: the value "Zelmora" under the Run key of the machine.

#include "platform/AutoStart.h"

namespace zelmora {

class WindowsAutoStart final : public AutoStart {
public:
    FileStatus apply(bool on, const std::filesystem::path& executable) const override;
};

} // namespace zelmora
