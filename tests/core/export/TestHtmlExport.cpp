#include "core/export/ExportLines.h"
#include "export/HtmlExport.h"

#include <algorithm>
#include <memory>

namespace zelmora {
namespace {

using testing::expectSameLines;
using testing::exportedLines;

std::unique_ptr<FriendTable> tableOf(std::initializer_list<std::pair<std::string_view, std::string_view>> names)
{
    auto table = std::make_unique<FriendTable>();
    for (const auto& [nom, prenom] : names) {
        TFriend& f = (*table)[++table->FriendCount];
        f.Nom.assign(nom);
        f.Prenom.assign(prenom);
    }
    return table;
}

// The index headings of a page: the letters between <B> and </B> of the FONT lines.
std::vector<std::string> headings(const std::string& page)
{
    std::vector<std::string> letters;
    for (const std::string& line : exportedLines(page)) {
        if (const std::size_t at = line.find("<FONT SIZE=+2><B>"); at != std::string::npos) {
            const std::size_t start = at + 17;
            letters.push_back(line.substr(start, line.find("</B>", start) - start));
        }
    }
    return letters;
}

TEST(HtmlExport, AnEmptyTableGivesTheFrameOnly)
{
    expectSameLines(buildHtmlExport(FriendTable{}, Language::English), "html-empty-en.htm");
}

TEST(HtmlExport, IndexesNamesUnderTheirInitialAndLinksThemInOrder)
{
    const auto table = tableOf({{"ADAM", "Alice"}, {"BAKER", "Bob"}, {"BROWN", "Carl"}});
    expectSameLines(buildHtmlExport(*table, Language::English), "html-adam-baker-brown-en.htm");
}

TEST(HtmlExport, EscapesFieldValuesInFrenchPages)
{
    const auto table = tableOf({{"DUPONT & Fils", "J\xE9r\xF4me"}, {"\xC9TIENNE", "<Marc>"}});
    TFriend& dupont = (*table)[1];
    dupont.Adresse1.assign("12 rue des Lilas");
    dupont.Adresse2.assign("B\xE2timent B");
    dupont.Code.assign("75011");
    dupont.Ville.assign("Paris");
    dupont.Etat.assign("\xCEle-de-France");
    dupont.Pays.assign("France");
    dupont.Telephone.assign("01 23 45 67 89");
    dupont.Portable.assign("06 12 34 56 78");
    dupont.Anniversaire.assign("14/07/1975");
    dupont.Fete.assign("30/09/    ");
    dupont.Date1.assign("01/05/2000");
    dupont.Raison1.assign("Mariage <civil>");
    dupont.Date2.assign("  /  /    ");
    dupont.Www.assign("http://www.dupont.example/?a=1&b=2");
    dupont.Mail.assign("jerome@dupont.example");
    dupont.Notes.assign("Aime le caf\xE9 & les <b>croissants</b> \"chauds\"");
    expectSameLines(buildHtmlExport(*table, Language::French), "html-escaping-fr.htm");
}

TEST(HtmlExport, HeadingsFollowUnsignedByteOrder)
{
    // Blank, empty and control initials get no heading; a capital after small letters
    // (smaller as a byte) gets none either, while bytes above 127 do.
    const auto table = tableOf({{"", "x"}, {" BLANK", ""}, {"\x01" "CTRL", ""}, {"<Ltd>", ""},
                                {"adam", ""}, {"ZOE", ""}, {"\xC9MILE", ""}, {"\xC9VA", ""}});
    const std::string page = buildHtmlExport(*table, Language::English);
    EXPECT_EQ(headings(page), (std::vector<std::string>{"&lt;", "a", "\xC3\x89"}));
    EXPECT_NE(page.find("<A HREF=\"#Link1\"> x</A><BR>"), std::string::npos);
    EXPECT_NE(page.find("<A HREF=\"#Link8\">\xC9VA </A><BR>"), std::string::npos);
}

TEST(HtmlExport, KeepsLongLinesWhole)
{
    const auto table = tableOf({{std::string(50, 'N'), std::string(50, 'P')}});
    TFriend& f = (*table)[1];
    const std::string address = "http://www.example.org/" + std::string(77, 'w');
    f.Www.assign(address);
    f.Ville.assign(std::string(50, 'V'));
    f.Etat.assign(std::string(50, 'E'));
    f.Code.assign(std::string(10, 'C'));
    f.Pays.assign(std::string(50, '&'));
    f.Notes.assign(std::string(200, '<'));

    const std::vector<std::string> lines = exportedLines(buildHtmlExport(*table, Language::French));
    const auto has = [&lines](const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    };
    const std::string P6 = "      &nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;";
    std::string ampersands;
    std::string lessThans;
    for (int i = 0; i < 50; ++i) {
        ampersands += "&amp;";
    }
    for (int i = 0; i < 200; ++i) {
        lessThans += "&lt;";
    }
    ASSERT_EQ(address.size(), 100u);
    EXPECT_TRUE(has(P6 + "Site Internet : <B><A HREF=\"" + address + "\" TARGET=_new>" + address + "</A></B><BR>"));
    EXPECT_TRUE(has(P6 + P6.substr(6) + P6.substr(6) + "<B>" + std::string(50, 'V') + " - " + std::string(50, 'E') + " "
                    + std::string(10, 'C') + " - " + ampersands + "</B><BR>"));
    EXPECT_TRUE(has(P6 + "<B>" + lessThans + "</B><BR>"));
}

} // namespace
} // namespace zelmora
