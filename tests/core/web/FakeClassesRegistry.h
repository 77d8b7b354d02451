#pragma once
// A registry of classes held in a map, which remembers every key it was asked for.

#include "core/platform/ClassesRegistry.h"

#include <map>
#include <string>
#include <vector>

namespace zelmora::testing {

class FakeClassesRegistry final : public ClassesRegistry {
public:
    // Keys present with their default value; a key mapped to nothing exists but its
    // value cannot be read.
    std::map<std::string, std::optional<std::string>> keys;
    mutable std::vector<std::string> asked;

    std::optional<std::string> defaultValue(std::string_view keyPath) const override
    {
        asked.emplace_back(keyPath);
        const auto found = keys.find(std::string(keyPath));
        return found == keys.end() ? std::nullopt : found->second;
    }
};

} // namespace zelmora::testing
