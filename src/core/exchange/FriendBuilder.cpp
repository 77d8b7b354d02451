#include "core/exchange/FriendBuilder.h"

#include "core/base/Cp1252.h"

#include <limits>

namespace zelmora {

namespace {

constexpr std::size_t NoLimit = std::numeric_limits<std::size_t>::max();

struct CardText {
    std::string text;
    std::size_t changed = 0;  // characters stored as "?"
    std::size_t controls = 0; // control characters dropped or made blanks
    bool cut = false;
};

// Windows-1252 for the card, at most `capacity` characters. What lies beyond the cut is
// not counted: a character cut off anyway was not changed.
CardText toCardText(std::string_view utf8, std::size_t capacity)
{
    CardText out;
    std::size_t droppedControls = 0; // counted once a kept character follows, or at the end
    for (std::size_t pos = 0; pos < utf8.size();) {
        const std::size_t start = pos;
        const long decoded = cp1252::decodeUtf8(utf8, pos);
        pos = decoded < 0 ? start + 1 : pos; // the readers give UTF-8, but a stray byte must not stop the loop
        const char32_t codePoint = decoded < 0 ? 0xFFFD : static_cast<char32_t>(decoded);
        const bool lineBreak = codePoint == '\r' || codePoint == '\n';
        if (codePoint == '\r' && pos < utf8.size() && utf8[pos] == '\n') {
            ++pos; // CR LF is one line break
        }
        if (cp1252::isControl(codePoint) && !lineBreak && codePoint != '\t') {
            ++droppedControls;
            continue;
        }
        if (out.text.size() == capacity) {
            out.cut = true;
            return out;
        }
        const int byte = cp1252::isControl(codePoint) ? ' ' : cp1252::toByte(codePoint);
        out.text += byte < 0 ? '?' : static_cast<char>(byte);
        out.changed += byte < 0 ? 1 : 0;
        out.controls += droppedControls + (codePoint == '\t' ? 1 : 0);
        droppedControls = 0;
    }
    out.controls += droppedControls;
    return out;
}

bool isName(FriendField field) { return field == FriendField::Nom || field == FriendField::Prenom; }

} // namespace

FriendBuilder::FriendBuilder()
{
    for (std::size_t i = 0; i < FriendFieldCount; ++i) {
        if (isDateField(static_cast<FriendField>(i))) {
            fieldRef(m_result.record, static_cast<FriendField>(i)).assign(EmptyDateText); // as an untouched card
        }
    }
}

std::string FriendBuilder::cardText(std::string_view utf8) { return toCardText(utf8, NoLimit).text; }

void FriendBuilder::store(FriendField field, Value value, std::size_t capacity)
{
    const std::string_view utf8 = value.utf8;
    m_result.origins[fieldIndex(field)] = value.origin;
    // The card trims the names it stores; trimming first keeps blanks from taking the room.
    CardText converted = toCardText(isName(field) ? trimControls(utf8) : utf8, capacity);
    if (isName(field)) {
        converted.text = trimControls(converted.text);
    }
    if (field == FriendField::Nom) {
        converted.text = cp1252::toUpper(converted.text);
    }
    fieldRef(m_result.record, field).assign(converted.text);
    m_filled[fieldIndex(field)] = !converted.text.empty();
    FriendNotes& notes = m_result.notes;
    notes.changedCharacters += converted.changed;
    notes.controlCharacters += converted.controls;
    if (converted.cut) {
        notes.cut.push_back(field);
    }
}

void FriendBuilder::set(FriendField field, Value value)
{
    if (!filled(field)) {
        store(field, value, fieldRef(m_result.record, field).capacity());
    }
}

std::size_t FriendBuilder::setFirstFitting(FriendField field, const std::vector<Value>& values)
{
    if (filled(field) || values.empty()) {
        return values.size();
    }
    const std::size_t capacity = fieldRef(m_result.record, field).capacity();
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (toCardText(values[i].utf8, NoLimit).text.size() <= capacity) {
            store(field, values[i], capacity);
            if (i > 0) {
                m_result.notes.tooLongReplaced.push_back(field);
            }
            return values.size() - i - 1;
        }
    }
    m_result.notes.tooLongEmptied.push_back(field);
    return 0;
}

void FriendBuilder::setDate(FriendField field, const CalendarDay& day, Origin origin)
{
    if (!filled(field)) {
        fieldRef(m_result.record, field).assign(day.toDateText().view());
        m_result.origins[fieldIndex(field)] = origin;
        m_filled[fieldIndex(field)] = true;
    }
}

} // namespace zelmora
