#pragma once
// Symbolic links met on the way to a file the program reads or writes. In a folder that
// others may write to (a group's shared data folder), a link planted by someone else could
// make a save write over one of the user's own files, or a read copy one out. A link is
// followed only when the user (or the administrator) made it and it leads to a file of the
// user's own; nothing is ever created through a link that leads nowhere.

#include <filesystem>
#include <optional>
#include <string>

namespace zelmora {

struct FollowedLinks {
    std::filesystem::path file;         // where the links lead; the path itself when it is none
    std::optional<std::string> refusal; // why they may not be followed, naming the link and its owner
};

// A device reached through links (/dev/stdout) keeps the name given: `file` is then the
// path itself, since a device's last link may name something that is no path at all.
FollowedLinks followOwnLinks(const std::filesystem::path& path);

} // namespace zelmora
