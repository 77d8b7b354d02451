#pragma once
// A friend's identity in the files other programs keep (vCard UIDs, calendar event UIDs):
// the same from one export to the next whatever the friend's place in the table, so that an
// address book or a calendar that updates by UID updates the right friend.

#include "core/data/FriendTable.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zelmora {

// Built from the name and the birthday, so deleting or adding other friends never moves it.
// Friends alike in both are numbered in table order ("…-2"): the only case where the place counts.
class FriendUids {
public:
    explicit FriendUids(const FriendTable& table);

    // 16 hexadecimal digits, then "-n" for the n-th alike friend; no "@" part.
    const std::string& stem(std::uint16_t slot) const { return m_stems[slot - 1]; }

private:
    std::vector<std::string> m_stems;
};

} // namespace zelmora
