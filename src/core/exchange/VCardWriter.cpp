#include "core/exchange/VCardWriter.h"

#include "core/base/Cp1252.h"
#include "core/base/LangText.h"
#include "core/exchange/CalendarDay.h"
#include "core/exchange/ContentLines.h"

namespace zelmora {

namespace {

std::string text(std::string_view cp1252) { return escapeContentText(cp1252::toUtf8(cp1252)); }

// Date1 is an ANNIVERSARY only when its reason says so, in either language: any other
// date would be mislabelled in the other program.
bool isWeddingAnniversary(std::string_view reason)
{
    return reason == LangText(lang::WeddingAnniversary, Language::English)
        || reason == LangText(lang::WeddingAnniversary, Language::French);
}

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
    void addDate(std::string_view name, std::string_view dateText)
    {
        if (const auto day = CalendarDay::fromDateText(dateText)) {
            add(name, day->toVCard());
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

void writeCard(std::string& out, const TFriend& f)
{
    CardLines lines(out);
    lines.add("BEGIN", "VCARD");
    lines.add("VERSION", "4.0");
    lines.add("FN", text(formattedName(f)));
    lines.add("N", text(f.Nom.view()) + ";" + text(f.Prenom.view()) + ";;;");
    lines.addDate("BDAY", f.Anniversaire.view());
    if (isWeddingAnniversary(f.Raison1.view())) {
        lines.addDate("ANNIVERSARY", f.Date1.view());
    }
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

std::string VCardWriter::write(const FriendTable& table)
{
    std::string out;
    for (std::uint16_t slot = 1; slot <= table.FriendCount; ++slot) {
        writeCard(out, table[slot]);
    }
    return out;
}

} // namespace zelmora
