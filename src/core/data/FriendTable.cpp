#include "data/FriendTable.h"

#include <numeric>
#include <string>
#include <utility>

namespace zelmora {

std::string_view trimControls(std::string_view text)
{
    const auto isControl = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    while (!text.empty() && isControl(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isControl(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

namespace {

// The first eight bytes of first+second, zero-padded, so that numeric order is byte order.
std::uint64_t keyPrefix(std::string_view first, std::string_view second)
{
    std::uint64_t prefix = 0;
    std::size_t taken = 0;
    for (const std::string_view part : {first, second}) {
        for (std::size_t i = 0; i < part.size() && taken < 8; ++i, ++taken) {
            prefix = (prefix << 8) | static_cast<unsigned char>(part[i]);
        }
    }
    return taken == 0 ? 0 : prefix << (8 * (8 - taken));
}

} // namespace

void FriendTable::ClearFriend(std::uint16_t slot) { m_slots[slot] = TFriend{}; }

bool FriendTable::AppendFriend()
{
    if (isFull()) {
        return false;
    }
    ++FriendCount;
    PreviousFriend = CurrentFriend;
    CurrentFriend = FriendCount;
    ClearFriend(FriendCount);
    EditPending = true;
    NewPending = true;
    return true;
}

void FriendTable::DeleteFriend(std::uint16_t slot)
{
    if (slot < 1 || slot > FriendCount) {
        return;
    }
    for (std::uint16_t s = slot; s < FriendCount; ++s) {
        m_slots[s] = m_slots[s + 1];
    }
    ClearFriend(FriendCount);
    --FriendCount;
    if (CurrentFriend > FriendCount) {
        CurrentFriend = FriendCount;
    }
    SortFriends();
}

void FriendTable::StoreCard(std::uint16_t slot, const CardTexts& card)
{
    TFriend& record = m_slots[slot];
    for (std::size_t i = 0; i < FriendFieldCount; ++i) {
        const auto field = static_cast<FriendField>(i);
        const bool trimmed = field == FriendField::Nom || field == FriendField::Prenom;
        fieldRef(record, field).assign(trimmed ? trimControls(card[i]) : std::string_view(card[i]));
    }
}

CardTexts FriendTable::ShowCard(std::uint16_t slot) const
{
    CardTexts card;
    for (std::size_t i = 0; i < FriendFieldCount; ++i) {
        card[i] = fieldText(m_slots[slot], static_cast<FriendField>(i));
    }
    return card;
}

void FriendTable::SortFriends()
{
    if (FriendCount < 2 || isSorted()) {
        return; // the exchange sort would swap nothing
    }
    // The exchange sort runs on slot numbers, so each swap moves two numbers instead of
    // two records; the records then move once, following the cycles of the permutation.
    // The first eight bytes of each key, as one big-endian number, settle most comparisons.
    std::array<std::uint16_t, Capacity + 1> order;
    std::iota(order.begin(), order.end(), std::uint16_t{0});
    std::array<std::uint64_t, Capacity + 1> prefix;
    for (std::uint16_t slot = 1; slot <= FriendCount; ++slot) {
        prefix[slot] = keyPrefix(m_slots[slot].Nom.view(), m_slots[slot].Prenom.view());
    }
    const auto keyLess = [&](std::uint16_t a, std::uint16_t b) {
        if (prefix[a] != prefix[b]) {
            return prefix[a] < prefix[b];
        }
        return compareJoined(m_slots[a].Nom.view(), m_slots[a].Prenom.view(), m_slots[b].Nom.view(),
                             m_slots[b].Prenom.view())
            < 0;
    };
    for (std::uint16_t i = 1; i < FriendCount; ++i) {
        for (std::uint16_t j = i + 1; j <= FriendCount; ++j) {
            if (keyLess(order[j], order[i])) {
                std::swap(order[i], order[j]);
            }
        }
    }
    for (std::uint16_t start = 1; start <= FriendCount; ++start) {
        if (order[start] == start) {
            continue;
        }
        const TFriend spare = m_slots[start];
        std::uint16_t slot = start;
        while (order[slot] != start) {
            const std::uint16_t from = order[slot];
            m_slots[slot] = m_slots[from];
            order[slot] = slot;
            slot = from;
        }
        m_slots[slot] = spare;
        order[slot] = slot;
    }
}

bool FriendTable::isSorted() const
{
    for (std::uint16_t slot = 2; slot <= FriendCount; ++slot) {
        if (compareJoined(m_slots[slot].Nom.view(), m_slots[slot].Prenom.view(), m_slots[slot - 1].Nom.view(),
                          m_slots[slot - 1].Prenom.view())
            < 0) {
            return false;
        }
    }
    return true;
}

std::uint16_t FriendTable::FindFriend(std::string_view text) const
{
    for (std::uint16_t slot = 1; slot <= FriendCount; ++slot) {
        if (listText(m_slots[slot]) == text) {
            return slot;
        }
    }
    return 0;
}

bool FriendTable::NameExists(std::string_view text) const
{
    for (std::uint16_t slot = 1; slot <= FriendCount; ++slot) {
        if (slot != CurrentFriend && listText(m_slots[slot]) == text) {
            return true;
        }
    }
    return false;
}

bool FriendTable::ValidateCard(const CardTexts& card, const std::function<bool()>& keepDuplicate)
{
    // With no friend on the card (the last one was deleted), what was typed becomes a
    // new friend rather than vanishing into the empty slot 0.
    if (CurrentFriend == 0 && !AppendFriend()) {
        return false;
    }
    TFriend named; // the names as they will be stored, trimmed and cut
    named.Nom.assign(trimControls(card[fieldIndex(FriendField::Nom)]));
    named.Prenom.assign(trimControls(card[fieldIndex(FriendField::Prenom)]));
    if (FriendCount > 1 && NameExists(listText(named)) && !keepDuplicate()) {
        CancelCard();
        return false;
    }
    StoreCard(CurrentFriend, card);
    const std::string stored = listText(m_slots[CurrentFriend]);
    SortFriends();
    CurrentFriend = FindFriend(stored);
    EditPending = false;
    NewPending = false;
    return true;
}

void FriendTable::CancelCard()
{
    if (NewPending) {
        NewPending = false;
        ClearFriend(FriendCount);
        --FriendCount;
        CurrentFriend = PreviousFriend;
        SortFriends();
    }
    EditPending = false;
}

} // namespace zelmora

