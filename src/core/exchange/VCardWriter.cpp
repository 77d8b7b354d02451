#include "core/exchange/VCardWriter.h"

#include "core/base/Cp1252.h"
#include "core/exchange/CalendarDay.h"
#include "core/exchange/ContentLines.h"
#include "core/exchange/DateLabels.h"
#include "core/exchange/FriendUid.h"

#include <tuple>

namespace zelmora {

namespace {

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
    explicit CardLines(std::string& out) : m_out(out) {}

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
        const auto day = CalendarDay::fromDateText(dateText);
        if (day) {
            add(name, day->toVCard());
        }
        return day.has_value();
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
};

std::string formattedName(const TFriend& f)
{
    std::string name(f.Prenom.view());
    if (!name.empty() && !f.Nom.empty()) {
        name += ' ';
    }
    return name.append(f.Nom.view());
}

void writeAddress(CardLines& lines, const TFriend& f)
{
    if (f.Adresse1.empty() && f.Adresse2.empty() && f.Code.empty() && f.Ville.empty() && f.Etat.empty()
        && f.Pays.empty()) {
        return;
    }
    std::string street(f.Adresse1.view());
    if (!f.Adresse2.empty()) {
        street.append("\n").append(f.Adresse2.view());
    }
    lines.add("ADR", ";;" + text(street) + ";" + text(f.Ville.view()) + ";" + text(f.Etat.view()) + ";"
                         + text(f.Code.view()) + ";" + text(f.Pays.view()));
}

// The other dates in their order, each under its own group so that an import knows the
// second one; one wedding anniversary as ANNIVERSARY (a card may hold only one).
void writeOtherDates(CardLines& lines, const TFriend& f)
{
    bool anniversaryWritten = false;
    for (const auto& [group, date, reason] : {std::tuple("date1", f.Date1.view(), f.Raison1.view()),
                                              std::tuple("date2", f.Date2.view(), f.Raison2.view())}) {
        if (isWeddingReason(reason) && !anniversaryWritten) {
            anniversaryWritten = lines.addDate(std::string(group) + ".ANNIVERSARY", date);
        } else {
            lines.addLabelledDate(group, date, reason);
        }
    }
}

void writeCard(std::string& out, const TFriend& f, const std::string& uidStem, std::string_view saintsDayLabel)
{
    CardLines lines(out);
    lines.add("BEGIN", "VCARD");
    lines.add("VERSION", "4.0");
    lines.add("UID", "urn:zelmora:" + uidStem);
    lines.add("FN", text(formattedName(f)));
    lines.add("N", text(f.Nom.view()) + ";" + text(f.Prenom.view()) + ";;;");
    lines.addDate("BDAY", f.Anniversaire.view());
    lines.addLabelledDate("saint", f.Fete.view(), saintsDayLabel);
    writeOtherDates(lines, f);
    writeAddress(lines, f);
    lines.addText("TEL;TYPE=voice", f.Telephone.view());
    lines.addText("TEL;TYPE=cell", f.Portable.view());
    lines.addText("EMAIL", f.Mail.view());
    if (!f.Www.empty()) {
        lines.add("URL", escapedBackslashes(cp1252::toUtf8(f.Www.view())));
    }
    lines.addText("NOTE", f.Notes.view());
    lines.add("END", "VCARD");
}

} // namespace

std::string VCardWriter::write(const FriendTable& table) const
{
    std::string out;
    const FriendUids uids(table);
    const std::string saintsDay(LangText(lang::SaintsDayOccasion, m_language));
    for (std::uint16_t slot = 1; slot <= table.FriendCount; ++slot) {
        writeCard(out, table[slot], uids.stem(slot), saintsDay);
    }
    return out;
}

} // namespace zelmora
