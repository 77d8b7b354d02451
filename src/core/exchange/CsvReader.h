#pragma once
// The records of a CSV file as RFC 4180 writes them: fields split at the delimiter, records
// at line ends of any kind, and a field in double quotes holding delimiters, line breaks
// and doubled quotes. A quote the file never closes makes its record unreadable: its first
// line is skipped and counted, and the reading goes on at the next line. Empty lines are
// passed over.

#include "core/exchange/SkippedLines.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelmora {

using CsvRecord = std::vector<std::string>;

class CsvReader {
public:
    // The delimiter is the one of comma, semicolon and tab that the first line holds most of
    // (Excel writes semicolons where the comma is the decimal mark).
    explicit CsvReader(std::string_view text);

    std::optional<CsvRecord> next();

    std::size_t position() const { return m_pos; }
    const SkippedLines& skippedLines() const { return m_skipped; }

private:
    bool readRecord(CsvRecord& record);
    bool readQuoted(std::string& field);
    void skipLineEnd();

    std::string_view m_text;
    char m_delimiter = ',';
    std::size_t m_pos = 0;
    std::size_t m_line = 1; // the line at m_pos
    SkippedLines m_skipped;
};

} // namespace zelmora
