#pragma once
// Which reader a file of contacts needs, found from its text: CSV when its first record is
// the header row of a known address book, vCard otherwise.

#include "core/exchange/CsvColumns.h"

#include <optional>
#include <string_view>

namespace zelmora {

class ContactFormat {
public:
    static ContactFormat detect(std::string_view text);

    bool isCsv() const { return m_csvColumns.has_value(); }
    const CsvColumns& csvColumns() const { return *m_csvColumns; }

private:
    std::optional<CsvColumns> m_csvColumns;
};

} // namespace zelmora
