#include "core/export/HtmlExport.h"

#include "core/data/DatabaseCodec.h"
#include "core/data/DateText.h"
#include "core/export/ExportText.h"
#include "core/platform/WebAddress.h"

namespace zelmora {

namespace {

std::string nbsp(std::size_t count)
{
    std::string spaces;
    for (std::size_t i = 0; i < count; ++i) {
        spaces += "&nbsp;";
    }
    return spaces;
}

const std::string P6 = "      " + nbsp(6);
const std::string P18 = "      " + nbsp(18);
const std::string HeadingIndent = "    " + nbsp(6);
const std::string EntryIndent = "    " + nbsp(12);
constexpr std::string_view Rule = "    <HR>";

// One output line: fixed markup as it is, field values escaped.
class PageLine {
public:
    explicit PageLine(std::string& out) : m_out(out) {}

    PageLine& markup(std::string_view text)
    {
        m_out += text;
        return *this;
    }
    PageLine& value(std::string_view text)
    {
        appendHtmlEscaped(m_out, text);
        return *this;
    }
    void end() { m_out += ExportLineEnd; }

private:
    std::string& m_out;
};

void appendHead(std::string& out, Language language)
{
    const std::string title = std::string(ProductName) + " " + std::string(CurrentVersionTag);
    appendLine(out, {"<HTML>"});
    appendLine(out, {"    <! ", LangText(lang::PageMadeWith, language), " ", CurrentVersionTag, " ", LangText(lang::Freeware, language), " >"});
    appendLine(out, {"  <HEAD>"});
    appendLine(out, {"    <TITLE>", ProductName, "</TITLE>"});
    appendLine(out, {"  </HEAD>"});
    appendLine(out, {"  <BODY>"});
    appendLine(out, {"    <A NAME=\"Liste\">"});
    appendLine(out, {"    <CENTER><H1>", LangText(lang::FriendsList, language), "</H1></CENTER>"});
    appendLine(out, {"    <CENTER><H2>", title, "</H2></CENTER>"});
    appendLine(out, {Rule});
    appendLine(out, {"    <CENTER><H3>", LangText(lang::ListOfZelmora, language), "</H3></CENTER>"});
    appendLine(out, {Rule});
}

// The table is sorted by name, so comparing each initial with the last heading written
// gives one heading per letter; names starting with a blank or a control get none.
void appendIndex(std::string& out, const FriendTable& table)
{
    unsigned char heading = ' ';
    for (std::uint16_t n = 1; n <= table.FriendCount; ++n) {
        const TFriend& f = table[n];
        const auto initial = static_cast<unsigned char>(f.Nom.empty() ? '\0' : f.Nom[0]);
        if (initial > heading) {
            heading = initial;
            PageLine(out).markup(HeadingIndent).markup("<FONT SIZE=+2><B>").value(f.Nom.view().substr(0, 1))
                .markup("</B></FONT><BR>").end();
        }
        PageLine(out).markup(EntryIndent).markup("<A HREF=\"#Link").markup(NumToText(n)).markup("\">")
            .value(f.Nom.view()).markup(" ").value(f.Prenom.view()).markup("</A><BR>").end();
    }
}

// P6, the label, " : <B>", the values, "</B><BR>".
void appendLabelled(std::string& out, std::string_view label, std::initializer_list<std::string_view> values)
{
    PageLine line(out);
    line.markup(P6).markup(label).markup(" : <B>");
    for (const std::string_view part : values) {
        line.value(part);
    }
    line.markup("</B><BR>").end();
}

// A live link only to a web page: any other scheme (javascript:, data:, file:) could run
// code or open a local file from a click, so its value stays plain text.
void appendWebSite(std::string& out, std::string_view label, std::string_view site)
{
    PageLine line(out);
    line.markup(P6).markup(label).markup(" : <B>");
    if (addressKind(site) == AddressKind::Other) {
        line.value(site);
    } else {
        line.markup("<A HREF=\"").value(site).markup("\" TARGET=_new>").value(site).markup("</A>");
    }
    line.markup("</B><BR>").end();
}

void appendFriend(std::string& out, std::uint16_t n, const TFriend& f, Language language)
{
    const auto label = [language](std::uint16_t pair) { return LangText(pair, language); };
    appendLine(out, {"    <A NAME=\"Link", NumToText(n), "\">"});
    appendLabelled(out, label(lang::LastName), {f.Nom.view()});
    appendLabelled(out, label(lang::FirstName), {f.Prenom.view()});
    appendLabelled(out, label(lang::Address), {f.Adresse1.view()});
    PageLine(out).markup(P18).markup("<B>").value(f.Adresse2.view()).markup("</B><BR>").end();
    PageLine(out).markup(P18).markup("<B>").value(f.Ville.view()).markup(" - ").value(f.Etat.view()).markup(" ")
        .value(f.Code.view()).markup(" - ").value(f.Pays.view()).markup("</B><BR>").end();
    appendLabelled(out, label(lang::PhoneNumber), {f.Telephone.view()});
    appendLabelled(out, label(lang::MobilePhone), {f.Portable.view()});
    appendLabelled(out, label(lang::Birthday), {f.Anniversaire.view()});
    appendLabelled(out, label(lang::SaintsDay), {f.Fete.view()});
    appendLabelled(out, label(lang::OtherDate), {f.Date1.view(), " - ", f.Raison1.view()});
    appendLabelled(out, label(lang::OtherDate), {f.Date2.view(), " - ", f.Raison2.view()});
    appendWebSite(out, label(lang::InternetSite), f.Www.view());
    std::string mailto = "mailto:";
    appendPercentEncoded(mailto, f.Mail.view(), "@+,");
    PageLine(out).markup(P6).markup("e-mail : <B><A HREF=\"").value(mailto).markup("\">").value(f.Mail.view())
        .markup("</A></B><BR>").end();
    appendLine(out, {P6, "Notes : <BR>"});
    PageLine(out).markup(P6).markup("<B>").value(f.Notes.view()).markup("</B><BR>").end();
    appendLine(out, {P6, "<CENTER><A HREF=\"#Liste\">", label(lang::BackToList), "</A></CENTER>"});
    appendLine(out, {Rule});
}

} // namespace

void appendHtmlEscaped(std::string& out, std::string_view text)
{
    std::size_t plainStart = 0; // plain runs are copied in one piece
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::string_view reference;
        switch (text[i]) {
        case '&': reference = "&amp;"; break;
        case '<': reference = "&lt;"; break;
        case '>': reference = "&gt;"; break;
        case '"': reference = "&quot;"; break;
        default: continue;
        }
        out.append(text.substr(plainStart, i - plainStart));
        out += reference;
        plainStart = i + 1;
    }
    out.append(text.substr(plainStart));
}

std::string buildHtmlExport(const FriendTable& table, Language language)
{
    std::string out;
    out.reserve(1024 + std::size_t{table.FriendCount} * 3000);
    appendHead(out, language);
    appendIndex(out, table);
    appendLine(out, {Rule});
    appendLine(out, {"    <CENTER><H3>", LangText(lang::FileOfZelmora, language), "</H3></CENTER>"});
    appendLine(out, {Rule});
    for (std::uint16_t n = 1; n <= table.FriendCount; ++n) {
        appendFriend(out, n, table[n], language);
    }
    appendLine(out, {"  </BODY>"});
    appendLine(out, {"</HTML>"});
    return out;
}

} // namespace zelmora
