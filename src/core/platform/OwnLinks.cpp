#include "core/platform/OwnLinks.h"

#include "core/base/PathText.h"
#include "core/platform/FileCalls.h"

#include <system_error>

namespace zelmora {

namespace fs = std::filesystem;

FollowedLinks followOwnLinks(const fs::path& path)
{
    constexpr int MostLinks = 40; // as the system allows
    fs::path file = path;
    std::error_code error;
    for (int hops = 0; fs::is_symlink(file, error); ++hops) {
        if (hops == MostLinks) {
            return {path, "too many levels of symbolic links"};
        }
        if (const auto owner = filecalls::foreignLinkOwner(file)) {
            return {path, "it is a symbolic link made by " + *owner + ", which is not followed"};
        }
        const fs::path next = fs::read_symlink(file, error);
        if (error) {
            return {path, error.message()};
        }
        file = next.is_absolute() ? next : file.parent_path() / next;
    }
    if (file == path) {
        return {path, std::nullopt};
    }
    const fs::file_status status = fs::status(path, error); // the system's own view of where the links lead
    if (status.type() == fs::file_type::not_found) {
        return {path, "it is a symbolic link to " + pathToUtf8(file) + ", which does not exist; nothing is created through it"};
    }
    if (status.type() != fs::file_type::regular) {
        return {path, std::nullopt};
    }
    if (const auto owner = filecalls::foreignFileOwner(path)) {
        return {path, "it is a symbolic link to " + pathToUtf8(file) + ", a file of " + *owner + ", which is not followed"};
    }
    return {file, std::nullopt};
}

} // namespace zelmora
