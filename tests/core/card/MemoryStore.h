#pragma once
// A FriendStore that keeps "the file" in memory: tests write another program's changes
// into it and make writes fail.

#include "core/card/FriendStore.h"
#include "core/data/FriendTable.h"

#include <optional>

namespace zelmora::test {

class MemoryStore : public FriendStore {
public:
    explicit MemoryStore(FriendTable& table) : m_table(table) {}

    // What another program wrote: read again before the next change.
    std::optional<FriendTable> changedByAnotherProgram;
    bool failWrites = false;
    int writes = 0;

    Status update(const std::function<void()>& reloaded, const std::function<void()>& change) override
    {
        if (changedByAnotherProgram) {
            const bool editPending = m_table.EditPending;
            const bool newPending = m_table.NewPending;
            m_table = *changedByAnotherProgram; // as a load leaves it, with the card's flags kept
            m_table.EditPending = editPending;
            m_table.NewPending = newPending;
            changedByAnotherProgram.reset();
            reloaded();
        }
        change();
        if (failWrites) {
            return Status::failure("cannot write Zelmor.dta: No space left on device");
        }
        ++writes;
        m_table.DataChanged = false;
        return Status::success();
    }

private:
    FriendTable& m_table;
};

} // namespace zelmora::test
