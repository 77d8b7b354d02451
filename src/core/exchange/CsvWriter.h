#pragma once
// The friend table as a CSV file in Google Contacts' layout, which Outlook and Thunderbird
// import too: UTF-8 with a byte order mark (for Excel and Outlook), CRLF line ends, RFC 4180
// quoting. Every field an import reads back is written: the saint's day and the other
// dates as events labelled with their reason ("Anniversary" for a wedding anniversary).

#include "core/base/LangText.h"
#include "core/data/FriendTable.h"

#include <string>

namespace zelmora {

class CsvWriter {
public:
    // `language` words the saint's day's label.
    explicit CsvWriter(Language language) : m_language(language) {}

    std::string write(const FriendTable& table) const;

private:
    Language m_language;
};

} // namespace zelmora
