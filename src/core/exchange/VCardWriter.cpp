#include "core/exchange/VCardWriter.h"

#include "core/exchange/FriendCard.h"
#include "core/exchange/FriendUid.h"

namespace zelmora {

std::string VCardWriter::write(const FriendTable& table) const
{
    std::string out;
    const FriendUids uids(table);
    const FriendCard card(VCardVersion::V4, m_language);
    for (std::uint16_t slot = 1; slot <= table.FriendCount; ++slot) {
        out += card.card(table[slot], "urn:zelmora:" + uids.stem(slot));
    }
    return out;
}

} // namespace zelmora
