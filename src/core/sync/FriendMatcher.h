#pragma once
// Finds friends again after they changed by roads that said nothing of it (another
// program, a file copied in): a friend unchanged is itself; then the same name (the last
// name in any case), then the same birthday when no other friend on either side has it.

#include "core/data/Friend.h"

#include <optional>
#include <vector>

namespace zelmora {

class FriendMatcher {
public:
    // Pairs friends known before with friends now: for each of `before`, the index in
    // `now` of the same friend, or nothing. Each friend of `now` is paired at most once.
    static std::vector<std::optional<std::size_t>> match(const std::vector<const TFriend*>& before,
                                                         const std::vector<const TFriend*>& now);

    // The name as friends are compared: both names trimmed, the last name in capitals.
    static std::string nameKey(const TFriend& f);
};

} // namespace zelmora
