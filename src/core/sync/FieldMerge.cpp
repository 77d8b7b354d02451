#include "core/sync/FieldMerge.h"

namespace zelmora {

MergedFriend mergeFriend(const MergeSides& sides)
{
    MergedFriend result{sides.here, sides.server, {}};
    for (std::size_t i = 0; i < FriendFieldCount; ++i) {
        const auto field = static_cast<FriendField>(i);
        const std::string_view base = fieldText(sides.base, field);
        const std::string_view hereSeen = fieldText(sides.hereSeen, field);
        const std::string_view server = fieldText(sides.server, field);
        const bool changedHere = hereSeen != base;
        const bool changedThere = server != base;
        if (!changedThere || (changedHere && server == hereSeen)) {
            fieldRef(result.seen, field).assign(hereSeen);
            continue; // the value here stays as typed
        }
        fieldRef(result.merged, field).assign(server);
        if (changedHere) {
            result.conflicts.push_back({field, std::string(fieldText(sides.here, field)), std::string(server)});
        }
    }
    return result;
}

} // namespace zelmora
