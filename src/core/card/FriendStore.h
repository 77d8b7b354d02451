#pragma once
// Where the friend card's changes go the moment they are made. The window's store writes
// Zelmor.dta under the data folder's lock; tests keep the table in memory.

#include "core/base/Status.h"

#include <functional>

namespace zelmora {

class FriendStore {
public:
    virtual ~FriendStore() = default;

    // Runs `change` on the table and writes the result. When another program changed the
    // file since it was last read or written, the table is first read again and
    // `reloaded` runs before `change`, so the change lands on the newest friends.
    // `change` always runs; the status says whether the table reached the file, and
    // DataChanged stays set when it did not.
    virtual Status update(const std::function<void()>& reloaded, const std::function<void()>& change) = 0;
};

} // namespace zelmora
