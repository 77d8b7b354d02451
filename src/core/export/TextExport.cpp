#include "core/export/TextExport.h"

#include "core/data/DatabaseCodec.h"
#include "core/export/ExportText.h"

namespace zelmora {

namespace {

const std::string EqualsRule(60, '=');
const std::string Indent(10, ' ');

void appendFriend(std::string& out, const TFriend& f, Language language)
{
    const auto label = [language](std::uint16_t pair) { return LangText(pair, language); };
    appendLine(out, {label(lang::LastName), " : ", f.Nom.view()});
    appendLine(out, {label(lang::FirstName), " : ", f.Prenom.view()});
    appendLine(out, {label(lang::Address), " : ", f.Adresse1.view()});
    appendLine(out, {Indent, f.Adresse2.view()});
    appendLine(out, {Indent, f.Ville.view(), " - ", f.Etat.view(), " ", f.Code.view(), " - ", f.Pays.view()});
    appendLine(out, {label(lang::PhoneNumber), " : ", f.Telephone.view()});
    appendLine(out, {label(lang::MobilePhone), " : ", f.Portable.view()});
    appendLine(out, {label(lang::Birthday), " : ", f.Anniversaire.view(), "    ", label(lang::SaintsDay), " : ", f.Fete.view()});
    appendLine(out, {label(lang::OtherDate), " : ", f.Date1.view(), " - ", f.Raison1.view()});
    appendLine(out, {label(lang::OtherDate), " : ", f.Date2.view(), " - ", f.Raison2.view()});
    appendLine(out, {label(lang::InternetSite), " : ", f.Www.view()});
    appendLine(out, {"e-mail : ", f.Mail.view()});
    appendLine(out, {"Notes : "});
    appendLine(out, {f.Notes.view()});
    appendLine(out, {EqualsRule});
}

} // namespace

std::string buildTextExport(const FriendTable& table, Language language)
{
    std::string out;
    out.reserve(256 + std::size_t{table.FriendCount} * 1400);
    appendLine(out, {EqualsRule});
    appendLine(out, {std::string(20, ' '), LangText(lang::FriendsList, language)});
    appendLine(out, {std::string(19, ' '), ProductName, " ", CurrentVersionTag});
    appendLine(out, {EqualsRule});
    for (std::uint16_t n = 1; n <= table.FriendCount; ++n) {
        appendFriend(out, table[n], language);
    }
    return out;
}

} // namespace zelmora
