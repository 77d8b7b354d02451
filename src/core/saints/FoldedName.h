#pragma once
// First names as the saints' calendar compares them: "Élodie", "ELODIE" and "elodie" are
// one name, and so are "Jean-Baptiste", "jean baptiste" and " Jean - Baptiste ".

#include <string>
#include <string_view>

namespace zelmora {

// A Windows-1252 first name in small letters without accents (œ and æ as two letters),
// its parts joined by one hyphen, whatever blanks or hyphens stood between them.
std::string foldName(std::string_view name);

// The first part of a folded compound name ("jean" of "jean-baptiste"); empty when the
// name has a single part.
std::string_view firstPart(std::string_view foldedName);

} // namespace zelmora
