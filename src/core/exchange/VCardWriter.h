#pragma once
// The friend table as vCard 4.0 in UTF-8, one card per friend, with every field that
// an import reads back: names, birthday, wedding anniversary, address, phones, e-mail,
// web site and notes.

#include "core/data/FriendTable.h"

#include <string>

namespace zelmora {

class VCardWriter {
public:
    static std::string write(const FriendTable& table);
};

} // namespace zelmora
