#pragma once
// Reads the cards of a vCard file of version 2.1, 3.0 or 4.0 one at a time: splits
// names, parameters and values, and undoes QUOTED-PRINTABLE and CHARSET. A line that is
// no property (no colon, a name that is no name, text between cards) is skipped and
// counted; a card nested in another (2.1's AGENT) is skipped; a card that lacks its
// END:VCARD ends where the next one begins, or with the file.

#include "core/exchange/FileText.h"
#include "core/exchange/SkippedLines.h"
#include "core/exchange/VCard.h"
#include "core/exchange/VCardLines.h"

#include <optional>
#include <vector>

namespace zelmora {

class VCardReader {
public:
    // Reads from the file's text, which must outlive the reader.
    explicit VCardReader(const FileText& file) : m_lines(file.text), m_textIsUnicode(file.wasUtf16) {}
    explicit VCardReader(FileText&&) = delete;

    // The next card, or nothing at the end of the file.
    std::optional<VCard> next();

    std::size_t position() const { return m_lines.position(); }
    const SkippedLines& skippedLines() const { return m_skipped; }

    // Every card of a file at once, for those who need no progress.
    static std::vector<VCard> readAll(const FileText& file);

private:
    enum class Place { BetweenCards, InCard, InNestedCard };

    void readLine(std::optional<VCard>& finished);

    VCardLines m_lines;
    bool m_textIsUnicode;
    SkippedLines m_skipped;
    Place m_place = Place::BetweenCards;
    VCard m_card;
    std::size_t m_nesting = 0;
    bool m_inBase64Value = false; // 2.1 lets the lines of a BASE64 value go unfolded
};

} // namespace zelmora
