#pragma once
// What an import did, for the user: a one-line summary and the friends it concerns.

#include "core/base/LangText.h"

#include <cstddef>
#include <string>
#include <vector>

namespace zelmora {

struct ImportReport {
    std::vector<std::string> imported;   // list texts, in the order of the cards
    std::vector<std::string> duplicates; // skipped: their list text was already there
    std::vector<std::string> changed;    // imported with characters stored as "?"
    std::size_t nameless = 0;            // cards skipped for having neither name
    std::size_t changedCharacters = 0;
    std::size_t leftOut = 0; // cards not looked at because the table was full

    // "Imported: 3, skipped as duplicates: 1, skipped without a name: 0, characters changed to ?: 2"
    std::string summary(Language language) const;
    // One line per skipped or changed friend, then the cards left out, if any.
    std::vector<std::string> details(Language language) const;
};

} // namespace zelmora
