#pragma once
// What an import did, for the user: a one-line summary, then a line for each thing the
// user should know: lines skipped, friends skipped, changed, cut or named otherwise, and
// what their cards had no place for.

#include "core/base/LangText.h"
#include "core/exchange/MappedFriend.h"
#include "core/exchange/SkippedLines.h"

#include <cstddef>
#include <string>
#include <vector>

namespace zelmora {

// The language pair of the card's label of the field.
std::uint16_t labelOf(FriendField field);

struct NamedFields {
    std::string name; // the friend's list text
    std::vector<FriendField> fields;
};

struct ImportReport {
    std::vector<std::string> imported;   // list texts, in the order of the file
    std::vector<std::string> duplicates; // skipped: their list text was already there
    std::vector<std::string> changed;    // imported with characters stored as "?"
    std::vector<NamedFields> cut;
    std::vector<NamedFields> tooLongReplaced;
    std::vector<NamedFields> tooLongEmptied;
    std::vector<std::string> namedFromEmail;
    std::size_t nameless = 0; // contacts skipped for having no name at all
    std::size_t changedCharacters = 0;
    std::size_t controlCharacters = 0;
    std::size_t leftOut = 0;     // contacts not looked at because the table was full
    std::size_t beyondLimit = 0; // contacts past the most one file may bring
    SkippedLines skippedLines;
    NotKept notKept; // of the friends imported

    // Counts what the import of one friend changed or left out.
    void addImported(std::string name, const FriendNotes& notes);

    // "Imported: 3, skipped as duplicates: 1, skipped without a name: 0, characters changed to ?: 2"
    std::string summary(Language language) const;
    std::vector<std::string> details(Language language) const;
};

} // namespace zelmora
