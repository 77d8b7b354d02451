#include "core/exchange/FriendImporter.h"

#include <string>
#include <unordered_set>

namespace zelmora {

ImportReport FriendImporter::import(FriendTable& table, const ParsedContacts& parsed) const
{
    ImportReport report = parsed.report;
    std::unordered_set<std::string> names; // list texts in the table, imported ones included
    for (std::uint16_t slot = 1; slot <= table.FriendCount; ++slot) {
        names.insert(listText(table[slot]));
    }
    for (std::size_t i = 0; i < parsed.friends.size(); ++i) {
        const MappedFriend& mapped = parsed.friends[i];
        std::string name = listText(mapped.record);
        if (m_duplicates == Duplicates::Skip && names.contains(name)) {
            report.duplicates.push_back(std::move(name));
            continue;
        }
        if (table.isFull()) {
            report.leftOut = parsed.friends.size() - i;
            break;
        }
        table[++table.FriendCount] = mapped.record;
        names.insert(name);
        report.addImported(std::move(name), mapped.notes);
    }
    if (!report.imported.empty()) {
        table.SortFriends();
    }
    return report;
}

} // namespace zelmora
