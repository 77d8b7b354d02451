#pragma once
// The three-way merge of one friend, field by field, against the friend as both sides had
// it at the last synchronisation: a field changed on one side takes that side's value; a
// field both changed alike takes it; a field both changed differently takes the server's
// value, and the one from here is kept in the merge's conflicts.

#include "core/data/Friend.h"

#include <string>
#include <vector>

namespace zelmora {

struct FieldConflict {
    FriendField field;
    std::string here;   // the value given up, Windows-1252
    std::string server; // the value kept
};

struct MergedFriend {
    TFriend merged;
    // The same as the server reads it: where merged holds this program's value,
    // hereSeen's; where it holds the server's, the server's.
    TFriend seen;
    std::vector<FieldConflict> conflicts;
};

struct MergeSides {
    const TFriend& base;     // both sides at the last synchronisation, as the server read it
    const TFriend& here;     // the friend here, as it stands
    const TFriend& hereSeen; // the friend here as the server would read it
    const TFriend& server;   // the server's card as read
};

MergedFriend mergeFriend(const MergeSides& sides);

} // namespace zelmora
