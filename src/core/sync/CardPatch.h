#pragma once
// A server's card with the parts a friend changed written anew, and every other line as the
// server sent it, byte for byte: a card holds much a friend has no field for (photos,
// organisations, further phones and e-mail addresses, groups), which must come back whole.
// A part's property is replaced where it stands, keeping its type (a work phone stays one);
// a part the card lacked is added before END:VCARD; an emptied part's property is removed.

#include "core/base/LangText.h"
#include "core/exchange/FriendCard.h"
#include "core/sync/ServerCard.h"

#include <string>
#include <vector>

namespace zelmora {

std::string patchCard(const ServerCard& card, const TFriend& target, const std::vector<CardPart>& parts,
                      Language language);

} // namespace zelmora
