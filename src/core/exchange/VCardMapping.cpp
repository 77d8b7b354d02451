#include "core/exchange/VCardMapping.h"

#include "core/base/Cp1252.h"
#include "core/exchange/CalendarDay.h"

#include <array>

namespace zelmora {

namespace {

// The names under which address books write a wedding anniversary.
constexpr std::array<std::string_view, 5> AnniversaryNames = {
    "ANNIVERSARY", "X-ANNIVERSARY", "X-MS-ANNIVERSARY", "X-EVOLUTION-ANNIVERSARY", "X-KADDRESSBOOK-X-ANNIVERSARY"};

bool isAnniversary(const VCard& card, const VCardProperty& property)
{
    for (const std::string_view name : AnniversaryNames) {
        if (property.name == name) {
            return true;
        }
    }
    if (property.name != "X-ABDATE" || property.group.empty()) {
        return false;
    }
    // Apple labels its dates through a property of the same group: "_$!<Anniversary>!$_".
    for (const VCardProperty& label : card.properties) {
        if (label.name == "X-ABLABEL" && label.group == property.group) {
            return cp1252::toUpper(label.value).find("ANNIVERSARY") != std::string::npos;
        }
    }
    return false;
}

// Every field is one line on the card (the notes too, by choice), so line breaks become blanks.
std::string withoutLineBreaks(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool crlf = text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
        out += text[i] == '\r' || text[i] == '\n' ? ' ' : text[i];
        i += crlf ? 1 : 0;
    }
    return out;
}

// Fills each field once, from the first property that gives it a value.
class FriendBuilder {
public:
    FriendBuilder()
    {
        for (std::size_t i = 0; i < FriendFieldCount; ++i) {
            if (isDateField(static_cast<FriendField>(i))) {
                fieldRef(m_result.record, static_cast<FriendField>(i)).assign(EmptyDateText); // as an untouched card
            }
        }
    }

    void set(FriendField field, std::string_view utf8)
    {
        if (m_filled[fieldIndex(field)]) {
            return;
        }
        // Cut as the card's edit cuts what is typed into it, then the names trimmed as the
        // card stores them.
        std::string text = toCp1252(withoutLineBreaks(utf8), fieldRef(m_result.record, field).capacity());
        if (field == FriendField::Nom || field == FriendField::Prenom) {
            text = trimControls(text);
        }
        if (field == FriendField::Nom) {
            text = cp1252::toUpper(text);
        }
        fieldRef(m_result.record, field).assign(text);
        m_filled[fieldIndex(field)] = !text.empty();
    }

    void setDate(FriendField field, const std::optional<CalendarDay>& day)
    {
        if (day && !m_filled[fieldIndex(field)]) {
            fieldRef(m_result.record, field).assign(day->toDateText().view());
            m_filled[fieldIndex(field)] = true;
        }
    }

    bool filled(FriendField field) const { return m_filled[fieldIndex(field)]; }
    MappedFriend result() const { return m_result; }

private:
    // Only as many characters as the field keeps are converted, so that a character cut
    // off anyway is not counted as changed.
    std::string toCp1252(std::string_view utf8, std::size_t capacity)
    {
        std::string text;
        for (std::size_t pos = 0; pos < utf8.size() && text.size() < capacity;) {
            const std::size_t start = pos;
            const long codePoint = cp1252::decodeUtf8(utf8, pos);
            const int byte = codePoint < 0 ? -1 : cp1252::toByte(static_cast<char32_t>(codePoint));
            if (pos == start) {
                ++pos; // the reader hands over UTF-8, but a byte too many must not stop the loop
            }
            if (byte < 0) {
                ++m_result.changedCharacters;
            }
            text += byte < 0 ? '?' : static_cast<char>(byte);
        }
        return text;
    }

    MappedFriend m_result;
    std::array<bool, FriendFieldCount> m_filled{};
};

// "Anne Marie Dupont": the last word is the family name, the others the given names.
void setNamesFromFormatted(FriendBuilder& builder, std::string_view formatted)
{
    const std::string_view trimmed = trimControls(formatted);
    const std::size_t lastBlank = trimmed.find_last_of(' ');
    if (lastBlank == std::string_view::npos) {
        builder.set(FriendField::Nom, trimmed);
        return;
    }
    builder.set(FriendField::Nom, trimmed.substr(lastBlank + 1));
    builder.set(FriendField::Prenom, trimmed.substr(0, lastBlank));
}

void setAddress(FriendBuilder& builder, const std::vector<std::string>& parts)
{
    // Post office box; extended address; street; locality; region; postal code; country.
    const auto part = [&](std::size_t i) { return i < parts.size() ? std::string_view(parts[i]) : std::string_view{}; };
    // The street's first line, then its other lines and the extended address and box.
    std::string_view street = part(2);
    const std::size_t lineBreak = street.find_first_of("\r\n");
    std::string rest;
    if (lineBreak != std::string_view::npos) {
        rest = street.substr(street.compare(lineBreak, 2, "\r\n") == 0 ? lineBreak + 2 : lineBreak + 1);
    }
    street = street.substr(0, lineBreak);
    for (const std::string_view more : {part(1), part(0)}) {
        if (!more.empty()) {
            rest.append(rest.empty() ? "" : "\n").append(more);
        }
    }
    for (std::size_t at = rest.find_first_of("\r\n"); at != std::string::npos; at = rest.find_first_of("\r\n", at)) {
        rest.replace(at, rest.compare(at, 2, "\r\n") == 0 ? 2 : 1, ", ");
    }
    builder.set(FriendField::Adresse1, street);
    builder.set(FriendField::Adresse2, rest);
    builder.set(FriendField::Ville, part(3));
    builder.set(FriendField::Etat, part(4));
    builder.set(FriendField::Code, part(5));
    builder.set(FriendField::Pays, part(6));
}

std::optional<CalendarDay> dateOf(const VCardProperty& property)
{
    std::optional<CalendarDay> day = CalendarDay::fromVCard(property.value);
    // Apple stores a date without a year in a year it names, usually 1604.
    const std::string_view omitted = property.parameter("X-APPLE-OMIT-YEAR");
    if (day && day->year && !omitted.empty() && TextToNum(omitted) == *day->year) {
        day->year.reset();
    }
    return day;
}

} // namespace

MappedFriend VCardMapping::map(const VCard& card) const
{
    FriendBuilder builder;
    const VCardProperty* formattedName = nullptr;
    bool addressDone = false;
    for (const VCardProperty& property : card.properties) {
        const std::string& name = property.name;
        if (name == "N") {
            const std::vector<std::string> parts = vCardComponents(property.value);
            builder.set(FriendField::Nom, parts[0]);
            builder.set(FriendField::Prenom, parts.size() > 1 ? std::string_view(parts[1]) : std::string_view{});
        } else if (name == "FN" && !formattedName) {
            formattedName = &property;
        } else if (name == "BDAY") {
            builder.setDate(FriendField::Anniversaire, dateOf(property));
        } else if (isAnniversary(card, property) && !builder.filled(FriendField::Date1)) {
            builder.setDate(FriendField::Date1, dateOf(property));
            if (builder.filled(FriendField::Date1)) {
                builder.set(FriendField::Raison1, cp1252::toUtf8(LangText(lang::WeddingAnniversary, m_language)));
            }
        } else if (name == "ADR" && !addressDone) {
            setAddress(builder, vCardComponents(property.value));
            addressDone = true;
        } else if (name == "TEL") {
            std::string_view number = property.value;
            if (property.hasParameterValue("VALUE", "uri") && number.starts_with("tel:")) {
                number.remove_prefix(4);
            }
            const std::string text = unescapeVCardText(number);
            builder.set(property.hasType("CELL") ? FriendField::Portable : FriendField::Telephone, text);
        } else if (name == "EMAIL") {
            builder.set(FriendField::Mail, unescapeVCardText(property.value));
        } else if (name == "URL") {
            builder.set(FriendField::Www, unescapeVCardText(property.value));
        } else if (name == "NOTE") {
            builder.set(FriendField::Notes, unescapeVCardText(property.value));
        }
    }
    if (!builder.filled(FriendField::Nom) && !builder.filled(FriendField::Prenom) && formattedName) {
        setNamesFromFormatted(builder, unescapeVCardText(formattedName->value));
    }
    return builder.result();
}

} // namespace zelmora
