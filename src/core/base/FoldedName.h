#pragma once
// Names as the program compares them: "Élodie", "ELODIE" and "elodie" are one name, and
// so are "Jean-Baptiste", "jean baptiste" and " Jean - Baptiste ". The saints' calendar
// looks first names up this way, and the window's find box searches its lists so.

#include <string>
#include <string_view>

namespace zelmora {

// A Windows-1252 name in small letters without accents (œ and æ as two letters), its
// parts joined by one hyphen, whatever blanks or hyphens stood between them.
std::string foldName(std::string_view name);

// The first part of a folded compound name ("jean" of "jean-baptiste"); empty when the
// name has a single part.
std::string_view firstPart(std::string_view foldedName);

// Whether `part` appears in `text`, both folded (an empty part appears everywhere).
bool containsFolded(std::string_view text, std::string_view part);

} // namespace zelmora
