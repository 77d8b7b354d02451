#include "core/exchange/ContactFormat.h"

namespace zelmora {

ContactFormat ContactFormat::detect(std::string_view text)
{
    ContactFormat format;
    // A vCard file's first line (BEGIN:VCARD) names no known column.
    if (std::optional<CsvRecord> header = CsvReader(text).next()) {
        format.m_csvColumns = CsvColumns::fromHeader(*header);
    }
    return format;
}

} // namespace zelmora
