#include "core/exchange/VCardImporter.h"

#include "core/exchange/VCardMapping.h"

#include <string>
#include <unordered_set>

namespace zelmora {

ImportReport VCardImporter::import(FriendTable& table, std::span<const VCard> cards) const
{
    ImportReport report;
    const VCardMapping mapping(m_language);
    std::unordered_set<std::string> names; // list texts in the table, imported ones included
    for (std::uint16_t slot = 1; slot <= table.FriendCount; ++slot) {
        names.insert(listText(table[slot]));
    }
    for (std::size_t i = 0; i < cards.size(); ++i) {
        const MappedFriend mapped = mapping.map(cards[i]);
        if (!mapped.hasName()) {
            ++report.nameless;
            continue;
        }
        std::string name = listText(mapped.record);
        if (m_duplicates == Duplicates::Skip && names.contains(name)) {
            report.duplicates.push_back(std::move(name));
            continue;
        }
        if (table.isFull()) {
            report.leftOut = cards.size() - i;
            break;
        }
        table.AppendFriend(mapped.record);
        if (mapped.changedCharacters > 0) {
            report.changedCharacters += mapped.changedCharacters;
            report.changed.push_back(name);
        }
        names.insert(name);
        report.imported.push_back(std::move(name));
    }
    if (!report.imported.empty()) {
        table.SortFriends();
    }
    return report;
}

} // namespace zelmora
