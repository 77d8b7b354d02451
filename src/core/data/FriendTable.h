#pragma once
// The in-memory friend table with its card markers and the table-level operations:
// append, delete, clear, store and show the card, sort, find and the duplicate test.

#include "core/data/Friend.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>

namespace zelmora {

class FriendTable {
public:
    static constexpr std::uint16_t Capacity = 1000;

    // The slots (about 1 MB) live on the heap, so a table is safe anywhere, on a stack too.
    // A copy is a whole copy; there is no moving, which would leave a table without slots.
    FriendTable() = default;
    FriendTable(const FriendTable& other) : FriendTable() { *this = other; }
    FriendTable& operator=(const FriendTable& other);

    // Slots 0 to 1000, 1-based; slot 0 is the empty record and never a friend.
    TFriend& operator[](std::uint16_t slot) { return (*m_slots)[slot]; }
    const TFriend& operator[](std::uint16_t slot) const { return (*m_slots)[slot]; }

    std::uint16_t FriendCount = 0;
    std::uint16_t CurrentFriend = 0;
    std::uint16_t PreviousFriend = 0;
    bool EditPending = false;
    bool NewPending = false;
    bool DataChanged = false;

    bool isFull() const { return FriendCount >= Capacity; }

    void ClearFriend(std::uint16_t slot);
    // Adds an empty slot at the end and makes it current; false (and no change) when full.
    bool AppendFriend();
    // Removes the friend of `slot`, closing the gap, then sorts.
    void DeleteFriend(std::uint16_t slot);
    // Copies the card into `slot`: Nom and Prenom trimmed, every value cut to its capacity.
    void StoreCard(std::uint16_t slot, const CardTexts& card);
    CardTexts ShowCard(std::uint16_t slot) const;
    // Ascending order of Nom then Prenom on byte codes, exactly as the program's exchange
    // sort leaves it (equal keys included).
    void SortFriends();
    // First slot whose list text equals `text`; 0 when none.
    std::uint16_t FindFriend(std::string_view text) const;
    // Whether a friend other than CurrentFriend has that list text.
    bool NameExists(std::string_view text) const;

    // The table side of "OK": stores the card into the current slot, sorts, and follows
    // the friend to its new slot. `keepDuplicate` is asked when another friend already
    // has the same name; a refusal cancels instead. Returns whether the card was stored.
    bool ValidateCard(const CardTexts& card, const std::function<bool()>& keepDuplicate);
    // The table side of "Cancel": drops a new slot that was never validated.
    void CancelCard();

private:
    using Slots = std::array<TFriend, Capacity + 1>;
    std::unique_ptr<Slots> m_slots = std::make_unique<Slots>();
};

} // namespace zelmora
