#pragma once
// What one card becomes as a friend: N (or FN) to the names, BDAY to the birthday,
// ANNIVERSARY and its usual extensions to the first other date, ADR, TEL, EMAIL, URL
// and NOTE to their fields; values cut to the fields as the card cuts them, and a
// character Windows-1252 cannot hold stored as "?".

#include "core/base/LangText.h"
#include "core/data/Friend.h"
#include "core/exchange/VCard.h"

#include <cstddef>

namespace zelmora {

struct MappedFriend {
    TFriend record;
    std::size_t changedCharacters = 0; // stored as "?"

    bool hasName() const { return !record.Nom.empty() || !record.Prenom.empty(); }
};

class VCardMapping {
public:
    // `language` chooses the word stored as the reason of a wedding anniversary.
    explicit VCardMapping(Language language) : m_language(language) {}

    MappedFriend map(const VCard& card) const;

private:
    Language m_language;
};

} // namespace zelmora
