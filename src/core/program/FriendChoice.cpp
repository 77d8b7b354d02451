#include "core/program/FriendChoice.h"

#include "core/base/Cp1252.h"

namespace zelmora {

FriendChoice findFriendByListText(const FriendTable& table, std::string_view utf8, Language language)
{
    const cp1252::Converted name = cp1252::fromUtf8(utf8);
    const std::uint16_t slot = name.ok ? table.FindFriend(name.text) : 0;
    if (slot == 0) {
        return {0, Status::failure(std::string(LangText(lang::NoSuchFriend, language)) + cp1252::forDisplay(utf8))};
    }
    return {slot, Status::success()};
}

} // namespace zelmora
