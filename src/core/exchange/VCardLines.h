#pragma once
// The content lines of a vCard file: physical lines split at line ends of every kind
// (CRLF, LF, CR alone, and the CR CR LF of some iPhone exports), then joined again where
// a quoted-printable value breaks softly ("=" at the end) or a line is folded (the next
// one starts with a blank). The soft break is looked at first: the line after it belongs
// to the value whole, even when it starts with a blank.

#include <cstddef>
#include <string>
#include <string_view>

namespace zelmora {

class VCardLines {
public:
    explicit VCardLines(std::string_view text) : m_text(text) {}

    bool atEnd() const { return m_pos >= m_text.size(); }
    // The 1-based number of the physical line where the next content line starts.
    std::size_t nextNumber() const { return m_number + 1; }
    // How far into the text the reading has come.
    std::size_t position() const { return m_pos; }

    std::string nextContentLine();

private:
    struct Line {
        std::string_view text;
        std::size_t next = 0; // where the line after it starts
    };

    std::string_view nextPhysical();
    const Line& peekPhysical();
    Line lineAt(std::size_t pos);

    std::string_view m_text;
    std::size_t m_pos = 0;
    std::size_t m_number = 0;
    Line m_peeked;
    bool m_hasPeeked = false;
    // End of a run of CRs known to be followed by no LF: each of them ends a line.
    std::size_t m_loneCarriageReturnsEnd = 0;
};

} // namespace zelmora
