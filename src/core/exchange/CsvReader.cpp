#include "core/exchange/CsvReader.h"

#include <algorithm>
#include <array>

namespace zelmora {

namespace {

char delimiterOf(std::string_view text)
{
    const std::string_view firstLine = text.substr(0, text.find_first_of("\r\n"));
    char best = ',';
    std::size_t most = 0;
    for (const char candidate : {',', ';', '\t'}) {
        const auto count = static_cast<std::size_t>(std::count(firstLine.begin(), firstLine.end(), candidate));
        if (count > most) {
            best = candidate;
            most = count;
        }
    }
    return best;
}

bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

} // namespace

CsvReader::CsvReader(std::string_view text) : m_text(text), m_delimiter(delimiterOf(text)) {}

void CsvReader::skipLineEnd()
{
    // CR LF, LF, CR alone, and the CR CR LF some programs write: one line end each.
    while (m_pos < m_text.size() && m_text[m_pos] == '\r') {
        ++m_pos;
    }
    if (m_pos < m_text.size() && m_text[m_pos] == '\n') {
        ++m_pos;
    }
    ++m_line;
}

// From an opening quote to the closing one; false when the file ends first.
bool CsvReader::readQuoted(std::string& field)
{
    ++m_pos;
    for (;;) {
        const std::size_t quote = m_text.find('"', m_pos);
        if (quote == std::string_view::npos) {
            return false;
        }
        const std::string_view part = m_text.substr(m_pos, quote - m_pos);
        m_line += static_cast<std::size_t>(std::count(part.begin(), part.end(), '\n'));
        field.append(part);
        m_pos = quote + 1;
        if (m_pos < m_text.size() && m_text[m_pos] == '"') {
            field += '"'; // a doubled quote is one quote
            ++m_pos;
        } else {
            return true;
        }
    }
}

bool CsvReader::readRecord(CsvRecord& record)
{
    const std::array<char, 3> stops = {m_delimiter, '\r', '\n'};
    const std::string_view stopCharacters(stops.data(), stops.size());
    std::string field;
    for (;;) { // one field at a time
        if (m_pos < m_text.size() && m_text[m_pos] == '"' && !readQuoted(field)) {
            return false;
        }
        // Up to the end of the field; text after a closing quote is kept as written.
        const std::size_t stop = std::min(m_text.find_first_of(stopCharacters, m_pos), m_text.size());
        field.append(m_text.substr(m_pos, stop - m_pos));
        m_pos = stop;
        record.push_back(std::move(field));
        field.clear();
        if (m_pos == m_text.size()) {
            return true;
        }
        if (isLineEnd(m_text[m_pos])) {
            skipLineEnd();
            return true;
        }
        ++m_pos; // the delimiter
    }
}

std::optional<CsvRecord> CsvReader::next()
{
    while (m_pos < m_text.size()) {
        const std::size_t start = m_pos;
        const std::size_t startLine = m_line;
        CsvRecord record;
        if (!readRecord(record)) {
            m_skipped.add(startLine);
            m_pos = std::min(m_text.find_first_of("\r\n", start), m_text.size());
            m_line = startLine;
            if (m_pos < m_text.size()) {
                skipLineEnd();
            }
            continue;
        }
        if (record.size() > 1 || !record.front().empty()) {
            return record;
        }
    }
    return std::nullopt;
}

} // namespace zelmora
