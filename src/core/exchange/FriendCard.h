#pragma once
// One friend as the content lines of a vCard, part by part: what the export writes for
// every friend (4.0), and what an address book server receives (3.0, which every server
// takes) for a new friend or for the parts of its card that changed. Every date goes with
// the label that brings it back where it was (Apple's X-ABDATE and X-ABLabel).

#include "core/base/LangText.h"
#include "core/data/Friend.h"

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace zelmora {

enum class VCardVersion { V3, V4 };

// The parts of a card that a friend's fields fill; each is written, and replaced, whole.
enum class CardPart { Names, Address, Phone, Mobile, Email, WebSite, Notes, Birthday, SaintsDay, OtherDate1, OtherDate2 };
inline constexpr std::array<CardPart, 11> CardParts = {
    CardPart::Names,  CardPart::Address, CardPart::Phone,    CardPart::Mobile,    CardPart::Email,     CardPart::WebSite,
    CardPart::Notes, CardPart::Birthday, CardPart::SaintsDay, CardPart::OtherDate1, CardPart::OtherDate2};

// "Anne DUPONT": the first name, then the last (Windows-1252), as cards and calendars name a friend.
std::string formattedName(const TFriend& f);

// The friend's fields that the part holds.
std::span<const FriendField> fieldsOf(CardPart part);
// Whether the part's fields hold the same texts in both friends.
bool samePart(CardPart part, const TFriend& one, const TFriend& other);

class FriendCard {
public:
    // `language` words the saint's day's label.
    FriendCard(VCardVersion version, Language language);

    // BEGIN:VCARD to END:VCARD.
    std::string card(const TFriend& f, std::string_view uid) const;
    // The part's content lines, folded and ended with CRLF; empty when the friend has nothing for it.
    std::string partLines(CardPart part, const TFriend& f) const;
    // The value, escaped, of the one property of the address, a phone, the e-mail address,
    // the web site or the notes; of N for the names.
    static std::string propertyValue(CardPart part, const TFriend& f);

private:
    VCardVersion m_version;
    std::string m_saintsDayLabel; // Windows-1252
};

} // namespace zelmora
