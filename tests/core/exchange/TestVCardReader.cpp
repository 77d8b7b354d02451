#include "core/exchange/VCardReader.h"

#include "VCardText.h"

#include <gtest/gtest.h>

namespace zelmora {
namespace {

using test::card;
using test::crlfLines;

const VCardProperty& only(const VCardReadResult& read, std::string_view name)
{
    EXPECT_FALSE(read.error);
    EXPECT_EQ(read.cards.size(), 1u);
    for (const VCardProperty& property : read.cards.at(0).properties) {
        if (property.name == name) {
            return property;
        }
    }
    static const VCardProperty none;
    ADD_FAILURE() << "no " << name;
    return none;
}

TEST(VCardReader, UnfoldsContinuationLinesOfEveryLineEnding)
{
    const std::string crlf = "BEGIN:VCARD\r\nNOTE:one two\r\n  three\r\n\tfour\r\nEND:VCARD\r\n";
    const std::string lf = "BEGIN:VCARD\nNOTE:one two\n  three\n\tfour\nEND:VCARD";
    for (const std::string& file : {crlf, lf}) {
        EXPECT_EQ(only(VCardReader::read(file), "NOTE").value, "one two threefour");
    }
}

TEST(VCardReader, UndoesQuotedPrintableSoftBreaksAndCharset)
{
    // A 2.1 card as phones write it: Latin-1 bytes, a soft line break in the middle of a word.
    const std::string file = crlfLines({
        "BEGIN:VCARD", "VERSION:2.1",
        "N;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE:Ch=E2telain;H=E9l=E8ne",
        "NOTE;ENCODING=QUOTED-PRINTABLE;CHARSET=UTF-8:Caf=C3=A9 cr=C3=A8=",
        "me et =E2=82=AC",
        "ADR;HOME;QUOTED-PRINTABLE:;;12 rue =3D Haute;Paris",
        "END:VCARD"});
    const VCardReadResult read = VCardReader::read(file);
    ASSERT_FALSE(read.error);
    const auto& properties = read.cards.at(0).properties;
    EXPECT_EQ(properties[1].value, "Ch\xC3\xA2telain;H\xC3\xA9l\xC3\xA8ne");
    EXPECT_EQ(properties[2].value, "Caf\xC3\xA9 cr\xC3\xA8me et \xE2\x82\xAC");
    EXPECT_EQ(properties[3].value, ";;12 rue = Haute;Paris");
    EXPECT_TRUE(properties[3].hasType("home"));
}

TEST(VCardReader, SplitsGroupsParametersAndQuotedValues)
{
    const VCardReadResult read =
        VCardReader::read(card({"item1.TEL;type=HOME,Cell;TYPE=\"voice,pref\";X-NOTE=\"a;b:c\":+33 1"}));
    const VCardProperty& tel = only(read, "TEL");
    EXPECT_EQ(tel.group, "ITEM1");
    EXPECT_TRUE(tel.hasType("cell"));
    EXPECT_TRUE(tel.hasType("PREF"));
    EXPECT_FALSE(tel.hasType("fax"));
    EXPECT_EQ(tel.parameter("x-note"), "a;b:c");
    EXPECT_EQ(tel.value, "+33 1");
}

TEST(VCardReader, ReadsEveryCardAndSkipsNestedOnes)
{
    const std::string file = card({"FN:One"}) + "\r\n" + card({"FN:Two", "AGENT:", "BEGIN:VCARD", "FN:Agent",
                                                               "END:VCARD", "X-UNKNOWN;FOO=bar:kept"});
    const VCardReadResult read = VCardReader::read("\xEF\xBB\xBF" + file);
    ASSERT_FALSE(read.error);
    ASSERT_EQ(read.cards.size(), 2u);
    EXPECT_EQ(read.cards[1].properties.size(), 4u); // VERSION, FN, AGENT, X-UNKNOWN
    EXPECT_EQ(read.cards[1].properties[1].value, "Two");
}

TEST(VCardReader, TakesUndeclaredEightBitTextAsWindows1252)
{
    EXPECT_EQ(only(VCardReader::read(card({"FN:Ren\xE9"})), "FN").value, "Ren\xC3\xA9");
}

TEST(VCardReader, RefusesMalformedFilesSayingWhere)
{
    const struct {
        std::string file;
        VCardProblem problem;
        std::size_t line;
    } cases[] = {
        {"", VCardProblem::NoCard, 0},
        {"\r\n  \r\n", VCardProblem::NoCard, 0},
        {"Hello, this is not a card\r\n", VCardProblem::TextOutsideCard, 1},
        {card({"FN:A"}) + "FN:stray\r\n", VCardProblem::TextOutsideCard, 5},
        {"END:VCARD\r\n", VCardProblem::TextOutsideCard, 1},
        {card({"FN:A"}) + "BEGIN:VCARD\r\nFN:B\r\n", VCardProblem::CardNotEnded, 5},
        {"BEGIN:VCARD\r\nFN:A\r\nno colon here\r\nEND:VCARD\r\n", VCardProblem::LineWithoutColon, 3},
    };
    for (const auto& c : cases) {
        const VCardReadResult read = VCardReader::read(c.file);
        ASSERT_TRUE(read.error) << c.file;
        EXPECT_EQ(read.error->problem, c.problem) << c.file;
        EXPECT_EQ(read.error->line, c.line) << c.file;
        EXPECT_TRUE(read.cards.empty());
    }
}

TEST(VCardValues, ComponentsSplitOnlyAtUnescapedSemicolons)
{
    EXPECT_EQ(vCardComponents("Dupont\\; fils;Anne\\, Marie;;"),
              (std::vector<std::string>{"Dupont; fils", "Anne, Marie", "", ""}));
    EXPECT_EQ(unescapeVCardText("a\\nb\\Nc\\\\d C:\\temp\\"), "a\nb\nc\\d C:\\temp\\");
}

} // namespace
} // namespace zelmora
