#pragma once
// A card as an address book server holds it, and the friend it makes here: read as an
// import reads it, so that what the server keeps and what the friend shows compare.

#include "core/base/LangText.h"
#include "core/exchange/FriendCard.h"
#include "core/exchange/MappedFriend.h"
#include "core/exchange/VCard.h"

#include <optional>
#include <string>

namespace zelmora {

struct ServerCard {
    std::string text; // as the server sent it
    VCard card;       // its first card
    MappedFriend mapped;
    VCardVersion version = VCardVersion::V3;

    bool hasName() const { return mapped.hasName(); }
    std::string uid() const;

    // Nothing when the text holds no card.
    static std::optional<ServerCard> read(std::string text, Language language);
};

// The friend as the server will give it back: its card written and read again. Comparing
// this, not the friend, with what the server holds leaves aside what no card can say
// differently (a last name's capitals, a half-typed date).
TFriend asServerReads(const TFriend& f, Language language);

// A friend whose every field is as reading an empty card leaves it: the ancestor of two
// friends that met for the first time.
TFriend emptyCardFriend();

} // namespace zelmora
