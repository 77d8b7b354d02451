#pragma once
// Which friend a command line names: the one listed as "LAST-NAME First-name".

#include "core/base/LangText.h"
#include "core/base/Status.h"
#include "core/data/FriendTable.h"

#include <cstdint>
#include <string_view>

namespace zelmora {

struct FriendChoice {
    std::uint16_t slot = 0; // 0 when no friend was found
    Status status;
};

// The first friend whose list text is `utf8`, as typed.
FriendChoice findFriendByListText(const FriendTable& table, std::string_view utf8, Language language);

} // namespace zelmora
