#pragma once
// The plain text export: a four-line header, then fifteen lines per friend in table
// order, labelled in the chosen language; Windows-1252 with CR LF line ends.

#include "core/data/FriendTable.h"
#include "core/base/LangText.h"

#include <string>

namespace zelmora {

std::string buildTextExport(const FriendTable& table, Language language);

} // namespace zelmora
