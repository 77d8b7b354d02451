#include "core/export/ExportLines.h"
#include "core/export/HtmlExport.h"

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
    const auto table = tableOf({{"DUPONT & Fils", ""}, {"\xC9TIENNE", "<Marc>"}});
    testing::storeDupont(*table, 1);
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

std::string repeated(std::string_view text, std::size_t times)
{
    std::string result;
    while (times-- > 0) {
        result += text;
    }
    return result;
}

TEST(HtmlExport, KeepsLongLinesWhole)
{
    const auto table = tableOf({{"N", "P"}});
    const std::string address = "http://www.example.org/" + std::string(77, 'w');
    table->StoreCard(1, {"N", "P", "", "", std::string(10, 'C'), std::string(50, 'V'), std::string(50, 'E'),
                         std::string(50, '&'), "", "", "", "", "", "", "", "", address, "", std::string(200, '<')});
    const std::vector<std::string> lines = exportedLines(buildHtmlExport(*table, Language::French));
    const auto has = [&lines](const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    };

    const std::string P6 = "      " + repeated("&nbsp;", 6);
    ASSERT_EQ(address.size(), 100u);
    EXPECT_TRUE(has(P6 + "Site Internet : <B><A HREF=\"" + address + "\" TARGET=_new>" + address + "</A></B><BR>"));
    EXPECT_TRUE(has("      " + repeated("&nbsp;", 18) + "<B>" + std::string(50, 'V') + " - " + std::string(50, 'E') + " "
                    + std::string(10, 'C') + " - " + repeated("&amp;", 50) + "</B><BR>"));
    EXPECT_TRUE(has(P6 + "<B>" + repeated("&lt;", 200) + "</B><BR>"));
}

TEST(HtmlExport, LinksOnlyWebSitesAndEncodesTheMailAddress)
{
    const std::string P6 = "      " + repeated("&nbsp;", 6) + "Internet Site : <B>";
    const struct {
        std::string site;
        std::string line;
    } cases[] = {
        {"https://a.example/?x=1&y=2", "<A HREF=\"https://a.example/?x=1&amp;y=2\" TARGET=_new>https://a.example/?x=1&amp;y=2</A>"},
        {"www.a.example/b:c", "<A HREF=\"www.a.example/b:c\" TARGET=_new>www.a.example/b:c</A>"},
        {"javascript:alert(\"x\")", "javascript:alert(&quot;x&quot;)"},
        {"data:text/html,<script>", "data:text/html,&lt;script&gt;"},
        {"file:///etc/passwd", "file:///etc/passwd"},
        {" JavaScript:void(0)", " JavaScript:void(0)"},
    };
    for (const auto& c : cases) {
        const auto table = tableOf({{"N", "P"}});
        (*table)[1].Www.assign(c.site);
        (*table)[1].Mail.assign("ann b@x.example?cc=eve@y.example");
        const std::vector<std::string> lines = exportedLines(buildHtmlExport(*table, Language::English));
        EXPECT_NE(std::find(lines.begin(), lines.end(), P6 + c.line + "</B><BR>"), lines.end()) << c.site;
        EXPECT_NE(std::find_if(lines.begin(), lines.end(),
                               [](const std::string& line) {
                                   return line.find("<A HREF=\"mailto:ann%20b@x.example%3Fcc%3Deve@y.example\">ann "
                                                    "b@x.example?cc=eve@y.example</A>")
                                       != std::string::npos;
                               }),
                  lines.end());
    }
}

} // namespace
} // namespace zelmora
