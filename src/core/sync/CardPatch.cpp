#include "core/sync/CardPatch.h"

#include "core/base/Cp1252.h"
#include "core/exchange/ContentLines.h"

#include <algorithm>

namespace zelmora {

namespace {

// Bytes [start, end) of the card's text become `text`.
struct Edit {
    std::size_t start;
    std::size_t end;
    std::string text;
};

bool anyOf(std::string_view name, std::initializer_list<std::string_view> names)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

// A parameter value as written: quoted when it holds what would end it.
std::string parameterValue(std::string_view value)
{
    return value.find_first_of(":;,") == std::string_view::npos ? std::string(value) : "\"" + std::string(value) + "\"";
}

// The components of a structured value as written, escapes kept.
std::vector<std::string> rawComponents(std::string_view value)
{
    std::vector<std::string> components(1);
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == ';') {
            components.emplace_back();
        } else {
            components.back() += value[i];
            if (value[i] == '\\' && i + 1 < value.size()) {
                components.back() += value[++i];
            }
        }
    }
    return components;
}

// Where the card's END:VCARD line begins, after its last property; the text's end when it has none.
std::size_t endOfCard(const ServerCard& card)
{
    std::size_t from = 0;
    for (const VCardProperty& property : card.card.properties) {
        from = std::max(from, property.end);
    }
    const std::string_view text = card.text;
    for (std::size_t at = from; at + 9 <= text.size(); ++at) {
        if ((at == 0 || text[at - 1] == '\n' || text[at - 1] == '\r') && equalsIgnoringCase(text.substr(at, 9), "END:VCARD")) {
            return at;
        }
    }
    return text.size();
}

std::string joined(const std::vector<std::string>& components)
{
    std::string out;
    for (std::size_t i = 0; i < components.size(); ++i) {
        out.append(i ? ";" : "").append(components[i]);
    }
    return out;
}

class Patcher {
public:
    Patcher(const ServerCard& card, const TFriend& target, Language language)
        : m_card(card), m_target(target), m_writer(card.version, language),
          m_lineEnd(card.text.find("\r\n") == std::string::npos ? "\n" : "\r\n"), m_endOfCard(endOfCard(card))
    {
    }

    void patch(CardPart part)
    {
        switch (part) {
        case CardPart::Names: patchNames(); break;
        case CardPart::Birthday:
        case CardPart::SaintsDay:
        case CardPart::OtherDate1:
        case CardPart::OtherDate2: patchDate(part); break;
        default: patchValue(part);
        }
    }

    std::string result()
    {
        std::stable_sort(m_edits.begin(), m_edits.end(), [](const Edit& a, const Edit& b) { return a.start < b.start; });
        std::string out;
        std::size_t at = 0;
        for (const Edit& edit : m_edits) {
            if (edit.start < at) {
                continue; // a property two parts came from is changed once
            }
            out.append(m_card.text, at, edit.start - at).append(edit.text);
            at = edit.end;
        }
        return out.append(m_card.text, at);
    }

private:
    const VCardProperty* originOf(CardPart part) const
    {
        for (const FriendField field : fieldsOf(part)) {
            if (const Origin origin = m_card.mapped.origins[fieldIndex(field)]; origin != NoOrigin) {
                return &m_card.card.properties[origin - 1];
            }
        }
        return nullptr;
    }

    const VCardProperty* first(std::string_view name) const
    {
        const auto& properties = m_card.card.properties;
        const auto found = std::find_if(properties.begin(), properties.end(),
                                        [&](const VCardProperty& property) { return property.name == name; });
        return found == properties.end() ? nullptr : &*found;
    }

    // Lines written for the card: its line ends.
    std::string lines(std::string text) const
    {
        if (m_lineEnd == "\n") {
            text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
        }
        return text;
    }

    // The property with a new value, its group and parameters kept but those the new
    // value makes wrong: its former encoding and character set, and any of `dropped`.
    std::string rewritten(const VCardProperty& property, std::string_view value,
                          std::initializer_list<std::string_view> dropped = {}) const
    {
        std::string line = property.group.empty() ? property.name : property.group + "." + property.name;
        for (const VCardParameter& parameter : property.parameters) {
            if (anyOf(parameter.name, {"ENCODING", "CHARSET"}) || anyOf(parameter.name, dropped)) {
                continue;
            }
            line.append(";").append(parameter.name).append("=");
            for (std::size_t i = 0; i < parameter.values.size(); ++i) {
                line.append(i ? "," : "").append(parameterValue(parameter.values[i]));
            }
        }
        std::string out;
        appendContentLine(out, line.append(":").append(value));
        return lines(std::move(out));
    }

    void replace(const VCardProperty& property, std::string text) { m_edits.push_back({property.start, property.end, std::move(text)}); }
    void remove(const VCardProperty& property) { replace(property, {}); }
    void addAtEnd(CardPart part) { insertAtEnd(m_writer.partLines(part, m_target)); }
    void insertAtEnd(const std::string& crlfLines)
    {
        // A card cut short (no END:VCARD, no last line end) gets the line end it lacks first.
        const std::string_view text = m_card.text;
        const bool lineEnded = text.empty() || text.back() == '\n' || text.back() == '\r' || m_endOfCard < text.size();
        m_edits.push_back({m_endOfCard, m_endOfCard, lines((lineEnded ? "" : "\r\n") + crlfLines)});
    }

    void patchNames()
    {
        const VCardProperty* origin = originOf(CardPart::Names);
        const VCardProperty* fn = first("FN");
        if (origin && origin->name == "ORG") {
            // An organisation's card: its name is the organisation's.
            std::vector<std::string> components = rawComponents(origin->value);
            components[0] = escapeContentText(cp1252::toUtf8(m_target.Nom.view()));
            if (fn && unescapeVCardText(fn->value) == vCardComponents(origin->value)[0]) {
                replace(*fn, rewritten(*fn, components[0]));
            }
            replace(*origin, rewritten(*origin, joined(components)));
            return;
        }
        const std::string fullName = escapeContentText(cp1252::toUtf8(formattedName(m_target)));
        if (const VCardProperty* n = first("N")) {
            std::vector<std::string> components = rawComponents(n->value);
            const std::vector<std::string> wanted = rawComponents(FriendCard::propertyValue(CardPart::Names, m_target));
            components.resize(std::max(components.size(), wanted.size()));
            components[0] = wanted[0];
            components[1] = wanted[1];
            replace(*n, rewritten(*n, joined(components)));
            if (fn) {
                replace(*fn, rewritten(*fn, fullName));
            } else {
                insertAtEnd(contentLine("FN:" + fullName));
            }
            return;
        }
        if (fn) {
            remove(*fn);
        }
        addAtEnd(CardPart::Names);
    }

    static std::string contentLine(const std::string& line)
    {
        std::string out;
        appendContentLine(out, line);
        return out;
    }

    bool targetHas(CardPart part) const
    {
        const auto& fields = fieldsOf(part);
        return std::any_of(fields.begin(), fields.end(), [&](FriendField field) {
            return !fieldText(m_target, field).empty() && !(isDateField(field) && fieldText(m_target, field) == EmptyDateText);
        });
    }

    void patchValue(CardPart part)
    {
        const VCardProperty* origin = originOf(part);
        if (!origin) {
            addAtEnd(part);
        } else if (!targetHas(part)) {
            remove(*origin);
        } else {
            // An address's LABEL spells the old address; a tel: URI is written as text.
            replace(*origin, rewritten(*origin, FriendCard::propertyValue(part, m_target), {"LABEL", "VALUE"}));
        }
    }

    // A date goes with its label and the parameter of its year: its lines are written anew
    // where the old ones stood.
    void patchDate(CardPart part)
    {
        const VCardProperty* origin = originOf(part);
        if (!origin) {
            addAtEnd(part);
            return;
        }
        replace(*origin, lines(m_writer.partLines(part, m_target)));
        for (const VCardProperty& property : m_card.card.properties) {
            if (!origin->group.empty() && property.group == origin->group && &property != origin) {
                remove(property); // its label
            }
        }
    }

    const ServerCard& m_card;
    const TFriend& m_target;
    FriendCard m_writer;
    std::string m_lineEnd;
    std::size_t m_endOfCard; // where END:VCARD begins
    std::vector<Edit> m_edits;
};

} // namespace

std::string patchCard(const ServerCard& card, const TFriend& target, const std::vector<CardPart>& parts,
                      Language language)
{
    Patcher patcher(card, target, language);
    for (const CardPart part : parts) {
        patcher.patch(part);
    }
    return patcher.result();
}

} // namespace zelmora
