#include "core/exchange/FriendCard.h"

#include "core/base/Cp1252.h"
#include "core/exchange/CalendarDay.h"
#include "core/exchange/ContentLines.h"
#include "core/exchange/DateLabels.h"

namespace zelmora {

namespace {

using F = FriendField;

constexpr F NameFields[] = {F::Nom, F::Prenom};
constexpr F AddressFields[] = {F::Adresse1, F::Adresse2, F::Code, F::Ville, F::Etat, F::Pays};
constexpr F PhoneFields[] = {F::Telephone};
constexpr F MobileFields[] = {F::Portable};
constexpr F EmailFields[] = {F::Mail};
constexpr F WebSiteFields[] = {F::Www};
constexpr F NotesFields[] = {F::Notes};
constexpr F BirthdayFields[] = {F::Anniversaire};
constexpr F SaintsDayFields[] = {F::Fete};
constexpr F OtherDate1Fields[] = {F::Date1, F::Raison1};
constexpr F OtherDate2Fields[] = {F::Date2, F::Raison2};

// Apple's own label of a wedding anniversary: 3.0 has no ANNIVERSARY.
constexpr std::string_view AppleAnniversaryLabel = "_$!<Anniversary>!$_";
// The year Apple writes for a date without one, and names in X-APPLE-OMIT-YEAR: 3.0 has no "--mmdd".
constexpr int OmittedYear = 1604;

std::string text(std::string_view cp1252) { return escapeContentText(cp1252::toUtf8(cp1252)); }

// A URI knows no text escapes, but readers undo them all the same: only a backslash
// needs one to come back as it was.
std::string escapedBackslashes(std::string_view utf8)
{
    std::string out;
    for (const char c : utf8) {
        if (c == '\\') {
            out += '\\';
        }
        out += c;
    }
    return out;
}

class CardLines {
public:
    CardLines(std::string& out, VCardVersion version) : m_out(out), m_version(version) {}

    void add(std::string_view nameAndParameters, const std::string& value)
    {
        appendContentLine(m_out, std::string(nameAndParameters) + ":" + value);
    }
    void addText(std::string_view nameAndParameters, std::string_view cp1252)
    {
        if (!cp1252.empty()) {
            add(nameAndParameters, text(cp1252));
        }
    }
    // False when the date has no day and month, which no vCard date can hold.
    bool addDate(std::string_view name, std::string_view dateText)
    {
        const std::optional<CalendarDay> day = CalendarDay::fromDateText(dateText);
        if (!day) {
            return false;
        }
        if (m_version == VCardVersion::V4) {
            add(name, day->toVCard());
        } else if (day->year && day->existsIn(*day->year)) {
            add(name, day->toIsoDate());
        } else {
            CalendarDay inOmittedYear = *day;
            inOmittedYear.year = OmittedYear;
            add(std::string(name) + ";X-APPLE-OMIT-YEAR=" + NumToText(OmittedYear), inOmittedYear.toIsoDate());
        }
        return true;
    }
    // The date under a group that joins it to its label: "date2.X-ABDATE", "date2.X-ABLabel".
    void addLabelledDate(std::string_view group, std::string_view dateText, std::string_view labelCp1252)
    {
        if (addDate(std::string(group) + ".X-ABDATE", dateText) && !labelCp1252.empty()) {
            addText(std::string(group) + ".X-ABLabel", labelCp1252);
        }
    }

private:
    std::string& m_out;
    VCardVersion m_version;
};

std::string addressValue(const TFriend& f)
{
    std::string street(f.Adresse1.view());
    if (!f.Adresse2.empty()) {
        street.append("\n").append(f.Adresse2.view());
    }
    return ";;" + text(street) + ";" + text(f.Ville.view()) + ";" + text(f.Etat.view()) + ";" + text(f.Code.view())
         + ";" + text(f.Pays.view());
}

bool hasAddress(const TFriend& f)
{
    return !(f.Adresse1.empty() && f.Adresse2.empty() && f.Code.empty() && f.Ville.empty() && f.Etat.empty()
             && f.Pays.empty());
}

// An other date under its own group, so that an import knows the second one. 4.0 writes a
// wedding anniversary as ANNIVERSARY, which a card holds once: the first one.
void writeOtherDate(CardLines& lines, const TFriend& f, bool second, VCardVersion version)
{
    const std::string_view group = second ? "date2" : "date1";
    const std::string_view date = second ? f.Date2.view() : f.Date1.view();
    const std::string_view reason = second ? f.Raison2.view() : f.Raison1.view();
    if (!isWeddingReason(reason)) {
        lines.addLabelledDate(group, date, reason);
    } else if (version == VCardVersion::V3) {
        lines.addLabelledDate(group, date, AppleAnniversaryLabel);
    } else if (second && isWeddingReason(f.Raison1.view()) && CalendarDay::fromDateText(f.Date1.view())) {
        lines.addLabelledDate(group, date, reason);
    } else {
        lines.addDate(std::string(group) + ".ANNIVERSARY", date);
    }
}

} // namespace

std::string formattedName(const TFriend& f)
{
    std::string name(f.Prenom.view());
    if (!name.empty() && !f.Nom.empty()) {
        name += ' ';
    }
    return name.append(f.Nom.view());
}

std::span<const FriendField> fieldsOf(CardPart part)
{
    switch (part) {
    case CardPart::Names: return NameFields;
    case CardPart::Address: return AddressFields;
    case CardPart::Phone: return PhoneFields;
    case CardPart::Mobile: return MobileFields;
    case CardPart::Email: return EmailFields;
    case CardPart::WebSite: return WebSiteFields;
    case CardPart::Notes: return NotesFields;
    case CardPart::Birthday: return BirthdayFields;
    case CardPart::SaintsDay: return SaintsDayFields;
    case CardPart::OtherDate1: return OtherDate1Fields;
    case CardPart::OtherDate2: return OtherDate2Fields;
    }
    return {};
}

bool samePart(CardPart part, const TFriend& one, const TFriend& other)
{
    for (const FriendField field : fieldsOf(part)) {
        if (fieldText(one, field) != fieldText(other, field)) {
            return false;
        }
    }
    return true;
}

FriendCard::FriendCard(VCardVersion version, Language language)
    : m_version(version), m_saintsDayLabel(LangText(lang::SaintsDayOccasion, language))
{
}

std::string FriendCard::partLines(CardPart part, const TFriend& f) const
{
    std::string out;
    CardLines lines(out, m_version);
    const auto addIf = [&](bool any, std::string_view name) {
        if (any) {
            lines.add(name, propertyValue(part, f));
        }
    };
    switch (part) {
    case CardPart::Names:
        lines.add("FN", text(formattedName(f)));
        lines.add("N", propertyValue(part, f));
        break;
    case CardPart::Address: addIf(hasAddress(f), "ADR"); break;
    case CardPart::Phone: addIf(!f.Telephone.empty(), "TEL;TYPE=voice"); break;
    case CardPart::Mobile: addIf(!f.Portable.empty(), "TEL;TYPE=cell"); break;
    case CardPart::Email: addIf(!f.Mail.empty(), "EMAIL"); break;
    case CardPart::WebSite: addIf(!f.Www.empty(), "URL"); break;
    case CardPart::Notes: addIf(!f.Notes.empty(), "NOTE"); break;
    case CardPart::Birthday: lines.addDate("BDAY", f.Anniversaire.view()); break;
    case CardPart::SaintsDay: lines.addLabelledDate("saint", f.Fete.view(), m_saintsDayLabel); break;
    case CardPart::OtherDate1: writeOtherDate(lines, f, false, m_version); break;
    case CardPart::OtherDate2: writeOtherDate(lines, f, true, m_version); break;
    }
    return out;
}

std::string FriendCard::propertyValue(CardPart part, const TFriend& f)
{
    switch (part) {
    case CardPart::Names: return text(f.Nom.view()) + ";" + text(f.Prenom.view()) + ";;;";
    case CardPart::Address: return addressValue(f);
    case CardPart::Phone: return text(f.Telephone.view());
    case CardPart::Mobile: return text(f.Portable.view());
    case CardPart::Email: return text(f.Mail.view());
    case CardPart::WebSite: return escapedBackslashes(cp1252::toUtf8(f.Www.view()));
    case CardPart::Notes: return text(f.Notes.view());
    default: return {}; // a date goes with its label and its year's parameter: lines of their own
    }
}

std::string FriendCard::card(const TFriend& f, std::string_view uid) const
{
    std::string out;
    CardLines lines(out, m_version);
    lines.add("BEGIN", "VCARD");
    lines.add("VERSION", m_version == VCardVersion::V4 ? "4.0" : "3.0");
    lines.add("UID", std::string(uid));
    // The order other programs write and readers expect: names, dates, address, the rest.
    for (const CardPart part : {CardPart::Names, CardPart::Birthday, CardPart::SaintsDay, CardPart::OtherDate1,
                                CardPart::OtherDate2, CardPart::Address, CardPart::Phone, CardPart::Mobile,
                                CardPart::Email, CardPart::WebSite, CardPart::Notes}) {
        out += partLines(part, f);
    }
    lines.add("END", "VCARD");
    return out;
}

} // namespace zelmora
