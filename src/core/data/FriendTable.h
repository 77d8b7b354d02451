#pragma once
// The in-memory friend table and the table-level operations: append, delete, clear, store
// and show a card, sort, find and the duplicate test. It holds friends only: which friend a
// card shows, and whether it is being edited, belong to whoever edits the card.

#include "core/data/Friend.h"
#include "core/platform/ZeroedBlock.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>

namespace zelmora {

class FriendTable {
public:
    static constexpr std::uint16_t Capacity = 1000;

    // The slots (about 1 MB) live in a block of their own, so a table is safe anywhere, on a
    // stack too. They are zeroed memory straight from the system, which are empty friends: a
    // page is only paid for once a friend is put in it. A copy copies the friends; there is no
    // moving, which would leave a table without slots.
    FriendTable();
    FriendTable(const FriendTable& other) : FriendTable() { *this = other; }
    FriendTable& operator=(const FriendTable& other);

    // Slots 0 to 1000, 1-based; slot 0 is the empty record and never a friend.
    TFriend& operator[](std::uint16_t slot) { return (*m_slots)[slot]; }
    const TFriend& operator[](std::uint16_t slot) const { return (*m_slots)[slot]; }

    std::uint16_t FriendCount = 0;

    bool isFull() const { return FriendCount >= Capacity; }
    // `count` friends are about to be put in: a hint that lets a nearly full table be filled cheaply.
    void expect(std::uint16_t count);
    bool isFriend(std::uint16_t slot) const { return slot >= 1 && slot <= FriendCount; }

    void ClearFriend(std::uint16_t slot);
    // Adds `record` after the last friend, unsorted; false (and no change) when full.
    bool AppendFriend(const TFriend& record = {});
    // Removes the friend of `slot`, closing the gap.
    void DeleteFriend(std::uint16_t slot);
    // Copies the card into `slot`: Nom and Prenom trimmed, every value cut to its capacity.
    void StoreCard(std::uint16_t slot, const CardTexts& card);
    CardTexts ShowCard(std::uint16_t slot) const;
    // Ascending order of Nom then Prenom on byte codes, exactly as the program's exchange
    // sort leaves it (equal keys included). Returns the slot the friend of `followed` moved to.
    std::uint16_t SortFriends(std::uint16_t followed = 0);
    // First slot whose list text equals `text`; 0 when none.
    std::uint16_t FindFriend(std::string_view text) const;
    // Where a friend read earlier is now: the slot holding the same record, else (another
    // program changed it meanwhile) the first friend of the same name; 0 when it is gone.
    std::uint16_t findAgain(const TFriend& record) const;
    // Whether a friend other than the one in slot `except` has that list text.
    bool NameExists(std::string_view text, std::uint16_t except = 0) const;

    // The table side of "OK": stores the card into `slot`, or as a new friend when `slot` is
    // 0, sorts, and returns the friend's slot afterwards; 0 (and no change) when the table is
    // full. The duplicate test is the caller's, before.
    std::uint16_t ValidateCard(std::uint16_t slot, const CardTexts& card);

private:
    using Slots = std::array<TFriend, Capacity + 1>;
    std::unique_ptr<ZeroedBlock> m_block;
    Slots* m_slots;
};

} // namespace zelmora
