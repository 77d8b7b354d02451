#pragma once
// Adds the friends of read cards to the table: a card without either name is skipped,
// a friend whose list text is already there is skipped unless duplicates are allowed,
// and a full table stops the import. The table is sorted once at the end.

#include "core/data/FriendTable.h"
#include "core/exchange/ImportReport.h"
#include "core/exchange/VCard.h"

#include <span>

namespace zelmora {

class VCardImporter {
public:
    enum class Duplicates { Skip, Allow };

    VCardImporter(Language language, Duplicates duplicates) : m_language(language), m_duplicates(duplicates) {}

    ImportReport import(FriendTable& table, std::span<const VCard> cards) const;

private:
    Language m_language;
    Duplicates m_duplicates;
};

} // namespace zelmora
