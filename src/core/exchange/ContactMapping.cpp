#include "core/exchange/ContactMapping.h"

#include "core/base/Cp1252.h"
#include "core/base/ShortText.h"
#include "core/exchange/DateLabels.h"
#include "core/exchange/FriendBuilder.h"

#include <algorithm>
#include <array>

namespace zelmora {

namespace {

// The values in the order the card prefers them; values alike in use keep the file's order.
template <typename Value>
std::vector<const Value*> preferred(const std::vector<Value>& values)
{
    std::vector<const Value*> ordered;
    for (const Value& value : values) {
        ordered.push_back(&value);
    }
    std::stable_sort(ordered.begin(), ordered.end(), [](const Value* a, const Value* b) { return a->usage < b->usage; });
    return ordered;
}

// Fills the field from the preferred value that fits; returns how many values were not kept.
std::size_t setPreferred(FriendBuilder& builder, FriendField field, const std::vector<ContactValue>& values)
{
    std::vector<FriendBuilder::Value> texts;
    for (const ContactValue* value : preferred(values)) {
        texts.push_back({value->text, value->origin});
    }
    return builder.setFirstFitting(field, texts);
}

// "Anne Marie Dupont": the last word is the family name, the others the given names.
void setNamesFromFormatted(FriendBuilder& builder, std::string_view formatted, Origin origin)
{
    const std::string_view trimmed = trimControls(formatted);
    const std::size_t lastBlank = trimmed.find_last_of(' ');
    if (lastBlank == std::string_view::npos) {
        builder.set(FriendField::Nom, {trimmed, origin});
        return;
    }
    builder.set(FriendField::Nom, {trimmed.substr(lastBlank + 1), origin});
    builder.set(FriendField::Prenom, {trimmed.substr(0, lastBlank), origin});
}

bool hasPersonalName(const Contact& contact)
{
    return !trimControls(contact.lastName).empty() || !trimControls(contact.firstName).empty()
        || (!trimControls(contact.formattedName).empty() && contact.formattedName != contact.organisation);
}

void setNames(FriendBuilder& builder, const Contact& contact)
{
    const bool hasOrganisation = !trimControls(contact.organisation).empty();
    if (contact.isOrganisation || (hasOrganisation && !hasPersonalName(contact))) {
        // "ACME Inc." is no person's name to split.
        builder.set(FriendField::Nom, hasOrganisation ? FriendBuilder::Value{contact.organisation, contact.organisationOrigin}
                                                      : FriendBuilder::Value{contact.formattedName, contact.formattedNameOrigin});
        if (builder.filled(FriendField::Nom)) {
            return;
        }
    }
    if (hasOrganisation) {
        ++builder.notes().notKept.organisations;
    }
    builder.set(FriendField::Nom, {contact.lastName, contact.namesOrigin});
    builder.set(FriendField::Prenom, {contact.firstName, contact.namesOrigin});
    if (!builder.filled(FriendField::Nom) && !builder.filled(FriendField::Prenom)) {
        setNamesFromFormatted(builder, contact.formattedName, contact.formattedNameOrigin);
    }
}

// A contact with nothing but an e-mail address is named after the address's name part.
void setNameFromEmail(FriendBuilder& builder, const Contact& contact)
{
    if (builder.filled(FriendField::Nom) || builder.filled(FriendField::Prenom) || contact.emails.empty()) {
        return;
    }
    const ContactValue& email = *preferred(contact.emails).front();
    const std::string_view address = email.text;
    builder.set(FriendField::Nom, {address.substr(0, address.find('@')), email.origin});
    builder.notes().namedFromEmail = builder.filled(FriendField::Nom);
}

void setAddress(FriendBuilder& builder, const ContactAddress& address)
{
    // The street's first line, then its other lines, the extended address and the box.
    const std::size_t lineBreak = address.street.find_first_of("\r\n");
    std::string rest;
    if (lineBreak != std::string::npos) {
        rest = address.street.substr(address.street.compare(lineBreak, 2, "\r\n") == 0 ? lineBreak + 2 : lineBreak + 1);
    }
    for (const std::string& more : {address.extended, address.postOfficeBox}) {
        if (!more.empty()) {
            rest.append(rest.empty() ? "" : "\n").append(more);
        }
    }
    for (std::size_t at = rest.find_first_of("\r\n"); at != std::string::npos; at = rest.find_first_of("\r\n", at)) {
        rest.replace(at, rest.compare(at, 2, "\r\n") == 0 ? 2 : 1, ", ");
    }
    builder.set(FriendField::Adresse1, {std::string_view(address.street).substr(0, lineBreak), address.origin});
    builder.set(FriendField::Adresse2, {rest, address.origin});
    builder.set(FriendField::Ville, {address.locality, address.origin});
    builder.set(FriendField::Etat, {address.region, address.origin});
    builder.set(FriendField::Code, {address.postalCode, address.origin});
    builder.set(FriendField::Pays, {address.country, address.origin});
}

} // namespace

bool ContactMapping::placeDate(FriendBuilder& builder, const ContactDate& date) const
{
    // A label is judged as the card would store it, so that an export brings it back alike.
    const DateKind kind =
        date.kind == DateKind::Labelled ? dateKindOfLabel(cp1252::toUtf8(FriendBuilder::cardText(date.label))) : date.kind;
    if (kind == DateKind::Birthday || kind == DateKind::SaintsDay) {
        const FriendField field = kind == DateKind::Birthday ? FriendField::Anniversaire : FriendField::Fete;
        if (!builder.filled(field)) {
            builder.setDate(field, date.day, date.origin);
            return true;
        }
        if (kind == DateKind::Birthday) {
            return false;
        }
    }
    std::string reason = date.label; // a second saint's day keeps its label
    if (kind == DateKind::Wedding || kind == DateKind::Other) {
        reason = cp1252::toUtf8(LangText(kind == DateKind::Wedding ? lang::WeddingAnniversary : lang::OtherDate, m_language));
    }
    const std::pair first(FriendField::Date1, FriendField::Raison1);
    const std::pair second(FriendField::Date2, FriendField::Raison2);
    for (const auto& [dateField, reasonField] : date.secondOther ? std::array{second, first} : std::array{first, second}) {
        if (!builder.filled(dateField)) {
            builder.setDate(dateField, date.day, date.origin);
            builder.set(reasonField, {reason, date.origin});
            return true;
        }
    }
    return false;
}

MappedFriend ContactMapping::map(const Contact& contact) const
{
    FriendBuilder builder;
    setNames(builder, contact);
    setNameFromEmail(builder, contact);
    NotKept& notKept = builder.notes().notKept;
    notKept += contact.asides;
    notKept.phones += setPreferred(builder, FriendField::Telephone, contact.phones);
    notKept.phones += setPreferred(builder, FriendField::Portable, contact.mobiles);
    notKept.emails += setPreferred(builder, FriendField::Mail, contact.emails);
    notKept.webSites += setPreferred(builder, FriendField::Www, contact.webSites);
    if (!contact.addresses.empty()) {
        setAddress(builder, *preferred(contact.addresses).front());
        notKept.addresses += contact.addresses.size() - 1;
    }
    for (const ContactDate& date : contact.dates) {
        notKept.dates += placeDate(builder, date) ? 0 : 1;
    }
    builder.set(FriendField::Notes, {contact.notes, contact.notesOrigin});
    return builder.result();
}

} // namespace zelmora
