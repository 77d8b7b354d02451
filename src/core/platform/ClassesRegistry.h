#pragma once
// Read access to HKEY_CLASSES_ROOT, where Windows records which program opens which kind
// of file. Tests give a registry of their own.

#include <optional>
#include <string>
#include <string_view>

namespace zelmora {

class ClassesRegistry {
public:
    virtual ~ClassesRegistry() = default;
    // The default (unnamed) value of the key at `keyPath` (parts separated by backslashes),
    // in UTF-8 up to its first zero; nothing when the key cannot be opened or the value read.
    virtual std::optional<std::string> defaultValue(std::string_view keyPath) const = 0;
};

} // namespace zelmora
