#pragma once
// A read card as a contact: N, FN and ORG; the phones, e-mail addresses, web sites and
// addresses with what their types say (PREF, HOME, WORK; fax, pager, modem, text phone
// and video phone set aside; Outlook's X-MS-OL-DEFAULT-POSTAL-ADDRESS preferring one
// address); BDAY, ANNIVERSARY and the usual extensions for dates (Apple's X-ABDATE with
// its X-ABLabel, Android's X-ANDROID-CUSTOM events, Evolution's, KAddressBook's and
// Outlook's anniversaries); and what the card has no place for, counted.

#include "core/exchange/Contact.h"
#include "core/exchange/VCard.h"

namespace zelmora {

class VCardContact {
public:
    static Contact fromCard(const VCard& card);
};

} // namespace zelmora
