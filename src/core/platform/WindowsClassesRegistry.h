#pragma once
// HKEY_CLASSES_ROOT of the running Windows.

#include "core/platform/ClassesRegistry.h"

namespace zelmora {

class WindowsClassesRegistry final : public ClassesRegistry {
public:
    std::optional<std::string> defaultValue(std::string_view keyPath) const override;
};

} // namespace zelmora
