#pragma once
// The program's one sort: for each slot i, for each later slot j, swap when key j is
// strictly smaller. It is not stable, and stored files and lists show its exact order,
// so it is kept as is; this version only makes it cheap.

#include <cstdint>
#include <numeric>
#include <string_view>
#include <utility>
#include <vector>

namespace zelmora {

// The first eight bytes of a key made of first+second, zero-padded, as one number, with the
// key's length: numeric order of the numbers is byte order of the keys, and a key of at
// most eight bytes is wholly known from the pair, so only longer keys with equal starts
// need a full comparison.
struct KeyPrefix {
    std::uint64_t bytes = 0;
    std::size_t length = 0;
};

inline KeyPrefix keyPrefix(std::string_view first, std::string_view second = {})
{
    KeyPrefix prefix{0, first.size() + second.size()};
    std::size_t taken = 0;
    for (const std::string_view part : {first, second}) {
        for (std::size_t i = 0; i < part.size() && taken < 8; ++i, ++taken) {
            prefix.bytes = (prefix.bytes << 8) | static_cast<unsigned char>(part[i]);
        }
    }
    prefix.bytes = taken == 0 ? 0 : prefix.bytes << (8 * (8 - taken));
    return prefix;
}

// Sorts slots 1..count of `slots` (slot 0 unused). `prefixOf(record)` gives keyPrefix of the
// record's key and `less(a, b)` compares two whole keys, when the prefixes cannot tell.
// Returns the slot to which the record of slot `followed` moved (0 stays 0).
template <class Slots, class PrefixOf, class Less>
std::uint16_t exchangeSort(Slots& slots, std::uint16_t count, PrefixOf prefixOf, Less less, std::uint16_t followed = 0)
{
    if (count < 2) {
        return followed;
    }
    std::vector<KeyPrefix> prefix(count + 1u);
    for (std::uint16_t slot = 1; slot <= count; ++slot) {
        prefix[slot] = prefixOf(slots[slot]);
    }
    const auto keyLess = [&](std::uint16_t a, std::uint16_t b) {
        const KeyPrefix& pa = prefix[a];
        const KeyPrefix& pb = prefix[b];
        if (pa.bytes != pb.bytes) {
            return pa.bytes < pb.bytes;
        }
        if (pa.length <= 8 && pb.length <= 8) {
            return pa.length < pb.length;
        }
        return less(slots[a], slots[b]);
    };
    bool inOrder = true; // then the exchange sort would swap nothing
    for (std::uint16_t slot = 2; slot <= count && inOrder; ++slot) {
        inOrder = !keyLess(slot, slot - 1);
    }
    if (inOrder) {
        return followed;
    }
    // The sort runs on slot numbers, so a swap moves two numbers instead of two records;
    // the records then move once each, following the cycles of the permutation.
    std::vector<std::uint16_t> order(count + 1u);
    std::iota(order.begin(), order.end(), std::uint16_t{0});
    for (std::uint16_t i = 1; i < count; ++i) {
        for (std::uint16_t j = i + 1; j <= count; ++j) {
            if (keyLess(order[j], order[i])) {
                std::swap(order[i], order[j]);
            }
        }
    }
    for (std::uint16_t slot = 1; followed != 0 && slot <= count; ++slot) {
        if (order[slot] == followed) {
            followed = slot;
            break;
        }
    }
    for (std::uint16_t start = 1; start <= count; ++start) {
        if (order[start] == start) {
            continue;
        }
        auto spare = std::move(slots[start]);
        std::uint16_t slot = start;
        while (order[slot] != start) {
            const std::uint16_t from = order[slot];
            slots[slot] = std::move(slots[from]);
            order[slot] = slot;
            slot = from;
        }
        slots[slot] = std::move(spare);
        order[slot] = slot;
    }
    return followed;
}

} // namespace zelmora
