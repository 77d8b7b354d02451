#include "core/exchange/VCardReader.h"

#include "core/base/Cp1252.h"

#include <algorithm>

namespace zelmora {

namespace {

// Physical lines, their numbers, and the end-of-line characters stripped.
class LineSource {
public:
    explicit LineSource(std::string_view bytes) : m_bytes(bytes)
    {
        if (m_bytes.starts_with("\xEF\xBB\xBF")) {
            m_bytes.remove_prefix(3); // a byte order mark some programs write
        }
    }

    bool atEnd() const { return m_pos >= m_bytes.size(); }
    std::size_t nextNumber() const { return m_number + 1; }
    std::string_view peek() const { return lineAt(m_pos).first; }

    std::string_view next()
    {
        const auto [line, end] = lineAt(m_pos);
        m_pos = end;
        ++m_number;
        return line;
    }

private:
    // The line starting at `pos`, and where the one after it starts.
    std::pair<std::string_view, std::size_t> lineAt(std::size_t pos) const
    {
        std::size_t end = m_bytes.find('\n', pos);
        const std::size_t after = end == std::string_view::npos ? m_bytes.size() : end + 1;
        end = std::min(end, m_bytes.size());
        std::string_view line = m_bytes.substr(pos, end - pos);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        return {line, after};
    }

    std::string_view m_bytes;
    std::size_t m_pos = 0;
    std::size_t m_number = 0;
};

bool isFoldContinuation(std::string_view line) { return !line.empty() && (line[0] == ' ' || line[0] == '\t'); }

// Positions of `separator` in `text` outside double quotes (quoted parameter values may hold it).
std::size_t findUnquoted(std::string_view text, char separator, std::size_t from = 0)
{
    bool quoted = false;
    for (std::size_t i = from; i < text.size(); ++i) {
        if (text[i] == '"') {
            quoted = !quoted;
        } else if (text[i] == separator && !quoted) {
            return i;
        }
    }
    return std::string_view::npos;
}

std::vector<std::string_view> splitUnquoted(std::string_view text, char separator)
{
    std::vector<std::string_view> pieces;
    std::size_t start = 0;
    for (std::size_t at = findUnquoted(text, separator); at != std::string_view::npos;
         at = findUnquoted(text, separator, start)) {
        pieces.push_back(text.substr(start, at - start));
        start = at + 1;
    }
    pieces.push_back(text.substr(start));
    return pieces;
}

std::string upperAscii(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; });
    return out;
}

std::string_view unquote(std::string_view value)
{
    return value.size() >= 2 && value.front() == '"' && value.back() == '"' ? value.substr(1, value.size() - 2)
                                                                               : value;
}

bool isEncodingName(std::string_view word)
{
    for (const std::string_view encoding : {"QUOTED-PRINTABLE", "BASE64", "B", "8BIT", "7BIT"}) {
        if (equalsIgnoringCase(word, encoding)) {
            return true;
        }
    }
    return false;
}

VCardParameter readParameter(std::string_view text)
{
    const std::size_t equals = findUnquoted(text, '=');
    if (equals == std::string_view::npos) { // 2.1: TEL;CELL or NOTE;QUOTED-PRINTABLE
        return {isEncodingName(text) ? "ENCODING" : "TYPE", {std::string(text)}};
    }
    VCardParameter parameter{upperAscii(text.substr(0, equals)), {}};
    for (const std::string_view value : splitUnquoted(text.substr(equals + 1), ',')) {
        // 4.0 quotes a whole list (TYPE="cell,voice"): its items are values too.
        for (const std::string_view item : splitUnquoted(unquote(value), ',')) {
            parameter.values.emplace_back(item);
        }
    }
    return parameter;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    const char upper = static_cast<char>(c & ~0x20);
    return upper >= 'A' && upper <= 'F' ? upper - 'A' + 10 : -1;
}

std::string decodeQuotedPrintable(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int high = text[i] == '=' && i + 2 < text.size() ? hexDigit(text[i + 1]) : -1;
        const int low = high >= 0 ? hexDigit(text[i + 2]) : -1;
        if (low >= 0) {
            out += static_cast<char>(high * 16 + low);
            i += 2;
        } else {
            out += text[i]; // a stray "=" is kept as written
        }
    }
    return out;
}

bool isUtf8(std::string_view text)
{
    for (std::size_t pos = 0; pos < text.size();) {
        if (cp1252::decodeUtf8(text, pos) < 0) {
            return false;
        }
    }
    return true;
}

// UTF-8 from the value's bytes. A declared Latin character set is read as Windows-1252,
// its superset; text that is not valid UTF-8 is taken as Windows-1252 too, as older
// programs wrote their own code page without saying so.
std::string toUtf8(std::string bytes, std::string_view charset)
{
    const bool latin = equalsIgnoringCase(charset, "ISO-8859-1") || equalsIgnoringCase(charset, "LATIN1")
        || equalsIgnoringCase(charset, "WINDOWS-1252") || equalsIgnoringCase(charset, "CP1252");
    if (!latin && isUtf8(bytes)) {
        return bytes;
    }
    return cp1252::toUtf8(bytes);
}

// Splits a whole content line; nothing when it has no colon.
std::optional<VCardProperty> readProperty(std::string_view line)
{
    const std::size_t colon = findUnquoted(line, ':');
    if (colon == std::string_view::npos) {
        return std::nullopt;
    }
    const std::vector<std::string_view> head = splitUnquoted(line.substr(0, colon), ';');
    VCardProperty property;
    const std::string_view qualifiedName = head.front();
    const std::size_t dot = qualifiedName.rfind('.');
    if (dot != std::string_view::npos) {
        property.group = upperAscii(qualifiedName.substr(0, dot));
    }
    property.name = upperAscii(dot == std::string_view::npos ? qualifiedName : qualifiedName.substr(dot + 1));
    for (std::size_t i = 1; i < head.size(); ++i) {
        property.parameters.push_back(readParameter(head[i]));
    }
    std::string value(line.substr(colon + 1));
    if (property.hasParameterValue("ENCODING", "QUOTED-PRINTABLE")) {
        value = decodeQuotedPrintable(value);
    }
    property.value = toUtf8(std::move(value), property.parameter("CHARSET"));
    return property;
}

bool isQuotedPrintableWithSoftBreak(std::string_view line)
{
    if (!line.ends_with('=')) {
        return false;
    }
    const std::string head = upperAscii(line.substr(0, std::min(findUnquoted(line, ':'), line.size())));
    return head.find("QUOTED-PRINTABLE") != std::string::npos;
}

// One content line: folded continuations and quoted-printable soft line breaks joined.
std::string readContentLine(LineSource& lines)
{
    std::string line(lines.next());
    while (!lines.atEnd()) {
        if (isFoldContinuation(lines.peek())) {
            line.append(lines.next().substr(1));
        } else if (isQuotedPrintableWithSoftBreak(line)) {
            line.pop_back();
            line.append(lines.next());
        } else {
            break;
        }
    }
    return line;
}

bool isMarker(const VCardProperty& property, std::string_view name)
{
    std::string_view value = property.value;
    while (!value.empty() && (value.back() == ' ' || value.back() == '\t')) {
        value.remove_suffix(1);
    }
    return property.name == name && equalsIgnoringCase(value, "VCARD");
}

} // namespace

VCardReadResult VCardReader::read(std::string_view bytes)
{
    VCardReadResult result;
    LineSource lines(bytes);
    std::size_t depth = 0; // 0 between cards, 1 in a card, more in a nested one
    std::size_t cardLine = 0;
    const auto fail = [&](VCardProblem problem, std::size_t line) {
        result.cards.clear();
        result.error = VCardReadError{problem, line};
        return result;
    };
    while (!lines.atEnd()) {
        const std::size_t number = lines.nextNumber();
        const std::string line = readContentLine(lines);
        if (line.find_first_not_of(" \t") == std::string::npos) {
            continue;
        }
        std::optional<VCardProperty> property = readProperty(line);
        if (depth == 0) {
            if (!property || !isMarker(*property, "BEGIN")) {
                return fail(VCardProblem::TextOutsideCard, number);
            }
            result.cards.emplace_back();
            cardLine = number;
            depth = 1;
        } else if (!property) {
            return fail(VCardProblem::LineWithoutColon, number);
        } else if (isMarker(*property, "BEGIN")) {
            ++depth;
        } else if (isMarker(*property, "END")) {
            --depth;
        } else if (depth == 1) {
            result.cards.back().properties.push_back(std::move(*property));
        }
    }
    if (depth > 0) {
        return fail(VCardProblem::CardNotEnded, cardLine);
    }
    if (result.cards.empty()) {
        return fail(VCardProblem::NoCard, 0);
    }
    return result;
}

} // namespace zelmora
