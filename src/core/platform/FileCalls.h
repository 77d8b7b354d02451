#pragma once
// The system calls under PendingFile and the checks of links, one source per system
// (PosixFileCalls.cpp, WindowsFileCalls.cpp). Descriptors are the C library's; every failure leaves errno set.

#include "core/base/Status.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zelmora::filecalls {

// Creates a new temporary for `target` in `folder`, readable and writable by the user only;
// its descriptor, or -1.
int openTemporary(const std::filesystem::path& folder, const std::filesystem::path& target,
                  std::filesystem::path& temporary);
// Whether `name` is one that openTemporary gives temporaries of `target`.
bool isTemporaryName(const std::filesystem::path& name, const std::filesystem::path& target);

int openInPlace(const std::filesystem::path& file);
int writeSome(int fd, std::string_view bytes);
int syncFile(int fd);
int closeFile(int fd);
// Puts `from` in the place of `to` in one step.
bool moveOver(const std::filesystem::path& from, const std::filesystem::path& to);
// Makes a rename in `folder` durable, where the system needs telling.
void syncFolder(const std::filesystem::path& folder);

// Gives the temporary `fd` what the system lets a replaced file keep of `target`.
Status keepOwnership(const std::filesystem::path& target, int fd);

// Why the temporary cannot be written further, found by trying; nothing where the system
// gives no way to try.
std::optional<std::string> whyNotWritable(const std::filesystem::path& temporary);

// The owner of the link `link` itself, "user bob (1001)", when it is neither this user nor
// the administrator; nothing otherwise, or where the system keeps no owner to ask.
std::optional<std::string> foreignLinkOwner(const std::filesystem::path& link);
// The owner of what `path` leads to, when it is not this user.
std::optional<std::string> foreignFileOwner(const std::filesystem::path& path);

} // namespace zelmora::filecalls
