#pragma once
// The HTML export: one page with an index of names under their initial letters, linked
// to one block per friend in table order, labelled in the chosen language; Windows-1252
// with CR LF line ends. Field values are escaped, so they show exactly as typed.

#include "core/data/FriendTable.h"
#include "core/base/LangText.h"

#include <string>

namespace zelmora {

std::string buildHtmlExport(const FriendTable& table, Language language);

// `text` with &, <, > and " written as character references.
void appendHtmlEscaped(std::string& out, std::string_view text);

} // namespace zelmora
