#pragma once
// A contact fitted to a friend's card, with what the fitting changed or left out, for the
// import's report.

#include "core/data/Friend.h"
#include "core/exchange/Contact.h"
#include "core/exchange/NotKept.h"

#include <array>
#include <cstddef>
#include <vector>

namespace zelmora {

struct FriendNotes {
    std::size_t changedCharacters = 0; // stored as "?", Windows-1252 having no such character
    std::size_t controlCharacters = 0; // removed (a tab became a blank)
    std::vector<FriendField> cut;             // cut to the field's length
    std::vector<FriendField> tooLongReplaced; // a value too long passed over for the next that fits
    std::vector<FriendField> tooLongEmptied;  // no value fitted: left empty
    bool namedFromEmail = false;              // no name but an e-mail address
    NotKept notKept;
};

struct MappedFriend {
    TFriend record;
    FriendNotes notes;
    std::array<Origin, FriendFieldCount> origins{}; // where in the card each field was read

    bool hasName() const { return !record.Nom.empty() || !record.Prenom.empty(); }
};

} // namespace zelmora
