#include "core/exchange/VCardReader.h"

#include "core/base/Cp1252.h"
#include "core/platform/CharsetConversion.h"

#include <algorithm>
#include <utility>

namespace zelmora {

namespace {

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

bool isWordCharacter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
}

// Letters, digits and "-", as property names and groups are written.
bool isName(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), isWordCharacter);
}

std::string_view unquote(std::string_view value)
{
    return value.size() >= 2 && value.front() == '"' && value.back() == '"' ? value.substr(1, value.size() - 2)
                                                                               : value;
}

bool isAnyOf(std::string_view word, std::initializer_list<std::string_view> names)
{
    return std::any_of(names.begin(), names.end(), [&](std::string_view name) { return equalsIgnoringCase(word, name); });
}

bool isEncodingName(std::string_view word)
{
    return isAnyOf(word, {"QUOTED-PRINTABLE", "BASE64", "B", "8BIT", "7BIT"});
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

// A name a file may give its character set; anything else is not handed to the system.
bool isCharsetName(std::string_view charset)
{
    return !charset.empty() && charset.size() <= 40 && std::all_of(charset.begin(), charset.end(), [](char c) {
        return isWordCharacter(c) || c == '_' || c == '.' || c == ':';
    });
}

// UTF-8 that older programs wrote in their own code page without saying so is taken as
// Windows-1252.
std::string utf8OrWindows1252(std::string bytes) { return isUtf8(bytes) ? bytes : cp1252::toUtf8(bytes); }

// UTF-8 from the value's bytes. A declared Latin character set is read as Windows-1252,
// its superset; any other goes through the system's converter.
std::string toUtf8(std::string bytes, std::string_view charset)
{
    if (charset.empty() || isAnyOf(charset, {"UTF-8", "UTF8"})) {
        return utf8OrWindows1252(std::move(bytes));
    }
    if (isAnyOf(charset, {"ISO-8859-1", "ISO8859-1", "LATIN1", "WINDOWS-1252", "CP1252", "US-ASCII", "ASCII"})) {
        return cp1252::toUtf8(bytes);
    }
    if (isCharsetName(charset)) {
        if (std::optional<std::string> converted = convertToUtf8(bytes, charset)) {
            return std::move(*converted);
        }
    }
    return utf8OrWindows1252(std::move(bytes));
}

// Splits a whole content line; nothing when it is no property.
std::optional<VCardProperty> readProperty(std::string_view line, bool textIsUnicode)
{
    const std::size_t colon = findUnquoted(line, ':');
    if (colon == std::string_view::npos) {
        return std::nullopt;
    }
    const std::vector<std::string_view> head = splitUnquoted(line.substr(0, colon), ';');
    VCardProperty property;
    const std::string_view qualifiedName = head.front();
    const std::size_t dot = qualifiedName.rfind('.');
    const std::string_view name = dot == std::string_view::npos ? qualifiedName : qualifiedName.substr(dot + 1);
    const std::string_view group = dot == std::string_view::npos ? std::string_view{} : qualifiedName.substr(0, dot);
    const bool groupIsName = std::ranges::all_of(splitUnquoted(group, '.'), isName);
    if (!isName(name) || (!group.empty() && !groupIsName)) {
        return std::nullopt; // "# a comment: with a colon" is no property
    }
    property.group = upperAscii(group);
    property.name = upperAscii(name);
    for (std::size_t i = 1; i < head.size(); ++i) {
        property.parameters.push_back(readParameter(head[i]));
    }
    const std::string_view value = line.substr(colon + 1);
    const bool quotedPrintable = property.hasParameterValue("ENCODING", "QUOTED-PRINTABLE");
    if (textIsUnicode && !quotedPrintable) {
        property.value = value;
    } else {
        property.value = toUtf8(quotedPrintable ? decodeQuotedPrintable(value) : std::string(value),
                                property.parameter("CHARSET"));
    }
    return property;
}

bool isMarker(const VCardProperty& property, std::string_view name)
{
    std::string_view value = property.value;
    while (!value.empty() && (value.back() == ' ' || value.back() == '\t')) {
        value.remove_suffix(1);
    }
    return property.name == name && equalsIgnoringCase(value, "VCARD");
}

bool isBase64(const VCardProperty& property)
{
    return property.hasParameterValue("ENCODING", "BASE64") || property.hasParameterValue("ENCODING", "B");
}

bool isBase64Text(std::string_view line)
{
    return std::all_of(line.begin(), line.end(), [](char c) {
        return isWordCharacter(c) || c == '+' || c == '/' || c == '=' || c == ' ' || c == '\t';
    });
}

// 2.1 writes an agent's card on the lines after an empty AGENT property.
bool introducesNestedCard(const VCard& card)
{
    return !card.properties.empty() && card.properties.back().name == "AGENT"
        && card.properties.back().value.find_first_not_of(" \t") == std::string::npos;
}

} // namespace

void VCardReader::readLine(std::optional<VCard>& finished)
{
    const std::size_t number = m_lines.nextNumber();
    const std::size_t start = m_lines.position();
    const std::string line = m_lines.nextContentLine();
    if (line.find_first_not_of(" \t") == std::string::npos) {
        m_inBase64Value = false; // a 2.1 BASE64 value ends with an empty line
        return;
    }
    std::optional<VCardProperty> property = readProperty(line, m_textIsUnicode);
    if (!property) {
        if (m_place != Place::InNestedCard && !(m_inBase64Value && isBase64Text(line))) {
            m_skipped.add(number);
        }
        return;
    }
    property->start = start;
    property->end = m_lines.position();
    m_inBase64Value = isBase64(*property);
    const bool begins = isMarker(*property, "BEGIN");
    const bool ends = isMarker(*property, "END");
    switch (m_place) {
    case Place::BetweenCards:
        if (begins) {
            m_place = Place::InCard;
        } else {
            m_skipped.add(number);
        }
        break;
    case Place::InCard:
        if (begins && introducesNestedCard(m_card)) {
            m_place = Place::InNestedCard;
            m_nesting = 1;
        } else if (begins || ends) {
            // A BEGIN:VCARD in a card ends a card that lacks its END:VCARD.
            finished = std::exchange(m_card, VCard{});
            m_place = begins ? Place::InCard : Place::BetweenCards;
        } else {
            m_card.properties.push_back(std::move(*property));
        }
        break;
    case Place::InNestedCard:
        m_nesting = begins ? m_nesting + 1 : m_nesting - (ends ? 1 : 0);
        m_place = m_nesting == 0 ? Place::InCard : Place::InNestedCard;
        break;
    }
}

std::optional<VCard> VCardReader::next()
{
    std::optional<VCard> finished;
    while (!finished && !m_lines.atEnd()) {
        readLine(finished);
    }
    if (!finished && m_place != Place::BetweenCards) {
        finished = std::exchange(m_card, VCard{}); // the file ends inside a card
        m_place = Place::BetweenCards;
    }
    return finished;
}

std::vector<VCard> VCardReader::readAll(const FileText& file)
{
    VCardReader reader(file);
    std::vector<VCard> cards;
    while (std::optional<VCard> card = reader.next()) {
        cards.push_back(std::move(*card));
    }
    return cards;
}

} // namespace zelmora
