#include "core/exchange/VCardLines.h"

#include "core/exchange/VCard.h"

#include <algorithm>

namespace zelmora {

namespace {

bool isFoldContinuation(std::string_view line) { return !line.empty() && (line[0] == ' ' || line[0] == '\t'); }

// Whether the property's parameters ask for quoted-printable: looked at once per content
// line, in the part before the first colon outside quotes.
bool declaresQuotedPrintable(std::string_view line)
{
    bool quoted = false;
    std::size_t colon = 0;
    for (; colon < line.size(); ++colon) {
        if (line[colon] == '"') {
            quoted = !quoted;
        } else if (line[colon] == ':' && !quoted) {
            break;
        }
    }
    if (colon == line.size()) {
        return false; // no value, so no value to join
    }
    constexpr std::string_view Wanted = "QUOTED-PRINTABLE";
    const std::string_view head = line.substr(0, colon);
    for (std::size_t at = 0; at + Wanted.size() <= head.size(); ++at) {
        if (equalsIgnoringCase(head.substr(at, Wanted.size()), Wanted)) {
            return true;
        }
    }
    return false;
}

} // namespace

VCardLines::Line VCardLines::lineAt(std::size_t pos)
{
    const std::size_t end = std::min(m_text.find_first_of("\r\n", pos), m_text.size());
    Line line{m_text.substr(pos, end - pos), end};
    if (end == m_text.size()) {
        return line;
    }
    if (m_text[end] == '\n' || end < m_loneCarriageReturnsEnd) {
        line.next = end + 1;
        return line;
    }
    // CRs followed by an LF end one line together (CR LF, CR CR LF); otherwise each ends one.
    const std::size_t afterRun = std::min(m_text.find_first_not_of('\r', end), m_text.size());
    if (afterRun < m_text.size() && m_text[afterRun] == '\n') {
        line.next = afterRun + 1;
    } else {
        m_loneCarriageReturnsEnd = afterRun;
        line.next = end + 1;
    }
    return line;
}

const VCardLines::Line& VCardLines::peekPhysical()
{
    if (!m_hasPeeked) {
        m_peeked = lineAt(m_pos);
        m_hasPeeked = true;
    }
    return m_peeked;
}

std::string_view VCardLines::nextPhysical()
{
    const Line line = peekPhysical();
    m_hasPeeked = false;
    m_pos = line.next;
    ++m_number;
    return line.text;
}

std::string VCardLines::nextContentLine()
{
    std::string line(nextPhysical());
    int quotedPrintable = -1; // not known until the line first ends with "="
    while (!atEnd()) {
        if (line.ends_with('=')) {
            if (quotedPrintable < 0) {
                quotedPrintable = declaresQuotedPrintable(line) ? 1 : 0;
            }
            if (quotedPrintable == 1) {
                line.pop_back();
                line.append(nextPhysical());
                continue;
            }
        }
        if (!isFoldContinuation(peekPhysical().text)) {
            break;
        }
        line.append(nextPhysical().substr(1));
    }
    return line;
}

} // namespace zelmora
