#include "core/exchange/CsvWriter.h"

#include "core/base/Cp1252.h"
#include "core/exchange/CalendarDay.h"
#include "core/exchange/DateLabels.h"

#include <array>

namespace zelmora {

namespace {

constexpr std::array<std::string_view, 24> Header = {
    "First Name", "Last Name", "Birthday", "Notes",
    "E-mail 1 - Label", "E-mail 1 - Value", "Phone 1 - Label", "Phone 1 - Value", "Phone 2 - Label", "Phone 2 - Value",
    "Address 1 - Label", "Address 1 - Street", "Address 1 - City", "Address 1 - Region", "Address 1 - Postal Code",
    "Address 1 - Country", "Website 1 - Label", "Website 1 - Value",
    "Event 1 - Label", "Event 1 - Value", "Event 2 - Label", "Event 2 - Value", "Event 3 - Label", "Event 3 - Value"};

using Row = std::array<std::string, Header.size()>;

// A field in quotes when it holds a comma, a quote or a line break, its quotes doubled.
void appendField(std::string& out, std::string_view utf8)
{
    if (utf8.find_first_of(",\"\r\n") == std::string_view::npos) {
        out.append(utf8);
        return;
    }
    out += '"';
    for (const char c : utf8) {
        out.append(c == '"' ? "\"\"" : std::string_view(&c, 1));
    }
    out += '"';
}

void appendRow(std::string& out, const auto& fields)
{
    bool first = true;
    for (const auto& field : fields) {
        out.append(first ? "" : ",");
        appendField(out, field);
        first = false;
    }
    out.append("\r\n");
}

std::string isoDate(std::string_view dateText)
{
    const std::optional<CalendarDay> day = CalendarDay::fromDateText(dateText);
    return day ? day->toIsoDate() : std::string();
}

class RowBuilder {
public:
    explicit RowBuilder(Language language) : m_language(language) {}

    Row build(const TFriend& f) const
    {
        Row row;
        std::size_t next = 0;
        const auto put = [&](std::string text) { row[next++] = std::move(text); };
        put(utf8(f.Prenom.view()));
        put(utf8(f.Nom.view()));
        put(isoDate(f.Anniversaire.view()));
        put(utf8(f.Notes.view()));
        put(labelled("Other", f.Mail.view()));
        put(utf8(f.Mail.view()));
        put(labelled("Home", f.Telephone.view()));
        put(utf8(f.Telephone.view()));
        put(labelled("Mobile", f.Portable.view()));
        put(utf8(f.Portable.view()));
        const bool hasAddress = !(f.Adresse1.empty() && f.Adresse2.empty() && f.Ville.empty() && f.Etat.empty()
                                  && f.Code.empty() && f.Pays.empty());
        put(hasAddress ? "Home" : "");
        put(street(f));
        for (const std::string_view part : {f.Ville.view(), f.Etat.view(), f.Code.view(), f.Pays.view()}) {
            put(utf8(part));
        }
        put(labelled("Home Page", f.Www.view()));
        put(utf8(f.Www.view()));
        putEvent(put, saintsDayLabel(m_language), f.Fete.view());
        putEvent(put, reasonLabel(f.Raison1.view()), f.Date1.view());
        putEvent(put, reasonLabel(f.Raison2.view()), f.Date2.view());
        return row;
    }

private:
    static std::string utf8(std::string_view cp1252) { return cp1252::toUtf8(cp1252); }

    static std::string labelled(std::string_view label, std::string_view value)
    {
        return value.empty() ? std::string() : std::string(label);
    }

    static std::string street(const TFriend& f)
    {
        std::string text(f.Adresse1.view());
        if (!f.Adresse2.empty()) {
            text.append("\n").append(f.Adresse2.view());
        }
        return utf8(text);
    }

    // Each date in its own event, the saint's day first: the third event is the second other
    // date even when the first is empty, so that an import puts it back there.
    static void putEvent(const auto& put, std::string label, std::string_view dateText)
    {
        std::string date = isoDate(dateText);
        put(date.empty() ? std::string() : std::move(label));
        put(std::move(date));
    }

    // Google's own label for a wedding anniversary, the reason for any other date.
    static std::string reasonLabel(std::string_view reason)
    {
        return isWeddingReason(reason) ? "Anniversary" : utf8(reason);
    }

    Language m_language;
};

} // namespace

std::string CsvWriter::write(const FriendTable& table) const
{
    std::string out = "\xEF\xBB\xBF";
    appendRow(out, Header);
    const RowBuilder builder(m_language);
    for (std::uint16_t slot = 1; slot <= table.FriendCount; ++slot) {
        appendRow(out, builder.build(table[slot]));
    }
    return out;
}

} // namespace zelmora
