#pragma once
// What a contact becomes as a friend, whatever file it came from: the names (or the
// organisation's name, or the name part of the e-mail address), the preferred phone,
// mobile, e-mail, web site and address (preferred, then home, then untyped, then work),
// the birthday, saint's day and two other dates with their reasons, and the notes; with
// everything left out counted.

#include "core/base/LangText.h"
#include "core/exchange/Contact.h"
#include "core/exchange/MappedFriend.h"

namespace zelmora {

class FriendBuilder;

class ContactMapping {
public:
    // `language` chooses the reasons the card gets for a wedding anniversary and an other date.
    explicit ContactMapping(Language language) : m_language(language) {}

    MappedFriend map(const Contact& contact) const;

private:
    // Puts the date in its field, or in the first free other date with its reason; false
    // when the card has no room left for it.
    bool placeDate(FriendBuilder& builder, const ContactDate& date) const;

    Language m_language;
};

} // namespace zelmora
