#include "core/sync/ServerCard.h"

#include "core/exchange/ContactMapping.h"
#include "core/exchange/FriendBuilder.h"
#include "core/exchange/VCardContact.h"
#include "core/exchange/VCardReader.h"

namespace zelmora {

std::string ServerCard::uid() const
{
    for (const VCardProperty& property : card.properties) {
        if (property.name == "UID") {
            return property.value;
        }
    }
    return {};
}

std::optional<ServerCard> ServerCard::read(std::string text, Language language)
{
    ServerCard read;
    read.text = std::move(text);
    const FileText file{read.text, false};
    std::optional<VCard> card = VCardReader(file).next();
    if (!card) {
        return std::nullopt;
    }
    read.card = std::move(*card);
    read.mapped = ContactMapping(language).map(VCardContact::fromCard(read.card));
    for (const VCardProperty& property : read.card.properties) {
        if (property.name == "VERSION") {
            read.version = property.value.starts_with("4") ? VCardVersion::V4 : VCardVersion::V3;
        }
    }
    return read;
}

TFriend asServerReads(const TFriend& f, Language language)
{
    return ServerCard::read(FriendCard(VCardVersion::V3, language).card(f, "-"), language)->mapped.record;
}

TFriend emptyCardFriend() { return FriendBuilder().result().record; }

} // namespace zelmora
