#pragma once
// Reads a file of contacts, vCard or CSV, into friends ready to be added to a table,
// without touching any table: pure work on the file's bytes, which the window runs away
// from its own thread. The format is found from the text; UTF-16 with a byte order mark,
// UTF-8 and Windows-1252 are read. At most MaxContacts friends are kept, so that no file
// can make the reading hold more than a bounded amount.

#include "core/base/LangText.h"
#include "core/base/Status.h"
#include "core/exchange/ImportReport.h"
#include "core/exchange/MappedFriend.h"

#include <atomic>
#include <cstddef>
#include <functional>
#include <string_view>
#include <vector>

namespace zelmora {

struct ImportProgress {
    // Called after each contact with how much of the file's text is read; may be empty.
    std::function<void(std::size_t done, std::size_t total)> advanced;
    // Looked at before each contact; when it is set, the reading stops.
    const std::atomic<bool>* cancel = nullptr;
};

struct ParsedContacts {
    Status status;     // failure: nothing to import (not a file of contacts, or cancelled)
    bool cancelled = false;
    std::vector<MappedFriend> friends; // the contacts with a name, in the order of the file
    ImportReport report;               // what the reading found: lines skipped, contacts without a name
};

class ContactParser {
public:
    // Ten tables' worth: room for duplicates, while far less than a hostile file could hold.
    static constexpr std::size_t MaxContacts = 10000;

    // `language` chooses the words the cards get as reasons and in messages.
    explicit ContactParser(Language language) : m_language(language) {}

    ParsedContacts parse(std::string_view bytes, const ImportProgress& progress = {}) const;

private:
    Language m_language;
};

} // namespace zelmora
