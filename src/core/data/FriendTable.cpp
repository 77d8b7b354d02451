#include "core/data/FriendTable.h"

#include "core/data/ExchangeSort.h"

#include <string>
#include <utility>

namespace zelmora {

FriendTable& FriendTable::operator=(const FriendTable& other)
{
    if (this != &other) {
        *m_slots = *other.m_slots;
        FriendCount = other.FriendCount;
        CurrentFriend = other.CurrentFriend;
        PreviousFriend = other.PreviousFriend;
        EditPending = other.EditPending;
        NewPending = other.NewPending;
        DataChanged = other.DataChanged;
    }
    return *this;
}

void FriendTable::ClearFriend(std::uint16_t slot) { (*m_slots)[slot] = TFriend{}; }

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
        (*m_slots)[s] = (*m_slots)[s + 1];
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

void FriendTable::SortFriends()
{
    exchangeSort(
        *m_slots, FriendCount, [](const TFriend& f) { return keyPrefix(f.Nom.view(), f.Prenom.view()); },
        [](const TFriend& a, const TFriend& b) {
            return compareJoined(a.Nom.view(), a.Prenom.view(), b.Nom.view(), b.Prenom.view()) < 0;
        });
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

bool FriendTable::NameExists(std::string_view text) const
{
    for (std::uint16_t slot = 1; slot <= FriendCount; ++slot) {
        if (slot != CurrentFriend && listText((*m_slots)[slot]) == text) {
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
    const std::string stored = listText((*m_slots)[CurrentFriend]);
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

