#pragma once
// The friend table as vCard 4.0 in UTF-8, one card per friend, with every field that an
// import reads back: names, birthday, address, phones, e-mail, web site, notes and every
// date: a wedding anniversary as ANNIVERSARY, the saint's day and the other dates as
// labelled dates that other address books read (Apple's X-ABDATE with its X-ABLabel).
// Each card has a UID that stays the same from one export to the next.

#include "core/base/LangText.h"
#include "core/data/FriendTable.h"

#include <string>

namespace zelmora {

class VCardWriter {
public:
    // `language` words the saint's day's label.
    explicit VCardWriter(Language language) : m_language(language) {}

    std::string write(const FriendTable& table) const;

private:
    Language m_language;
};

} // namespace zelmora
