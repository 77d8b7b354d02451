#pragma once
// Keeps the synchronisation's record of which friend is which card in step with the
// changes made here, so that a friend renamed in the window or by the command line stays
// the same card on the server. Every store of the window and the command line follows with
// it; before the first synchronisation it does nothing.

#include "core/platform/FileWriter.h"
#include "core/storage/FriendsStore.h"

#include <filesystem>

namespace zelmora {

// A change of one friend (one friend gone, one come) keeps its identity whatever changed;
// in larger changes, friends are found again by name, then by birthday.
FriendsStore::Follower syncFollower(const std::filesystem::path& folder, const FileWriter& writer);

} // namespace zelmora
