#pragma once
// Adds the friends read from a file to the table: a friend whose list text is already
// there is skipped unless duplicates are allowed, and a full table stops the import. The
// table is sorted once at the end; nothing else of it is touched.

#include "core/data/FriendTable.h"
#include "core/exchange/ContactParser.h"
#include "core/exchange/ImportReport.h"

namespace zelmora {

class FriendImporter {
public:
    enum class Duplicates { Skip, Allow };

    explicit FriendImporter(Duplicates duplicates) : m_duplicates(duplicates) {}

    // The reading's report, completed with what the import did.
    ImportReport import(FriendTable& table, const ParsedContacts& parsed) const;

private:
    Duplicates m_duplicates;
};

} // namespace zelmora
