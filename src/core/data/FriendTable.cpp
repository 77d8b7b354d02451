#include "core/data/FriendTable.h"

#include "core/data/ExchangeSort.h"

#include <algorithm>
#include <new>
#include <type_traits>

namespace zelmora {

// All-zero bytes are an empty friend (every text of length 0), and a friend may be made
// of bytes alone, so a zeroed block holds 1001 empty friends at once.
static_assert(std::is_trivially_copyable_v<TFriend> && std::is_trivially_destructible_v<TFriend>);

FriendTable::FriendTable()
    : m_block(std::make_unique<ZeroedBlock>(sizeof(Slots))), m_slots(static_cast<Slots*>(m_block->data()))
{
}

void FriendTable::expect(std::uint16_t count)
{
    if (count > Capacity / 2) {
        m_block->expectFilling();
    }
}

FriendTable& FriendTable::operator=(const FriendTable& other)
{
    if (this != &other) {
        // Slots past the last friend are never read: only friends are worth the copy.
        std::copy_n(other.m_slots->begin(), other.FriendCount + 1, m_slots->begin());
        FriendCount = other.FriendCount;
    }
    return *this;
}

void FriendTable::ClearFriend(std::uint16_t slot) { (*m_slots)[slot] = TFriend{}; }

bool FriendTable::AppendFriend(const TFriend& record)
{
    if (isFull()) {
        return false;
    }
    (*m_slots)[++FriendCount] = record;
    return true;
}

void FriendTable::DeleteFriend(std::uint16_t slot)
{
    if (!isFriend(slot)) {
        return;
    }
    for (std::uint16_t s = slot; s < FriendCount; ++s) {
        (*m_slots)[s] = (*m_slots)[s + 1];
    }
    ClearFriend(FriendCount);
    --FriendCount;
}

void FriendTable::StoreCard(std::uint16_t slot, const CardTexts& card)
{
    TFriend& record = (*m_slots)[slot];
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
        card[i] = fieldText((*m_slots)[slot], static_cast<FriendField>(i));
    }
    return card;
}

std::uint16_t FriendTable::SortFriends(std::uint16_t followed)
{
    return exchangeSort(
        *m_slots, FriendCount, [](const TFriend& f) { return keyPrefix(f.Nom.view(), f.Prenom.view()); },
        [](const TFriend& a, const TFriend& b) {
            return compareJoined(a.Nom.view(), a.Prenom.view(), b.Nom.view(), b.Prenom.view()) < 0;
        },
        followed);
}

std::uint16_t FriendTable::FindFriend(std::string_view text) const
{
    for (std::uint16_t slot = 1; slot <= FriendCount; ++slot) {
        if (listText((*m_slots)[slot]) == text) {
            return slot;
        }
    }
    return 0;
}

std::uint16_t FriendTable::findAgain(const TFriend& record) const
{
    for (std::uint16_t slot = 1; slot <= FriendCount; ++slot) {
        if ((*m_slots)[slot] == record) {
            return slot;
        }
    }
    return FindFriend(listText(record));
}

bool FriendTable::NameExists(std::string_view text, std::uint16_t except) const
{
    for (std::uint16_t slot = 1; slot <= FriendCount; ++slot) {
        if (slot != except && listText((*m_slots)[slot]) == text) {
            return true;
        }
    }
    return false;
}

std::uint16_t FriendTable::ValidateCard(std::uint16_t slot, const CardTexts& card)
{
    if (slot == 0) {
        if (!AppendFriend()) {
            return 0;
        }
        slot = FriendCount;
    }
    StoreCard(slot, card);
    return SortFriends(slot);
}

} // namespace zelmora
